#include "dcl/Syntax.h"

#include <QHash>
#include <QStringDecoder>
#include <deque>
#include <iterator>

namespace tw::dcl
{
namespace
{

enum class Tok {
    Name,
    Integer,
    Real,
    String,
    Colon,
    Semicolon,
    Equals,
    LeftBrace,
    RightBrace,
    Include,
    End,
    Bad
};

// `text` views the source, or for a string with escapes the lexer's decoded copy, which the
// next string replaces.
struct Token {
    Tok type = Tok::End;
    QStringView text;
    int line = 1;
    int column = 1;
};

bool isNameStart(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
}

bool isNameChar(QChar c)
{
    return isNameStart(c) || (c >= u'0' && c <= u'9');
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Splits DCL text into tokens. A lexical error is reported here and ends the token stream
// with Tok::Bad, so the parser stops without a second, derived message.
class Lexer
{
public:
    Lexer(QStringView text, const QString &file, Diagnostics &diagnostics)
        : m_text(text), m_file(file), m_diagnostics(diagnostics)
    {
    }

    Token next()
    {
        if (!skipBlanks())
            return bad();
        Token token;
        token.line = m_line;
        token.column = column();
        if (m_pos >= m_text.size()) {
            token.type = Tok::End;
            return token;
        }
        const QChar c = m_text[m_pos];
        switch (c.unicode()) {
        case u':':
            return single(token, Tok::Colon);
        case u';':
            return single(token, Tok::Semicolon);
        case u'=':
            return single(token, Tok::Equals);
        case u'{':
            return single(token, Tok::LeftBrace);
        case u'}':
            return single(token, Tok::RightBrace);
        case u'"':
            return string(token);
        case u'@':
            return include(token);
        default:
            break;
        }
        if (isNameStart(c)) {
            const qsizetype start = m_pos;
            while (m_pos < m_text.size() && isNameChar(m_text[m_pos]))
                ++m_pos;
            token.type = Tok::Name;
            token.text = m_text.mid(start, m_pos - start);
            return token;
        }
        if (isDigit(c) || c == u'-' || c == u'.')
            return number(token);
        error(token, QStringLiteral("unexpected character '%1'").arg(c));
        return bad();
    }

    Position at(const Token &token) const { return {m_file, token.line, token.column}; }

    // Names and numbers repeat (attributes, tile kinds, sizes): one shared copy of each.
    QString intern(QStringView name)
    {
        auto found = m_names.constFind(name);
        if (found == m_names.constEnd())
            found = m_names.insert(name, name.toString());
        return *found;
    }

private:
    int column() const { return int(m_pos - m_lineStart) + 1; }

    void newLine()
    {
        ++m_line;
        m_lineStart = m_pos;
    }

    void report(Severity severity, const QString &rule, int line, int col, const QString &text)
    {
        if (severity == Severity::Error || m_diagnostics.size() < kMaxDiagnostics)
            m_diagnostics.append({severity, {m_file, line, col}, rule, text});
    }

    void error(const Token &token, const QString &text,
               const QString &rule = QStringLiteral("syntax"))
    {
        report(Severity::Error, rule, token.line, token.column, text);
    }

    static Token bad()
    {
        Token token;
        token.type = Tok::Bad;
        return token;
    }

    Token single(Token &token, Tok type)
    {
        ++m_pos;
        token.type = type;
        return token;
    }

    // Skips white space and comments; false after an unterminated block comment.
    bool skipBlanks()
    {
        while (m_pos < m_text.size()) {
            const QChar c = m_text[m_pos];
            if (c == u'\n') {
                ++m_pos;
                newLine();
            } else if (c.isSpace()) {
                ++m_pos;
            } else if (c == u'/' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'/') {
                while (m_pos < m_text.size() && m_text[m_pos] != u'\n')
                    ++m_pos;
            } else if (c == u'/' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'*') {
                const int line = m_line;
                const int col = column();
                m_pos += 2;
                // Block comments do not nest: the first "*/" ends one.
                for (;;) {
                    if (m_pos >= m_text.size()) {
                        report(Severity::Error, QStringLiteral("syntax"), line, col,
                               QStringLiteral("comment opened here is never closed with */"));
                        return false;
                    }
                    if (m_text[m_pos] == u'*' && m_pos + 1 < m_text.size() &&
                        m_text[m_pos + 1] == u'/') {
                        m_pos += 2;
                        break;
                    }
                    if (m_text[m_pos++] == u'\n')
                        newLine();
                }
            } else {
                break;
            }
        }
        return true;
    }

    Token string(Token &token)
    {
        ++m_pos;
        // Most strings hold no escape: taken whole.
        qsizetype end = m_pos;
        while (end < m_text.size() && m_text[end] != u'"' && m_text[end] != u'\\' &&
               m_text[end] != u'\n' && m_text[end] != u'\r')
            ++end;
        if (end < m_text.size() && m_text[end] == u'"') {
            token.type = Tok::String;
            token.text = m_text.mid(m_pos, end - m_pos);
            m_pos = end + 1;
            return token;
        }
        QString &value = m_decoded;
        value.clear();
        while (m_pos < m_text.size()) {
            const QChar c = m_text[m_pos];
            if (c == u'"') {
                ++m_pos;
                token.type = Tok::String;
                token.text = value;
                return token;
            }
            if (c == u'\n' || c == u'\r')
                break;
            if (c == u'\\' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] != u'\n' &&
                m_text[m_pos + 1] != u'\r') {
                const QChar escaped = m_text[m_pos + 1];
                switch (escaped.unicode()) {
                case u'"':
                case u'\\':
                    value += escaped;
                    break;
                case u'n':
                    value += u'\n';
                    break;
                case u't':
                    value += u'\t';
                    break;
                default:
                    // Hosts disagree on other escapes; the text is kept as written.
                    report(Severity::Warning, QStringLiteral("escape"), m_line, column(),
                           QStringLiteral("\\%1 is not one of the escapes DCL documents (\\\" \\\\ "
                                          "\\n \\t); write \\\\ for a backslash")
                               .arg(escaped));
                    value += c;
                    value += escaped;
                    break;
                }
                m_pos += 2;
                continue;
            }
            value += c;
            ++m_pos;
        }
        error(token, QStringLiteral("string opened here is not closed on its line"));
        return bad();
    }

    Token include(Token &token)
    {
        ++m_pos;
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && isNameChar(m_text[m_pos]))
            ++m_pos;
        if (m_text.mid(start, m_pos - start) != u"include") {
            error(token, QStringLiteral("'@' must begin @include"));
            return bad();
        }
        token.type = Tok::Include;
        return token;
    }

