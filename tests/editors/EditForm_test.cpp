#include "EditorsTestSupport.h"
#include "TestData.h"
#include "editctl/SynCompletionProposal.h"
#include "editors/EditForm.h"
#include "editors/VexStringsHold.h"
#include "highlight/AutoLispSyn.h"
#include "highlight/DCLSyn.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QTest>
#include <memory>

namespace tw
{
namespace
{

using namespace tw::test;
using MB = QMessageBox;

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void TypeInto(TEditForm &form, const QString &text)
{
    form.Editor->setFocus();
    QTest::keyClicks(form.Editor, text);
}

bool Deleted(QPointer<TEditForm> &form)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return form.isNull();
}

class EditFormTest : public ::testing::Test
{
protected:
    std::unique_ptr<TEditForm> NewForm(bool lisp)
    {
        auto form = std::make_unique<TEditForm>();
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        form->SetIsLispEditor(lisp);
        return form;
    }

    QString Path(const QString &name) const { return dir.filePath(name); }

    TTemporarySettings settings;
    TScriptedDialogs dialogs;
    QTemporaryDir dir;
};

TEST_F(EditFormTest, ANewWindowIsUntitledAndUnmodified)
{
    TEditForm form;
    EXPECT_EQ(form.windowTitle(), "Untitled");
    EXPECT_EQ(form.PathName(), "Untitled");
    EXPECT_EQ(form.CaptionPrefix(), "");
    EXPECT_EQ(form.size(), QSize(574, 443));
    EXPECT_FALSE(form.Editor->Modified());
    EXPECT_FALSE(form.ProjectEditor);
    EXPECT_FALSE(form.NamePending);
    EXPECT_EQ(form.DesignWindow, nullptr);
    EXPECT_EQ(form.StatusHint->text(), "Hint : Press Ctrl-Space to invoke auto complete");
    EXPECT_EQ(form.Editor->EditorFont().family(), "Courier New");
    EXPECT_EQ(form.Editor->EditorFont().pointSize(), 10);
}

TEST_F(EditFormTest, TheKindSetsCaptionFilterCompletionAndHighlighter)
{
    struct Case {
        bool Lisp;
        const char *Caption;
        const char *Filter;
        const char *Ext;
        std::span<const std::string_view> Words;
    };
    const Case cases[] = {
        {true, "[Lisp Editor]-Untitled",
         "AutoLisp Source File (*.lsp)|*.lsp|Plain text files (*.txt)|*.txt|All files|*.*", "lsp",
         AutoLispWordList()},
        {false, "[DCL Editor]-Untitled",
         "DCL File (*.dcl)|*.dcl|Plain text files (*.txt)|*.txt|All files|*.*", "dcl",
         DCLWordList()},
    };
    for (const Case &c : cases) {
        TEditForm form;
        form.SetIsLispEditor(c.Lisp);
        EXPECT_EQ(form.windowTitle(), c.Caption);
        EXPECT_EQ(form.SaveFileDialog.Filter, c.Filter);
        EXPECT_EQ(form.SaveFileDialog.DefaultExt, c.Ext);
        EXPECT_EQ(form.SynCompletionProposal1->ItemList(), WordListStrings(c.Words));
        const TSynCustomHighlighter *expected =
            c.Lisp ? static_cast<const TSynCustomHighlighter *>(&form.AutoLispHighLighter)
                   : &form.DCLHighLighter;
        EXPECT_EQ(form.Editor->Highlighter(), expected);
        EXPECT_EQ(form.LispKeys->StringList(), WordListStrings(AutoLispWordList()));
        EXPECT_EQ(form.DCLKeys->StringList(), WordListStrings(DCLWordList()));
    }
}

TEST_F(EditFormTest, ThePathNamesTheCaptionByItsFileName)
{
    auto form = NewForm(true);
    const QString path = QDir(Path("a")).filePath("b.lsp");
    form->SetPathName(path);
    EXPECT_EQ(form->PathName(), path);
    EXPECT_EQ(form->windowTitle(), "[Lisp Editor]-b.lsp");
    form->SetIsLispEditor(false);
    EXPECT_EQ(form->windowTitle(), "[DCL Editor]-" + path);
}

TEST_F(EditFormTest, TheExtensionDecidesTheKindOfAnOpenedFile)
{
    struct Case {
        const char *Name;
        bool Dcl;
    };
    const Case cases[] = {{"x.DCL", true},  {"x.dcl", true}, {"x.Dcl", true},  {"x.lsp", false},
                          {"x.txt", false}, {"x", false},    {"x.dclx", false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(TEditForm::IsDclFileName(Path(c.Name)), c.Dcl);
        WriteBytes(Path(c.Name), "text\r\n");
        std::unique_ptr<TEditForm> form(TEditForm::OpenSourceFile(Path(c.Name)));
        ASSERT_TRUE(form);
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        EXPECT_EQ(form->IsLispEditor(), !c.Dcl);
        EXPECT_EQ(form->Editor->Lines(), QStringList{"text"});
    }
}

TEST_F(EditFormTest, OpenFileLoadsTheLinesUnmodified)
{
    WriteBytes(Path("a.lsp"), "(princ)\r\n(setq a 1)\r\n");
    auto form = NewForm(true);
    ASSERT_TRUE(form->OpenFile(Path("a.lsp")));
    EXPECT_EQ(form->Editor->Lines(), (QStringList{"(princ)", "(setq a 1)"}));
    EXPECT_FALSE(form->Editor->Modified());
    EXPECT_EQ(form->PathName(), Path("a.lsp"));
    EXPECT_EQ(form->windowTitle(), "[Lisp Editor]-a.lsp");
}

TEST_F(EditFormTest, AnUnreadableFileLeavesNoWindowThatCouldSaveOverIt)
{
    const QString missing = Path("missing.lsp");
    EXPECT_EQ(TEditForm::OpenSourceFile(missing), nullptr);
    ASSERT_EQ(dialogs.Errors.size(), 1u);
    EXPECT_TRUE(dialogs.Errors[0].contains(missing));

    auto form = NewForm(true);
    EXPECT_FALSE(form->OpenFile(missing));
    EXPECT_EQ(form->PathName(), "Untitled");
    EXPECT_EQ(form->windowTitle(), "[Lisp Editor]-Untitled");
    EXPECT_FALSE(QFile::exists(missing));
}

TEST_F(EditFormTest, SavingAnUntitledWindowGoesThroughSaveAs)
{
    auto form = NewForm(true);
    TypeInto(*form, "(princ)");
    const QString target = Path("b.lsp");
    dialogs.SaveNames.push_back(target);
    EXPECT_TRUE(form->Save1Click());
    ASSERT_EQ(dialogs.SaveRequests.size(), 1u);
    EXPECT_EQ(dialogs.SaveRequests[0].FileName, "Untitled");
    EXPECT_EQ(dialogs.SaveRequests[0].DefaultExt, "lsp");
    EXPECT_EQ(form->PathName(), target);
    EXPECT_EQ(form->windowTitle(), "[Lisp Editor]-b.lsp");
    EXPECT_FALSE(form->Editor->Modified());
    // New text is UTF-8 without a byte-order mark, lines ended by CR LF.
    EXPECT_EQ(readFile(target), QByteArray("(princ)"));
    QTest::keyClick(form->Editor, Qt::Key_Return);
    form->Editor->SendScintilla(QsciScintillaBase::SCI_REPLACESEL, static_cast<uintptr_t>(0),
                                "caf\xC3\xA9");
    EXPECT_TRUE(form->Save1Click());
    EXPECT_EQ(dialogs.SaveRequests.size(), 1u);
    EXPECT_EQ(readFile(target), QByteArray("(princ)\r\ncaf\xC3\xA9"));
}

TEST_F(EditFormTest, SaveOutcomes)
{
    struct Case {
        const char *Name;
        QString PathName;
        std::optional<QString> Chosen; // answer of the Save As dialog, if asked
        bool Saved;
    };
    const std::vector<Case> cases = {
        {"named file", Path("named.lsp"), std::nullopt, true},
        {"untitled, dialog cancelled", "Untitled", std::nullopt, false},
        {"untitled, file chosen", "Untitled", Path("chosen.lsp"), true},
        {"folder missing", Path("no/such/x.lsp"), std::nullopt, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Name);
        auto form = NewForm(true);
        TypeInto(*form, "x");
        form->SetPathName(c.PathName);
        if (c.PathName == "Untitled")
            dialogs.SaveNames.push_back(c.Chosen);
        dialogs.Errors.clear();
        EXPECT_EQ(form->Save1Click(), c.Saved);
        EXPECT_EQ(form->Editor->Modified(), !c.Saved);
        EXPECT_EQ(dialogs.Errors.empty(), c.Saved || c.PathName == "Untitled");
        if (c.Saved) {
            EXPECT_EQ(readFile(form->PathName()), "x");
        }
    }
}

TEST_F(EditFormTest, SaveAsStartsWithThePathAndCancelChangesNothing)
{
    auto form = NewForm(false);
    TypeInto(*form, "x");
    form->SetPathName(Path("old.dcl"));
    dialogs.SaveNames.push_back(std::nullopt);
    EXPECT_FALSE(form->Saveas1Click());
    ASSERT_EQ(dialogs.SaveRequests.size(), 1u);
    EXPECT_EQ(dialogs.SaveRequests[0].FileName, Path("old.dcl"));
    EXPECT_EQ(dialogs.SaveRequests[0].Filter,
              "DCL File (*.dcl)|*.dcl|Plain text files (*.txt)|*.txt|All files|*.*");
    EXPECT_EQ(form->PathName(), Path("old.dcl"));
    EXPECT_TRUE(form->Editor->Modified());
    EXPECT_FALSE(QFile::exists(Path("old.dcl")));
}

TEST_F(EditFormTest, AFileIsWrittenBackInItsOwnEncodingAndLineEnds)
{
    WriteBytes(Path("old.lsp"), "; caf\xE9\n(princ)\n");
    std::unique_ptr<TEditForm> form(TEditForm::OpenSourceFile(Path("old.lsp")));
    ASSERT_TRUE(form);
    form->setAttribute(Qt::WA_DeleteOnClose, false);
    form->Editor->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
    TypeInto(*form, "x");
    QTest::keyClick(form->Editor, Qt::Key_Return);
    ASSERT_TRUE(form->Save1Click());
    EXPECT_EQ(readFile(Path("old.lsp")), QByteArray("; caf\xE9\n(princ)\nx\n"));
}

TEST_F(EditFormTest, ConfirmFileNameAsksUntilYesOrAChosenFile)
{
    const QString existing = Path("gen.lsp");
    WriteBytes(existing, "old");
    const QString question =
        "File " + existing + " is already exist on disk.\n\rDo you want to overwrite?";
    struct Case {
        const char *Name;
        std::vector<MB::StandardButton> Answers;
        std::vector<std::optional<QString>> Chosen;
        QString Result;
    };
    const std::vector<Case> cases = {
        {"yes", {MB::Yes}, {}, existing},
        {"no, then a file", {MB::No}, {Path("other.lsp")}, Path("other.lsp")},
        {"no, cancel, no, cancel, yes",
         {MB::No, MB::No, MB::Yes},
         {std::nullopt, std::nullopt},
         existing},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Name);
        dialogs.Questions.clear();
        dialogs.SaveRequests.clear();
        dialogs.Answers.assign(c.Answers.begin(), c.Answers.end());
        dialogs.SaveNames.assign(c.Chosen.begin(), c.Chosen.end());
        auto form = NewForm(true);
        EXPECT_EQ(form->ConfirmFileName(existing), c.Result);
        EXPECT_EQ(form->PathName(), c.Result);
        EXPECT_EQ(form->windowTitle(), "[Lisp Editor]-" + QFileInfo(c.Result).fileName());
        ASSERT_EQ(dialogs.Questions.size(), c.Answers.size());
        for (const auto &q : dialogs.Questions) {
            EXPECT_EQ(q.Title, "Confirmation");
            EXPECT_EQ(q.Text, question);
            EXPECT_EQ(q.Icon, MB::Warning);
            EXPECT_EQ(q.Buttons, MB::Yes | MB::No);
        }
        EXPECT_EQ(dialogs.SaveRequests.size(), c.Chosen.size());
        EXPECT_TRUE(dialogs.Answers.empty());
    }
}

TEST_F(EditFormTest, ConfirmFileNameTakesANewNameWithoutAsking)
{
    auto form = NewForm(false);
    EXPECT_EQ(form->ConfirmFileName(Path("new.dcl")), Path("new.dcl"));
    EXPECT_TRUE(dialogs.Questions.empty());
    EXPECT_EQ(form->windowTitle(), "[DCL Editor]-new.dcl");
}

TEST_F(EditFormTest, QuerySaveAnswers)
{
    struct Case {
        const char *Name;
        bool Modified;
        QString PathName;
        std::optional<MB::StandardButton> Answer;
        std::optional<QString> Chosen;
        bool Result;
        bool Written;
    };
    const QString named = Path("q.lsp");
    const std::vector<Case> cases = {
        {"unmodified", false, named, std::nullopt, std::nullopt, true, false},
        {"cancel", true, named, MB::Cancel, std::nullopt, false, false},
        {"no", true, named, MB::No, std::nullopt, true, false},
        {"yes", true, named, MB::Yes, std::nullopt, true, true},
        {"yes, save as cancelled", true, "Untitled", MB::Yes, std::nullopt, false, false},
        {"yes, write fails", true, Path("none/q.lsp"), MB::Yes, std::nullopt, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Name);
        QFile::remove(named);
        dialogs.Questions.clear();
        auto form = NewForm(true);
        form->SetPathName(c.PathName);
        if (c.Modified)
            TypeInto(*form, "x");
        if (c.Answer)
            dialogs.Answers.push_back(*c.Answer);
        if (c.PathName == "Untitled")
            dialogs.SaveNames.push_back(c.Chosen);
        EXPECT_EQ(form->QuerySave(), c.Result);
        EXPECT_EQ(QFile::exists(named), c.Written);
        ASSERT_EQ(dialogs.Questions.size(), c.Answer ? 1u : 0u);
        if (c.Answer) {
            EXPECT_EQ(dialogs.Questions[0].Text, "Save changes to " + c.PathName + "?");
            EXPECT_EQ(dialogs.Questions[0].Buttons, MB::Yes | MB::No | MB::Cancel);
        }
    }
}

TEST_F(EditFormTest, ClosingAFreeEditor)
{
    struct Case {
        const char *Name;
        bool Modified;
        QString PathName;
        std::optional<MB::StandardButton> Answer;
        bool Closed;
    };
    const std::vector<Case> cases = {
        {"unmodified", false, "Untitled", std::nullopt, true},
        {"cancel", true, Path("c.lsp"), MB::Cancel, false},
        {"no", true, Path("c.lsp"), MB::No, true},
        {"yes", true, Path("c.lsp"), MB::Yes, true},
        {"yes, save as cancelled", true, "Untitled", MB::Yes, false},
        {"yes, write fails", true, Path("none/c.lsp"), MB::Yes, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Name);
        QPointer<TEditForm> form = new TEditForm;
        form->SetIsLispEditor(true);
        form->show();
        form->SetPathName(c.PathName);
        if (c.Modified)
            TypeInto(*form, "x");
        if (c.Answer)
            dialogs.Answers.push_back(*c.Answer);
        if (c.PathName == "Untitled" && c.Answer == MB::Yes)
            dialogs.SaveNames.push_back(std::nullopt);
        EXPECT_EQ(form->close(), c.Closed);
        EXPECT_EQ(Deleted(form), c.Closed);
        if (form) {
            EXPECT_TRUE(form->Editor->Modified());
            delete form;
        }
    }
}

TEST_F(EditFormTest, ClosingAProjectEditorMinimisesItAndStillOffersToSave)
{
    auto form = NewForm(true);
    form->ProjectEditor = true;
    form->SetPathName(Path("p.lsp"));
    form->show();
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isMinimized());
    EXPECT_TRUE(dialogs.Questions.empty());
    TypeInto(*form, "x");
    dialogs.Answers.push_back(MB::Yes);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(readFile(Path("p.lsp")), "x");
}

