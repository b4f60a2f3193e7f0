#pragma once

// Shared by the two highlighter fuzz targets: scans fuzzer-made lines and
// checks each token against a plain re-statement of the scanning rules.

#include "highlight/SynHighlighter.h"
#include "highlight/TableSyn.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tw::fuzz
{

enum class Language { Dcl, Lisp };

struct RefToken {
    TokenKind kind;
    std::size_t length;
};

inline void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// Keywords folded so that letter case is lost and every byte that adds nothing
// to the hash ("-", digits, "*", ">") reads as '0'.
inline std::string Fold(std::string_view word)
{
    std::string folded;
    for (const char ch : word) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 'A' && c <= 'Z')
            folded += static_cast<char>(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || c == '_')
            folded += static_cast<char>(c);
        else
            folded += '0';
    }
    return folded;
}

inline std::set<std::string> FoldedKeywords(std::span<const std::string_view> list)
{
    std::set<std::string> words;
    for (auto entry : list) {
        while (!entry.empty() && entry.back() == ' ')
            entry.remove_suffix(1);
        words.insert(Fold(entry));
    }
    return words;
}

inline bool Letter(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

inline bool Digit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

inline std::vector<RefToken> ReferenceScan(Language lang, std::string_view line,
                                           const std::set<std::string> &keywords)
{
    const auto nul = line.find('\0');
    if (nul != std::string_view::npos)
        line = line.substr(0, nul);
    auto at = [line](std::size_t i) -> unsigned char {
        return i < line.size() ? static_cast<unsigned char>(line[i]) : 0;
    };
    auto isBreak = [&at](std::size_t i) { return at(i) == 0 || at(i) == '\n' || at(i) == '\r'; };
    std::vector<RefToken> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        const std::size_t start = i;
        const unsigned char c = at(i);
        TokenKind kind = TokenKind::Unknown;
        if (c == '\n') {
            kind = TokenKind::Space;
            ++i;
        } else if (c == '\r') {
            kind = TokenKind::Space;
            i += at(i + 1) == '\n' ? 2 : 1;
        } else if (c <= 32) {
            kind = TokenKind::Space;
            while (at(i) != 0 && at(i) <= 32 && at(i) != '\n' && at(i) != '\r')
                ++i;
        } else if (c == '"') {
            kind = TokenKind::String;
            ++i;
            for (;;) {
                if (isBreak(i))
                    break;
                if (at(i) == '"' && at(i + 1) == '"') {
                    i += 2;
                } else if (at(i) == '"') {
                    ++i;
                    break;
                } else {
                    ++i;
                }
            }
        } else if ((lang == Language::Dcl && c == '/' && at(i + 1) == '/') ||
                   (lang == Language::Lisp && c == ';')) {
            kind = TokenKind::Comment;
            while (!isBreak(i))
                ++i;
        } else if (lang == Language::Lisp && std::strchr("()*+-/<=>", c) != nullptr) {
            kind = TokenKind::Keyword;
            ++i;
        } else if (lang == Language::Lisp && Digit(c)) {
            while (Digit(at(i)) || at(i) == '.' || at(i) == 'e' || at(i) == 'E')
                ++i;
        } else if (Letter(c)) {
            while (Letter(at(i)) || Digit(at(i)) || at(i) == '-')
                ++i;
            const bool known = keywords.count(Fold(line.substr(start, i - start))) != 0;
            kind = known ? TokenKind::Keyword : TokenKind::Identifier;
        } else {
            ++i;
        }
        tokens.push_back({kind, i - start});
    }
    return tokens;
}

inline const TSynHighlighterAttributes *ExpectedAttribute(TTableSyn &syn, TokenKind kind)
{
    switch (kind) {
    case TokenKind::Comment:
        return &syn.CommentAttri();
    case TokenKind::Identifier:
    case TokenKind::Unknown:
        return &syn.IdentifierAttri();
    case TokenKind::Keyword:
        return &syn.KeyAttri();
    case TokenKind::Space:
        return &syn.SpaceAttri();
    case TokenKind::String:
        return &syn.StringAttri();
    case TokenKind::EndOfLine:
        break;
    }
    return nullptr;
}

// Input layout: one byte that splits the rest into lines, eight bytes of range
// value handed to SetRangeState before the first line, then the text. Every
// byte value, NUL included, can appear inside a line.
template <typename Syn>
void CheckHighlighter(Language lang, std::span<const std::string_view> wordList,
                      const std::uint8_t *data, std::size_t size)
{
    static const std::set<std::string> keywords = FoldedKeywords(wordList);
    static Syn syn;
    if (size < 9)
        return;
    const char separator = static_cast<char>(data[0]);
    std::uintptr_t value = 0;
    std::memcpy(&value, data + 1, sizeof value < 8 ? sizeof value : 8);
    const std::string_view text(reinterpret_cast<const char *>(data + 9), size - 9);

    syn.SetRangeState(reinterpret_cast<TRangeState>(value));
    std::size_t from = 0;
    for (int index = 0; from <= text.size(); ++index) {
        auto end = text.find(separator, from);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string line(text.substr(from, end - from));
        from = end + 1;

        const auto expected = ReferenceScan(lang, line, keywords);
        syn.BeginLine(line, index);
        Require(syn.LineIndex() == index);
        std::size_t pos = 0;
        for (const auto &ref : expected) {
            Require(!syn.AtLineEnd());
            Require(syn.TokenStart() == pos);
            Require(syn.TokenKindCode() == static_cast<int>(ref.kind));
            Require(syn.TokenAttributes() == ExpectedAttribute(syn, ref.kind));
            Require(syn.TokenText() == line.substr(pos, ref.length));
            pos += ref.length;
            syn.NextToken();
        }
        Require(syn.AtLineEnd());
        Require(syn.TokenStart() == pos);
        Require(syn.TokenText().empty());
        Require(syn.TokenAttributes() == nullptr);
        Require(syn.RangeState() == nullptr);
        syn.SetRangeState(syn.RangeState());
    }
}

} // namespace tw::fuzz
