#include "format/ComponentStream.h"

#include "format/Cp1252.h"
#include "format/Error.h"
#include "format/TextForm.h"

#include <QtEndian>
#include <cmath>
#include <cstring>
#include <limits>

namespace tw
{
namespace
{

const char kSignature[] = "TPF0";

// ---- 80-bit extended floats ----

QByteArray toExtended(double value)
{
    unsigned char bytes[10] = {};
    quint16 signExponent = std::signbit(value) ? 0x8000 : 0;
    quint64 mantissa = 0;
    if (std::isnan(value)) {
        signExponent |= 0x7FFF;
        mantissa = 0xC000000000000000ull;
    } else if (std::isinf(value)) {
        signExponent |= 0x7FFF;
        mantissa = 0x8000000000000000ull;
    } else if (value != 0) {
        int exponent = 0;
        const double fraction = std::frexp(std::fabs(value), &exponent); // [0.5, 1)
        mantissa = quint64(std::ldexp(fraction, 64));
        signExponent |= quint16(exponent - 1 + 16383);
    }
    qToLittleEndian(mantissa, bytes);
    qToLittleEndian(signExponent, bytes + 8);
    return QByteArray(reinterpret_cast<const char *>(bytes), 10);
}

double fromExtended(const unsigned char *bytes)
{
    const quint64 mantissa = qFromLittleEndian<quint64>(bytes);
    const quint16 signExponent = qFromLittleEndian<quint16>(bytes + 8);
    const int exponent = signExponent & 0x7FFF;
    const double sign = (signExponent & 0x8000) ? -1.0 : 1.0;
    if (exponent == 0x7FFF)
        return (mantissa << 1) ? std::numeric_limits<double>::quiet_NaN()
                               : sign * std::numeric_limits<double>::infinity();
    if (mantissa == 0)
        return sign * 0.0;
    return sign * std::ldexp(double(mantissa), exponent - 16383 - 63);
}

// ---- writing ----

class Writer
{
public:
    QByteArray out;

    void byte(int value) { out.append(char(value)); }

    template <class T> void integer(T value)
    {
        char bytes[sizeof(T)];
        qToLittleEndian(value, bytes);
        out.append(bytes, sizeof(T));
    }

    static QByteArray shortStringBytes(const QString &text)
    {
        QByteArray bytes = toCp1252(text).value_or(text.toLatin1());
        bytes.truncate(255);
        return bytes;
    }

    void shortString(const QByteArray &bytes)
    {
        byte(int(bytes.size()));
        out.append(bytes);
    }

    void shortString(const QString &text) { shortString(shortStringBytes(text)); }

    void string(const QString &text)
    {
        if (const auto bytes = toCp1252(text)) {
            if (bytes->size() <= 255) {
                byte(int(ValueTag::String));
                byte(int(bytes->size()));
            } else {
                byte(int(ValueTag::LString));
                integer<qint32>(qint32(bytes->size()));
            }
            out.append(*bytes);
            return;
        }
        byte(int(ValueTag::WString));
        integer<qint32>(qint32(text.size()));
        for (QChar ch : text)
            integer<quint16>(ch.unicode());
    }

    void intValue(qint64 value)
    {
        const StreamValue sized = StreamValue::fromInteger(value);
        byte(int(sized.tag));
        switch (sized.tag) {
        case ValueTag::Int8:
            integer<qint8>(qint8(value));
            break;
        case ValueTag::Int16:
            integer<qint16>(qint16(value));
            break;
        case ValueTag::Int32:
            integer<qint32>(qint32(value));
            break;
        default:
            integer<qint64>(value);
            break;
        }
    }

    void properties(const std::vector<NamedValue> &list)
    {
        for (const NamedValue &property : list) {
            shortString(property.name);
            value(property.value);
        }
        byte(0);
    }

