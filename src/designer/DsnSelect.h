#pragma once

#include "designer/DsnRegister.h"

namespace tw
{

// Signals every change of the controller's selection while design mode is
// on, and selects controls programmatically: only while design mode is on,
// and only controls on the stage that the rules put under design control
// and let be selected.
class TDsnSelect : public QObject, public TDsnPartner, private TSelectionReceiver
{
    Q_OBJECT
    Q_PROPERTY(tw::TDsnRegister *DsnRegister READ dsnRegister WRITE setDsnRegister)

public:
    enum Kind { Added = 0, Cleared = 1, Deleted = 2, EntryNil = 3 };

    explicit TDsnSelect(QObject *parent = nullptr);
    ~TDsnSelect() override;

    TDsnRegister *dsnRegister() const { return m_register; }
    void setDsnRegister(TDsnRegister *value);

    bool select(TControl *control);
    // Selects those of `controls` that may be selected; false if none was.
    bool select(const QList<TControl *> &controls);

    void designModeChanging(TDsnRegister *sender, bool on) override;

signals:
    // The selection after each change, and which change it was (a Kind).
    void selectionChanged(const QList<TControl *> &selected, int kind);

private:
    void selectionEntryNil(int index, const QObject *gone) override;
    void selectionAdded(TControl *control) override;
    void selectionCleared() override;
    void selectionDeleted(int index, TControl *control) override;
    void report(int kind);
    bool selectable(TControl *control) const;

    QPointer<TDsnRegister> m_register;
};

} // namespace tw
