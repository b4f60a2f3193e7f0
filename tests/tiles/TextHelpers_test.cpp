#include "tiles/TextHelpers.h"

#include <gtest/gtest.h>

namespace tw
{
namespace
{

TEST(StripProjectFolder, KeepsOnlyFilesOfTheProjectFolderBare)
{
    const struct {
        const char *file;
        const char *folder;
        const char *expected;
    } cases[] = {
        {"/home/u/proj/dialog.lsp", "/home/u/proj/", "dialog.lsp"},
        {"/home/u/proj/dialog.lsp", "/home/u/proj", "dialog.lsp"},
        {"/home/u/PROJ/dialog.lsp", "/home/u/proj/", "dialog.lsp"},
        {"C:\\Work\\Proj\\a.dcl", "c:\\work\\proj\\", "a.dcl"},
        {"/home/u/proj/sub/dialog.lsp", "/home/u/proj/", "/home/u/proj/sub/dialog.lsp"},
        {"/home/u/other/dialog.lsp", "/home/u/proj/", "/home/u/other/dialog.lsp"},
        {"dialog.lsp", "/home/u/proj/", "dialog.lsp"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(StripProjectFolder(QString::fromLatin1(c.file), QString::fromLatin1(c.folder)),
                  QString::fromLatin1(c.expected))
            << c.file << " in " << c.folder;
}

TEST(TextHelpers, ForwardSlashesAndFileNames)
{
    EXPECT_EQ(ToForwardSlashes(QStringLiteral("C:\\a\\b c\\d.sld")),
              QStringLiteral("C:/a/b c/d.sld"));
    EXPECT_EQ(ToForwardSlashes(QStringLiteral("plain")), QStringLiteral("plain"));
    EXPECT_EQ(ExtractFileName(QStringLiteral("C:\\a\\b\\x.DCL")), QStringLiteral("x.DCL"));
    EXPECT_EQ(ExtractFileName(QStringLiteral("/a/b/x.dcl")), QStringLiteral("x.dcl"));
    EXPECT_EQ(ExtractFileName(QStringLiteral("D:x.dcl")), QStringLiteral("x.dcl"));
    EXPECT_EQ(ExtractFileName(QString()), QString());
}

TEST(TextHelpers, AddPrefixedLinesAppendsInOrder)
{
    QStringList target{QStringLiteral("first")};
    AddPrefixedLines(target, {QStringLiteral("a"), QString(), QStringLiteral("b")},
                     QStringLiteral("   "));
    EXPECT_EQ(target, (QStringList{QStringLiteral("first"), QStringLiteral("   a"),
                                   QStringLiteral("   "), QStringLiteral("   b")}));
}

} // namespace
} // namespace tw
