#include "ScanHelpers.h"
#include "highlight/DCLSyn.h"

#include <cctype>
#include <gtest/gtest.h>

using namespace std::string_literals;

namespace tw::test
{
namespace
{

class DCLScan : public ::testing::TestWithParam<ScanCase>
{
};

TEST_P(DCLScan, YieldsTokens)
{
    TDCLSyn syn;
    EXPECT_EQ(Scan(syn, GetParam().line), GetParam().tokens);
}

const ScanCase dclCases[] = {
    {"EmptyLine", "", {}},
    {"SlashStarIsNoComment",
     "/* text */",
     {{Unk, "/"}, {Unk, "*"}, {Sp, " "}, {Kw, "text"}, {Sp, " "}, {Unk, "*"}, {Unk, "/"}}},
    {"SlashStarAroundIdentifier",
     "/* note */",
     {{Unk, "/"}, {Unk, "*"}, {Sp, " "}, {Id, "note"}, {Sp, " "}, {Unk, "*"}, {Unk, "/"}}},
    {"DoubleSlashCommentsRestOfLine",
     "key = \"a\"; // done \"x\" // more",
     {{Kw, "key"},
      {Sp, " "},
      {Unk, "="},
      {Sp, " "},
      {Str, "\"a\""},
      {Unk, ";"},
      {Sp, " "},
      {Cmt, "// done \"x\" // more"}}},
    {"CommentOnlyLine", "//", {{Cmt, "//"}}},
    {"SingleSlashIsUnknown", "a / b", {{Id, "a"}, {Sp, " "}, {Unk, "/"}, {Sp, " "}, {Id, "b"}}},
    {"SlashAtLineEnd", "x/", {{Id, "x"}, {Unk, "/"}}},
    {"CommentStopsAtCarriageReturn", "// c\r\nrow", {{Cmt, "// c"}, {Sp, "\r\n"}, {Kw, "row"}}},
    {"CommentStopsAtLineFeed", "//c\nx", {{Cmt, "//c"}, {Sp, "\n"}, {Id, "x"}}},
    {"OpeningQuoteAtLineEnd",
     "label = \"",
     {{Kw, "label"}, {Sp, " "}, {Unk, "="}, {Sp, " "}, {Str, "\""}}},
    {"DoubledQuoteStaysInString", "\"a\"\"b\"", {{Str, "\"a\"\"b\""}}},
    {"EmptyString", "\"\"x", {{Str, "\"\""}, {Id, "x"}}},
    {"ThreeQuotesUnterminated", "\"\"\"", {{Str, "\"\"\""}}},
    {"BackslashProtectsNoQuote", "\"a\\\"b\"", {{Str, "\"a\\\""}, {Id, "b"}, {Str, "\""}}},
    {"SlashesInsideString", "\"//\" x", {{Str, "\"//\""}, {Sp, " "}, {Id, "x"}}},
    {"StringStopsAtLineBreak",
     "\"ab\r\ncd\"",
     {{Str, "\"ab"}, {Sp, "\r\n"}, {Id, "cd"}, {Str, "\""}}},
    {"StringStopsAtLineFeed", "\"ab\n", {{Str, "\"ab"}, {Sp, "\n"}}},
    {"KeywordAnyCase",
     "DiAlOg DIALOG dialog",
     {{Kw, "DiAlOg"}, {Sp, " "}, {Kw, "DIALOG"}, {Sp, " "}, {Kw, "dialog"}}},
    {"KeywordWithSuffixIsIdentifier", "dialogs", {{Id, "dialogs"}}},
    {"SpacerDigits",
     "spacer_0 spacer_1 spacer_7 SPACER_9",
     {{Kw, "spacer_0"},
      {Sp, " "},
      {Kw, "spacer_1"},
      {Sp, " "},
      {Kw, "spacer_7"},
      {Sp, " "},
      {Kw, "SPACER_9"}}},
    {"SpacerDashMatchesDigit", "spacer_-", {{Kw, "spacer_-"}}},
    {"SpacerUnderscoreAlone", "spacer_ spacer", {{Id, "spacer_"}, {Sp, " "}, {Kw, "spacer"}}},
    {"DigitsAreSingleUnknowns", "42", {{Unk, "4"}, {Unk, "2"}}},
    {"LoneDash", "-", {{Unk, "-"}}},
    {"DashAndDigitsInsideWord", "x-1_y", {{Id, "x-1_y"}}},
    {"UnderscoreStartsWord", "_is_bold", {{Id, "_is_bold"}}},
    {"TabAndBlanksOneSpace", "\t  x", {{Sp, "\t  "}, {Id, "x"}}},
    {"ControlBytesJoinSpace", "\x01\x1f \x0b\x0c", {{Sp, "\x01\x1f \x0b\x0c"}}},
    {"CarriageReturnLineFeedOneSpace", "\r\n", {{Sp, "\r\n"}}},
    {"LineFeedsOneEach", "\n\n", {{Sp, "\n"}, {Sp, "\n"}}},
    {"CarriageReturnsOneEach", "\r\r\n", {{Sp, "\r"}, {Sp, "\r\n"}}},
    {"BlankThenLineFeed", " \n ", {{Sp, " "}, {Sp, "\n"}, {Sp, " "}}},
    {"NulEndsLine", "ab\0cd"s, {{Id, "ab"}}},
    {"NulEndsString", "\"ab\0\""s, {{Str, "\"ab"}}},
    {"NulEndsComment", "//ab\0x"s, {{Cmt, "//ab"}}},
    {"HighBytesAreUnknown", "\x7f\xff", {{Unk, "\x7f"}, {Unk, "\xff"}}},
    {"Utf8LetterSplitsWord", "w\xc3\xb6rd", {{Id, "w"}, {Unk, "\xc3"}, {Unk, "\xb6"}, {Id, "rd"}}},
    {"Utf8InString",
     "label = \"Gr\xc3\xb6\xc3\x9f"
     "e\";",
     {{Kw, "label"},
      {Sp, " "},
      {Unk, "="},
      {Sp, " "},
      {Str, "\"Gr\xc3\xb6\xc3\x9f"
            "e\""},
      {Unk, ";"}}},
    {"Utf8InComment", "// \xe2\x82\xac", {{Cmt, "// \xe2\x82\xac"}}},
    {"TileDefinition",
     "mine : boxed_row { key = \"k\"; width = 20; }",
     {{Id, "mine"},   {Sp, " "},  {Unk, ":"},  {Sp, " "},     {Kw, "boxed_row"}, {Sp, " "},
      {Unk, "{"},     {Sp, " "},  {Kw, "key"}, {Sp, " "},     {Unk, "="},        {Sp, " "},
      {Str, "\"k\""}, {Unk, ";"}, {Sp, " "},   {Kw, "width"}, {Sp, " "},         {Unk, "="},
      {Sp, " "},      {Unk, "2"}, {Unk, "0"},  {Unk, ";"},    {Sp, " "},         {Unk, "}"}}},
    {"TileReference",
     ":ok_cancel_help_errtile;",
     {{Unk, ":"}, {Kw, "ok_cancel_help_errtile"}, {Unk, ";"}}},
    {"BoolValue", "is_default=true;", {{Kw, "is_default"}, {Unk, "="}, {Id, "true"}, {Unk, ";"}}},
};

INSTANTIATE_TEST_SUITE_P(Lines, DCLScan, ::testing::ValuesIn(dclCases),
                         [](const auto &info) { return std::string(info.param.name); });

// Words in the same slot (same hash) that are no keyword, and words whose hash
// runs past the table.
TEST(DCLSyn, SlotNeighboursAndOverflowAreIdentifiers)
{
    struct Row {
        const char *word;
        TokenKind kind;
    };
    const Row rows[] = {
        {"action", Kw},
        {"spacer", Kw},
        {"noitca", Id}, // slot 62, length 6, neither keyword
        {"lebal", Id},  // slot 32 like "label"
        {"label", Kw},
        {"ok_cancel_help_errtile", Kw},
        {"ok_cancel_help_errtilf", Id}, // hash 286, one past the last slot
        {"zzzzzzzzzzzzzzzzzzzzzzzz", Id},
        {"_", Id},
    };
    TDCLSyn syn;
    for (const auto &row : rows) {
        const auto tokens = Scan(syn, row.word);
        ASSERT_EQ(tokens.size(), 1u) << row.word;
        EXPECT_EQ(tokens[0], (Tok{row.kind, row.word}));
    }
}

TEST(DCLSyn, EveryListedWordIsOneKeywordInAnyCase)
{
    TDCLSyn syn;
    for (const auto entry : DCLWordList()) {
        std::string word(entry);
        while (word.back() == ' ')
            word.pop_back();
        EXPECT_EQ(Scan(syn, word), (std::vector<Tok>{{Kw, word}}));
        std::string upper = word;
        for (auto &c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(Scan(syn, upper), (std::vector<Tok>{{Kw, upper}}));
    }
}

// One-byte lines: what each byte value on its own starts, by the DCL rules.
TEST(DCLSyn, EverySingleByte)
{
    TDCLSyn syn;
    for (int b = 1; b < 256; ++b) {
        const std::string line(1, static_cast<char>(b));
        const auto tokens = Scan(syn, line);
        ASSERT_EQ(tokens.size(), 1u) << b;
        TokenKind expected = Unk;
        if (b <= 32)
            expected = Sp;
        else if (b == '"')
            expected = Str;
        else if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == '_')
            expected = Id; // there is no one-letter DCL keyword
        EXPECT_EQ(tokens[0], (Tok{expected, line})) << b;
    }
}

} // namespace
} // namespace tw::test
