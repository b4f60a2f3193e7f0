#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace tw
{

// The value tags of the component stream; the text form and the binary form
// are two spellings of the same values.
enum class ValueTag : unsigned char {
    Null = 0x00,
    List = 0x01,
    Int8 = 0x02,
    Int16 = 0x03,
    Int32 = 0x04,
    Extended = 0x05,
    String = 0x06,
    Ident = 0x07,
    False = 0x08,
    True = 0x09,
    Binary = 0x0A,
    Set = 0x0B,
    LString = 0x0C,
    Nil = 0x0D,
    Collection = 0x0E,
    Single = 0x0F,
    Currency = 0x10,
    Date = 0x11,
    WString = 0x12,
    Int64 = 0x13,
};

struct CollectionItem;

// One property value. Which members are meaningful depends on the tag:
// integer for the integer tags and Currency (scaled by 10000), real for the
// float tags, text for strings and identifiers, bytes for Binary, members for
// Set, items for List, collection for Collection.
struct StreamValue {
    ValueTag tag = ValueTag::Null;
    qint64 integer = 0;
    double real = 0;
    QString text;
    QByteArray bytes;
    QStringList members;
    std::vector<StreamValue> items;
    std::vector<CollectionItem> collection;

    static StreamValue fromInteger(qint64 value);
    static StreamValue fromBool(bool value);
    static StreamValue fromIdent(const QString &name);
    // An 8-bit string when every character fits the code page (long when over
    // 255 characters), otherwise a wide string.
    static StreamValue fromString(const QString &value);
    static StreamValue fromStrings(const QStringList &lines);

    bool isInteger() const;
    bool isString() const;
};

struct NamedValue {
    QString name;
    StreamValue value;
};

struct CollectionItem {
    std::optional<qint64> order;
    std::vector<NamedValue> properties;
};

// One component as the stream holds it: flags of the optional prefix (1
// inherited, 2 child position, 4 inline), class, name, properties and the
// records of its child components.
struct ComponentRecord {
    int flags = 0;
    qint64 childPosition = 0;
    QString className;
    QString name;
    std::vector<NamedValue> properties;
    std::vector<ComponentRecord> children;

    const StreamValue *find(const QString &property) const;
};

// The deepest nesting of objects, lists and collections the readers accept.
inline constexpr int kMaxStreamNesting = 200;

} // namespace tw
