#include "ScanHelpers.h"
#include "highlight/AutoLispSyn.h"
#include "highlight/DCLSyn.h"

#include <gtest/gtest.h>
#include <optional>

namespace tw::test
{
namespace
{

// What both highlighters promise the editor, checked on each of them.
template <typename T> class Contract : public ::testing::Test
{
protected:
    T syn;
};

using Highlighters = ::testing::Types<TDCLSyn, TAutoLispSyn>;
TYPED_TEST_SUITE(Contract, Highlighters);

struct AttributeRow {
    const char *name;
    std::optional<TRgb> foreground;
    TSynFontStyle style;
};

const AttributeRow attributeRows[] = {
    {"Comment", TRgb{128, 128, 0}, {.Bold = false, .Italic = true}},
    {"Identifier", TRgb{0, 0, 255}, {}},
    {"Reserved word", TRgb{255, 0, 0}, {.Bold = true, .Italic = false}},
    {"Space", std::nullopt, {}},
    {"String", TRgb{128, 0, 128}, {.Bold = false, .Italic = true}},
};

TYPED_TEST(Contract, AttributesInOrderWithColours)
{
    auto &syn = this->syn;
    ASSERT_EQ(syn.AttrCount(), 5);
    for (int i = 0; i < 5; ++i) {
        const auto *attr = syn.Attribute(i);
        ASSERT_NE(attr, nullptr);
        EXPECT_EQ(attr->Name(), attributeRows[i].name);
        EXPECT_EQ(attr->Foreground(), attributeRows[i].foreground) << attr->Name();
        EXPECT_EQ(attr->Background(), std::nullopt) << attr->Name();
        EXPECT_EQ(attr->Style(), attributeRows[i].style) << attr->Name();
        EXPECT_EQ(syn.AttributeByName(attributeRows[i].name), attr);
    }
    EXPECT_EQ(syn.Attribute(5), nullptr);
    EXPECT_EQ(syn.Attribute(-1), nullptr);
    EXPECT_EQ(syn.AttributeByName("Number"), nullptr);

    EXPECT_EQ(&syn.CommentAttri(), syn.Attribute(0));
    EXPECT_EQ(&syn.IdentifierAttri(), syn.Attribute(1));
    EXPECT_EQ(&syn.KeyAttri(), syn.Attribute(2));
    EXPECT_EQ(&syn.SpaceAttri(), syn.Attribute(3));
    EXPECT_EQ(&syn.StringAttri(), syn.Attribute(4));
}

TYPED_TEST(Contract, StandardAttributes)
{
    auto &syn = this->syn;
    EXPECT_EQ(syn.StandardAttribute(0), &syn.CommentAttri());
    EXPECT_EQ(syn.StandardAttribute(1), &syn.IdentifierAttri());
    EXPECT_EQ(syn.StandardAttribute(2), &syn.KeyAttri());
    EXPECT_EQ(syn.StandardAttribute(3), &syn.StringAttri());
    EXPECT_EQ(syn.StandardAttribute(4), &syn.SpaceAttri());
    EXPECT_EQ(syn.StandardAttribute(5), nullptr);
    EXPECT_EQ(syn.StandardAttribute(-1), nullptr);
}

// Lines valid in both languages whose first token has the given kind.
TYPED_TEST(Contract, TokenKindsAndTheirAttributes)
{
    auto &syn = this->syn;
    const bool lisp = std::is_same_v<TypeParam, TAutoLispSyn>;
    struct Row {
        std::string line;
        TokenKind kind;
        const TSynHighlighterAttributes *attr;
    };
    const Row rows[] = {
        {lisp ? ";c" : "//c", TokenKind::Comment, &syn.CommentAttri()},
        {"abc", TokenKind::Identifier, &syn.IdentifierAttri()},
        {lisp ? "setq" : "dialog", TokenKind::Keyword, &syn.KeyAttri()},
        {"", TokenKind::EndOfLine, nullptr},
        {" ", TokenKind::Space, &syn.SpaceAttri()},
        {"\"s\"", TokenKind::String, &syn.StringAttri()},
        {"#", TokenKind::Unknown, &syn.IdentifierAttri()},
    };
    for (const auto &row : rows) {
        syn.BeginLine(row.line, 0);
        EXPECT_EQ(syn.TokenKindCode(), static_cast<int>(row.kind)) << row.line;
        EXPECT_EQ(syn.TokenAttributes(), row.attr) << row.line;
        EXPECT_EQ(syn.AtLineEnd(), row.kind == TokenKind::EndOfLine) << row.line;
    }
}

TYPED_TEST(Contract, IdentifierCharacters)
{
    const auto set = this->syn.IdentifierCharacters();
    for (int b = 0; b < 256; ++b) {
        const bool word = (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') ||
                          (b >= '0' && b <= '9') || b == '_' || b == '-';
        EXPECT_EQ(set[static_cast<std::size_t>(b)], word) << b;
    }
}

TYPED_TEST(Contract, AttributeChangesReachHandlers)
{
    auto &syn = this->syn;
    int first = 0;
    int second = 0;
    const int id = syn.AddChangeHandler([&first] { ++first; });
    syn.AddChangeHandler([&second] { ++second; });

    syn.KeyAttri().SetBackground(TRgb{1, 2, 3});
    syn.KeyAttri().SetBackground(TRgb{1, 2, 3}); // unchanged: no repaint
    EXPECT_EQ(first, 1);
    syn.SpaceAttri().SetStyle({.Bold = true, .Italic = false});
    syn.CommentAttri().SetForeground(std::nullopt);
    EXPECT_EQ(first, 3);
    EXPECT_EQ(second, 3);

    syn.RemoveChangeHandler(id);
    syn.StringAttri().SetForeground(TRgb{0, 0, 0});
    EXPECT_EQ(first, 3);
    EXPECT_EQ(second, 4);
}

TYPED_TEST(Contract, NothingScannedYetIsEndOfLine)
{
    EXPECT_TRUE(this->syn.AtLineEnd());
    EXPECT_EQ(this->syn.TokenStart(), 0u);
    EXPECT_EQ(this->syn.TokenText(), "");
    EXPECT_EQ(this->syn.TokenAttributes(), nullptr);
}

TYPED_TEST(Contract, EndOfLineStaysPut)
{
    auto &syn = this->syn;
    syn.BeginLine("ab", 7);
    EXPECT_EQ(syn.LineIndex(), 7);
    syn.NextToEol();
    ASSERT_TRUE(syn.AtLineEnd());
    for (int i = 0; i < 3; ++i) {
        syn.NextToken();
        EXPECT_TRUE(syn.AtLineEnd());
        EXPECT_EQ(syn.TokenStart(), 2u);
        EXPECT_EQ(syn.TokenText(), "");
    }
}

// Nothing carries from one line to the next: a line scans the same after an
// unterminated string or comment, whatever range value the editor hands back,
// and the range value is always empty.
TYPED_TEST(Contract, LinesAreIndependent)
{
    const std::string follow = "abc \"d\" (e) // f ; g";
    TypeParam fresh;
    const auto expected = Scan(fresh, follow);

    const int marker = 0;
    const TRangeState values[] = {nullptr, &marker};
    const char *previous[] = {"\"open", "// open", "; open", "\"a\"\"", "x\r", ""};
    auto &syn = this->syn;
    for (const auto *line : previous) {
        for (const auto value : values) {
            Scan(syn, line);
            EXPECT_EQ(syn.RangeState(), nullptr);
            syn.SetRangeState(value);
            EXPECT_EQ(Scan(syn, follow, 1), expected) << line;
            EXPECT_EQ(syn.RangeState(), nullptr);
            syn.ResetRangeState();
            EXPECT_EQ(Scan(syn, follow, 2), expected) << line;
        }
    }
}

TEST(Highlighters, TitlesAndFilters)
{
    const TDCLSyn dcl;
    const TAutoLispSyn lisp;
    EXPECT_EQ(dcl.LanguageTitle(), "DCL Defination");
    EXPECT_EQ(dcl.DefaultFilter(), "All files (*.dcl)|*.dcl");
    EXPECT_EQ(lisp.LanguageTitle(), "Auto Lisp");
    EXPECT_EQ(lisp.DefaultFilter(), "All files (*.lsp)|*.lsp");
}

} // namespace
} // namespace tw::test
