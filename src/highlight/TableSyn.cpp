#include "highlight/TableSyn.h"

namespace tw
{

namespace
{

// Tab, blank and the other control bytes that run together into one Space
// token; line feed and carriage return have rules of their own.
bool IsSpaceRunByte(unsigned char byte)
{
    return byte >= 1 && byte <= 32 && byte != '\n' && byte != '\r';
}

} // namespace

TTableSyn::TTableSyn(std::size_t keywordSlots, std::span<const std::string_view> words,
                     std::string defaultFilter)
    : m_keywords(keywordSlots, words)
{
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        if (byte == 0)
            m_rules[byte] = Rule::EndOfLine;
        else if (IsSpaceRunByte(byte))
            m_rules[byte] = Rule::SpaceRun;
        else if (byte == '\n')
            m_rules[byte] = Rule::LineFeed;
        else if (byte == '\r')
            m_rules[byte] = Rule::CarriageReturn;
        else if (byte == '"')
            m_rules[byte] = Rule::String;
        else if (IsWordChar(byte) && CharHash(byte) != 0)
            m_rules[byte] = Rule::Word;
        else
            m_rules[byte] = Rule::Unknown;
    }

    for (auto *attribute :
         {&m_commentAttri, &m_identifierAttri, &m_keyAttri, &m_spaceAttri, &m_stringAttri})
        AddAttribute(*attribute);
    // The colours every editor window gives its highlighters.
    m_commentAttri.SetForeground(TRgb{128, 128, 0});
    m_commentAttri.SetStyle({.Bold = false, .Italic = true});
    m_identifierAttri.SetForeground(TRgb{0, 0, 255});
    m_keyAttri.SetForeground(TRgb{255, 0, 0});
    m_keyAttri.SetStyle({.Bold = true, .Italic = false});
    m_stringAttri.SetForeground(TRgb{128, 0, 128});
    m_stringAttri.SetStyle({.Bold = false, .Italic = true});
    SetDefaultFilter(std::move(defaultFilter));
}

const TSynHighlighterAttributes *TTableSyn::StandardAttribute(int index) const
{
    switch (index) {
    case 0:
        return &m_commentAttri;
    case 1:
        return &m_identifierAttri;
    case 2:
        return &m_keyAttri;
    case 3:
        return &m_stringAttri;
    case 4:
        return &m_spaceAttri;
    default:
        return nullptr;
    }
}

TByteSet TTableSyn::IdentifierCharacters() const
{
    TByteSet set;
    for (std::size_t b = 0; b < 256; ++b)
        set[b] = IsWordChar(static_cast<unsigned char>(b));
    return set;
}

std::string TTableSyn::TokenText() const
{
    return std::string(m_line.substr(m_tokenStart, m_pos - m_tokenStart));
}

const TSynHighlighterAttributes *TTableSyn::TokenAttributes() const
{
    switch (m_kind) {
    case TokenKind::Comment:
        return &m_commentAttri;
    case TokenKind::Identifier:
    case TokenKind::Unknown:
        return &m_identifierAttri;
    case TokenKind::Keyword:
        return &m_keyAttri;
    case TokenKind::Space:
        return &m_spaceAttri;
    case TokenKind::String:
        return &m_stringAttri;
    case TokenKind::EndOfLine:
        break;
    }
    return nullptr;
}

void TTableSyn::BeginLine(std::string_view line, int lineIndex)
{
    m_line = line;
    m_lineIndex = lineIndex;
    m_pos = 0;
    NextToken();
}

bool TTableSyn::AtBreak(std::size_t index) const
{
    const auto byte = At(index);
    return byte == 0 || byte == '\n' || byte == '\r';
}

void TTableSyn::NextToken()
{
    m_tokenStart = m_pos;
    switch (m_rules[At(m_pos)]) {
    case Rule::EndOfLine:
        m_kind = TokenKind::EndOfLine;
        break;
    case Rule::SpaceRun:
        ScanSpaceRun();
        break;
    case Rule::LineFeed:
        m_kind = TokenKind::Space;
        ++m_pos;
        break;
    case Rule::CarriageReturn:
        m_kind = TokenKind::Space;
        ++m_pos;
        if (At(m_pos) == '\n')
            ++m_pos;
        break;
    case Rule::String:
        ScanString();
        break;
    case Rule::SlashComment:
        if (At(m_pos + 1) == '/') {
            ScanToLineEnd();
        } else {
            m_kind = TokenKind::Unknown;
            ++m_pos;
        }
        break;
    case Rule::LineComment:
        ScanToLineEnd();
        break;
    case Rule::OneByteKeyword:
        m_kind = TokenKind::Keyword;
        ++m_pos;
        break;
    case Rule::Number:
        ScanNumber();
        break;
    case Rule::Word:
        ScanWord();
        break;
    case Rule::Unknown:
        m_kind = TokenKind::Unknown;
        ++m_pos;
        break;
    }
}

void TTableSyn::ScanSpaceRun()
{
    m_kind = TokenKind::Space;
    do
        ++m_pos;
    while (IsSpaceRunByte(At(m_pos)));
}

void TTableSyn::ScanString()
{
    // A doubled quote stands for one quote; a backslash protects nothing.
    m_kind = TokenKind::String;
    ++m_pos;
    while (!AtBreak(m_pos)) {
        if (At(m_pos) == '"') {
            ++m_pos;
            if (At(m_pos) != '"')
                return;
        }
        ++m_pos;
    }
}

void TTableSyn::ScanToLineEnd()
{
    m_kind = TokenKind::Comment;
    do
        ++m_pos;
    while (!AtBreak(m_pos));
}

void TTableSyn::ScanNumber()
{
    m_kind = TokenKind::Unknown;
    for (;;) {
        const auto byte = At(++m_pos);
        if (!((byte >= '0' && byte <= '9') || byte == '.' || byte == 'e' || byte == 'E'))
            break;
    }
}

void TTableSyn::ScanWord()
{
    const std::size_t start = m_pos;
    std::size_t hash = 0;
    while (IsWordChar(At(m_pos))) {
        hash += CharHash(At(m_pos));
        ++m_pos;
    }
    const auto word = m_line.substr(start, m_pos - start);
    m_kind = m_keywords.Contains(word, hash) ? TokenKind::Keyword : TokenKind::Identifier;
}

} // namespace tw
