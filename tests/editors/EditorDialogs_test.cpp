#include "editors/EditorDialogs.h"

#include <gtest/gtest.h>

namespace tw
{
namespace
{

TEST(EditorDialogsTest, FiltersAreWrittenAsQtWritesThem)
{
    struct Case {
        const char *Filter;
        const char *Expected;
    };
    const Case cases[] = {
        {"AutoLisp Source File (*.lsp)|*.lsp|DCL Defination (*.dcl)|*.dcl|All files|*.*",
         "AutoLisp Source File (*.lsp);;DCL Defination (*.dcl);;All files (*.*)"},
        {"DCL File (*.dcl)|*.dcl|Plain text files (*.txt)|*.txt|All files|*.*",
         "DCL File (*.dcl);;Plain text files (*.txt);;All files (*.*)"},
        {"Sources|*.lsp;*.dcl", "Sources (*.lsp *.dcl)"},
        {"", ""},
        {"Dangling", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ConvertFilter(c.Filter), c.Expected) << c.Filter;
}

TEST(EditorDialogsTest, TheDefaultExtensionIsAddedToABareName)
{
    struct Case {
        const char *Path;
        const char *Ext;
        const char *Expected;
    };
    const Case cases[] = {
        {"/a/b", "lsp", "/a/b.lsp"},     {"/a/b.txt", "lsp", "/a/b.txt"},
        {"/a.d/b", "dcl", "/a.d/b.dcl"}, {"/a/b", "", "/a/b"},
        {"/a/b.DCL", "lsp", "/a/b.DCL"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ApplyDefaultExtension(c.Path, c.Ext), c.Expected) << c.Path;
}

} // namespace
} // namespace tw
