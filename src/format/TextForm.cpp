#include "format/TextForm.h"

#include "format/Cp1252.h"
#include "format/Error.h"

#include <cctype>
#include <cmath>

namespace tw
{
namespace
{

// ---- writing ----

QByteArray quoted(const QString &text)
{
    if (text.isEmpty())
        return "''";
    QByteArray out;
    bool inString = false;
    for (QChar ch : text) {
        const unsigned code = ch.unicode();
        const bool printable = code >= 32 && code < 127;
        if (printable && !inString) {
            out += '\'';
            inString = true;
        } else if (!printable && inString) {
            out += '\'';
            inString = false;
        }
        if (code == '\'')
            out += "''";
        else if (printable)
            out += char(code);
        else
            out += '#' + QByteArray::number(code);
    }
    if (inString)
        out += '\'';
    return out;
}

QByteArray realText(double value)
{
    return QByteArray::number(value, 'g', 17);
}

void writeValue(QByteArray &out, const StreamValue &value, const QByteArray &indent);

void writeProperties(QByteArray &out, const std::vector<NamedValue> &properties,
                     const QByteArray &indent)
{
    for (const NamedValue &property : properties) {
        out += indent + property.name.toLatin1() + " = ";
        writeValue(out, property.value, indent);
    }
}

void writeValue(QByteArray &out, const StreamValue &value, const QByteArray &indent)
{
    switch (value.tag) {
    case ValueTag::List: {
        out += '(';
        bool first = true;
        for (const StreamValue &item : value.items) {
            if (first)
                out += '\n';
            first = false;
            out += indent + "  ";
            writeValue(out, item, indent + "  ");
        }
        out += indent + ")\n";
        break;
    }
    case ValueTag::Int8:
    case ValueTag::Int16:
    case ValueTag::Int32:
    case ValueTag::Int64:
        out += QByteArray::number(value.integer) + '\n';
        break;
    case ValueTag::Extended:
    case ValueTag::Single:
    case ValueTag::Date:
        out += realText(value.real) + '\n';
        break;
    case ValueTag::Currency:
        out += realText(double(value.integer) / 10000.0) + '\n';
        break;
    case ValueTag::String:
    case ValueTag::LString:
    case ValueTag::WString:
        out += quoted(value.text) + '\n';
        break;
    case ValueTag::Ident:
        out += value.text.toLatin1() + '\n';
        break;
    case ValueTag::False:
        out += "False\n";
        break;
    case ValueTag::True:
        out += "True\n";
        break;
    case ValueTag::Nil:
        out += "nil\n";
        break;
    case ValueTag::Binary: {
        out += "{\n";
        for (qsizetype at = 0; at < value.bytes.size(); at += 32)
            out += indent + "  " + value.bytes.mid(at, 32).toHex().toUpper() + '\n';
        out += indent + "}\n";
        break;
    }
    case ValueTag::Set:
        out += '[' + value.members.join(QLatin1String(", ")).toLatin1() + "]\n";
        break;
    case ValueTag::Collection: {
        out += '<';
        for (const CollectionItem &item : value.collection) {
            out += indent + '\n';
            out += indent + "  item";
            if (item.order)
                out += '[' + QByteArray::number(*item.order) + ']';
            out += '\n';
            writeProperties(out, item.properties, indent + "    ");
            out += indent + "  end";
        }
        out += ">\n";
        break;
    }
    case ValueTag::Null:
        out += '\n';
        break;
    }
}

void writeObject(QByteArray &out, const ComponentRecord &record, const QByteArray &indent)
{
    out += indent;
    if (record.flags & 1)
        out += "inherited";
    else if (record.flags & 4)
        out += "inline";
    else
        out += "object";
    out += ' ';
    if (!record.name.isEmpty())
        out += record.name.toLatin1() + ": ";
    out += record.className.toLatin1();
    if (record.flags & 2)
        out += '[' + QByteArray::number(record.childPosition) + ']';
    out += '\n';
    writeProperties(out, record.properties, indent + "  ");
    for (const ComponentRecord &child : record.children)
        writeObject(out, child, indent + "  ");
    out += indent + "end\n";
}

// ---- reading ----

enum class TokenKind { End, Symbol, Word, Integer, Real, String };

struct Token {
    TokenKind kind = TokenKind::End;
    char symbol = 0;
    QByteArray word;
    qint64 integer = 0;
    double real = 0;
    QString text;
    int line = 1;
};

class Parser
{
public:
    explicit Parser(const QByteArray &text) : m_text(text) { advance(); }

