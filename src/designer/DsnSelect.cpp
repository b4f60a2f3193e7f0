#include "designer/DsnSelect.h"

#include "component/Control.h"
#include "designer/DsnSelection.h"
#include "designer/DsnStage.h"

#include <QMetaMethod>

namespace tw
{

TDsnSelect::TDsnSelect(QObject *parent) : QObject(parent)
{
}

TDsnSelect::~TDsnSelect()
{
    if (m_register) {
        m_register->RemoveReceiver(this);
        m_register->RemovePartner(this);
    }
}

void TDsnSelect::setDsnRegister(TDsnRegister *value)
{
    if (m_register == value)
        return;
    if (m_register) {
        m_register->RemoveReceiver(this);
        m_register->RemovePartner(this);
    }
    m_register = value;
    if (m_register) {
        m_register->AddPartner(this);
        if (m_register->designMode())
            m_register->AddReceiver(this);
    }
}

void TDsnSelect::designModeChanging(TDsnRegister *sender, bool on)
{
    if (on)
        sender->AddReceiver(this);
    else
        sender->RemoveReceiver(this);
}

bool TDsnSelect::selectable(TControl *control) const
{
    TDsnStage *stage = m_register ? m_register->dsnStage() : nullptr;
    if (!control || !stage || control == stage || !stage->isAncestorOf(control))
        return false;
    return stage->rules().coverKind(control) == 0 &&
           (stage->rules().selectKind(control) & dsn::kMaySelect);
}

bool TDsnSelect::select(TControl *control)
{
    return select(QList<TControl *>{control});
}

bool TDsnSelect::select(const QList<TControl *> &controls)
{
    if (!m_register || !m_register->designMode())
        return false;
    QList<TControl *> chosen;
    for (TControl *control : controls)
        if (selectable(control))
            chosen.append(control);
    if (chosen.isEmpty())
        return false;
    m_register->SelectControl(chosen.first());
    for (TControl *control : chosen.mid(1))
        m_register->selection()->add(control);
    m_register->selection()->update();
    return true;
}

void TDsnSelect::report(int kind)
{
    if (!m_register || !m_register->selection() ||
        !isSignalConnected(QMetaMethod::fromSignal(&TDsnSelect::selectionChanged)))
        return;
    QList<TControl *> items = m_register->selection()->items();
    items.removeAll(nullptr);
    emit selectionChanged(items, kind);
}

void TDsnSelect::selectionEntryNil(int, const QObject *)
{
    report(EntryNil);
}

void TDsnSelect::selectionAdded(TControl *)
{
    report(Added);
}

void TDsnSelect::selectionCleared()
{
    report(Cleared);
}

void TDsnSelect::selectionDeleted(int, TControl *)
{
    report(Deleted);
}

} // namespace tw