    Token number(Token &token)
    {
        const qsizetype start = m_pos;
        if (m_text[m_pos] == u'-')
            ++m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == u'.' && m_pos + 1 < m_text.size() &&
            isDigit(m_text[m_pos + 1])) {
            error(token,
                  QStringLiteral("a fraction needs a leading digit: write 0%1")
                      .arg(m_text.mid(m_pos, 2).toString()),
                  QStringLiteral("number"));
            return bad();
        }
        if (m_pos >= m_text.size() || !isDigit(m_text[m_pos])) {
            error(token, QStringLiteral("unexpected character '%1'").arg(m_text[start]));
            return bad();
        }
        while (m_pos < m_text.size() && isDigit(m_text[m_pos]))
            ++m_pos;
        token.type = Tok::Integer;
        if (m_pos < m_text.size() && m_text[m_pos] == u'.') {
            ++m_pos;
            token.type = Tok::Real;
            if (m_pos >= m_text.size() || !isDigit(m_text[m_pos]))
                report(Severity::Warning, QStringLiteral("number"), token.line, token.column,
                       QStringLiteral("write a digit after the decimal point (%1.0)")
                           .arg(m_text.mid(start, m_pos - start - 1).toString()));
            while (m_pos < m_text.size() && isDigit(m_text[m_pos]))
                ++m_pos;
        }
        if (m_pos < m_text.size() && (isNameChar(m_text[m_pos]) || m_text[m_pos] == u'.')) {
            error(token,
                  QStringLiteral("malformed number; DCL numbers are digits with at most "
                                 "one decimal point, and no exponent"),
                  QStringLiteral("number"));
            return bad();
        }
        token.text = m_text.mid(start, m_pos - start);
        return token;
    }

    QStringView m_text;
    QString m_file;
    Diagnostics &m_diagnostics;
    QHash<QStringView, QString> m_names;
    QString m_decoded;
    qsizetype m_pos = 0;
    qsizetype m_lineStart = 0;
    int m_line = 1;
};

struct Stop {
};

class Parser
{
public:
    Parser(QStringView text, const QString &file, Diagnostics &diagnostics,
           const SyntaxLimits &limits, bool primitives, const DefinitionSink &early)
        : m_lexer(text, file, diagnostics), m_file(file), m_diagnostics(diagnostics),
          m_limits(limits), m_primitives(primitives), m_early(early)
    {
    }

