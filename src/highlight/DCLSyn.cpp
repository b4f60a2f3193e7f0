#include "highlight/DCLSyn.h"

#include <array>

namespace tw
{

namespace
{

// Packed by hand: the order is the completion order.
// clang-format off
constexpr std::array<std::string_view, 66> dclWords = {
    "boxed_column ", "boxed_radio_column ", "boxed_radio_row", "boxed_row", "button ", "column ",
    "concatenation ", "dialog", "edit_box", "errtile", "image ", "image_button ", "list_box ",
    "ok_only ", "ok_cancel", "ok_cancel_help", "ok_cancel_help_errtile", "ok_cancel_help_info",
    "paragraph ", "popup_list ", "radio_button ", "radio_column ", "radio_row ", "row", "slider ",
    "text ", "text_part ", "toggle ", "spacer", "spacer_0", "spacer_1", "action", "alignment",
    "allow_accept", "aspect_ratio ", "big_increment ", "children_alignment ",
    "children_fixed_height", "children_fixed_width ", "color ", "edit_limit ", "edit_width ",
    "fixed_height ", "fixed_width ", "fixed_width_font", "height ", "initial_focus ", "is_bold ",
    "is_cancel ", "is_default", "is_enabled ", "is_tab_stop ", "key", "label ", "layout ", "list ",
    "max_value ", "min_value", "mnemonic ", "multiple_select", "password_char", "small_increment ",
    "tabs", "tab_truncate", "value ", "width"
};
// clang-format on

} // namespace

std::span<const std::string_view> DCLWordList()
{
    return dclWords;
}

TDCLSyn::TDCLSyn() : TTableSyn(KeywordSlots, dclWords, "All files (*.dcl)|*.dcl")
{
    SetRule('/', Rule::SlashComment);
}

} // namespace tw
