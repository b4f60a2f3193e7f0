#include "SlideSets.h"
#include "TestData.h"
#include "TilewrightProcess.h"
#include "format/ComponentStream.h"
#include "format/MoxStreams.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

using tw::test::Outcome;
using tw::test::tilewright;
using tw::test::writeFile;

const QByteArray kDesign = "object DCLPanelBasic: TDCLPanel\n"
                           "  Left = 0\n"
                           "  Top = 0\n"
                           "  Width = 500\n"
                           "  Height = 300\n"
                           "  Candelete = False\n"
                           "  DialogCaption = 'Caf'#233' \"one\"'\n"
                           "  DialogHeight = 300\n"
                           "  DialogName = 'first'\n"
                           "  DialogWidth = 500\n"
                           "  Retirement_Button = ok_only\n"
                           "  OnCaptionChange = DCLPanelBasicCaptionChange\n"
                           "end\n";

class CommandLine : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(CommandLine, VersionAndHelp)
{
    const Outcome version = tilewright({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    // The same version as the about box shows.
    EXPECT_EQ(version.out, QByteArray("Tilewright 1.15\n")) << version.out.constData();
    EXPECT_TRUE(version.err.isEmpty()) << version.err.constData();
    // Qt's own options are Qt's: they are not taken for the program's.
    const Outcome styled = tilewright(
        {QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("--version")});
    EXPECT_EQ(styled.status, 0) << styled.err.constData();
    EXPECT_EQ(styled.out, version.out);
    const Outcome help = tilewright({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains("--generate DESIGN [--output-dir DIR]"));
    EXPECT_TRUE(help.err.isEmpty());
}

// Qt's chatter stays off standard error, but a fatal error of Qt, as a missing
// platform plugin is, still reaches the user as the one error line.
TEST_F(CommandLine, AFatalErrorOfQtIsTheOneErrorLine)
{
    writeFile(path(QStringLiteral("design.txt")), kDesign);
    const Outcome run =
        tilewright({QStringLiteral("-platform"), QStringLiteral("nonexistent"),
                    QStringLiteral("--to-text"), path(QStringLiteral("design.txt"))});
    EXPECT_EQ(run.status, 1) << run.err.constData();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.constData();
    EXPECT_TRUE(run.err.endsWith('\n'));
    EXPECT_TRUE(run.err.contains("platform plugin")) << run.err.constData();
}

TEST_F(CommandLine, ToTextPrintsTheDesignAsStored)
{
    writeFile(path(QStringLiteral("design.txt")), kDesign);
    const Outcome run =
        tilewright({QStringLiteral("--to-text"), path(QStringLiteral("design.txt"))});
    EXPECT_EQ(run.status, 0) << run.err.constData();
    EXPECT_EQ(run.out.toStdString(), kDesign.toStdString());
    EXPECT_TRUE(run.err.isEmpty());
}

TEST_F(CommandLine, GenerateWritesBothFilesWithDerivedNames)
{
    writeFile(path(QStringLiteral("my.design.txt")), kDesign);
    const QString out = path(QStringLiteral("new/folder"));
    const Outcome run =
        tilewright({QStringLiteral("--generate"), path(QStringLiteral("my.design.txt")),
                    QStringLiteral("--output-dir"), out});
    EXPECT_EQ(run.status, 0) << run.err.constData();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.isEmpty());
    const QByteArray dcl = tw::test::readFile(out + QStringLiteral("/my.design.DCL"));
    EXPECT_EQ(dcl.toStdString(), std::string("first : dialog { \r\n"
                                             "    label=\"Caf\xC3\xA9 \\\"one\\\"\";\r\n"
                                             "ok_only;\r\n"
                                             "}\r\n"));
    const QByteArray lisp = tw::test::readFile(out + QStringLiteral("/my.design.lsp"));
    EXPECT_TRUE(lisp.startsWith("(defun c:LoadDialog( / dcl_id)\r\n"));
    EXPECT_TRUE(lisp.contains("(load_dialog \"my.design.DCL\")"));
    EXPECT_TRUE(lisp.endsWith("    )\r\n)\r\n"));
    EXPECT_FALSE(lisp.contains("\n\n"));
}

TEST_F(CommandLine, GenerateSingleFileWritesOnlyTheAutoLispFile)
{
    const QString design = tw::test::repoTestData(QStringLiteral("codegen/escapes_design.txt"));
    const QString out = path(QStringLiteral("out"));
    const Outcome run =
        tilewright({QStringLiteral("--generate"), design, QStringLiteral("--single-file"),
                    QStringLiteral("--output-dir"), out});
    EXPECT_EQ(run.status, 0) << run.err.constData();
    EXPECT_TRUE(run.err.isEmpty());
    EXPECT_EQ(QDir(out).entryList(QDir::Files), QStringList{QStringLiteral("escapes_design.lsp")});
    QByteArray expected =
        tw::test::readFile(tw::test::repoTestData("codegen/escapes_design_single.lsp"));
    ASSERT_FALSE(expected.isEmpty());
    expected.replace("\n", "\r\n");
    EXPECT_EQ(tw::test::readFile(out + QStringLiteral("/escapes_design.lsp")).toStdString(),
              expected.toStdString());
}

TEST_F(CommandLine, GenerateUsesTheDialogsOwnFileNamesBesideTheDesign)
{
    QByteArray design = kDesign;
    design.replace("  Left = 0\n", "  Left = 0\n  DCLFileName = 'C:\\Dlg\\Named.dcl'\n"
                                   "  LispFileName = 'Named.lsp'\n");
    writeFile(path(QStringLiteral("d.txt")), design);
    const Outcome run = tilewright({QStringLiteral("--generate"), path(QStringLiteral("d.txt"))});
    EXPECT_EQ(run.status, 0) << run.err.constData();
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("Named.dcl"))));
    EXPECT_TRUE(tw::test::readFile(path(QStringLiteral("Named.lsp")))
                    .contains("(load_dialog \"Named.dcl\")"));
}

