#include "format/ComponentRecord.h"

#include "format/Cp1252.h"

#include <limits>

namespace tw
{

StreamValue StreamValue::fromInteger(qint64 value)
{
    StreamValue result;
    result.integer = value;
    if (value >= -128 && value <= 127)
        result.tag = ValueTag::Int8;
    else if (value >= -32768 && value <= 32767)
        result.tag = ValueTag::Int16;
    else if (value >= std::numeric_limits<qint32>::min() &&
             value <= std::numeric_limits<qint32>::max())
        result.tag = ValueTag::Int32;
    else
        result.tag = ValueTag::Int64;
    return result;
}

StreamValue StreamValue::fromBool(bool value)
{
    StreamValue result;
    result.tag = value ? ValueTag::True : ValueTag::False;
    return result;
}

StreamValue StreamValue::fromIdent(const QString &name)
{
    StreamValue result;
    result.tag = ValueTag::Ident;
    result.text = name;
    return result;
}

StreamValue StreamValue::fromString(const QString &value)
{
    StreamValue result;
    result.text = value;
    if (!toCp1252(value))
        result.tag = ValueTag::WString;
    else
        result.tag = value.size() <= 255 ? ValueTag::String : ValueTag::LString;
    return result;
}

StreamValue StreamValue::fromStrings(const QStringList &lines)
{
    StreamValue result;
    result.tag = ValueTag::List;
    for (const QString &line : lines)
        result.items.push_back(fromString(line));
    return result;
}

bool StreamValue::isInteger() const
{
    return tag == ValueTag::Int8 || tag == ValueTag::Int16 || tag == ValueTag::Int32 ||
           tag == ValueTag::Int64;
}

bool StreamValue::isString() const
{
    return tag == ValueTag::String || tag == ValueTag::LString || tag == ValueTag::WString;
}

const StreamValue *ComponentRecord::find(const QString &property) const
{
    for (const NamedValue &entry : properties)
        if (entry.name.compare(property, Qt::CaseInsensitive) == 0)
            return &entry.value;
    return nullptr;
}

} // namespace tw
