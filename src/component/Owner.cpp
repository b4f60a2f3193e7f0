#include "component/Owner.h"

#include "component/Control.h"

namespace tw {

TOwner::~TOwner()
{
    while (!m_components.isEmpty())
        delete m_components.takeLast();
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
    for (int i = 1;; ++i) {
        const QString candidate = base + QString::number(i);
        if (!isNameUsed(candidate))
            return candidate;
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
    m_components.removeOne(component);
    const QString key = component->name().toLower();
    if (m_byName.value(key) == component)
        m_byName.remove(key);
}

bool TOwner::renameComponent(TControl *component, const QString &oldName, const QString &newName)
{
    const QString newKey = newName.toLower();
    if (!newKey.isEmpty() && oldName.toLower() != newKey && isNameUsed(newName))
        return false;
    if (m_byName.value(oldName.toLower()) == component)
        m_byName.remove(oldName.toLower());
    if (!newKey.isEmpty())
        m_byName.insert(newKey, component);
    return true;
}

} // namespace tw