TEST_F(CommandLine, ErrorsAreOneLineOnStandardError)
{
    writeFile(path(QStringLiteral("bad.txt")), "object DCLPanelBasic: TDCLPanel\n  Width = \n");
    writeFile(path(QStringLiteral("binary.dcp")), QByteArray("& \x00\x01garbage", 11));
    writeFile(path(QStringLiteral("nodialog.txt")), "object X: TNoSuchClass\nend\n");
    const QList<QStringList> cases = {
        {QStringLiteral("--generate")},
        {QStringLiteral("--to-text"), path(QStringLiteral("missing.txt"))},
        {QStringLiteral("--to-text"), path(QStringLiteral("bad.txt"))},
        {QStringLiteral("--generate"), path(QStringLiteral("binary.dcp"))},
        {QStringLiteral("--generate"), path(QStringLiteral("nodialog.txt"))},
        {QStringLiteral("--bogus")},
        {QStringLiteral("--to-text"), path(QStringLiteral("bad.txt")),
         QStringLiteral("--output-dir"), path(QStringLiteral("x"))},
        {QStringLiteral("--to-text"), path(QStringLiteral("bad.txt")),
         QStringLiteral("--single-file")},
    };
    for (const QStringList &arguments : cases) {
        const Outcome run = tilewright(arguments);
        const QString joined = arguments.join(QLatin1Char(' '));
        EXPECT_EQ(run.status, 1) << joined.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << joined.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << joined.toStdString() << ": " << run.err.constData();
        EXPECT_TRUE(run.err.endsWith('\n'));
    }
    EXPECT_EQ(tilewright({QStringLiteral("--to-text"), path(QStringLiteral("bad.txt"))}).err,
              QByteArray("Line 3: value expected\n"));
}

// One table of modes and options serves every mode, so each refusal names the rule it broke.
TEST_F(CommandLine, OptionsAreRefusedOutsideTheirModes)
{
    const QList<std::pair<QString, QByteArray>> cases = {
        {"--to-text d.txt --output o",
         "--output goes with --render-slide, --render-dcl or --import-dcl\n"},
        {"--dialog main", "--dialog goes with --layout, --render-dcl or --import-dcl\n"},
        {"--layout a.dcl --werror", "--werror goes with --check\n"},
        {"--import-dcl a.dcl --dialog x --dialog y --output p.dcp", "--dialog is given twice\n"},
        {"--import-dcl a.dcl", "--import-dcl needs --output PROJECT.dcp\n"},
        {"--check --include-dir lib", "--check needs at least one .dcl or .lsp file\n"},
        {"--layout a.dcl b.dcl", "Unknown argument: b.dcl\n"},
    };
    for (const auto &[line, message] : cases) {
        const Outcome run = tilewright(line.split(QLatin1Char(' ')));
        EXPECT_EQ(run.status, 1) << line.toStdString();
        EXPECT_EQ(run.err.toStdString(), message.toStdString());
    }
}

