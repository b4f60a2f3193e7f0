#pragma once

#include "designer/DsnTypes.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QLabel;
class QStatusBar;

namespace tw
{

class TControl;
class TDsnRegister;

// The status bar's account of the design: the mode (design or run) and the
// selection, as the number of tiles or, for one tile, its kind, name,
// position and size, kept current while the tile is moved or sized.
class TDesignStatus : public QObject, public TSelectionReceiver
{
    Q_OBJECT

public:
    explicit TDesignStatus(QStatusBar *bar);
    ~TDesignStatus() override;

    // The tile kind a user knows ("Button", "Boxed column", ...).
    std::function<QString(const TControl *)> KindOf;

    // Follows the selection of `reg` (nullptr: no design).
    void watch(TDsnRegister *reg);
    // `designing` for design mode; nothing shown without a design.
    void showMode(bool hasDesign, bool designing);

    QLabel *modeLabel() const { return m_mode; }
    QLabel *selectionLabel() const { return m_selection; }

    void selectionAdded(TControl *control) override;
    void selectionCleared() override;
    void selectionDeleted(int index, TControl *control) override;
    void selectionEntryNil(int index, const QObject *gone) override;
    void selectionUpdated() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showSelection();

    QLabel *m_mode;
    QLabel *m_selection;
    QPointer<TDsnRegister> m_reg;
    // The one selected tile watched for moves; kept as an object, since its
    // events may come while it is being destroyed.
    QPointer<QObject> m_tile;
};

} // namespace tw
