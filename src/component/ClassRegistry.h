#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QObject;

namespace tw
{

class TControl;
class TOwner;

// Creates controls from their class names, as the component stream and the
// palette need. Classes register once, by name.
class ClassRegistry
{
public:
    using Factory = std::function<TControl *(TOwner *owner)>;

    static ClassRegistry &instance();

    template <class T> void registerClass()
    {
        add(QString::fromLatin1(T::staticMetaObject.className()).section(QLatin1String("::"), -1),
            [](TOwner *owner) -> TControl * { return new T(owner); });
    }
    void add(const QString &className, Factory factory);
    bool contains(const QString &className) const;
    // A new control of the class, owned by `owner`; nullptr for unknown names.
    TControl *create(const QString &className, TOwner *owner) const;
    QStringList classNames() const;

private:
    ClassRegistry() = default;
    QList<std::pair<QString, Factory>> m_factories;
};

// The class name of a control as the stream and the writers know it
// ("TDCLButton", without namespace).
QString className(const QObject *object);

} // namespace tw
