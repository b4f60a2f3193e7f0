#include "ScanHelpers.h"
#include "highlight/AutoLispSyn.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>

using namespace std::string_literals;

namespace tw::test
{
namespace
{

class LispScan : public ::testing::TestWithParam<ScanCase>
{
};

TEST_P(LispScan, YieldsTokens)
{
    TAutoLispSyn syn;
    EXPECT_EQ(Scan(syn, GetParam().line), GetParam().tokens);
}

const ScanCase lispCases[] = {
    {"EmptyLine", "", {}},
    {"SemicolonAlone", ";", {{Cmt, ";"}}},
    {"SemicolonInString",
     "(princ \"a;b\") ; done",
     {{Kw, "("},
      {Kw, "princ"},
      {Sp, " "},
      {Str, "\"a;b\""},
      {Kw, ")"},
      {Sp, " "},
      {Cmt, "; done"}}},
    {"BlockCommentOpenerIsLineComment", ";| not a block", {{Cmt, ";| not a block"}}},
    {"CommentStopsAtLineBreak", "; c\r\n(", {{Cmt, "; c"}, {Sp, "\r\n"}, {Kw, "("}}},
    {"SetqAnyCase",
     "SeTq SETQ setq",
     {{Kw, "SeTq"}, {Sp, " "}, {Kw, "SETQ"}, {Sp, " "}, {Kw, "setq"}}},
    {"SetqWithDigitIsIdentifier", "setq1", {{Id, "setq1"}}},
    {"DigitsMatchDigits",
     "add1 add7 prin1 PRIN9 add-",
     {{Kw, "add1"},
      {Sp, " "},
      {Kw, "add7"},
      {Sp, " "},
      {Kw, "prin1"},
      {Sp, " "},
      {Kw, "PRIN9"},
      {Sp, " "},
      {Kw, "add-"}}},
    {"SetqWithNumber",
     "(setq a 1.5e3)",
     {{Kw, "("}, {Kw, "setq"}, {Sp, " "}, {Id, "a"}, {Sp, " "}, {Unk, "1.5e3"}, {Kw, ")"}}},
    {"BackslashProtectsNoQuote", "\"a\\\"b\"", {{Str, "\"a\\\""}, {Id, "b"}, {Str, "\""}}},
    {"DoubledQuoteStaysInString", "\"a\"\"b\"", {{Str, "\"a\"\"b\""}}},
    {"OpeningQuoteAtLineEnd", "(princ \"", {{Kw, "("}, {Kw, "princ"}, {Sp, " "}, {Str, "\""}}},
    {"StringStopsAtLineFeed", "\"ab\ncd", {{Str, "\"ab"}, {Sp, "\n"}, {Id, "cd"}}},
    {"DigitStartsNumber", "3dsin", {{Unk, "3"}, {Id, "dsin"}}},
    {"ArrowNameSplits", "vl-list->string", {{Kw, "vl-list-"}, {Kw, ">"}, {Id, "string"}}},
    {"StarNameSplits", "vl-list*", {{Id, "vl-list"}, {Kw, "*"}}},
    {"DashStartsOperator", "-5", {{Kw, "-"}, {Unk, "5"}}},
    {"DashInsideWord", "a-b", {{Id, "a-b"}}},
    {"NumberThenPlus", "1+", {{Unk, "1"}, {Kw, "+"}}},
    {"SlashEquals", "/=", {{Kw, "/"}, {Kw, "="}}},
    {"Operators",
     "(*+-/<=>)",
     {{Kw, "("},
      {Kw, "*"},
      {Kw, "+"},
      {Kw, "-"},
      {Kw, "/"},
      {Kw, "<"},
      {Kw, "="},
      {Kw, ">"},
      {Kw, ")"}}},
    {"QuotedPair",
     "'(1 . 2)",
     {{Unk, "'"}, {Kw, "("}, {Unk, "1"}, {Sp, " "}, {Unk, "."}, {Sp, " "}, {Unk, "2"}, {Kw, ")"}}},
    {"NumberTakesExponentLetters", "1e2E3.4", {{Unk, "1e2E3.4"}}},
    {"NumberStopsAtSign", "12.5E-3", {{Unk, "12.5E"}, {Kw, "-"}, {Unk, "3"}}},
    {"NumberStopsAtLetter", "1x", {{Unk, "1"}, {Id, "x"}}},
    {"LeadingDotIsUnknown", ".5", {{Unk, "."}, {Unk, "5"}}},
    {"CommaIsUnknown", ",a", {{Unk, ","}, {Id, "a"}}},
    {"TIsKeyword", "t T nil", {{Kw, "t"}, {Sp, " "}, {Kw, "T"}, {Sp, " "}, {Id, "nil"}}},
    {"TabAndBlanksOneSpace", "\t  (", {{Sp, "\t  "}, {Kw, "("}}},
    {"CarriageReturnLineFeedOneSpace", "\r\n", {{Sp, "\r\n"}}},
    {"LoneCarriageReturn", "\r(", {{Sp, "\r"}, {Kw, "("}}},
    {"NulEndsLine", "(a\0)"s, {{Kw, "("}, {Id, "a"}}},
    {"NulEndsNumber",
     "12\0"
     "3"s,
     {{Unk, "12"}}},
    {"Utf8InStringAndComment",
     "(princ \"h\xc3\xa9llo\") ; \xc3\xa7"
     "a",
     {{Kw, "("},
      {Kw, "princ"},
      {Sp, " "},
      {Str, "\"h\xc3\xa9llo\""},
      {Kw, ")"},
      {Sp, " "},
      {Cmt, "; \xc3\xa7"
            "a"}}},
    {"Utf8BytesSplitWord",
     "(setq \xc3\xa4x 1)",
     {{Kw, "("},
      {Kw, "setq"},
      {Sp, " "},
      {Unk, "\xc3"},
      {Unk, "\xa4"},
      {Id, "x"},
      {Sp, " "},
      {Unk, "1"},
      {Kw, ")"}}},
    {"Defun",
     "(defun c:LoadDialog (/ dcl_id)",
     {{Kw, "("},
      {Kw, "defun"},
      {Sp, " "},
      {Id, "c"},
      {Unk, ":"},
      {Id, "LoadDialog"},
      {Sp, " "},
      {Kw, "("},
      {Kw, "/"},
      {Sp, " "},
      {Id, "dcl_id"},
      {Kw, ")"}}},
    {"ActionTile",
     "(action_tile \"accept\" \"(done_dialog 1)\")",
     {{Kw, "("},
      {Kw, "action_tile"},
      {Sp, " "},
      {Str, "\"accept\""},
      {Sp, " "},
      {Str, "\"(done_dialog 1)\""},
      {Kw, ")"}}},
};

INSTANTIATE_TEST_SUITE_P(Lines, LispScan, ::testing::ValuesIn(lispCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(AutoLispSyn, SlotNeighboursAndOverflowAreIdentifiers)
{
    struct Row {
        const char *word;
        TokenKind kind;
    };
    const Row rows[] = {
        {"abs", Kw},
        {"car", Kw},
        {"eq", Kw},
        {"bas", Id}, // slot 22, length 3 like abs and car
        {"rac", Id},
        {"qe", Id}, // slot 22, length 2 like eq
        {"append", Kw},
        {"xload", Kw},
        {"daolx", Id}, // slot 56 holds eight keywords, none of these letters in this order
        {"wcmatch", Kw},
        {"hctamcw", Id}, // slot 71
        {"vlax-curve-getClosestPointToProjection", Kw},
        {"vlax-curve-getClosestPointToProjectioo", Id}, // hash 488, past the last slot
        {"zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz", Id},
    };
    TAutoLispSyn syn;
    for (const auto &row : rows) {
        const auto tokens = Scan(syn, row.word);
        ASSERT_EQ(tokens.size(), 1u) << row.word;
        EXPECT_EQ(tokens[0], (Tok{row.kind, row.word}));
    }
}

// Every listed word that is made of word characters and starts with a letter or
// "_" is one keyword token, in lower and upper case; the eight that are not
// (a digit start, or "*" and ">" inside) never are one token.
TEST(AutoLispSyn, EveryListedWordInAnyCase)
{
    const std::vector<std::string> unreachable = {"3dsin",
                                                  "3dsout",
                                                  "vl-list*",
                                                  "vl-list->string",
                                                  "vl-string->list",
                                                  "vlax-ename->vla-object",
                                                  "vlax-safearray->list",
                                                  "vlax-vla-object->ename"};
    TAutoLispSyn syn;
    std::size_t reached = 0;
    for (const auto entry : AutoLispWordList()) {
        std::string word(entry);
        while (word.back() == ' ')
            word.pop_back();
        const auto tokens = Scan(syn, word);
        if (std::find(unreachable.begin(), unreachable.end(), word) != unreachable.end()) {
            EXPECT_GT(tokens.size(), 1u) << word;
            continue;
        }
        ++reached;
        EXPECT_EQ(tokens, (std::vector<Tok>{{Kw, word}}));
        std::string upper = word;
        for (auto &c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(Scan(syn, upper), (std::vector<Tok>{{Kw, upper}}));
    }
    EXPECT_EQ(reached, 481u - 8u);
}

TEST(AutoLispSyn, EverySingleByte)
{
    TAutoLispSyn syn;
    const std::string operators = "()*+-/<=>";
    for (int b = 1; b < 256; ++b) {
        const std::string line(1, static_cast<char>(b));
        const auto tokens = Scan(syn, line);
        ASSERT_EQ(tokens.size(), 1u) << b;
        TokenKind expected = Unk; // digits too: a one-digit number
        if (b <= 32)
            expected = Sp;
        else if (b == '"')
            expected = Str;
        else if (b == ';')
            expected = Cmt;
        else if (operators.find(static_cast<char>(b)) != std::string::npos)
            expected = Kw;
        else if (b == 't' || b == 'T')
            expected = Kw; // the one-letter keyword "t"
        else if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == '_')
            expected = Id;
        EXPECT_EQ(tokens[0], (Tok{expected, line})) << b;
    }
}

} // namespace
} // namespace tw::test
