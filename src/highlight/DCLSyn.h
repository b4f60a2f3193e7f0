#pragma once

#include "highlight/TableSyn.h"

#include <span>
#include <string_view>

namespace tw
{

// Colours DCL source: "//" comments, strings, tile types, predefined tiles and
// attribute names (keywords, any letter case), other words, white space and
// single unknown bytes. A "/*" does not open a comment.
class TDCLSyn : public TTableSyn
{
public:
    static constexpr std::size_t KeywordSlots = 286;

    TDCLSyn();
    std::string LanguageTitle() const override { return "DCL Defination"; }
};

// The DCL completion list, 66 entries in completion order. Entries that the
// completion inserts with a following blank carry that blank; the keywords are
// the entries without it.
std::span<const std::string_view> DCLWordList();

} // namespace tw
