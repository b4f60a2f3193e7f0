#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QPointer>

namespace tw
{

// An event property's value: a method of a receiving object, bound by name.
// Tiles call it through the meta-object system, so a handler is any slot or
// invokable method of the receiver with the event's arguments.
struct TMethod {
    QPointer<QObject> receiver;
    QByteArray name;

    bool isBound() const { return receiver && !name.isEmpty(); }
    bool operator==(const TMethod &other) const
    {
        return receiver == other.receiver && name == other.name;
    }
};

} // namespace tw

Q_DECLARE_METATYPE(tw::TMethod)
