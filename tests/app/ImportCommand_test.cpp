#include "TestData.h"
#include "TilewrightProcess.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

using tw::test::Outcome;
using tw::test::tilewright;
using tw::test::writeFile;

const QByteArray kDcl = "first : dialog {\n"
                        "  label = \"First\";\n"
                        "  : button { key = \"b\"; label = \"B\"; mnemonic = \"B\"; }\n"
                        "  ok_cancel;\n"
                        "}\n"
                        "second : dialog {\n"
                        "  : toggle { key = \"t\"; label = \"T\"; }\n"
                        "  ok_only;\n"
                        "}\n";

class ImportCommand : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

// The project imported from DCL generates that dialog again; warnings name their place.
TEST_F(ImportCommand, WritesTheProjectAndListsWhatItCannotHold)
{
    writeFile(path(QStringLiteral("in.dcl")), kDcl);
    struct {
        const char *dialog;
        const char *warnings;
        const char *generated;
    } rows[] = {
        {nullptr, "in.dcl:3:38: warning: mnemonic has no property on button tiles: left out\n",
         "first : dialog"},
        {"second", "", "second : dialog"},
    };
    for (const auto &row : rows) {
        QStringList arguments = {QStringLiteral("--import-dcl"), path(QStringLiteral("in.dcl")),
                                 QStringLiteral("--output"), path(QStringLiteral("out.dcp"))};
        if (row.dialog)
            arguments << QStringLiteral("--dialog") << QString::fromLatin1(row.dialog);
        const Outcome run = tilewright(arguments);
        EXPECT_EQ(run.status, 0) << run.err.constData();
        EXPECT_TRUE(run.err.isEmpty()) << run.err.constData();
        EXPECT_EQ(run.out.toStdString(),
                  QByteArray(row.warnings)
                      .replace("in.dcl", path(QStringLiteral("in.dcl")).toUtf8())
                      .toStdString());
        const Outcome generate =
            tilewright({QStringLiteral("--generate"), path(QStringLiteral("out.dcp"))});
        ASSERT_EQ(generate.status, 0) << generate.err.constData();
        EXPECT_TRUE(tw::test::readFile(path(QStringLiteral("out.DCL"))).startsWith(row.generated));
    }
}

// Generate, import what was generated, generate again: the same two files, under the same names.
TEST_F(ImportCommand, GeneratedFilesComeBackByteForByte)
{
    // Without a DCL file name of its own, the design's files share its base name.
    QByteArray design =
        tw::test::readFile(tw::test::repoTestData(QStringLiteral("import/roundtrip_design.txt")));
    design.replace("  DCLFileName = 'rt.dcl'\n", "");
    writeFile(path(QStringLiteral("d.txt")), design);
    ASSERT_EQ(tilewright({QStringLiteral("--generate"), path(QStringLiteral("d.txt"))}).status, 0);
    const QString dclName = QStringLiteral("d.DCL");
    const Outcome imported =
        tilewright({QStringLiteral("--import-dcl"), path(dclName), QStringLiteral("--output"),
                    path(QStringLiteral("e.dcp"))});
    EXPECT_EQ(imported.status, 0) << imported.err.constData();
    EXPECT_TRUE(imported.out.isEmpty()) << imported.out.constData();
    ASSERT_EQ(tilewright({QStringLiteral("--generate"), path(QStringLiteral("e.dcp")),
                          QStringLiteral("--output-dir"), path(QStringLiteral("again"))})
                  .status,
              0);
    for (const QString &name : {dclName, QStringLiteral("d.lsp")}) {
        const QByteArray first = tw::test::readFile(path(name));
        EXPECT_FALSE(first.isEmpty()) << name.toStdString();
        EXPECT_EQ(tw::test::readFile(path(QStringLiteral("again/") + name)).toStdString(),
                  first.toStdString());
    }
}

TEST_F(ImportCommand, ErrorsAreOneLineAndWriteNoProject)
{
    writeFile(path(QStringLiteral("in.dcl")), kDcl);
    writeFile(path(QStringLiteral("none.dcl")), "b : button { }\n");
    const QString out = path(QStringLiteral("out.dcp"));
    const QList<QStringList> cases = {
        {QStringLiteral("--import-dcl"), path(QStringLiteral("missing.dcl")),
         QStringLiteral("--output"), out},
        {QStringLiteral("--import-dcl"), path(QStringLiteral("none.dcl")),
         QStringLiteral("--output"), out},
        {QStringLiteral("--import-dcl"), path(QStringLiteral("in.dcl")), QStringLiteral("--dialog"),
         QStringLiteral("third"), QStringLiteral("--output"), out},
        {QStringLiteral("--import-dcl"), path(QStringLiteral("in.dcl"))},
        {QStringLiteral("--import-dcl"), path(QStringLiteral("in.dcl")),
         QStringLiteral("--output")},
        {QStringLiteral("--import-dcl"), path(QStringLiteral("in.dcl")), QStringLiteral("--output"),
         out, QStringLiteral("--generate")},
        {QStringLiteral("--import-dcl"), path(QStringLiteral("in.dcl")), QStringLiteral("--output"),
         path(QStringLiteral("no/such/folder/out.dcp"))},
    };
    for (const QStringList &arguments : cases) {
        const Outcome run = tilewright(arguments);
        EXPECT_EQ(run.status, 1) << arguments.join(u' ').toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.constData();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.constData();
        EXPECT_FALSE(QFile::exists(out));
    }
}

} // namespace