    FileNode parse()
    {
        FileNode node;
        node.file = m_file;
        try {
            advance();
            while (m_token.type != Tok::End) {
                if (m_token.type == Tok::Include) {
                    node.includes.push_back(include(node.definitions.size()));
                } else if (m_token.type == Tok::Name) {
                    TileNode definition = tile(0);
                    if (m_early && node.includes.empty())
                        m_early(std::move(definition));
                    else
                        node.definitions.push_back(std::move(definition));
                    straySemicolon(QStringLiteral("after '}'"));
                } else if (m_token.type == Tok::Semicolon) {
                    straySemicolon(QStringLiteral("between definitions"));
                } else {
                    fail(QStringLiteral("expected a definition (name : parent { ... }) or "
                                        "@include, found %1")
                             .arg(describe()));
                }
            }
        } catch (const Stop &) {
            node.complete = false;
        }
        return node;
    }

private:
    // What the tile bodies being read hold so far, one level per open body: each tile then
    // gets its lists in one allocation of the final size.
    struct Members {
        std::vector<Attribute> attributes;
        std::vector<TileNode> children;
    };

    template <typename T> static std::vector<T> takeAll(std::vector<T> &gathered)
    {
        std::vector<T> taken(std::make_move_iterator(gathered.begin()),
                             std::make_move_iterator(gathered.end()));
        gathered.clear();
        return taken;
    }

    void advance()
    {
        m_token = m_lexer.next();
        if (m_token.type == Tok::Bad)
            throw Stop();
    }

    Position here() const { return m_lexer.at(m_token); }

    [[noreturn]] void fail(const QString &message, const QString &rule = QStringLiteral("syntax"))
    {
        m_diagnostics.append({Severity::Error, here(), rule, message});
        throw Stop();
    }

    QString describe() const
    {
        switch (m_token.type) {
        case Tok::Name:
            return QStringLiteral("'%1'").arg(m_token.text);
        case Tok::Integer:
        case Tok::Real:
            return QStringLiteral("the number %1").arg(m_token.text);
        case Tok::String:
            return QStringLiteral("a string");
        case Tok::Colon:
            return QStringLiteral("':'");
        case Tok::Semicolon:
            return QStringLiteral("';'");
        case Tok::Equals:
            return QStringLiteral("'='");
        case Tok::LeftBrace:
            return QStringLiteral("'{'");
        case Tok::RightBrace:
            return QStringLiteral("'}'");
        case Tok::Include:
            return QStringLiteral("@include");
        case Tok::End:
        case Tok::Bad:
            break;
        }
        return QStringLiteral("the end of the file");
    }

    void expect(Tok type, const QString &what)
    {
        if (m_token.type != type)
            fail(QStringLiteral("expected %1, found %2").arg(what, describe()));
        advance();
    }

    void straySemicolon(const QString &where)
    {
        while (m_token.type == Tok::Semicolon) {
            if (m_diagnostics.size() < kMaxDiagnostics)
                m_diagnostics.append({Severity::Warning, here(), QStringLiteral("stray-semicolon"),
                                      QStringLiteral("';' %1: DCL does not use one there, and "
                                                     "AutoCAD's reading of it is not documented")
                                          .arg(where)});
            advance();
        }
    }

    IncludeNode include(std::size_t definitionsBefore)
    {
        IncludeNode node;
        node.where = here();
        node.definitionsBefore = definitionsBefore;
        advance();
        if (m_token.type != Tok::String)
            fail(QStringLiteral("@include needs a file name in quotes, found %1").arg(describe()));
        node.fileName = m_token.text.toString();
        advance();
        straySemicolon(QStringLiteral("after @include"));
        return node;
    }

    void parents(TileNode &node)
    {
        // The current token is the ':' before the first parent.
        do {
            advance();
            if (m_token.type != Tok::Name)
                fail(QStringLiteral("expected a tile name after ':', found %1").arg(describe()));
            node.parents.push_back({m_lexer.intern(m_token.text), here()});
            advance();
        } while (m_token.type == Tok::Colon);
    }

    // A tile with a body, at `depth` tiles inside a top-level definition. The current token is
    // its name, or the ':' of an anonymous child.
    TileNode tile(int depth)
    {
        if (depth > m_limits.maxNesting)
            fail(QStringLiteral("tiles are nested more than %1 deep").arg(m_limits.maxNesting),
                 QStringLiteral("limit"));
        TileNode node;
        node.where = here();
        if (m_token.type == Tok::Name) {
            node.name = m_lexer.intern(m_token.text);
            advance();
            if (m_token.type == Tok::LeftBrace && m_primitives && depth == 0) {
                body(node, depth);
                return node;
            }
            if (m_token.type != Tok::Colon)
                fail(QStringLiteral("expected ':' and a parent tile after '%1', found %2")
                         .arg(node.name, describe()));
        }
        parents(node);
        if (m_token.type == Tok::Semicolon && node.name.isEmpty() && node.parents.size() == 1) {
            // `: name;` is read as the reference `name;`.
            node.isReference = true;
            advance();
            return node;
        }
        body(node, depth);
        return node;
    }

