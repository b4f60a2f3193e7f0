#pragma once

#include <QList>
#include <QMetaProperty>
#include <QString>
#include <QStringList>
#include <optional>

class QObject;

namespace tw
{

// The type kinds of published properties, in the classic order.
enum class TTypeKind {
    tkUnknown,
    tkInteger,
    tkChar,
    tkEnumeration,
    tkFloat,
    tkString,
    tkSet,
    tkClass,
    tkMethod,
    tkWChar,
    tkLString,
    tkWString,
};

// The published properties of a class, inherited first, in declaration order;
// a property redeclared by a subclass keeps its first place and takes the
// subclass's definition. Qt's own widget properties are not published.
const QList<QMetaProperty> &publishedProperties(const QMetaObject *metaObject);
TTypeKind typeKind(const QMetaProperty &property);
// The class info "<prefix>:<name>" of the property's class chain, or empty.
QString propertyClassInfo(const QMetaObject *metaObject, const char *prefix, const QString &name);

// Helpers shared by the property access and the component streams.
// The integer value of an ordinal property's variant (enumerations, sets, ints).
int ordinalValue(const QVariant &value);
// Writes an ordinal value, converted to the property's type; false when it does not fit.
bool writeOrdinal(QObject *object, const QMetaProperty &property, int value);
// The value of the enumerator named `name` (case-insensitive) of an enumeration or set.
std::optional<int> enumeratorValue(const QMetaProperty &property, const QString &name);
// The names of the set members whose bits are set, ordinals 0 .. maxOrdinal.
QStringList setMemberNames(const QMetaProperty &property, int bits, int maxOrdinal);
// The published property named `name` (case-insensitive), or null.
const QMetaProperty *findPublishedProperty(const QObject *object, const QString &name);

// The value of a property as text, by type kind: decimal integers, the
// character itself, enumerator names, sets as "[a,b]", floats, strings, the
// name of a referenced component or "(Class)" for other objects, the bound
// method's name, and "Unknown" for anything else.
QString propValueText(const QObject *object, const QMetaProperty &property);

struct TPropertyItem {
    QString Name;
    QString Value;
    TTypeKind Kind = TTypeKind::tkUnknown;
};

// A table of one component's published properties for the inspector.
class TObjInfo
{
public:
    explicit TObjInfo(const QObject *component = nullptr);

    QString ClassName() const { return m_className; }
    int PropCount() const { return int(m_properties.size()); }
    // Throws TError "Invalid Index" outside 0 .. PropCount() - 1.
    TPropertyItem GetItem(int index) const;
    // Index of the property named `name` regardless of case, or -1.
    int IndexOfProp(const QString &name) const;

private:
    const QObject *m_component;
    QString m_className;
    QList<QMetaProperty> m_properties;
};

// Sets a published property from text. Nothing happens for an empty name;
// an empty text clears string properties and leaves every other kind alone;
// any failure (unknown property, unparsable text) is swallowed.
void SetPropByName(QObject *component, const QString &propName, const QString &value);
// True when the component publishes `propName`; `value` then holds the text of
// a string property and is empty for any other kind.
bool GetStrPropByName(const QObject *component, const QString &propName, QString &value);

} // namespace tw
