#include "component/Owner.h"

#include "component/Control.h"

#include <algorithm>

namespace tw
{

TOwner::~TOwner()
{
    while (!m_components.isEmpty())
        delete m_components.constLast();
}

TControl *TOwner::findComponent(const QString &name) const
{
    return m_byName.value(name.toLower(), nullptr);
}

bool TOwner::isNameUsed(const QString &name) const
{
    return m_byName.contains(name.toLower());
}

QString TOwner::freeName(const QString &className) const
{
    const QString base = className.mid(1);
    int &from = m_freeFrom[base.toLower()];
    for (int i = std::max(from, 1);; ++i) {
        const QString candidate = base + QString::number(i);
        if (!isNameUsed(candidate)) {
            from = i;
            return candidate;
        }
    }
}

void TOwner::nameReleased(const QString &name)
{
    qsizetype digits = name.size();
    while (digits > 0 && name[digits - 1] >= u'0' && name[digits - 1] <= u'9')
        --digits;
    // Every split of the trailing digits, since a base may end in digits too.
    for (qsizetype cut = digits; cut < name.size(); ++cut) {
        if (name[cut] == u'0')
            continue;
        bool ok = false;
        const int number = QStringView(name).mid(cut).toInt(&ok);
        if (!ok)
            continue;
        const auto it = m_freeFrom.find(name.left(cut).toLower());
        if (it != m_freeFrom.end() && number < *it)
            *it = number;
    }
}

void TOwner::insertComponent(TControl *component)
{
    m_components.append(component);
    if (!component->name().isEmpty())
        m_byName.insert(component->name().toLower(), component);
}

void TOwner::removeComponent(TControl *component)
{
    // Components go newest first (the owner) or oldest first (a freed
    // parent's children): both ends are found at once.
    if (!m_components.isEmpty() && m_components.constLast() == component)
        m_components.removeLast();
    else
        m_components.removeOne(component);
    const QString key = component->name().toLower();
    if (m_byName.value(key) == component) {
        m_byName.remove(key);
        nameReleased(component->name());
    }
}

bool TOwner::renameComponent(TControl *component, const QString &oldName, const QString &newName)
{
    const QString newKey = newName.toLower();
    if (!newKey.isEmpty() && oldName.toLower() != newKey && isNameUsed(newName))
        return false;
    if (m_byName.value(oldName.toLower()) == component) {
        m_byName.remove(oldName.toLower());
        nameReleased(oldName);
    }
    if (!newKey.isEmpty())
        m_byName.insert(newKey, component);
    return true;
}

} // namespace tw
