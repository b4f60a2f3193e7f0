#pragma once

#include "highlight/SynHighlighter.h"
#include "highlight/SynTables.h"

#include <array>

namespace tw
{

// The scanner both highlighters share: the first byte of a token selects its
// rule through a 256-entry dispatch table, and words are classified through a
// keyword table. Each line is scanned on its own; no token continues on the next
// line, so the range state stays empty. Every rule stops at the end of the line
// or at a NUL byte, whichever comes first, so no input is rejected and scanning
// never reads past the line.
class TTableSyn : public TSynCustomHighlighter
{
public:
    TSynHighlighterAttributes &CommentAttri() { return m_commentAttri; }
    TSynHighlighterAttributes &IdentifierAttri() { return m_identifierAttri; }
    TSynHighlighterAttributes &KeyAttri() { return m_keyAttri; }
    TSynHighlighterAttributes &SpaceAttri() { return m_spaceAttri; }
    TSynHighlighterAttributes &StringAttri() { return m_stringAttri; }

    const TSynHighlighterAttributes *StandardAttribute(int index) const override;
    TByteSet IdentifierCharacters() const override;
    bool AtLineEnd() const override { return m_kind == TokenKind::EndOfLine; }
    std::string TokenText() const override;
    const TSynHighlighterAttributes *TokenAttributes() const override;
    int TokenKindCode() const override { return static_cast<int>(m_kind); }
    std::size_t TokenStart() const override { return m_tokenStart; }
    void NextToken() override;
    void BeginLine(std::string_view line, int lineIndex) override;

    int LineIndex() const { return m_lineIndex; }
    const TKeywordTable &Keywords() const { return m_keywords; }

protected:
    enum class Rule : std::uint8_t {
        EndOfLine,
        SpaceRun,
        LineFeed,
        CarriageReturn,
        String,
        SlashComment,
        LineComment,
        OneByteKeyword,
        Number,
        Word,
        Unknown,
    };

    // Sets up the rules common to both languages; the subclass adds its own.
    TTableSyn(std::size_t keywordSlots, std::span<const std::string_view> words,
              std::string defaultFilter);

    void SetRule(unsigned char byte, Rule rule) { m_rules[byte] = rule; }

private:
    unsigned char At(std::size_t index) const
    {
        return index < m_line.size() ? static_cast<unsigned char>(m_line[index]) : 0;
    }
    bool AtBreak(std::size_t index) const;
    void ScanSpaceRun();
    void ScanString();
    void ScanToLineEnd();
    void ScanNumber();
    void ScanWord();

    std::array<Rule, 256> m_rules{};
    TKeywordTable m_keywords;

    std::string_view m_line;
    int m_lineIndex = 0;
    std::size_t m_pos = 0;
    std::size_t m_tokenStart = 0;
    TokenKind m_kind = TokenKind::EndOfLine;

    TSynHighlighterAttributes m_commentAttri{"Comment"};
    TSynHighlighterAttributes m_identifierAttri{"Identifier"};
    TSynHighlighterAttributes m_keyAttri{"Reserved word"};
    TSynHighlighterAttributes m_spaceAttri{"Space"};
    TSynHighlighterAttributes m_stringAttri{"String"};
};

} // namespace tw