    std::vector<ComponentRecord> parseAll()
    {
        std::vector<ComponentRecord> records;
        while (m_token.kind != TokenKind::End)
            records.push_back(parseObject(0));
        if (records.empty())
            fail(QStringLiteral("'object' expected"));
        return records;
    }

private:
    [[noreturn]] void fail(const QString &message) const
    {
        throw TError(QStringLiteral("Line %1: %2").arg(m_token.line).arg(message),
                     TErrorKind::Format);
    }

    bool isWord(const char *word) const
    {
        return m_token.kind == TokenKind::Word &&
               m_token.word.compare(word, Qt::CaseInsensitive) == 0;
    }

    bool isSymbol(char symbol) const
    {
        return m_token.kind == TokenKind::Symbol && m_token.symbol == symbol;
    }

    void expectSymbol(char symbol)
    {
        if (!isSymbol(symbol))
            fail(QStringLiteral("'%1' expected").arg(QChar::fromLatin1(symbol)));
        advance();
    }

    QString expectWord(const char *what)
    {
        if (m_token.kind != TokenKind::Word)
            fail(QStringLiteral("%1 expected").arg(QLatin1String(what)));
        const QString word = QString::fromLatin1(m_token.word);
        advance();
        return word;
    }

    ComponentRecord parseObject(int depth)
    {
        if (depth > kMaxStreamNesting)
            fail(QStringLiteral("objects nested too deeply"));
        ComponentRecord record;
        if (isWord("inherited"))
            record.flags = 1;
        else if (isWord("inline"))
            record.flags = 4;
        else if (!isWord("object"))
            fail(QStringLiteral("'object' expected"));
        advance();
        const QString first = expectWord("class name");
        if (isSymbol(':')) {
            advance();
            record.name = first;
            record.className = expectWord("class name");
        } else {
            record.className = first;
        }
        if (isSymbol('[')) {
            advance();
            if (m_token.kind != TokenKind::Integer)
                fail(QStringLiteral("child position expected"));
            record.flags |= 2;
            record.childPosition = m_token.integer;
            advance();
            expectSymbol(']');
        }
        while (!isWord("end")) {
            if (isWord("object") || isWord("inherited") || isWord("inline")) {
                record.children.push_back(parseObject(depth + 1));
                continue;
            }
            if (m_token.kind == TokenKind::End)
                fail(QStringLiteral("'end' expected"));
            record.properties.push_back(parseProperty(depth));
        }
        advance();
        return record;
    }

    NamedValue parseProperty(int depth)
    {
        NamedValue property;
        property.name = expectWord("property name");
        expectSymbol('=');
        property.value = parseValue(depth);
        return property;
    }

    StreamValue parseValue(int depth)
    {
        if (depth > kMaxStreamNesting)
            fail(QStringLiteral("values nested too deeply"));
        StreamValue value;
        switch (m_token.kind) {
        case TokenKind::Integer:
            value = StreamValue::fromInteger(m_token.integer);
            advance();
            return value;
        case TokenKind::Real:
            value.tag = ValueTag::Extended;
            value.real = m_token.real;
            advance();
            return value;
        case TokenKind::String:
            return parseString();
        case TokenKind::Word:
            if (isWord("True"))
                value.tag = ValueTag::True;
            else if (isWord("False"))
                value.tag = ValueTag::False;
            else if (isWord("nil"))
                value.tag = ValueTag::Nil;
            else
                value = StreamValue::fromIdent(QString::fromLatin1(m_token.word));
            advance();
            return value;
        case TokenKind::Symbol:
            break;
        case TokenKind::End:
            fail(QStringLiteral("value expected"));
        }
        switch (m_token.symbol) {
        case '-':
        case '+':
            return parseSignedNumber();
        case '[':
            return parseSet();
        case '(':
            return parseList(depth);
        case '<':
            return parseCollection(depth);
        case '{':
            return parseBinary();
        default:
            fail(QStringLiteral("value expected"));
        }
    }