TEST_F(CommandLine, ProjectFilesConvertBothWays)
{
    writeFile(path(QStringLiteral("design.txt")), kDesign);
    const QString project = path(QStringLiteral("design.dcp"));
    const Outcome made =
        tilewright({QStringLiteral("--from-text"), path(QStringLiteral("design.txt")), project});
    EXPECT_EQ(made.status, 0) << made.err.constData();
    EXPECT_TRUE(made.out.isEmpty());
    EXPECT_TRUE(tw::test::readFile(project).startsWith("& "));
    const Outcome text = tilewright({QStringLiteral("--to-text"), project});
    EXPECT_EQ(text.status, 0) << text.err.constData();
    EXPECT_EQ(text.out.toStdString(), kDesign.toStdString());
    const Outcome generated = tilewright({QStringLiteral("--generate"), project});
    EXPECT_EQ(generated.status, 0) << generated.err.constData();
    EXPECT_TRUE(tw::test::readFile(path(QStringLiteral("design.lsp")))
                    .contains("(load_dialog \"design.DCL\")"));
}

TEST_F(CommandLine, CorruptAndEncipheredProjectsAreRefused)
{
    const QByteArray stream = tw::textToComponentStream(kDesign);
    tw::TMoxStreams enciphered;
    enciphered.setEncrypted(true);
    enciphered.setKey(QStringLiteral("secret"));
    enciphered.AddStream(QStringLiteral("DCLProject"), stream);
    enciphered.SaveToFile(path(QStringLiteral("secret.dcp")));
    tw::TMoxStreams plain;
    plain.AddStream(QStringLiteral("DCLProject"), stream);
    QByteArray flipped = plain.SaveToBytes();
    flipped[flipped.size() / 2] = char(flipped[flipped.size() / 2] ^ 0x55);
    writeFile(path(QStringLiteral("flipped.dcp")), flipped);
    writeFile(path(QStringLiteral("short.dcp")), plain.SaveToBytes().left(9));

    for (const char *name : {"secret.dcp", "flipped.dcp", "short.dcp"}) {
        const Outcome run = tilewright({QStringLiteral("--to-text"), path(QLatin1String(name))});
        EXPECT_EQ(run.status, 1) << name;
        EXPECT_TRUE(run.out.isEmpty()) << name;
        EXPECT_EQ(run.err, QByteArray("File is corrupt.\n")) << name;
    }
}

// Once per slide set.
class RenderSlide : public CommandLine, public ::testing::WithParamInterface<tw::test::SlideSet>
{
protected:
    void SetUp() override
    {
        CommandLine::SetUp();
        if (!GetParam().present())
            GTEST_SKIP() << GetParam().missing();
    }
};

TEST_P(RenderSlide, WritesAPngOfTheAskedSize)
{
    const QString slide = GetParam().path(GetParam().picture);
    const QString png = path(QStringLiteral("seal.png"));
    const Outcome run =
        tilewright({QStringLiteral("--render-slide"), slide, QStringLiteral("--size"),
                    QStringLiteral("120x90"), QStringLiteral("--background"),
                    QStringLiteral("white"), QStringLiteral("--output"), png});
    EXPECT_EQ(run.status, 0) << run.err.constData();
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(120, 90));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
    bool drawn = false;
    for (int y = 0; y < image.height() && !drawn; ++y)
        for (int x = 0; x < image.width() && !drawn; ++x)
            drawn = image.pixelColor(x, y) == QColor(Qt::black);
    EXPECT_TRUE(drawn) << "colour 7 is drawn black on white";

    const Outcome defaults =
        tilewright({QStringLiteral("--render-slide"), slide, QStringLiteral("--output"), png});
    EXPECT_EQ(defaults.status, 0) << defaults.err.constData();
    EXPECT_EQ(QImage(png).size(), QSize(400, 300));
}

INSTANTIATE_TEST_SUITE_P(Slides, RenderSlide, ::testing::ValuesIn(tw::test::slideSets()),
                         tw::test::slideSetName);

TEST_F(CommandLine, RenderSlideRefusalsWriteNoPicture)
{
    writeFile(path(QStringLiteral("bad.sld")), "not a slide at all, long enough to be read");
    const QString png = path(QStringLiteral("out.png"));
    const QString slide = tw::test::repoTestData(QStringLiteral("slide/shapes.sld"));
    const QList<std::pair<QStringList, QByteArray>> cases = {
        {{QStringLiteral("--render-slide"), path(QStringLiteral("bad.sld")),
          QStringLiteral("--output"), png},
         "Invalid slide file\n"},
        {{QStringLiteral("--render-slide"), slide, QStringLiteral("--background"),
          QStringLiteral("plaid"), QStringLiteral("--output"), png},
         "Unknown background colour: plaid\n"},
        {{QStringLiteral("--render-slide"), slide, QStringLiteral("--size"), QStringLiteral("big"),
          QStringLiteral("--output"), png},
         "--size needs WIDTHxHEIGHT, not big\n"},
        {{QStringLiteral("--render-slide"), slide}, "--render-slide needs --output OUT.png\n"},
        {{QStringLiteral("--to-text"), slide, QStringLiteral("--slide"), QStringLiteral("2")},
         "--slide goes with --render-slide\n"},
    };
    for (const auto &[arguments, message] : cases) {
        const Outcome run = tilewright(arguments);
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(run.err, message);
        EXPECT_FALSE(QFile::exists(png));
    }
}

} // namespace

