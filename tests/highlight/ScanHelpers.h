#pragma once

#include "highlight/SynHighlighter.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tw::test
{

struct Tok {
    TokenKind kind;
    std::string text;
    friend bool operator==(const Tok &, const Tok &) = default;
};

inline const char *KindName(TokenKind kind)
{
    switch (kind) {
    case TokenKind::Comment:
        return "Comment";
    case TokenKind::Identifier:
        return "Identifier";
    case TokenKind::Keyword:
        return "Keyword";
    case TokenKind::EndOfLine:
        return "EndOfLine";
    case TokenKind::Space:
        return "Space";
    case TokenKind::String:
        return "String";
    case TokenKind::Unknown:
        return "Unknown";
    }
    return "?";
}

inline void PrintTo(const Tok &tok, std::ostream *os)
{
    *os << KindName(tok.kind) << "(\"";
    for (const unsigned char c : tok.text) {
        if (c < 32 || c > 126)
            *os << "\\x" << std::hex << int(c) << std::dec;
        else
            *os << c;
    }
    *os << "\")";
}

// All tokens of one line up to the end of line, the way the editor reads them.
// Checks on the way that tokens follow each other without gaps and that each
// one moves on, so a stuck scanner fails instead of hanging the test.
inline std::vector<Tok> Scan(TSynCustomHighlighter &syn, std::string_view line, int index = 0)
{
    std::vector<Tok> tokens;
    syn.BeginLine(line, index);
    std::size_t expectedStart = 0;
    for (std::size_t guard = 0; !syn.AtLineEnd(); ++guard) {
        if (guard > line.size()) {
            ADD_FAILURE() << "scanner does not reach the end of the line";
            break;
        }
        EXPECT_EQ(syn.TokenStart(), expectedStart);
        const auto text = syn.TokenText();
        EXPECT_FALSE(text.empty());
        tokens.push_back({static_cast<TokenKind>(syn.TokenKindCode()), text});
        expectedStart += text.size();
        syn.NextToken();
    }
    EXPECT_EQ(syn.TokenStart(), expectedStart);
    EXPECT_EQ(syn.TokenText(), "");
    return tokens;
}

constexpr TokenKind Cmt = TokenKind::Comment;
constexpr TokenKind Id = TokenKind::Identifier;
constexpr TokenKind Kw = TokenKind::Keyword;
constexpr TokenKind Sp = TokenKind::Space;
constexpr TokenKind Str = TokenKind::String;
constexpr TokenKind Unk = TokenKind::Unknown;

// A table row: a line and the tokens it must yield.
struct ScanCase {
    const char *name;
    std::string line;
    std::vector<Tok> tokens;
};

inline void PrintTo(const ScanCase &c, std::ostream *os)
{
    *os << c.name;
}

} // namespace tw::test
