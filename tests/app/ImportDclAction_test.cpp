#include "AppTestSupport.h"
#include "TestData.h"
#include "app/ImportDclAction.h"
#include "codegen/DialogCode.h"
#include "document/DesignDocument.h"
#include "document/DialogDesign.h"
#include "document/LispGenerator.h"
#include "editors/EditorDialogs.h"
#include "format/TextForm.h"
#include "tiles/DCLPanel.h"
#include "tiles/DesignRoot.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

// Answers the file dialogs with chosen paths; errors are collected.
class ScriptedDialogs : public TEditorDialogs
{
public:
    QString openPath;
    QString savePath;
    QStringList errors;

    QMessageBox::StandardButton Ask(QWidget *, const QString &, const QString &text,
                                    QMessageBox::Icon, QMessageBox::StandardButtons) override
    {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return QMessageBox::Cancel;
    }
    void ShowError(QWidget *, const QString &text) override { errors << text; }
    std::optional<QString> SaveFileName(QWidget *, const TFileDialogSettings &) override
    {
        return savePath.isEmpty() ? std::nullopt : std::optional<QString>(savePath);
    }
    std::optional<QString> OpenFileName(QWidget *, const TFileDialogSettings &) override
    {
        return openPath.isEmpty() ? std::nullopt : std::optional<QString>(openPath);
    }
    std::optional<QFont> ChooseFont(QWidget *, const QFont &) override { return std::nullopt; }
};

class ImportDclAction : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        SetEditorDialogs(&dialogs);
    }
    void TearDown() override { SetEditorDialogs(nullptr); }
    QString path(const QString &name) const { return dir.filePath(name); }
    ScriptedDialogs dialogs;
    QTemporaryDir dir;
};

void writeLines(const QString &path, const QStringList &lines)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(lines.join(QLatin1Char('\n')).toUtf8());
}

// File > Import DCL... opens the imported dialog laid out as it was generated: generating from
// the design window writes the imported files again, and a report lists what was not kept.
TEST_F(ImportDclAction, OpensTheImportedDialogAsGenerated)
{
    TDesignRoot design;
    design.load(readTextForm(test::readFile(test::repoTestData("codegen/every_tile_design.txt"))));
    QStringList dcl;
    QStringList lisp;
    GenerateDialogCode(design.dialogTile(), dcl, lisp);
    writeLines(path(QStringLiteral("every.dcl")), dcl);
    writeLines(path(QStringLiteral("every.lsp")), lisp);
    dialogs.openPath = path(QStringLiteral("every.dcl"));
    dialogs.savePath = path(QStringLiteral("every.dcp"));

    QuietMain window;
    window.show();
    window.action(QStringLiteral("actImportDcl"))->trigger();
    EXPECT_EQ(dialogs.errors, QStringList());
    EXPECT_EQ(window.modals, 0); // nothing to report
    TLispGeneratorClass *controller = window.CurrentController();
    ASSERT_NE(controller, nullptr);
    EXPECT_EQ(controller->ProjectFile, path(QStringLiteral("every.dcp")));
    QStringList dclAgain;
    QStringList lispAgain;
    GenerateDialogCode(controller->DesignForm->document()->dialogTile(), dclAgain, lispAgain);
    EXPECT_EQ(dclAgain.join(u'\n').toStdString(), dcl.join(u'\n').toStdString());
    EXPECT_EQ(lispAgain.join(u'\n').toStdString(), lisp.join(u'\n').toStdString());

    // A file with what a design cannot hold still opens, after the report.
    dcl.insert(2, QStringLiteral("        : text_part { label = \"part\"; }"));
    writeLines(path(QStringLiteral("every.dcl")), dcl);
    dialogs.savePath = path(QStringLiteral("second.dcp"));
    window.action(QStringLiteral("actImportDcl"))->trigger();
    EXPECT_EQ(window.modals, 1);
    ASSERT_NE(window.CurrentController(), nullptr);
    EXPECT_EQ(window.CurrentController()->ProjectFile, path(QStringLiteral("second.dcp")));
}

TEST_F(ImportDclAction, ErrorsAreShownAndNothingIsOpened)
{
    QFile file(path(QStringLiteral("none.dcl")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("b : button { }\n");
    file.close();
    dialogs.openPath = path(QStringLiteral("none.dcl"));
    dialogs.savePath = path(QStringLiteral("none.dcp"));
    QuietMain window;
    window.action(QStringLiteral("actImportDcl"))->trigger();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.front().contains(QLatin1String("holds no dialog")));
    EXPECT_EQ(window.CurrentController(), nullptr);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("none.dcp"))));
}

TEST(ImportReport, CopiesTheWholeReport)
{
    const QString text = QStringLiteral("a.dcl:1:2: warning: one\na.dcl:3:4: warning: two");
    TImportReport report(text, nullptr);
    EXPECT_TRUE(report.textView()->isReadOnly());
    report.copyReport();
    EXPECT_EQ(QApplication::clipboard()->text(), text);
}

} // namespace
} // namespace tw