TEST_F(EditFormTest, InAMultipleDocumentAreaCloseRulesHold)
{
    QMdiArea area;
    area.resize(800, 600);
    area.show();
    auto *project = new TEditForm;
    project->SetIsLispEditor(true);
    project->ProjectEditor = true;
    QMdiSubWindow *projectWindow = area.addSubWindow(project);
    QPointer<TEditForm> free = new TEditForm;
    free->SetIsLispEditor(false);
    QMdiSubWindow *freeWindow = area.addSubWindow(free);
    freeWindow->setAttribute(Qt::WA_DeleteOnClose);
    projectWindow->show();
    freeWindow->show();

    EXPECT_FALSE(projectWindow->close());
    EXPECT_TRUE(projectWindow->isMinimized());
    EXPECT_EQ(area.subWindowList().size(), 2);

    EXPECT_TRUE(freeWindow->close());
    EXPECT_TRUE(Deleted(free));
    EXPECT_EQ(area.subWindowList().size(), 1);
}

TEST_F(EditFormTest, MenusCarryTheirCaptionsAndShortcuts)
{
    TEditForm form;
    struct Case {
        const char *Name;
        const char *Caption;
        QKeySequence Shortcut;
    };
    const Case cases[] = {
        {"NewProject1", "New Project", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"OpenProject1", "&Open Project", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"CloseProject1", "&Close Project", {}},
        {"OpenLispFile1", "Open Source File", {}},
        {"NewLispEditor1", "&New Lisp File", QKeySequence(Qt::CTRL | Qt::Key_L)},
        {"NewDCLEditor1", "Ne&w DCL File", {}},
        {"Save1", "&Save Editor", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"SaveAs1", "Save Editor &As", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S)},
        {"PreviewDialog1", "&Preview Dialog", QKeySequence(Qt::Key_F5)},
        {"Exit1", "&Exit", {}},
        {"Undo2", "&Undo", QKeySequence(Qt::ALT | Qt::Key_Backspace)},
        {"Redo2", "&Redo", {}},
        {"Cut1", "Cu&t", QKeySequence(Qt::CTRL | Qt::Key_X)},
        {"Copy1", "&Copy", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {"Paste1", "&Paste", QKeySequence(Qt::CTRL | Qt::Key_V)},
        {"Delete1", "&Delete", {}},
        {"Selectall1", "Select &All", {}},
        {"Font1", "&Font...", {}},
        {"QuickHelp1", "&Quick Help", {}},
        {"About1", "&About", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Name);
        auto *action = form.findChild<QAction *>(c.Name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), c.Caption);
        EXPECT_EQ(action->shortcut(), c.Shortcut);
    }
    QStringList titles;
    for (QAction *menu : form.MainMenu1->actions())
        titles << menu->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "Editor &Setting", "&Help"}));
    QStringList file, popup;
    for (QAction *a : form.File1->actions())
        file << (a->isSeparator() ? "-" : a->objectName());
    for (QAction *a : form.PopupMenu1->actions())
        popup << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(file, (QStringList{"NewProject1", "OpenProject1", "CloseProject1", "-",
                                 "OpenLispFile1", "NewLispEditor1", "NewDCLEditor1", "Save1",
                                 "SaveAs1", "PreviewDialog1", "-", "Exit1"}));
    EXPECT_EQ(popup,
              (QStringList{"Cu&t", "&Copy", "&Paste", "Select &All", "-", "&Undo", "&Redo"}));
}

