#include "format/Error.h"
#include "format/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

QByteArray contents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(SaveFile, ReplacesTheWholeFile)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("a.lsp"));
    saveFileAtomically(name, QByteArray(1000, 'x'));
    saveFileAtomically(name, "(princ)\r\n");
    EXPECT_EQ(contents(name), QByteArray("(princ)\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.lsp")});
}

TEST(SaveFile, AFailureNamesTheFileAndTheReason)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    // A name in a folder that does not exist, and a name that is a folder.
    for (const QString &name : {dir.filePath(QStringLiteral("no/such/dir/a.dcl")),
                                dir.filePath(QStringLiteral("folder"))}) {
        try {
            saveFileAtomically(name, "new");
            ADD_FAILURE() << "saved " << name.toStdString();
        } catch (const TError &error) {
            EXPECT_EQ(error.kind(), TErrorKind::File);
            const QString start =
                QStringLiteral("Cannot create file \"%1\". ").arg(QDir::toNativeSeparators(name));
            EXPECT_TRUE(error.message().startsWith(start)) << error.what();
            EXPECT_GT(error.message().size(), start.size()) << "no reason given";
        }
    }
}

} // namespace
} // namespace tw
