#include "component/ClassRegistry.h"

#include "component/Control.h"

namespace tw
{

ClassRegistry &ClassRegistry::instance()
{
    static ClassRegistry registry;
    return registry;
}

void ClassRegistry::add(const QString &className, Factory factory)
{
    for (auto &entry : m_factories)
        if (entry.first.compare(className, Qt::CaseInsensitive) == 0) {
            entry.second = std::move(factory);
            return;
        }
    m_factories.append({className, std::move(factory)});
}

bool ClassRegistry::contains(const QString &className) const
{
    for (const auto &entry : m_factories)
        if (entry.first.compare(className, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

TControl *ClassRegistry::create(const QString &className, TOwner *owner) const
{
    for (const auto &entry : m_factories)
        if (entry.first.compare(className, Qt::CaseInsensitive) == 0)
            return entry.second(owner);
    return nullptr;
}

QStringList ClassRegistry::classNames() const
{
    QStringList names;
    for (const auto &entry : m_factories)
        names.append(entry.first);
    return names;
}

QString className(const QObject *object)
{
    const QString full = QString::fromLatin1(object->metaObject()->className());
    return full.section(QLatin1String("::"), -1);
}

} // namespace tw