TEST_F(EditFormTest, MainWindowCommandsRunThroughTheCallback)
{
    TEditForm form;
    std::vector<TMainCommand> ran;
    form.OnMainCommand = [&](TMainCommand command) { ran.push_back(command); };
    for (const char *name : {"NewProject1", "OpenProject1", "CloseProject1", "OpenLispFile1",
                             "NewLispEditor1", "NewDCLEditor1", "Exit1", "QuickHelp1", "About1"})
        form.findChild<QAction *>(name)->trigger();
    using M = TMainCommand;
    EXPECT_EQ(ran,
              (std::vector<M>{M::NewProject, M::OpenProject, M::CloseProject, M::OpenSourceFile,
                              M::NewLispFile, M::NewDCLFile, M::Exit, M::QuickHelp, M::About}));
}

TEST_F(EditFormTest, MenuShortcutsComeBeforeTheEditorKeys)
{
    auto form = NewForm(true);
    std::vector<TMainCommand> ran;
    form->OnMainCommand = [&](TMainCommand command) { ran.push_back(command); };
    form->SetPathName(Path("k.lsp"));
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    TypeInto(*form, "abc");
    QTest::keyClick(form->Editor, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(form->Editor->text(), "abc");
    EXPECT_EQ(ran, std::vector<TMainCommand>{TMainCommand::NewProject});
    QTest::keyClick(form->Editor, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(readFile(Path("k.lsp")), "abc");
}

TEST_F(EditFormTest, AMainWindowActionTakesTheStandInsPlace)
{
    TEditForm form;
    QAction mainNew("New Project");
    form.SetMainCommand(TMainCommand::NewProject, &mainNew);
    EXPECT_EQ(form.File1->actions().first(), &mainNew);
    EXPECT_EQ(form.MainCommandAction(TMainCommand::NewProject), &mainNew);
    QAction mainCopy("&Copy");
    form.SetMainCommand(TMainCommand::Copy, &mainCopy);
    EXPECT_TRUE(form.Edit1->actions().contains(&mainCopy));
    EXPECT_TRUE(form.PopupMenu1->actions().contains(&mainCopy));
    EXPECT_FALSE(form.actions().contains(form.findChild<QAction *>("Copy1")));
}

TEST_F(EditFormTest, EditMenuEnablingFollowsSelectionAndClipboard)
{
    struct Case {
        bool ClipboardText;
        bool Selection;
    };
    for (const Case c :
         {Case{false, false}, Case{true, false}, Case{false, true}, Case{true, true}}) {
        TEditForm form;
        form.Editor->setText("hello");
        if (c.ClipboardText)
            QApplication::clipboard()->setText("x");
        else
            QApplication::clipboard()->clear();
        if (c.Selection)
            form.Editor->SendScintilla(QsciScintillaBase::SCI_SETSEL, 0L, 2L);
        form.Edit1Click();
        EXPECT_EQ(form.findChild<QAction *>("Paste1")->isEnabled(), c.ClipboardText);
        for (const char *name : {"Cut1", "Copy1", "Delete1"})
            EXPECT_EQ(form.findChild<QAction *>(name)->isEnabled(), c.Selection) << name;
    }
}

TEST_F(EditFormTest, EditCommandsActOnTheEditor)
{
    TEditForm form;
    form.Editor->setText("hello");
    form.Editor->SendScintilla(QsciScintillaBase::SCI_SETSEL, 0L, 2L);
    form.Copy1Click();
    EXPECT_EQ(QApplication::clipboard()->text(), "he");
    form.Cut1Click();
    EXPECT_EQ(form.Editor->text(), "llo");
    form.Editor->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
    form.Paste1Click();
    EXPECT_EQ(form.Editor->text(), "llohe");
    form.findChild<QAction *>("Redo2")->setEnabled(false);
    form.Undo2Click();
    EXPECT_EQ(form.Editor->text(), "llo");
    EXPECT_TRUE(form.findChild<QAction *>("Redo2")->isEnabled());
    form.Redo2Click();
    EXPECT_EQ(form.Editor->text(), "llohe");
    form.findChild<QAction *>("Selectall1")->trigger();
    form.findChild<QAction *>("Delete1")->trigger();
    EXPECT_EQ(form.Editor->text(), "");
}

TEST_F(EditFormTest, ActivationTellsTheMainWindow)
{
    TEditForm form;
    std::vector<bool> calls;
    form.ActivationHook = [&](TEditForm &who, bool active) {
        EXPECT_EQ(&who, &form);
        calls.push_back(active);
    };
    QAction *redo = form.findChild<QAction *>("Redo2");
    form.FormActivate();
    EXPECT_FALSE(redo->isEnabled());
    form.Editor->SendScintilla(QsciScintillaBase::SCI_REPLACESEL, static_cast<uintptr_t>(0), "a");
    form.Editor->undo();
    form.FormActivate();
    EXPECT_TRUE(redo->isEnabled());
    form.FormDeactivate();
    EXPECT_EQ(calls, (std::vector<bool>{true, true, false}));
}

TEST_F(EditFormTest, CtrlSpaceOffersTheWordListOfTheKind)
{
    for (bool lisp : {true, false}) {
        auto form = NewForm(lisp);
        form->show();
        form->Editor->setFocus();
        QTest::keyClick(form->Editor, Qt::Key_Space, Qt::ControlModifier);
        QListWidget *list = form->SynCompletionProposal1->ListWidget();
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->count(), lisp ? 481 : 66);
        EXPECT_EQ(list->item(0)->text(), lisp ? "3dsin" : "boxed_column ");
    }
}

TEST_F(EditFormTest, ControlsHaveAccessibleNames)
{
    TEditForm form;
    for (QWidget *widget : std::initializer_list<QWidget *>{
             form.Editor, form.StatusBar1, form.StatusHint, form.MainMenu1, form.File1, form.Edit1,
             form.EditorSetting1, form.Help1, form.PopupMenu1})
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->objectName().toStdString();
}

// Font settings --------------------------------------------------------------

void WriteFont(const QString &group, const QVariant &name, const QVariant &size)
{
    QSettings store = TTemporarySettings::Store();
    store.beginGroup(group);
    if (name.isValid())
        store.setValue("Font", name);
    if (size.isValid())
        store.setValue("FontSize", size);
}

TEST_F(EditFormTest, TheFontCommandStoresTheFontForTheKind)
{
    {
        auto form = NewForm(true);
        QFont chosen("DejaVu Sans Mono", 14);
        chosen.setBold(true);
        chosen.setItalic(true);
        dialogs.Fonts.push_back(chosen);
        form->Font1Click();
        ASSERT_EQ(dialogs.FontRequests.size(), 1u);
        EXPECT_EQ(dialogs.FontRequests[0].family(), "Courier New");
        EXPECT_EQ(form->Editor->EditorFont(), chosen);
        QSettings store = TTemporarySettings::Store();
        store.beginGroup("Editor/Lisp");
        EXPECT_EQ(store.value("Font").toString(), "DejaVu Sans Mono");
        EXPECT_EQ(store.value("FontSize").toInt(), 14);
        EXPECT_EQ(store.value("Italic").toInt(), 1);
        EXPECT_EQ(store.value("Bold").toInt(), 1);
    }
    auto next = NewForm(true);
    const QFont font = next->Editor->EditorFont();
    EXPECT_EQ(font.family(), "DejaVu Sans Mono");
    EXPECT_EQ(font.pointSize(), 14);
    EXPECT_FALSE(font.bold());
    EXPECT_FALSE(font.italic());
    auto dcl = NewForm(false);
    EXPECT_EQ(dcl->Editor->EditorFont().family(), "Courier New");
}

TEST_F(EditFormTest, ACancelledFontDialogChangesNothing)
{
    auto form = NewForm(false);
    form->Font1Click();
    EXPECT_EQ(form->Editor->EditorFont().family(), "Courier New");
    QSettings store = TTemporarySettings::Store();
    EXPECT_TRUE(store.childGroups().isEmpty());
}

TEST_F(EditFormTest, ANewLispEditorShowsTheDclFontUntilTheLispKeyExists)
{
    WriteFont("Editor/DCL", "DejaVu Serif", 12);
    {
        auto form = NewForm(true);
        EXPECT_EQ(form->Editor->EditorFont().family(), "DejaVu Serif");
        EXPECT_EQ(form->Editor->EditorFont().pointSize(), 12);
    }
    WriteFont("Editor/Lisp", "DejaVu Sans", 9);
    auto form = NewForm(true);
    EXPECT_EQ(form->Editor->EditorFont().family(), "DejaVu Sans");
    EXPECT_EQ(form->Editor->EditorFont().pointSize(), 9);
}

TEST_F(EditFormTest, StoredFontValuesThatCannotBeUsedAreIgnored)
{
    struct Case {
        const char *Name;
        QVariant Font;
        QVariant Size;
        const char *Family;
        int Points;
    };
    const Case cases[] = {
        {"size missing", "DejaVu Sans", QVariant(), "DejaVu Sans", 10},
        {"size not a number", "DejaVu Sans", "big", "DejaVu Sans", 10},
        {"size zero", "DejaVu Sans", 0, "DejaVu Sans", 10},
        {"size negative", "DejaVu Sans", -3, "DejaVu Sans", 10},
        {"name empty", "", 13, "Courier New", 13},
        {"name not text", QStringList{"a", "b"}, 11, "Courier New", 11},
        {"both good", "DejaVu Serif", 16, "DejaVu Serif", 16},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Name);
        {
            QSettings store = TTemporarySettings::Store();
            store.clear();
        }
        WriteFont("Editor/Lisp", c.Font, c.Size);
        WriteBytes(Path("f.lsp"), "(princ)\r\n");
        std::unique_ptr<TEditForm> form(TEditForm::OpenSourceFile(Path("f.lsp")));
        ASSERT_TRUE(form);
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        EXPECT_EQ(form->Editor->EditorFont().family(), c.Family);
        EXPECT_EQ(form->Editor->EditorFont().pointSize(), c.Points);
        EXPECT_EQ(form->Editor->Lines(), QStringList{"(princ)"});
        EXPECT_TRUE(dialogs.Errors.empty());
    }
}

TEST_F(EditFormTest, ClosingAWindowStoresTheFontOfItsKind)
{
    {
        auto form = NewForm(false);
        form->Editor->SetEditorFont(QFont("DejaVu Sans", 15));
    }
    QSettings store = TTemporarySettings::Store();
    store.beginGroup("Editor/DCL");
    EXPECT_EQ(store.value("Font").toString(), "DejaVu Sans");
    EXPECT_EQ(store.value("FontSize").toInt(), 15);
    EXPECT_EQ(store.value("Bold").toInt(), 0);
    EXPECT_EQ(store.value("Italic").toInt(), 0);
}

} // namespace
} // namespace tw
