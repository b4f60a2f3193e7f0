#include "highlight/AutoLispSyn.h"
#include "highlight/DCLSyn.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace tw
{
namespace
{

struct Anchor {
    std::size_t index;
    const char *entry;
};

std::set<std::string> WithTrailingBlank(std::span<const std::string_view> list)
{
    std::set<std::string> words;
    for (const auto entry : list) {
        EXPECT_FALSE(entry.empty());
        EXPECT_NE(entry.front(), ' ') << entry;
        if (entry.back() == ' ') {
            // One blank at most, and never inside the word.
            EXPECT_EQ(entry.find(' '), entry.size() - 1) << entry;
            words.emplace(entry.substr(0, entry.size() - 1));
        } else {
            EXPECT_EQ(entry.find(' '), std::string_view::npos) << entry;
        }
    }
    return words;
}

TEST(DCLWordList, CountOrderAndBlanks)
{
    const auto list = DCLWordList();
    ASSERT_EQ(list.size(), 66u);
    const Anchor anchors[] = {{0, "boxed_column "},
                              {1, "boxed_radio_column "},
                              {2, "boxed_radio_row"},
                              {7, "dialog"},
                              {14, "ok_cancel"},
                              {16, "ok_cancel_help_errtile"},
                              {23, "row"},
                              {28, "spacer"},
                              {29, "spacer_0"},
                              {30, "spacer_1"},
                              {31, "action"},
                              {52, "key"},
                              {63, "tab_truncate"},
                              {64, "value "},
                              {65, "width"}};
    for (const auto &a : anchors)
        EXPECT_EQ(list[a.index], a.entry) << a.index;

    const std::set<std::string> expected = {"boxed_column",
                                            "boxed_radio_column",
                                            "button",
                                            "column",
                                            "concatenation",
                                            "image",
                                            "image_button",
                                            "list_box",
                                            "ok_only",
                                            "paragraph",
                                            "popup_list",
                                            "radio_button",
                                            "radio_column",
                                            "radio_row",
                                            "slider",
                                            "text",
                                            "text_part",
                                            "toggle",
                                            "aspect_ratio",
                                            "big_increment",
                                            "children_alignment",
                                            "children_fixed_width",
                                            "color",
                                            "edit_limit",
                                            "edit_width",
                                            "fixed_height",
                                            "fixed_width",
                                            "height",
                                            "initial_focus",
                                            "is_bold",
                                            "is_cancel",
                                            "is_enabled",
                                            "is_tab_stop",
                                            "label",
                                            "layout",
                                            "list",
                                            "max_value",
                                            "mnemonic",
                                            "small_increment",
                                            "value"};
    ASSERT_EQ(expected.size(), 40u);
    EXPECT_EQ(WithTrailingBlank(list), expected);

    std::set<std::string_view> distinct(list.begin(), list.end());
    EXPECT_EQ(distinct.size(), 66u);
}

TEST(AutoLispWordList, CountOrderAndBlanks)
{
    const auto list = AutoLispWordList();
    ASSERT_EQ(list.size(), 481u);
    const Anchor anchors[] = {{0, "3dsin"},
                              {1, "3dsout"},
                              {2, "align"},
                              {3, "abs"},
                              {38, "acet-ps-to-ms "},
                              {39, "boundp"},
                              {89, "defun"},
                              {90, "defun-q"},
                              {167, "list"},
                              {172, "list"},
                              {324, "vl-list*"},
                              {325, "vl-list->string"},
                              {370, "vlax-curve-getclosestpointtoprojection"},
                              {421, "vlax-typeinfo-available-p "},
                              {478, "xdroom"},
                              {479, "zerop"},
                              {480, "_ver"}};
    for (const auto &a : anchors)
        EXPECT_EQ(list[a.index], a.entry) << a.index;

    EXPECT_EQ(std::count(list.begin(), list.end(), "list"), 2);
    EXPECT_EQ(WithTrailingBlank(list),
              (std::set<std::string>{"acet-ps-to-ms", "vlax-typeinfo-available-p"}));
    std::set<std::string_view> distinct(list.begin(), list.end());
    EXPECT_EQ(distinct.size(), 480u);
}

} // namespace
} // namespace tw