    void value(const StreamValue &v)
    {
        switch (v.tag) {
        case ValueTag::Int8:
        case ValueTag::Int16:
        case ValueTag::Int32:
        case ValueTag::Int64:
            intValue(v.integer);
            return;
        case ValueTag::String:
        case ValueTag::LString:
        case ValueTag::WString:
            string(v.text);
            return;
        default:
            break;
        }
        byte(int(v.tag));
        switch (v.tag) {
        case ValueTag::List:
            for (const StreamValue &item : v.items)
                value(item);
            byte(0);
            break;
        case ValueTag::Extended:
            out.append(toExtended(v.real));
            break;
        case ValueTag::Ident:
            shortString(v.text);
            break;
        case ValueTag::Binary:
            integer<qint32>(qint32(v.bytes.size()));
            out.append(v.bytes);
            break;
        case ValueTag::Set:
            for (const QString &member : v.members)
                shortString(member);
            byte(0);
            break;
        case ValueTag::Collection:
            for (const CollectionItem &item : v.collection) {
                if (item.order)
                    intValue(*item.order);
                byte(int(ValueTag::List));
                properties(item.properties);
            }
            byte(0);
            break;
        case ValueTag::Single:
            integer<float>(float(v.real));
            break;
        case ValueTag::Currency:
            integer<qint64>(v.integer);
            break;
        case ValueTag::Date:
            integer<double>(v.real);
            break;
        default:
            break;
        }
    }

    void record(const ComponentRecord &r)
    {
        // A class name of 240 characters or more starts with a length byte a
        // reader takes for the flags prefix, so such a record gets an empty one.
        const QByteArray className = shortStringBytes(r.className);
        if (r.flags || className.size() >= 0xF0) {
            byte(0xF0 | (r.flags & 0x0F));
            if (r.flags & 2)
                intValue(r.childPosition);
        }
        shortString(className);
        shortString(r.name);
        properties(r.properties);
        for (const ComponentRecord &child : r.children)
            record(child);
        byte(0);
    }
};

// ---- reading ----

class Reader
{
public:
    explicit Reader(const QByteArray &bytes) : m_bytes(bytes) {}

    std::vector<ComponentRecord> all()
    {
        std::vector<ComponentRecord> records;
        // A single object converted by other tools may lack the closing zero.
        while (!(left() == 0 && !records.empty()) && peek() != 0) {
            if (left() < 4 || std::memcmp(m_bytes.constData() + m_pos, kSignature, 4) != 0)
                throw TError(QStringLiteral("Invalid stream format"), TErrorKind::Format);
            m_pos += 4;
            records.push_back(record(0));
        }
        return records;
    }

private:
    [[noreturn]] static void readError()
    {
        throw TError(QStringLiteral("Stream read error"), TErrorKind::Format);
    }

    qsizetype left() const { return m_bytes.size() - m_pos; }

    void need(qint64 count) const
    {
        if (count < 0 || count > left())
            readError();
    }

    int peek() const
    {
        need(1);
        return static_cast<unsigned char>(m_bytes[m_pos]);
    }

    int byte()
    {
        const int value = peek();
        ++m_pos;
        return value;
    }

    template <class T> T integer()
    {
        need(sizeof(T));
        const T value = qFromLittleEndian<T>(m_bytes.constData() + m_pos);
        m_pos += sizeof(T);
        return value;
    }

    QByteArray take(qint64 count)
    {
        need(count);
        QByteArray bytes = m_bytes.mid(m_pos, count);
        m_pos += count;
        return bytes;
    }

    QString shortString() { return fromCp1252(take(byte())); }

    qint64 intOf(ValueTag tag)
    {
        switch (tag) {
        case ValueTag::Int8:
            return integer<qint8>();
        case ValueTag::Int16:
            return integer<qint16>();
        case ValueTag::Int32:
            return integer<qint32>();
        case ValueTag::Int64:
            return integer<qint64>();
        default:
            throw TError(QStringLiteral("Invalid property value"), TErrorKind::Format);
        }
    }

    static void checkDepth(int depth)
    {
        if (depth > kMaxStreamNesting)
            throw TError(QStringLiteral("Invalid stream format"), TErrorKind::Format);
    }

