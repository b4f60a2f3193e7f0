#include "component/ComponentStreaming.h"

#include "component/ClassRegistry.h"
#include "component/Control.h"
#include "component/Owner.h"
#include "component/PropertyAccess.h"

#include <QHash>
#include <QMetaEnum>
#include <memory>

namespace tw
{
namespace
{

// The text of an ordinal value as the declared defaults spell it.
QString ordinalText(const QObject *object, const QMetaProperty &property, const QString &idents)
{
    if (!idents.isEmpty()) {
        const int value = property.read(object).toInt();
        if (auto ident = identOfValue(idents, value))
            return *ident;
        return QString::number(value);
    }
    return propValueText(object, property);
}

// The string properties a new control of the control's class starts with.
// An emptied value differs from them, so it must be stored to come back.
const QHash<QByteArray, QString> &constructorStrings(const TControl *control)
{
    static QHash<QString, QHash<QByteArray, QString>> byClass;
    const QString name = className(control);
    const auto known = byClass.constFind(name);
    if (known != byClass.cend())
        return known.value();
    QHash<QByteArray, QString> &values = byClass[name];
    const std::unique_ptr<TControl> fresh(ClassRegistry::instance().create(name, nullptr));
    if (fresh)
        for (const QMetaProperty &property : publishedProperties(fresh->metaObject()))
            if (property.metaType() == QMetaType::fromType<QString>())
                values.insert(property.name(), property.read(fresh.get()).toString());
    return values;
}

void writeProperties(const QObject *object, const QString &prefix, const TOwner *root,
                     std::vector<NamedValue> &out, QList<QMetaProperty> *stringLists)
{
    const QMetaObject *meta = object->metaObject();
    const auto *control = qobject_cast<const TControl *>(object);
    for (const QMetaProperty &property : publishedProperties(meta)) {
        if (!property.isStored())
            continue;
        if (control && !control->isPropertyStored(property.name()))
            continue;
        const QString name = QString::fromLatin1(property.name());
        const QString path = prefix + name;
        const QString idents = propertyClassInfo(meta, "idents", name);
        const QString defaultText = propertyClassInfo(meta, "default", name);
        const TTypeKind kind = typeKind(property);
        const QVariant value = property.read(object);
        const bool ordinal = kind == TTypeKind::tkInteger || kind == TTypeKind::tkChar ||
                             kind == TTypeKind::tkEnumeration || kind == TTypeKind::tkSet;
        if (ordinal && !defaultText.isNull() &&
            ordinalText(object, property, idents) == defaultText)
            continue;
        switch (kind) {
        case TTypeKind::tkInteger: {
            const auto ident =
                idents.isEmpty() ? std::nullopt : identOfValue(idents, value.toInt());
            out.push_back({path, ident ? StreamValue::fromIdent(*ident)
                                       : StreamValue::fromInteger(value.toInt())});
            break;
        }
        case TTypeKind::tkChar: {
            StreamValue text;
            text.tag = ValueTag::String;
            text.text = QString(value.toChar());
            out.push_back({path, text});
            break;
        }
        case TTypeKind::tkEnumeration:
            if (property.metaType() == QMetaType::fromType<bool>())
                out.push_back({path, StreamValue::fromBool(value.toBool())});
            else
                out.push_back({path, StreamValue::fromIdent(propValueText(object, property))});
            break;
        case TTypeKind::tkSet: {
            StreamValue set;
            set.tag = ValueTag::Set;
            set.members = setMemberNames(property, ordinalValue(value), 31);
            out.push_back({path, set});
            break;
        }
        case TTypeKind::tkFloat:
            if (value.toDouble() != 0) {
                StreamValue real;
                real.tag = ValueTag::Extended;
                real.real = value.toDouble();
                out.push_back({path, real});
            }
            break;
        case TTypeKind::tkString:
        case TTypeKind::tkLString:
        case TTypeKind::tkWString:
            if (!value.toString().isEmpty() ||
                (control && prefix.isEmpty() &&
                 !constructorStrings(control).value(property.name()).isEmpty()))
                out.push_back({path, StreamValue::fromString(value.toString())});
            break;
        case TTypeKind::tkClass:
            if (property.metaType() == QMetaType::fromType<QStringList>()) {
                if (stringLists)
                    stringLists->append(property);
            } else if (const QObject *nested = value.value<QObject *>();
                       nested && !qobject_cast<const TControl *>(nested)) {
                writeProperties(nested, path + QLatin1Char('.'), root, out, nullptr);
            }
            break;
        case TTypeKind::tkMethod: {
            const TMethod method = value.value<TMethod>();
            QObject *receiver = root ? const_cast<TOwner *>(root)->methodReceiver() : nullptr;
            if (method.isBound() && method.receiver == receiver)
                out.push_back({path, StreamValue::fromIdent(QString::fromLatin1(method.name))});
            break;
        }
        default:
            break;
        }
    }
}

QObject *methodReceiverWith(TOwner *owner, const QString &method)
{
    QObject *receiver = owner ? owner->methodReceiver() : nullptr;
    if (!receiver)
        return nullptr;
    const QMetaObject *meta = receiver->metaObject();
    for (int i = 0; i < meta->methodCount(); ++i)
        if (QString::fromLatin1(meta->method(i).name()) == method)
            return receiver;
    return nullptr;
}

// Sets one property from a stream value; false when the value does not fit.
bool applyValue(QObject *object, const QMetaProperty &property, const StreamValue &value,
                TOwner *owner)
{
    const QString name = QString::fromLatin1(property.name());
    switch (typeKind(property)) {
    case TTypeKind::tkInteger:
        if (value.isInteger())
            return property.write(object, int(value.integer));
        if (value.tag == ValueTag::Ident) {
            const QString idents = propertyClassInfo(object->metaObject(), "idents", name);
            if (auto number = valueOfIdent(idents, value.text))
                return property.write(object, *number);
        }
        return false;
    case TTypeKind::tkChar:
        if (value.isString() && value.text.size() == 1)
            return property.write(object, QVariant::fromValue(value.text.at(0)));
        if (value.isInteger() && value.integer >= 0 && value.integer <= 0xFFFF)
            return property.write(object, QVariant::fromValue(QChar(char16_t(value.integer))));
        return false;
    case TTypeKind::tkEnumeration: {
        if (property.metaType() == QMetaType::fromType<bool>()) {
            if (value.tag == ValueTag::True || value.tag == ValueTag::False)
                return property.write(object, value.tag == ValueTag::True);
            if (value.tag == ValueTag::Ident) {
                if (value.text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
                    return property.write(object, true);
                if (value.text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
                    return property.write(object, false);
            }
            return false;
        }
        if (value.tag != ValueTag::Ident)
            return false;
        const auto ordinal = enumeratorValue(property, value.text);
        return ordinal && writeOrdinal(object, property, *ordinal);
    }
    case TTypeKind::tkSet: {
        if (value.tag != ValueTag::Set)
            return false;
        int bits = 0;
        for (const QString &member : value.members) {
            const auto flag = enumeratorValue(property, member);
            if (!flag)
                return false;
            bits |= *flag;
        }
        return writeOrdinal(object, property, bits);
    }
    case TTypeKind::tkFloat:
        if (value.tag == ValueTag::Extended || value.tag == ValueTag::Single ||
            value.tag == ValueTag::Date)
            return property.write(object, value.real);
        if (value.isInteger())
            return property.write(object, double(value.integer));
        return false;
    case TTypeKind::tkString:
    case TTypeKind::tkLString:
    case TTypeKind::tkWString:
        return value.isString() && property.write(object, value.text);
    case TTypeKind::tkMethod:
        if (value.tag == ValueTag::Ident) {
            if (QObject *receiver = methodReceiverWith(owner, value.text))
                return property.write(
                    object, QVariant::fromValue(TMethod{receiver, value.text.toLatin1()}));
        }
        return false;
    default:
        return false;
    }
}

// Follows a dotted path ("Font.Style", "LispCode.Strings") to the property it
// names and sets it; unknown paths are skipped.
void applyProperty(QObject *object, const QString &path, const StreamValue &value, TOwner *owner)
{
    const qsizetype dot = path.indexOf(QLatin1Char('.'));
    const QString head = dot < 0 ? path : path.left(dot);
    const QMetaProperty *property = findPublishedProperty(object, head);
    if (!property)
        return;
    if (dot < 0) {
        applyValue(object, *property, value, owner);
        return;
    }
    const QString rest = path.mid(dot + 1);
    if (property->metaType() == QMetaType::fromType<QStringList>()) {
        if (rest.compare(QLatin1String("Strings"), Qt::CaseInsensitive) != 0 ||
            value.tag != ValueTag::List)
            return;
        QStringList lines;
        for (const StreamValue &item : value.items) {
            if (!item.isString())
                return;
            lines.append(item.text);
        }
        property->write(object, lines);
        return;
    }
    if (typeKind(*property) == TTypeKind::tkClass)
        if (QObject *nested = property->read(object).value<QObject *>())
            if (!qobject_cast<TControl *>(nested))
                applyProperty(nested, rest, value, owner);
}

class Reader
{
public:
    Reader(TOwner *owner, const ReadHooks &hooks) : m_owner(owner), m_hooks(hooks) {}

    TControl *read(const ComponentRecord &record, TControl *parent, int depth)
    {
        if (depth > kMaxStreamNesting)
            return nullptr;
        TControl *control = ClassRegistry::instance().create(record.className, m_owner);
        if (!control)
            return nullptr;
        m_created.append(control);
        control->beginLoading();
        control->setName(nameFor(record));
        if (m_hooks.loading)
            m_hooks.loading(control);
        control->setParentControl(parent);
        for (const NamedValue &entry : record.properties)
            applyProperty(control, entry.name, entry.value, m_owner);
        for (const ComponentRecord &child : record.children)
            read(child, control, depth + 1);
        return control;
    }

    void finish()
    {
        for (TControl *control : std::as_const(m_created))
            control->endLoading();
    }

private:
    QString nameFor(const ComponentRecord &record) const
    {
        if (m_hooks.nameFor)
            return m_hooks.nameFor(record.className, record.name);
        if (m_owner && !record.name.isEmpty() && m_owner->isNameUsed(record.name))
            return m_owner->freeName(record.className);
        return record.name;
    }

    TOwner *m_owner;
    const ReadHooks &m_hooks;
    QList<TControl *> m_created;
};

} // namespace

ComponentRecord writeComponent(const TControl *control, const TOwner *root)
{
    ComponentRecord record;
    record.className = className(control);
    record.name = control->name();
    QList<QMetaProperty> stringLists;
    writeProperties(control, QString(), root, record.properties, &stringLists);
    for (const QMetaProperty &property : std::as_const(stringLists)) {
        const QStringList lines = property.read(control).toStringList();
        if (!lines.isEmpty())
            record.properties.push_back(
                {QString::fromLatin1(property.name()) + QLatin1String(".Strings"),
                 StreamValue::fromStrings(lines)});
    }
    for (const TControl *child : control->childControls())
        if (child->owner() && (!root || child->owner() == root))
            record.children.push_back(writeComponent(child, root));
    return record;
}

QList<TControl *> readComponents(const std::vector<ComponentRecord> &records, TOwner *owner,
                                 TControl *parent, const ReadHooks &hooks)
{
    Reader reader(owner, hooks);
    QList<TControl *> result;
    for (const ComponentRecord &record : records)
        if (TControl *control = reader.read(record, parent, 0))
            result.append(control);
    reader.finish();
    return result;
}

} // namespace tw