TEST_F(CommandLine, CheckPrintsProblemsInCompilerFormAndSetsTheStatus)
{
    writeFile(path(QStringLiteral("warn.dcl")),
              "w : dialog {\n  : toggle { label = \"T\"; }\n  ok_cancel;\n}\n");
    writeFile(path(QStringLiteral("bad.dcl")), "@include \"parts.dcl\"\n"
                                               "b : dialog {\n"
                                               "  : part { alignment = Left; }\n"
                                               "}\n");
    QDir(dir.path()).mkdir(QStringLiteral("lib"));
    writeFile(path(QStringLiteral("lib/parts.dcl")), "part : text { label = \"x\"; }\n");
    writeFile(path(QStringLiteral("code.lsp")), "(defun c:go ()\n  (princ \"(\")\n");

    // Warnings alone leave the status at 0; --werror counts them.
    const Outcome warned =
        tilewright({QStringLiteral("--check"), QStringLiteral("warn.dcl")}, dir.path());
    EXPECT_EQ(warned.status, 0);
    EXPECT_EQ(warned.out.toStdString(),
              "warn.dcl:2:3: warning: this toggle has no key, so no program can reach it\n");
    EXPECT_TRUE(warned.err.isEmpty());
    EXPECT_EQ(tilewright({QStringLiteral("--check"), QStringLiteral("warn.dcl"),
                          QStringLiteral("--werror")},
                         dir.path())
                  .status,
              1);

    // Every file in the order given, each problem in file order; FILE as given.
    const Outcome all = tilewright({QStringLiteral("--check"), QStringLiteral("bad.dcl"),
                                    QStringLiteral("code.lsp"), QStringLiteral("--include-dir"),
                                    QStringLiteral("lib"), QStringLiteral("warn.dcl")},
                                   dir.path());
    EXPECT_EQ(all.status, 1);
    EXPECT_EQ(all.out.toStdString(),
              "bad.dcl:2:1: error: dialog b has neither an OK nor a Cancel button (such as "
              "ok_cancel), so AutoCAD cannot close it\n"
              "bad.dcl:3:24: warning: reserved words are lower case: write left, not Left\n"
              "code.lsp:1:1: error: '(' opened here is never closed (1 unclosed in all)\n"
              "warn.dcl:2:3: warning: this toggle has no key, so no program can reach it\n");
    EXPECT_TRUE(all.err.isEmpty()) << all.err.constData();

    // Without the folder the include is missing; a file that cannot be read is one line on
    // standard error, and the other files are still checked.
    const Outcome missing = tilewright({QStringLiteral("--check"), QStringLiteral("bad.dcl"),
                                        QStringLiteral("none.dcl"), QStringLiteral("notes.txt"),
                                        QStringLiteral("warn.dcl")},
                                       dir.path());
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.out.startsWith("bad.dcl:1:1: error: included file parts.dcl not found"))
        << missing.out.constData();
    EXPECT_TRUE(missing.out.endsWith("warn.dcl:2:3: warning: this toggle has no key, so no "
                                     "program can reach it\n"));
    const QList<QByteArray> errors = missing.err.trimmed().split('\n');
    ASSERT_EQ(errors.size(), 2) << missing.err.constData();
    EXPECT_TRUE(errors[0].startsWith("cannot read none.dcl"));
    EXPECT_EQ(errors[1], QByteArray("notes.txt: --check reads .dcl and .lsp files"));

    // Options that do not fit.
    for (const QStringList &wrong :
         {QStringList{QStringLiteral("--check")},
          QStringList{QStringLiteral("--to-text"), QStringLiteral("x.txt"),
                      QStringLiteral("--werror")}}) {
        const Outcome refused = tilewright(wrong);
        EXPECT_EQ(refused.status, 1);
        EXPECT_TRUE(refused.out.isEmpty());
        EXPECT_EQ(refused.err.count('\n'), 1) << refused.err.constData();
    }
}

TEST_F(CommandLine, GeneratedDclChecksClean)
{
    writeFile(path(QStringLiteral("design.txt")), kDesign);
    ASSERT_EQ(tilewright({QStringLiteral("--generate"), path(QStringLiteral("design.txt"))}).status,
              0);
    const Outcome run =
        tilewright({QStringLiteral("--check"), path(QStringLiteral("design.DCL")),
                    path(QStringLiteral("design.lsp")), QStringLiteral("--werror")});
    EXPECT_EQ(run.status, 0) << run.out.constData();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.constData();
}