    void body(TileNode &node, int depth)
    {
        const Position open = here();
        expect(Tok::LeftBrace, QStringLiteral("'{'"));
        // Deeper levels are added behind this one, which a deque leaves in place.
        if (m_members.size() <= std::size_t(depth))
            m_members.resize(std::size_t(depth) + 1);
        Members &members = m_members[std::size_t(depth)];
        members.attributes.clear();
        members.children.clear();
        for (;;) {
            switch (m_token.type) {
            case Tok::RightBrace:
                advance();
                node.attributes = takeAll(members.attributes);
                node.children = takeAll(members.children);
                return;
            case Tok::Colon:
                members.children.push_back(tile(depth + 1));
                break;
            case Tok::Name:
                member(members, depth);
                break;
            case Tok::Semicolon:
                straySemicolon(QStringLiteral("with nothing before it"));
                break;
            case Tok::End:
                m_diagnostics.append({Severity::Error, open, QStringLiteral("syntax"),
                                      QStringLiteral("'{' opened here is never closed with '}'")});
                throw Stop();
            default:
                fail(QStringLiteral("expected an attribute, a tile or '}', found %1")
                         .arg(describe()));
            }
        }
    }

    // A body member that starts with a name: an attribute, a reference or a named child.
    void member(Members &members, int depth)
    {
        const Token name = m_token;
        const Position where = here();
        advance();
        if (m_token.type == Tok::Equals) {
            advance();
            Attribute attribute;
            attribute.name = m_lexer.intern(name.text);
            attribute.where = where;
            attribute.value.where = here();
            switch (m_token.type) {
            case Tok::Integer:
                attribute.value.type = Value::Integer;
                break;
            case Tok::Real:
                attribute.value.type = Value::Real;
                break;
            case Tok::String:
                attribute.value.type = Value::String;
                break;
            case Tok::Name:
                attribute.value.type = Value::Word;
                break;
            default:
                fail(
                    QStringLiteral("expected a value for %1, found %2").arg(name.text, describe()));
            }
            attribute.value.text = m_token.type == Tok::String ? m_token.text.toString()
                                                               : m_lexer.intern(m_token.text);
            advance();
            if (m_token.type != Tok::Semicolon)
                fail(QStringLiteral("expected ';' after the value of %1, found %2")
                         .arg(name.text, describe()));
            advance();
            members.attributes.push_back(std::move(attribute));
            return;
        }
        if (m_token.type == Tok::Semicolon) {
            advance();
            if (depth + 1 > m_limits.maxNesting)
                fail(QStringLiteral("tiles are nested more than %1 deep").arg(m_limits.maxNesting),
                     QStringLiteral("limit"));
            TileNode reference;
            reference.isReference = true;
            reference.parents.push_back({m_lexer.intern(name.text), where});
            reference.where = where;
            members.children.push_back(std::move(reference));
            return;
        }
        if (m_token.type == Tok::Colon) {
            if (depth + 1 > m_limits.maxNesting)
                fail(QStringLiteral("tiles are nested more than %1 deep").arg(m_limits.maxNesting),
                     QStringLiteral("limit"));
            TileNode child;
            child.name = m_lexer.intern(name.text);
            child.where = where;
            parents(child);
            body(child, depth + 1);
            members.children.push_back(std::move(child));
            return;
        }
        fail(QStringLiteral("expected '=', ';' or ':' after '%1', found %2")
                 .arg(name.text, describe()));
    }

    Lexer m_lexer;
    std::deque<Members> m_members;
    QString m_file;
    Diagnostics &m_diagnostics;
    SyntaxLimits m_limits;
    bool m_primitives;
    const DefinitionSink &m_early;
    Token m_token;
};

} // namespace

FileNode parseDcl(QStringView text, const QString &file, Diagnostics &diagnostics,
                  const SyntaxLimits &limits, bool primitives, const DefinitionSink &early)
{
    return Parser(text, file, diagnostics, limits, primitives, early).parse();
}

QString decodeDclBytes(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QString formatDiagnostic(const Diagnostic &diagnostic)
{
    return QStringLiteral("%1:%2:%3: %4: %5")
        .arg(diagnostic.where.file)
        .arg(qMax(diagnostic.where.line, 1))
        .arg(qMax(diagnostic.where.column, 1))
        .arg(diagnostic.severity == Severity::Error ? QStringLiteral("error")
                                                    : QStringLiteral("warning"),
             diagnostic.message);
}

} // namespace tw::dcl
