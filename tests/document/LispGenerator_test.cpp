#include "codegen/DclImport.h"
#include "codegen/DialogCode.h"
#include "component/ClassRegistry.h"
#include "designer/DsnRegister.h"
#include "document/DesignDocument.h"
#include "document/DesignHost.h"
#include "document/DialogDesign.h"
#include "document/LispGenerator.h"
#include "editors/EditForm.h"
#include "editors/EditorDialogs.h"
#include "format/ProjectFile.h"
#include "tiles/DCLPanel.h"
#include "tiles/DesignRoot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

namespace tw::test
{
namespace
{

class TFakeHost : public TDesignHost
{
public:
    TDsnPanel *DsnPanel1() override { return nullptr; }
    TArrowButton *ArrowButton() override { return nullptr; }
    QString CurrentProjectFile() const override { return {}; }
    std::optional<QString> ExecuteOpenDialog1(const QString &, const QString &) override
    {
        return std::nullopt;
    }
    void SetDesignButtonDown(bool down) override { designDown = down; }
    void WhenRadioClick(TControl *) override {}
    void EnableEditMenu(bool) override {}
    void EnableEditActions(bool) override {}
    void AdoptProjectWindow(QWidget *window) override { window->show(); }
    int ExecModal(QDialog &) override { return QDialog::Rejected; }

    bool designDown = false;
};

// Answers every question and file dialog from a script and records them.
class TScriptedDialogs : public TEditorDialogs
{
public:
    QMessageBox::StandardButton Ask(QWidget *, const QString &, const QString &text,
                                    QMessageBox::Icon icon,
                                    QMessageBox::StandardButtons buttons) override
    {
        asked.append(text);
        if (icon == QMessageBox::Critical) {
            errorBoxes.append(text);
            errorButtons.append(buttons);
        }
        if (answers.empty())
            return QMessageBox::Cancel;
        const QMessageBox::StandardButton answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ShowError(QWidget *, const QString &text) override { errors.append(text); }
    std::optional<QString> SaveFileName(QWidget *, const TFileDialogSettings &settings) override
    {
        saveDialogs.append(settings.Title);
        if (saves.empty())
            return std::nullopt;
        const std::optional<QString> chosen = saves.front();
        saves.pop_front();
        return chosen;
    }
    std::optional<QString> OpenFileName(QWidget *, const TFileDialogSettings &) override
    {
        return std::nullopt;
    }
    std::optional<QFont> ChooseFont(QWidget *, const QFont &) override { return std::nullopt; }

    std::deque<QMessageBox::StandardButton> answers;
    std::deque<std::optional<QString>> saves;
    QStringList asked;
    QStringList errors;
    QStringList errorBoxes;
    QList<QMessageBox::StandardButtons> errorButtons;
    QStringList saveDialogs;
};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void touch(const QString &path, const QByteArray &bytes = "old")
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Derived names have no folder, so every test runs in a working folder of
// its own; the project files sit in a sub-folder "proj" of it.
class ControllerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The editors keep their fonts in the settings store; not the user's.
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(work.isValid());
        oldCurrent = QDir::currentPath();
        QDir::setCurrent(work.path());
        QDir(work.path()).mkdir(QStringLiteral("proj"));
        SetEditorDialogs(&dialogs);
        controller = std::make_unique<TLispGeneratorClass>(nullptr, host);
    }
    void TearDown() override
    {
        controller.reset();
        SetEditorDialogs(nullptr);
        QDir::setCurrent(oldCurrent);
        QCoreApplication::sendPostedEvents();
    }

    QString cwd(const QString &name) const { return work.filePath(name); }
    QString project() const { return work.filePath(QStringLiteral("proj/panel.dcp")); }
    TDCLPanel *tile() const { return controller->Document()->dialogTile(); }
    void addButton(const QString &key)
    {
        TControl *button =
            ClassRegistry::instance().create(QStringLiteral("TDCLButton"), controller->Document());
        button->setName(controller->Document()->freeName(QStringLiteral("TDCLButton")));
        button->setParentControl(tile());
        button->setProperty("Key", key);
    }
    // The dialog tile as the project file on disk has it.
    std::unique_ptr<TDesignDocument> loadBack()
    {
        auto design = std::make_unique<TDesignDocument>();
        design->load(project());
        return design;
    }

