#pragma once

#include "component/Owner.h"
#include "format/ComponentRecord.h"

#include <QObject>
#include <QPointer>

namespace tw
{

class TDCLPanel;

// A design held without a window: it owns the dialog tile and every tile on
// it, and offers the design window's caption handler so that a design read
// here and written again keeps its event binding.
class TDesignRoot : public QObject, public TOwner
{
    Q_OBJECT

public:
    TDesignRoot();
    ~TDesignRoot() override;

    QObject *methodReceiver() override { return this; }

    // Replaces the design by the components of `records`; the dialog tile is
    // the one named "DCLPanelBasic", else the first dialog tile read.
    void load(const std::vector<ComponentRecord> &records);
    std::vector<ComponentRecord> save() const;
    TDCLPanel *dialog() const { return m_dialog; }
    bool isModified() const { return m_modified; }
    void setModified(bool value) { m_modified = value; }

public slots:
    void DCLPanelBasicCaptionChange(QObject *sender, const QString &caption);

signals:
    void dialogCaptionChanged(const QString &caption);

private:
    void clear();

    QList<QPointer<TControl>> m_topLevel;
    TDCLPanel *m_dialog = nullptr;
    bool m_modified = false;
};

} // namespace tw