    StreamValue parseSignedNumber()
    {
        const bool negative = m_token.symbol == '-';
        advance();
        StreamValue value;
        if (m_token.kind == TokenKind::Integer) {
            value = StreamValue::fromInteger(negative ? -m_token.integer : m_token.integer);
        } else if (m_token.kind == TokenKind::Real) {
            value.tag = ValueTag::Extended;
            value.real = negative ? -m_token.real : m_token.real;
        } else {
            fail(QStringLiteral("number expected"));
        }
        advance();
        return value;
    }

    StreamValue parseString()
    {
        QString text;
        for (;;) {
            text += m_token.text;
            advance();
            if (isSymbol('+')) {
                advance();
                if (m_token.kind != TokenKind::String)
                    fail(QStringLiteral("string expected"));
                continue;
            }
            break;
        }
        return StreamValue::fromString(text);
    }

    StreamValue parseSet()
    {
        advance();
        StreamValue value;
        value.tag = ValueTag::Set;
        while (!isSymbol(']')) {
            value.members.append(expectWord("set member"));
            if (isSymbol(','))
                advance();
            else if (!isSymbol(']'))
                fail(QStringLiteral("',' or ']' expected"));
        }
        advance();
        return value;
    }

    StreamValue parseList(int depth)
    {
        advance();
        StreamValue value;
        value.tag = ValueTag::List;
        while (!isSymbol(')'))
            value.items.push_back(parseValue(depth + 1));
        advance();
        return value;
    }

    StreamValue parseCollection(int depth)
    {
        advance();
        StreamValue value;
        value.tag = ValueTag::Collection;
        while (!isSymbol('>')) {
            if (!isWord("item"))
                fail(QStringLiteral("'item' expected"));
            advance();
            CollectionItem item;
            if (isSymbol('[')) {
                advance();
                const StreamValue order = parseValue(depth + 1);
                if (!order.isInteger())
                    fail(QStringLiteral("integer expected"));
                item.order = order.integer;
                expectSymbol(']');
            }
            while (!isWord("end")) {
                if (m_token.kind == TokenKind::End)
                    fail(QStringLiteral("'end' expected"));
                item.properties.push_back(parseProperty(depth + 1));
            }
            advance();
            value.collection.push_back(std::move(item));
        }
        advance();
        return value;
    }

    StreamValue parseBinary()
    {
        // The hex digits run up to the closing brace, across lines.
        StreamValue value;
        value.tag = ValueTag::Binary;
        const int line = m_token.line;
        QByteArray digits;
        while (m_pos < m_text.size() && m_text[m_pos] != '}') {
            const char c = m_text[m_pos++];
            if (c == '\n')
                ++m_line;
            else if (std::isxdigit(static_cast<unsigned char>(c)))
                digits += c;
            else if (!std::isspace(static_cast<unsigned char>(c)))
                throw TError(QStringLiteral("Line %1: hexadecimal digit expected").arg(m_line),
                             TErrorKind::Format);
        }
        if (m_pos >= m_text.size() || digits.size() % 2 != 0)
            throw TError(QStringLiteral("Line %1: binary data not closed").arg(line),
                         TErrorKind::Format);
        ++m_pos;
        value.bytes = QByteArray::fromHex(digits);
        advance();
        return value;
    }

    void skipBlanks()
    {
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos];
            if (c == '\n')
                ++m_line;
            else if (!std::isspace(static_cast<unsigned char>(c)))
                break;
            ++m_pos;
        }
    }

    static bool isWordChar(char c)
    {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
    }