    QTemporaryDir work;
    QString oldCurrent;
    TFakeHost host;
    TScriptedDialogs dialogs;
    std::unique_ptr<TLispGeneratorClass> controller;
};

TEST_F(ControllerTest, CreatesTheThreeProjectWindows)
{
    EXPECT_TRUE(controller->ProjectFile.isEmpty());
    EXPECT_TRUE(controller->LispEditor->IsLispEditor());
    EXPECT_FALSE(controller->DCLEditor->IsLispEditor());
    for (TEditForm *editor : {controller->LispEditor.data(), controller->DCLEditor.data()}) {
        EXPECT_TRUE(editor->ProjectEditor);
        EXPECT_TRUE(editor->NamePending);
        EXPECT_EQ(editor->DesignWindow, controller->DesignForm.data());
    }
    EXPECT_EQ(controller->DCLEditor->pos(), QPoint(20, 20));
    EXPECT_EQ(controller->DesignForm->pos(), QPoint(40, 40));
    EXPECT_EQ(controller->DesignForm->width(), 250);
    EXPECT_FALSE(controller->Document()->isModified());
}

TEST_F(ControllerTest, SaveAllWritesDerivedFilesInTheWorkingFolderAndSavesTheProjectTwice)
{
    addButton(QStringLiteral("ok"));
    controller->ProjectFile = project();
    controller->GenerateCode();
    dialogs.asked.clear();
    tile()->setLispFileName(QString());
    tile()->setDclFileName(QString());

    ASSERT_TRUE(controller->SaveAll());
    EXPECT_TRUE(dialogs.asked.isEmpty());
    EXPECT_TRUE(QFile::exists(cwd(QStringLiteral("panel.lsp"))));
    EXPECT_TRUE(QFile::exists(cwd(QStringLiteral("panel.dcl"))));
    EXPECT_FALSE(QFile::exists(work.filePath(QStringLiteral("proj/panel.lsp"))));
    EXPECT_EQ(tile()->lispFileName(), QStringLiteral("panel.lsp"));
    EXPECT_EQ(tile()->dclFileName(), QStringLiteral("panel.dcl"));
    EXPECT_FALSE(controller->Document()->isModified());
    EXPECT_FALSE(controller->LispEditor->Editor->Modified());
    EXPECT_EQ(readAll(cwd(QStringLiteral("panel.lsp"))).isEmpty(), false);

    const auto saved = loadBack();
    EXPECT_EQ(saved->dialogTile()->lispFileName(), QStringLiteral("panel.lsp"));
    EXPECT_EQ(saved->dialogTile()->dclFileName(), QStringLiteral("panel.dcl"));
}

TEST_F(ControllerTest, GenerateCodeNamesTheDerivedDclFileInUpperCase)
{
    addButton(QStringLiteral("ok"));
    controller->ProjectFile = project();
    controller->GenerateCode();
    EXPECT_EQ(controller->DCLFile, QStringLiteral("panel.DCL"));
    EXPECT_EQ(controller->LispFile, QStringLiteral("panel.lsp"));
    EXPECT_EQ(controller->DCLEditor->PathName(), QStringLiteral("panel.DCL"));
    EXPECT_EQ(controller->LispEditor->PathName(), QStringLiteral("panel.lsp"));
    EXPECT_EQ(tile()->dclFileName(), QStringLiteral("panel.DCL"));
    EXPECT_FALSE(controller->LispEditor->NamePending);
    EXPECT_FALSE(controller->DCLEditor->NamePending);

    QStringList dcl;
    QStringList lisp;
    GenerateDialogCode(tile(), dcl, lisp);
    EXPECT_EQ(controller->DCLEditor->Editor->Lines(), dcl);
    EXPECT_EQ(controller->LispEditor->Editor->Lines(), lisp);
    EXPECT_TRUE(dcl.join('\n').contains(QStringLiteral("\"ok\"")));
}

TEST_F(ControllerTest, GenerateSingleFilePutsTheOneFileAutoLispInTheLispEditor)
{
    addButton(QStringLiteral("ok"));
    controller->ProjectFile = project();
    controller->GenerateCode(true);
    QStringList single;
    GenerateSingleFileCode(tile(), single);
    EXPECT_EQ(controller->LispEditor->Editor->Lines(), single);
    EXPECT_EQ(controller->LispEditor->PathName(), QStringLiteral("panel.lsp"));
    EXPECT_TRUE(controller->LispEditor->Editor->Modified());
}

TEST_F(ControllerTest, OverwriteQuestionComesBackWhenTheFileDialogIsCancelled)
{
    struct Case {
        const char *what;
        std::deque<QMessageBox::StandardButton> answers;
        std::deque<std::optional<QString>> saves;
        int questions;
        QString lispFile;
    };
    const QString chosen = QDir(work.path()).filePath(QStringLiteral("chosen.lsp"));
    const Case cases[] = {
        {"yes at once", {QMessageBox::Yes}, {}, 1, "panel.lsp"},
        {"no, cancel, yes", {QMessageBox::No, QMessageBox::Yes}, {std::nullopt}, 2, "panel.lsp"},
        {"no, then a name", {QMessageBox::No}, {chosen}, 1, chosen},
    };
    touch(cwd(QStringLiteral("panel.lsp")));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        controller = std::make_unique<TLispGeneratorClass>(nullptr, host);
        controller->ProjectFile = project();
        dialogs.asked.clear();
        dialogs.answers = c.answers;
        dialogs.saves = c.saves;
        controller->GenerateCode();
        EXPECT_EQ(dialogs.asked.size(), c.questions);
        for (const QString &question : dialogs.asked)
            EXPECT_TRUE(question.contains(QStringLiteral("panel.lsp")));
        EXPECT_EQ(controller->LispFile, c.lispFile);
        EXPECT_EQ(tile()->lispFileName(), c.lispFile);
        EXPECT_EQ(controller->DCLFile, QStringLiteral("panel.DCL"));
    }
}