    std::vector<NamedValue> properties(int depth)
    {
        std::vector<NamedValue> list;
        while (peek() != 0) {
            NamedValue property;
            property.name = shortString();
            property.value = value(ValueTag(byte()), depth);
            list.push_back(std::move(property));
        }
        ++m_pos;
        return list;
    }

    StreamValue value(ValueTag tag, int depth)
    {
        checkDepth(depth);
        StreamValue v;
        v.tag = tag;
        switch (tag) {
        case ValueTag::Null:
        case ValueTag::False:
        case ValueTag::True:
        case ValueTag::Nil:
            break;
        case ValueTag::List:
            while (peek() != 0)
                v.items.push_back(value(ValueTag(byte()), depth + 1));
            ++m_pos;
            break;
        case ValueTag::Int8:
        case ValueTag::Int16:
        case ValueTag::Int32:
        case ValueTag::Int64:
            v.integer = intOf(tag);
            break;
        case ValueTag::Extended: {
            need(10);
            v.real =
                fromExtended(reinterpret_cast<const unsigned char *>(m_bytes.constData()) + m_pos);
            m_pos += 10;
            break;
        }
        case ValueTag::String:
            v.text = shortString();
            break;
        case ValueTag::Ident:
            v.text = shortString();
            break;
        case ValueTag::Binary:
            v.bytes = take(integer<quint32>());
            break;
        case ValueTag::Set:
            for (QString member = shortString(); !member.isEmpty(); member = shortString())
                v.members.append(member);
            break;
        case ValueTag::LString:
            v.text = fromCp1252(take(integer<quint32>()));
            break;
        case ValueTag::Collection:
            while (peek() != 0) {
                CollectionItem item;
                ValueTag itemTag = ValueTag(byte());
                if (itemTag != ValueTag::List) {
                    item.order = intOf(itemTag);
                    if (byte() != int(ValueTag::List))
                        throw TError(QStringLiteral("Invalid property value"), TErrorKind::Format);
                }
                checkDepth(depth + 1);
                item.properties = properties(depth + 1);
                v.collection.push_back(std::move(item));
            }
            ++m_pos;
            break;
        case ValueTag::Single: {
            v.real = integer<float>();
            break;
        }
        case ValueTag::Currency:
            v.integer = integer<qint64>();
            break;
        case ValueTag::Date:
            v.real = integer<double>();
            break;
        case ValueTag::WString: {
            const quint32 count = integer<quint32>();
            need(qint64(count) * 2);
            v.text.reserve(count);
            for (quint32 i = 0; i < count; ++i)
                v.text.append(QChar(integer<quint16>()));
            break;
        }
        default:
            throw TError(QStringLiteral("Invalid property value"), TErrorKind::Format);
        }
        return v;
    }

    ComponentRecord record(int depth)
    {
        checkDepth(depth);
        ComponentRecord r;
        if ((peek() & 0xF0) == 0xF0) {
            r.flags = byte() & 0x0F;
            if (r.flags & 2)
                r.childPosition = intOf(ValueTag(byte()));
        }
        r.className = shortString();
        // Without a class name a record could not be told from the end of a list.
        if (r.className.isEmpty())
            throw TError(QStringLiteral("Invalid stream format"), TErrorKind::Format);
        r.name = shortString();
        r.properties = properties(depth);
        while (peek() != 0)
            r.children.push_back(record(depth + 1));
        ++m_pos;
        return r;
    }

    const QByteArray &m_bytes;
    qsizetype m_pos = 0;
};

} // namespace

QByteArray writeComponentStream(const std::vector<ComponentRecord> &records)
{
    Writer writer;
    for (const ComponentRecord &record : records) {
        writer.out.append(kSignature, 4);
        writer.record(record);
    }
    writer.byte(0);
    return writer.out;
}

std::vector<ComponentRecord> readComponentStream(const QByteArray &bytes)
{
    return Reader(bytes).all();
}

QByteArray componentStreamToText(const QByteArray &bytes)
{
    return writeTextForm(readComponentStream(bytes));
}

QByteArray textToComponentStream(const QByteArray &text)
{
    return writeComponentStream(readTextForm(text));
}

} // namespace tw