    void advance()
    {
        skipBlanks();
        m_token = Token();
        m_token.line = m_line;
        if (m_pos >= m_text.size())
            return;
        const char c = m_text[m_pos];
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            const qsizetype start = m_pos;
            while (m_pos < m_text.size() && isWordChar(m_text[m_pos]))
                ++m_pos;
            m_token.kind = TokenKind::Word;
            m_token.word = m_text.mid(start, m_pos - start);
            if (m_token.word.endsWith('.'))
                fail(QStringLiteral("identifier expected"));
            return;
        }
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '$') {
            scanNumber();
            return;
        }
        if (c == '\'' || c == '#') {
            scanString();
            return;
        }
        m_token.kind = TokenKind::Symbol;
        m_token.symbol = c;
        ++m_pos;
    }

    void scanNumber()
    {
        const qsizetype start = m_pos;
        bool ok = false;
        if (m_text[m_pos] == '$') {
            ++m_pos;
            while (m_pos < m_text.size() &&
                   std::isxdigit(static_cast<unsigned char>(m_text[m_pos])))
                ++m_pos;
            m_token.kind = TokenKind::Integer;
            m_token.integer = m_text.mid(start + 1, m_pos - start - 1).toLongLong(&ok, 16);
        } else {
            bool real = false;
            while (m_pos < m_text.size()) {
                const char d = m_text[m_pos];
                if (std::isdigit(static_cast<unsigned char>(d))) {
                    ++m_pos;
                } else if (d == '.' || d == 'e' || d == 'E') {
                    real = true;
                    ++m_pos;
                    if ((d == 'e' || d == 'E') && m_pos < m_text.size() &&
                        (m_text[m_pos] == '+' || m_text[m_pos] == '-'))
                        ++m_pos;
                } else {
                    break;
                }
            }
            const QByteArray digits = m_text.mid(start, m_pos - start);
            if (real) {
                m_token.kind = TokenKind::Real;
                m_token.real = digits.toDouble(&ok);
                ok = ok && std::isfinite(m_token.real);
            } else {
                m_token.kind = TokenKind::Integer;
                m_token.integer = digits.toLongLong(&ok);
            }
        }
        if (!ok)
            fail(QStringLiteral("invalid number"));
    }

    void scanString()
    {
        // A run of quoted parts and #codes with nothing between them.
        m_token.kind = TokenKind::String;
        QString text;
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos];
            if (c == '\'') {
                ++m_pos;
                QByteArray part;
                for (;;) {
                    if (m_pos >= m_text.size() || m_text[m_pos] == '\n')
                        fail(QStringLiteral("string not closed"));
                    if (m_text[m_pos] == '\'') {
                        if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\'') {
                            part += '\'';
                            m_pos += 2;
                            continue;
                        }
                        ++m_pos;
                        break;
                    }
                    part += m_text[m_pos++];
                }
                text += QString::fromUtf8(part);
            } else if (c == '#') {
                ++m_pos;
                const bool hex = m_pos < m_text.size() && m_text[m_pos] == '$';
                if (hex)
                    ++m_pos;
                const qsizetype start = m_pos;
                while (m_pos < m_text.size() &&
                       (hex ? std::isxdigit(static_cast<unsigned char>(m_text[m_pos]))
                            : std::isdigit(static_cast<unsigned char>(m_text[m_pos]))))
                    ++m_pos;
                bool ok = false;
                const qlonglong code =
                    m_text.mid(start, m_pos - start).toLongLong(&ok, hex ? 16 : 10);
                if (!ok || code < 0 || code > 0xFFFF)
                    fail(QStringLiteral("invalid character code"));
                text += QChar(char16_t(code));
            } else {
                break;
            }
        }
        m_token.text = text;
    }

    const QByteArray &m_text;
    qsizetype m_pos = 0;
    int m_line = 1;
    Token m_token;
};

} // namespace

QByteArray writeTextForm(const std::vector<ComponentRecord> &records)
{
    QByteArray out;
    for (const ComponentRecord &record : records)
        writeObject(out, record, QByteArray());
    return out;
}

std::vector<ComponentRecord> readTextForm(const QByteArray &text)
{
    const QByteArray body = text.startsWith("\xEF\xBB\xBF") ? text.mid(3) : text;
    return Parser(body).parseAll();
}

bool isTextForm(const QByteArray &text)
{
    qsizetype pos = 0;
    if (text.startsWith("\xEF\xBB\xBF"))
        pos = 3;
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])))
        ++pos;
    const QByteArray word = text.mid(pos, 7);
    return word.startsWith("object") &&
           (word.size() == 6 || std::isspace(static_cast<unsigned char>(word[6])));
}

} // namespace tw