TEST_F(ControllerTest, OpeningFillsDerivedNamesWithoutAsking)
{
    {
        TDesignDocument design;
        ASSERT_TRUE(design.save(project()));
    }
    touch(cwd(QStringLiteral("panel.lsp")));
    touch(cwd(QStringLiteral("panel.dcl")));
    ASSERT_TRUE(controller->OpenProjectFile(project()));
    EXPECT_EQ(controller->ProjectFile, project());
    EXPECT_EQ(tile()->lispFileName(), QStringLiteral("panel.lsp"));
    EXPECT_EQ(tile()->dclFileName(), QStringLiteral("panel.dcl"));
    EXPECT_TRUE(controller->DesignForm->DesignMode());
    EXPECT_TRUE(host.designDown);
    EXPECT_FALSE(controller->Document()->isModified());

    controller->GenerateCode();
    EXPECT_TRUE(dialogs.asked.isEmpty());
    EXPECT_EQ(controller->DCLEditor->PathName(), QStringLiteral("panel.dcl"));
}

TEST_F(ControllerTest, OpeningMakesTheProjectsFolderTheWorkingFolder)
{
    {
        TDesignDocument design;
        ASSERT_TRUE(design.save(project()));
    }
    ASSERT_TRUE(controller->OpenProjectFile(project()));
    EXPECT_EQ(QDir::currentPath(), QFileInfo(project()).absolutePath());
    // So the derived names written later land beside the project.
    EXPECT_TRUE(controller->SaveLisp());
    EXPECT_TRUE(QFile::exists(work.filePath(QStringLiteral("proj/panel.lsp"))));
}

// A window size stored in design mode is the window's; without one the window
// shows the dialog tile at the size it was stored with.
TEST_F(ControllerTest, OpeningSizesTheDesignWindowToTheStoredDialogSize)
{
    struct Case {
        int width;
        int height;
    };
    const Case cases[] = {{500, 320}, {0, 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.width);
        QSize tileSize;
        {
            TDesignDocument design;
            design.dialogTile()->setDialogWidth(c.width);
            design.dialogTile()->setDialogHeight(c.height);
            tileSize = design.dialogTile()->size();
            ASSERT_TRUE(design.save(project()));
        }
        controller = std::make_unique<TLispGeneratorClass>(nullptr, host);
        ASSERT_NE(tile()->size(), tileSize);
        ASSERT_TRUE(controller->OpenProjectFile(project()));
        if (c.width > 0)
            EXPECT_EQ(controller->DesignForm->OuterSize(), QSize(c.width, c.height));
        else
            EXPECT_EQ(tile()->size(), tileSize);
    }
}

