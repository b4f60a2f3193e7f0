#include "editors/EditorDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

// Qt reads the patterns between the caption's parentheses, separated by
// spaces; "All files" must also list names without a dot.
TEST(EditorDialogsTest, FiltersAreWrittenAsQtWritesThem)
{
    struct Case {
        const char *Filter;
        const char *Expected;
    };
    const Case cases[] = {
        {"AutoLisp Source File (*.lsp)|*.lsp|DCL Defination (*.dcl)|*.dcl|All files|*.*",
         "AutoLisp Source File (*.lsp);;DCL Defination (*.dcl);;All files (*)"},
        {"DCL File (*.dcl)|*.dcl|Plain text files (*.txt)|*.txt|All files|*.*",
         "DCL File (*.dcl);;Plain text files (*.txt);;All files (*)"},
        {"AutoCad Slide (*.sld;*.slb)|*.sld;*.slb", "AutoCad Slide (*.sld *.slb)"},
        {"Project Files (*.dcp)|*.dcp|All Files(*.*)|*.*", "Project Files (*.dcp);;All Files (*)"},
        {"Sources|*.lsp;*.dcl", "Sources (*.lsp *.dcl)"},
        {"", ""},
        {"Dangling", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ConvertFilter(c.Filter), c.Expected) << c.Filter;
}

// The file dialog itself lists what each converted filter names.
TEST(EditorDialogsTest, TheFileDialogListsTheFilesEachFilterNames)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char *name : {"a.sld", "b.slb", "c.lsp", "noext"}) {
        QFile file(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString filter =
        ConvertFilter(QStringLiteral("AutoCad Slide (*.sld;*.slb)|*.sld;*.slb|AutoLisp Source File "
                                     "(*.lsp)|*.lsp|All files|*.*"));
    QFileDialog dialog(nullptr, QString(), dir.path(), filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto *model = dialog.findChild<QFileSystemModel *>();
    ASSERT_NE(model, nullptr);
    const struct {
        int Index;
        QStringList Listed;
    } cases[] = {
        {0, {"a.sld", "b.slb"}},
        {1, {"c.lsp"}},
        {2, {"a.sld", "b.slb", "c.lsp", "noext"}},
    };
    for (const auto &c : cases) {
        dialog.selectNameFilter(dialog.nameFilters().at(c.Index));
        EXPECT_EQ(QDir(dir.path()).entryList(model->nameFilters(), QDir::Files, QDir::Name),
                  c.Listed)
            << c.Index;
    }
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
