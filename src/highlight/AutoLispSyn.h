#pragma once

#include "highlight/TableSyn.h"

#include <span>
#include <string_view>

namespace tw
{

// Colours AutoLISP source: ";" comments, strings, built-in function names
// (keywords, any letter case), parentheses and the operators * + - / < = >
// (one-byte keywords), numbers, other words and white space.
class TAutoLispSyn : public TTableSyn
{
public:
    static constexpr std::size_t KeywordSlots = 488;

    TAutoLispSyn();
    std::string LanguageTitle() const override { return "Auto Lisp"; }
};

// The AutoLISP completion list, 481 entries in completion order ("list" twice).
// Entries that the completion inserts with a following blank carry that blank;
// the keywords are the distinct entries without it.
std::span<const std::string_view> AutoLispWordList();

} // namespace tw