TEST_F(ControllerTest, AnImportedProjectOpensWithTheDialogAsImported)
{
    const QString dcl = QStringLiteral("wide : dialog { label = \"Wide\";\n"
                                       "  : edit_box { key = \"name\"; width = 60; }\n"
                                       "  : row { : button { key = \"go\"; label = \"Go\"; } }\n"
                                       "  ok_cancel;\n}\n");
    const DclImport imported = importDclText(dcl, cwd(QStringLiteral("wide.dcl")));
    QStringList expectedDcl;
    QStringList expectedLisp;
    GenerateDialogCode(imported.design->dialogTile(), expectedDcl, expectedLisp);
    SaveProjectFile(project(), imported.design->save());

    ASSERT_TRUE(controller->OpenProjectFile(project()));
    QCoreApplication::sendPostedEvents();
    QStringList dclText;
    QStringList lisp;
    GenerateDialogCode(tile(), dclText, lisp);
    EXPECT_EQ(dclText.join('\n').toStdString(), expectedDcl.join('\n').toStdString());
    EXPECT_EQ(tile()->size(), imported.design->dialogTile()->size());
    EXPECT_EQ(controller->DesignForm->windowTitle(), QStringLiteral("Wide"));
}

TEST_F(ControllerTest, OpeningAnUnreadableProjectReportsTheReadersMessage)
{
    touch(project(), "not a project");
    EXPECT_FALSE(controller->OpenProjectFile(project()));
    EXPECT_TRUE(dialogs.asked.isEmpty());
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("File is corrupt.")});
    EXPECT_TRUE(dialogs.errorBoxes.isEmpty());
    EXPECT_TRUE(controller->ProjectFile.isEmpty());
    EXPECT_NE(tile(), nullptr);
}

TEST_F(ControllerTest, ClosingAModifiedDesignAsksAboutTheDialog)
{
    struct Case {
        QMessageBox::StandardButton answer;
        bool closes;
        bool written;
    };
    const Case cases[] = {{QMessageBox::Cancel, false, false},
                          {QMessageBox::No, true, false},
                          {QMessageBox::Yes, true, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.answer));
        QFile::remove(project());
        controller = std::make_unique<TLispGeneratorClass>(nullptr, host);
        controller->ProjectFile = project();
        addButton(QStringLiteral("ok"));
        ASSERT_TRUE(controller->Document()->isModified());
        dialogs.asked.clear();
        dialogs.answers = {c.answer};
        EXPECT_EQ(controller->CanCloseProject(), c.closes);
        ASSERT_FALSE(dialogs.asked.isEmpty());
        EXPECT_EQ(dialogs.asked.first(), QStringLiteral("Save change to project's dialog?"));
        EXPECT_EQ(QFile::exists(project()), c.written);
    }
}

TEST_F(ControllerTest, RefusingToSaveTheLispTextStopsBeforeTheDclEditor)
{
    controller->LispEditor->Editor->SetLines({"(princ)"});
    controller->LispEditor->Editor->SetModified(true);
    controller->DCLEditor->Editor->SetLines({"x : dialog {}"});
    controller->DCLEditor->Editor->SetModified(true);
    dialogs.answers = {QMessageBox::Cancel};
    EXPECT_FALSE(controller->CanCloseProject());
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_TRUE(dialogs.asked.first().startsWith(QStringLiteral("Save changes to")));

    dialogs.asked.clear();
    dialogs.answers = {QMessageBox::No, QMessageBox::No};
    EXPECT_TRUE(controller->CanCloseProject());
    EXPECT_EQ(dialogs.asked.size(), 2);
}

