#include "highlight/AutoLispSyn.h"
#include "highlight/DCLSyn.h"
#include "highlight/SynTables.h"

#include <array>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace tw
{
namespace
{

TEST(CharValues, WordCharactersAndHashValues)
{
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const bool lower = b >= 'a' && b <= 'z';
        const bool upper = b >= 'A' && b <= 'Z';
        const bool digit = b >= '0' && b <= '9';
        EXPECT_EQ(IsWordChar(byte), lower || upper || digit || b == '_' || b == '-') << b;
        int hash = 0;
        if (lower)
            hash = b - 'a' + 1;
        else if (upper)
            hash = b - 'A' + 1;
        else if (b == '_')
            hash = 31;
        EXPECT_EQ(CharHash(byte), hash) << b;
    }
}

TEST(KeywordHash, SumsLetterValues)
{
    struct Row {
        const char *word;
        std::size_t hash;
    };
    const Row rows[] = {
        {"", 0},       {"label", 12 + 1 + 2 + 5 + 12},
        {"LABEL", 32}, {"a_1", 1 + 31},
        {"0-9", 0},    {"add1", 9},
        {"if", 15},    {"t", 20},
    };
    for (const auto &row : rows)
        EXPECT_EQ(KeywordHash(row.word), row.hash) << row.word;
}

TEST(SameKeyword, IgnoresCaseAndTreatsDigitsAndDashAlike)
{
    struct Row {
        const char *keyword;
        const char *word;
        bool same;
    };
    const Row rows[] = {
        {"spacer_0", "SPACER_7", true},  {"spacer_0", "spacer_-", true},
        {"add1", "ADD9", true},          {"vl-list*", "vl-list-", true},
        {"dialog", "DiAlOg", true},      {"abs", "car", false}, // same hash, other letters
        {"set", "setq", false},                                 // length differs
        {"setq", "set", false},          {"a_b", "a-b", false}, // "_" is no digit
        {"spacer_0", "spacer_a", false}, {"", "", true},
    };
    for (const auto &row : rows)
        EXPECT_EQ(SameKeyword(row.keyword, row.word), row.same) << row.keyword << " " << row.word;
}

TEST(KeywordTable, StripsTrailingBlanksAndKeepsRepeatsOnce)
{
    const std::array<std::string_view, 4> words = {"ab ", "ba", "ab", "c  "};
    const TKeywordTable table(10, words);
    ASSERT_EQ(table.SlotCount(), 10u);
    const auto slot3 = table.Slot(3);
    ASSERT_EQ(slot3.size(), 3u);
    EXPECT_EQ(slot3[0], "ab");
    EXPECT_EQ(slot3[1], "ba");
    EXPECT_EQ(slot3[2], "c");
    EXPECT_TRUE(table.Contains("AB"));
    EXPECT_FALSE(table.Contains("ab "));
    EXPECT_TRUE(table.Slot(10).empty());
    EXPECT_TRUE(table.Slot(1000).empty());
    EXPECT_FALSE(table.Contains("zzzz"));
}

TEST(KeywordTable, RejectsWordPastLastSlot)
{
    const std::array<std::string_view, 2> words = {"ab", "j"};
    EXPECT_THROW(TKeywordTable(10, words), std::invalid_argument);
    EXPECT_NO_THROW(TKeywordTable(11, words));
}

struct SlotRow {
    const char *word;
    std::size_t slot;
};

// The slots the hash rule gives for a few of the words, and how full the
// fullest slots are.
TEST(KeywordTable, DclSlots)
{
    const TDCLSyn syn;
    const auto &table = syn.Keywords();
    ASSERT_EQ(table.SlotCount(), 286u);
    const SlotRow rows[] = {{"label", 32},    {"action", 62},   {"spacer", 62},
                            {"spacer_0", 93}, {"spacer_1", 93}, {"ok_cancel_help_errtile", 285}};
    for (const auto &row : rows) {
        const auto slot = table.Slot(row.slot);
        EXPECT_NE(std::find(slot.begin(), slot.end(), row.word), slot.end()) << row.word;
    }
    EXPECT_EQ(table.Slot(62).size(), 2u);
    EXPECT_EQ(table.Slot(93).size(), 2u);
    std::size_t total = 0;
    for (std::size_t i = 0; i < table.SlotCount(); ++i) {
        EXPECT_LE(table.Slot(i).size(), 2u) << i;
        total += table.Slot(i).size();
    }
    EXPECT_EQ(total, 66u);
}

TEST(KeywordTable, LispSlots)
{
    const TAutoLispSyn syn;
    const auto &table = syn.Keywords();
    ASSERT_EQ(table.SlotCount(), 488u);
    const SlotRow rows[] = {{"add1", 9},
                            {"if", 15},
                            {"t", 20},
                            {"abs", 22},
                            {"car", 22},
                            {"eq", 22},
                            {"vlax-curve-getclosestpointtoprojection", 487}};
    for (const auto &row : rows) {
        const auto slot = table.Slot(row.slot);
        EXPECT_NE(std::find(slot.begin(), slot.end(), row.word), slot.end()) << row.word;
    }
    EXPECT_EQ(table.Slot(22).size(), 3u);
    EXPECT_EQ(table.Slot(56).size(), 8u);
    EXPECT_EQ(table.Slot(71).size(), 8u);
    std::size_t total = 0;
    for (std::size_t i = 0; i < table.SlotCount(); ++i) {
        EXPECT_LE(table.Slot(i).size(), 8u) << i;
        total += table.Slot(i).size();
    }
    EXPECT_EQ(total, 480u); // "list" is listed twice
}

} // namespace
} // namespace tw
