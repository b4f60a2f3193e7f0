#include "component/PropertyAccess.h"

#include "component/ClassRegistry.h"
#include "component/Control.h"
#include "component/Method.h"
#include "format/Error.h"

#include <QHash>
#include <QMetaEnum>
#include <QMutex>
#include <QStringList>

namespace tw
{
namespace
{

// Index of the first property declared by one of our own classes.
int firstPublishedIndex(const QMetaObject *metaObject)
{
    const QMetaObject *ours = nullptr;
    for (const QMetaObject *mo = metaObject; mo; mo = mo->superClass())
        if (QByteArray(mo->className()).startsWith("tw::"))
            ours = mo;
    return ours ? ours->propertyOffset() : metaObject->propertyCount();
}

QString enumName(const QMetaProperty &property, int value)
{
    if (property.metaType() == QMetaType::fromType<bool>())
        return value ? QStringLiteral("True") : QStringLiteral("False");
    const char *key = property.enumerator().valueToKey(value);
    return key ? QString::fromLatin1(key) : QString::number(value);
}

} // namespace

int ordinalValue(const QVariant &value)
{
    QVariant copy = value;
    return copy.convert(QMetaType::fromType<int>()) ? copy.toInt() : 0;
}

bool writeOrdinal(QObject *object, const QMetaProperty &property, int value)
{
    QVariant variant(value);
    return variant.convert(property.metaType()) && property.write(object, variant);
}

std::optional<int> enumeratorValue(const QMetaProperty &property, const QString &name)
{
    const QMetaEnum meta = property.enumerator();
    for (int i = 0; i < meta.keyCount(); ++i)
        if (name.compare(QLatin1String(meta.key(i)), Qt::CaseInsensitive) == 0)
            return meta.value(i);
    return std::nullopt;
}

QStringList setMemberNames(const QMetaProperty &property, int bits, int maxOrdinal)
{
    const QMetaEnum meta = property.enumerator();
    QStringList members;
    for (int ordinal = 0; ordinal <= maxOrdinal; ++ordinal)
        if (bits & (1 << ordinal))
            if (const char *key = meta.valueToKey(1 << ordinal))
                members.append(QString::fromLatin1(key));
    return members;
}

const QMetaProperty *findPublishedProperty(const QObject *object, const QString &name)
{
    for (const QMetaProperty &property : publishedProperties(object->metaObject()))
        if (name.compare(QLatin1String(property.name()), Qt::CaseInsensitive) == 0)
            return &property;
    return nullptr;
}

const QList<QMetaProperty> &publishedProperties(const QMetaObject *metaObject)
{
    static QHash<const QMetaObject *, QList<QMetaProperty>> cache;
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    auto found = cache.constFind(metaObject);
    if (found != cache.constEnd())
        return *found;
    QList<QMetaProperty> list;
    QStringList names;
    for (int i = firstPublishedIndex(metaObject); i < metaObject->propertyCount(); ++i) {
        const QString name = QString::fromLatin1(metaObject->property(i).name());
        if (names.contains(name))
            continue;
        names.append(name);
        list.append(metaObject->property(metaObject->indexOfProperty(name.toLatin1())));
    }
    return *cache.insert(metaObject, list);
}

TTypeKind typeKind(const QMetaProperty &property)
{
    const QMetaType type = property.metaType();
    if (property.isFlagType())
        return TTypeKind::tkSet;
    if (property.isEnumType() || type == QMetaType::fromType<bool>())
        return TTypeKind::tkEnumeration;
    switch (type.id()) {
    case QMetaType::Int:
        return TTypeKind::tkInteger;
    case QMetaType::QChar:
        return TTypeKind::tkChar;
    case QMetaType::Double:
        return TTypeKind::tkFloat;
    case QMetaType::QString:
        return TTypeKind::tkLString;
    case QMetaType::QStringList:
        return TTypeKind::tkClass;
    default:
        break;
    }
    if (type == QMetaType::fromType<TMethod>())
        return TTypeKind::tkMethod;
    if (type.flags() & QMetaType::PointerToQObject)
        return TTypeKind::tkClass;
    return TTypeKind::tkUnknown;
}

QString propertyClassInfo(const QMetaObject *metaObject, const char *prefix, const QString &name)
{
    const QByteArray key = QByteArray(prefix) + ':' + name.toLatin1();
    const int index = metaObject->indexOfClassInfo(key.constData());
    return index < 0 ? QString() : QString::fromLatin1(metaObject->classInfo(index).value());
}

QString propValueText(const QObject *object, const QMetaProperty &property)
{
    const QVariant value = property.read(object);
    switch (typeKind(property)) {
    case TTypeKind::tkInteger:
        return QString::number(value.toInt());
    case TTypeKind::tkChar:
        return QString(value.toChar());
    case TTypeKind::tkEnumeration:
        return enumName(property, ordinalValue(value));
    case TTypeKind::tkSet:
        return QLatin1Char('[') +
               setMemberNames(property, ordinalValue(value), 15).join(QLatin1Char(',')) +
               QLatin1Char(']');
    case TTypeKind::tkFloat:
        return QString::number(value.toDouble(), 'g', 15);
    case TTypeKind::tkString:
    case TTypeKind::tkLString:
    case TTypeKind::tkWString:
        return value.toString();
    case TTypeKind::tkClass: {
        if (property.metaType() == QMetaType::fromType<QStringList>())
            return QStringLiteral("(TStrings)");
        const QObject *target = value.value<QObject *>();
        if (const auto *component = qobject_cast<const TControl *>(target))
            return component->name();
        if (!target)
            return QString();
        return QStringLiteral("(%1)").arg(className(target));
    }
    case TTypeKind::tkMethod: {
        const TMethod method = value.value<TMethod>();
        return method.isBound() ? QString::fromLatin1(method.name) : QString();
    }
    default:
        return QStringLiteral("Unknown");
    }
}

TObjInfo::TObjInfo(const QObject *component) : m_component(component)
{
    if (!component)
        return;
    m_className = className(component);
    m_properties = publishedProperties(component->metaObject());
}

TPropertyItem TObjInfo::GetItem(int index) const
{
    if (index < 0 || index >= PropCount())
        throw TError(QStringLiteral("Invalid Index"));
    const QMetaProperty &property = m_properties[index];
    return {QString::fromLatin1(property.name()), propValueText(m_component, property),
            typeKind(property)};
}

int TObjInfo::IndexOfProp(const QString &name) const
{
    for (int i = 0; i < PropCount(); ++i)
        if (name.compare(QLatin1String(m_properties[i].name()), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void SetPropByName(QObject *component, const QString &propName, const QString &value)
{
    if (!component || propName.isEmpty())
        return;
    const QMetaProperty *found = findPublishedProperty(component, propName);
    if (!found)
        return;
    const QMetaProperty property = *found;
    if (!property.isWritable())
        return;
    const TTypeKind kind = typeKind(property);
    const bool isString =
        kind == TTypeKind::tkString || kind == TTypeKind::tkLString || kind == TTypeKind::tkWString;
    if (value.isEmpty()) {
        if (isString)
            property.write(component, QString());
        return;
    }
    switch (kind) {
    case TTypeKind::tkInteger: {
        bool ok = false;
        const int number = value.trimmed().toInt(&ok);
        if (ok)
            property.write(component, number);
        break;
    }
    case TTypeKind::tkChar:
        property.write(component, QVariant::fromValue(value.at(0)));
        break;
    case TTypeKind::tkEnumeration: {
        if (property.metaType() == QMetaType::fromType<bool>()) {
            if (value.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
                property.write(component, true);
            else if (value.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
                property.write(component, false);
            break;
        }
        if (const auto ordinal = enumeratorValue(property, value))
            writeOrdinal(component, property, *ordinal);
        break;
    }
    case TTypeKind::tkFloat: {
        bool ok = false;
        const double number = value.trimmed().toDouble(&ok);
        if (ok)
            property.write(component, number);
        break;
    }
    case TTypeKind::tkString:
    case TTypeKind::tkLString:
    case TTypeKind::tkWString:
        property.write(component, value);
        break;
    default:
        break;
    }
}

bool GetStrPropByName(const QObject *component, const QString &propName, QString &value)
{
    value.clear();
    if (!component)
        return false;
    const QMetaProperty *property = findPublishedProperty(component, propName);
    if (!property)
        return false;
    const TTypeKind kind = typeKind(*property);
    if (kind == TTypeKind::tkString || kind == TTypeKind::tkLString)
        value = property->read(component).toString();
    return true;
}

} // namespace tw