TEST_F(ControllerTest, GeneratedTextIsModifiedEvenWhenItEqualsTheSavedFile)
{
    addButton(QStringLiteral("ok"));
    controller->ProjectFile = project();
    controller->GenerateCode();
    ASSERT_TRUE(controller->SaveAll());
    const QByteArray saved = readAll(cwd(QStringLiteral("panel.DCL")));
    ASSERT_FALSE(saved.isEmpty());
    EXPECT_FALSE(controller->DCLEditor->Editor->Modified());

    controller->GenerateCode();
    EXPECT_TRUE(controller->LispEditor->Editor->Modified());
    EXPECT_TRUE(controller->DCLEditor->Editor->Modified());
    EXPECT_TRUE(dialogs.asked.isEmpty());
    EXPECT_EQ(controller->DCLEditor->Editor->Lines().join(QString()),
              QString::fromUtf8(saved).remove('\r').remove('\n'));
}

TEST_F(ControllerTest, FailedFileSavesAreReportedAndTheCommandGoesOn)
{
    controller->ProjectFile = project();
    tile()->setLispFileName(work.filePath(QStringLiteral("missing-folder/x.lsp")));
    ASSERT_TRUE(controller->SaveAll());
    ASSERT_EQ(dialogs.errorBoxes, QStringList{QStringLiteral("Lisp file not saved.")});
    EXPECT_EQ(dialogs.errorButtons.first(), QMessageBox::StandardButtons(QMessageBox::Yes));
    EXPECT_TRUE(QFile::exists(cwd(QStringLiteral("panel.dcl"))));
    EXPECT_TRUE(QFile::exists(project()));
}

TEST_F(ControllerTest, AProjectFileThatCannotBeWrittenIsReportedNotThrown)
{
    controller->ProjectFile = work.filePath(QStringLiteral("missing-folder/panel.dcp"));
    addButton(QStringLiteral("ok"));
    EXPECT_FALSE(controller->SaveDesign());
    ASSERT_EQ(dialogs.errorBoxes.size(), 1);
    EXPECT_TRUE(dialogs.errorBoxes.first().contains(QStringLiteral("panel.dcp")));
    EXPECT_TRUE(controller->Document()->isModified());
    // The combined save stops there, before any code file.
    EXPECT_FALSE(controller->SaveAll());
    EXPECT_FALSE(QFile::exists(cwd(QStringLiteral("panel.lsp"))));
}

TEST_F(ControllerTest, CancellingTheProjectDialogSavesNothing)
{
    struct Case {
        const char *what;
        bool (TLispGeneratorClass::*command)();
        QString title;
    };
    const Case cases[] = {{"save all", &TLispGeneratorClass::SaveAll, "Save Dialog To File"},
                          {"save all as", &TLispGeneratorClass::SaveAllAs, "Save Dialog To File"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        addButton(QStringLiteral("ok"));
        dialogs.saveDialogs.clear();
        EXPECT_FALSE((controller.get()->*c.command)());
        EXPECT_EQ(dialogs.saveDialogs, QStringList{c.title});
        EXPECT_TRUE(controller->Document()->isModified());
        EXPECT_TRUE(QDir(work.path()).entryList(QDir::Files).isEmpty());
        EXPECT_TRUE(dialogs.errors.isEmpty());
        EXPECT_TRUE(dialogs.errorBoxes.isEmpty());
    }
}

TEST_F(ControllerTest, SaveAllAsAsksForEveryFileUnderItsTitle)
{
    const QString dcp = work.filePath(QStringLiteral("proj/other.dcp"));
    const QString lsp = work.filePath(QStringLiteral("proj/other.lsp"));
    const QString dcl = work.filePath(QStringLiteral("proj/other.dcl"));
    dialogs.saves = {dcp, lsp, dcl};
    ASSERT_TRUE(controller->SaveAllAs());
    EXPECT_EQ(dialogs.saveDialogs,
              QStringList({"Save Dialog To File", "Save Lisp To File", "Save DCL To File"}));
    for (const QString &file : {dcp, lsp, dcl})
        EXPECT_TRUE(QFile::exists(file)) << file.toStdString();
    EXPECT_EQ(tile()->lispFileName(), lsp);
    EXPECT_EQ(tile()->dclFileName(), dcl);
    EXPECT_EQ(controller->ProjectFile, dcp);
}

} // namespace
} // namespace tw::test
