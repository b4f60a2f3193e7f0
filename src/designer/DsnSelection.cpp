#include "designer/DsnSelection.h"

#include "component/Control.h"

namespace tw
{

void TSelectionReceiver::selectionEntryNil(int, const QObject *)
{
}
void TSelectionReceiver::selectionAdded(TControl *)
{
}
void TSelectionReceiver::selectionCleared()
{
}
void TSelectionReceiver::selectionDeleted(int, TControl *)
{
}
void TSelectionReceiver::selectionUpdated()
{
}

TDsnSelection::TDsnSelection(QObject *parent) : QObject(parent)
{
}

TDsnSelection::~TDsnSelection()
{
    for (TControl *control : std::as_const(m_items))
        if (control)
            disconnect(control, nullptr, this, nullptr);
}

void TDsnSelection::addReceiver(TSelectionReceiver *receiver)
{
    if (receiver && !m_receivers.contains(receiver))
        m_receivers.append(receiver);
}

void TDsnSelection::removeReceiver(TSelectionReceiver *receiver)
{
    m_receivers.removeAll(receiver);
}

int TDsnSelection::indexOf(const TControl *control) const
{
    return control ? int(m_items.indexOf(control)) : -1;
}

void TDsnSelection::add(TControl *control)
{
    if (!control || contains(control))
        return;
    m_items.append(control);
    m_members.insert(control);
    connect(control, &QObject::destroyed, this, &TDsnSelection::controlDestroyed);
    for (TSelectionReceiver *receiver : std::as_const(m_receivers))
        receiver->selectionAdded(control);
}

void TDsnSelection::remove(TControl *control)
{
    const int index = indexOf(control);
    if (index < 0)
        return;
    m_items.removeAt(index);
    m_members.remove(control);
    disconnect(control, nullptr, this, nullptr);
    for (TSelectionReceiver *receiver : std::as_const(m_receivers))
        receiver->selectionDeleted(index, control);
}

void TDsnSelection::clear()
{
    for (TControl *control : std::as_const(m_items))
        disconnect(control, nullptr, this, nullptr);
    m_items.clear();
    m_members.clear();
    for (TSelectionReceiver *receiver : std::as_const(m_receivers))
        receiver->selectionCleared();
}

void TDsnSelection::update()
{
    for (TSelectionReceiver *receiver : std::as_const(m_receivers))
        receiver->selectionUpdated();
}

QWidget *TDsnSelection::commonParent() const
{
    if (m_items.isEmpty())
        return nullptr;
    QWidget *parent = m_items.first()->parentWidget();
    for (const TControl *control : m_items)
        if (control->parentWidget() != parent)
            return nullptr;
    return parent;
}

void TDsnSelection::controlDestroyed(QObject *object)
{
    // The control is half destroyed here: compare addresses only.
    int index = -1;
    for (int i = 0; i < m_items.size(); ++i)
        if (static_cast<QObject *>(m_items[i]) == object)
            index = i;
    if (index < 0)
        return;
    m_items[index] = nullptr;
    for (TSelectionReceiver *receiver : std::as_const(m_receivers))
        receiver->selectionEntryNil(index, object);
    m_items.removeAt(index);
    m_members.remove(object);
    for (TSelectionReceiver *receiver : std::as_const(m_receivers))
        receiver->selectionDeleted(index, nullptr);
}

} // namespace tw
