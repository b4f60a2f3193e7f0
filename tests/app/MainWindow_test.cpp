#include "AppTestSupport.h"
#include "app/MainWindow.h"
#include "component/ClassRegistry.h"
#include "component/PropertyAccess.h"
#include "designer/DsnPanel.h"
#include "designer/DsnRegister.h"
#include "document/DesignDocument.h"
#include "document/DialogDesign.h"
#include "document/LispGenerator.h"
#include "editors/EditForm.h"
#include "editors/EditorDialogs.h"
#include "tiles/DCLPanel.h"

#include <QAction>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

// Answers the open dialog with a chosen path; nothing else may be asked.
class ScriptedDialogs : public TEditorDialogs
{
public:
    QString openPath;
    QString savePath;
    int opened = 0;
    QStringList errors;

    QMessageBox::StandardButton Ask(QWidget *, const QString &, const QString &text,
                                    QMessageBox::Icon icon, QMessageBox::StandardButtons) override
    {
        if (icon == QMessageBox::Critical) {
            errors.append(text);
            return QMessageBox::Ok;
        }
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return QMessageBox::Cancel;
    }
    void ShowError(QWidget *, const QString &text) override
    {
        ADD_FAILURE() << "unexpected error: " << text.toStdString();
    }
    std::optional<QString> SaveFileName(QWidget *, const TFileDialogSettings &) override
    {
        if (savePath.isEmpty())
            return std::nullopt;
        return savePath;
    }
    std::optional<QString> OpenFileName(QWidget *, const TFileDialogSettings &) override
    {
        ++opened;
        if (openPath.isEmpty())
            return std::nullopt;
        return openPath;
    }
    std::optional<QFont> ChooseFont(QWidget *, const QFont &) override { return std::nullopt; }
};

class MainWindow : public ::testing::Test
{
protected:
    void SetUp() override { SetEditorDialogs(&dialogs); }
    void TearDown() override { SetEditorDialogs(nullptr); }
    ScriptedDialogs dialogs;
};

TEST_F(MainWindow, CommandsHaveTheirCaptionsAndShortcuts)
{
    TfrmTilewrightMain window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tilewright"));
    const struct {
        const char *name;
        const char *caption;
        QKeySequence shortcut;
    } commands[] = {
        {"actNewProject", "New Project", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"actOpenProject", "&Open Project", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"actSaveProject", "&Save Project", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"actSaveProjectAs", "Save Project &As", {}},
        {"actCloseProject", "&Close Project", {}},
        {"actSaveDialog", "Save &Dialog", {}},
        {"actSaveDiaogAs", "Save Dialo&g As", {}},
        {"actNewLispFile", "&New Lisp File", QKeySequence(Qt::CTRL | Qt::Key_L)},
        {"actNewDcl", "Ne&w DCL File", {}},
        {"actOpenSourceFile", "Open Source File", {}},
        {"actGenerateCode", "&Generate Code", QKeySequence(Qt::CTRL | Qt::Key_F9)},
        {"actCheckDesign", "Check &Design", QKeySequence(Qt::Key_F7)},
        {"actQuit", "&Exit", {}},
        {"EditCopy", "&Copy", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {"EditCut", "Cu&t", QKeySequence(Qt::CTRL | Qt::Key_X)},
        {"EditPaste", "&Paste", QKeySequence(Qt::CTRL | Qt::Key_V)},
        {"EditUndo", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {"EditRedo", "&Redo", QKeySequence(Qt::CTRL | Qt::Key_Y)},
        {"actNextWindow", "&Next Windows", QKeySequence(Qt::CTRL | Qt::Key_F6)},
        {"actQuickHelp", "&Quick Help", {}},
    };
    for (const auto &command : commands) {
        QAction *action = window.action(QLatin1String(command.name));
        ASSERT_NE(action, nullptr) << command.name;
        EXPECT_EQ(action->text(), QLatin1String(command.caption)) << command.name;
        EXPECT_EQ(action->shortcut(), command.shortcut) << command.name;
    }
    const QList<QAction *> menus = window.menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("File"));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("&Edit"));
    EXPECT_EQ(menus[2]->text(), QStringLiteral("&Help"));
}

TEST_F(MainWindow, WithoutAProjectGenerateAndEditAreDisabled)
{
    TfrmTilewrightMain window;
    EXPECT_FALSE(window.action(QStringLiteral("actGenerateCode"))->isEnabled());
    EXPECT_FALSE(window.action(QStringLiteral("EditCopy"))->isEnabled());
    window.InDesignFocus();
    EXPECT_TRUE(window.action(QStringLiteral("actGenerateCode"))->isEnabled());
    EXPECT_TRUE(window.action(QStringLiteral("EditPaste"))->isEnabled());
}

TEST_F(MainWindow, PaletteButtonsFindTheirTemplates)
{
    TfrmTilewrightMain window;
    TDsnPanel *palette = window.DsnPanel1();
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->buttons().size(), 15);
    EXPECT_EQ(window.DsnDpstPanel()->x(), -1000);
    for (TDsnButton *button : palette->buttons())
        EXPECT_NE(palette->templateOf(button), nullptr) << button->geneName().toStdString();
    EXPECT_EQ(palette->buttons().first()->geneName(), QStringLiteral("Dpst_TDCLButton"));
    EXPECT_EQ(palette->buttons().last()->geneName(), QStringLiteral("Dpst_TDCLColumnX"));
    EXPECT_EQ(window.btDesign()->toolTip(), QStringLiteral("Toggle Design Mode"));
}

TEST_F(MainWindow, SourceFilesOpenInTheEditorOfTheirLanguage)
{
    QTemporaryDir dir;
    TfrmTilewrightMain window;
    const std::pair<const char *, bool> files[] = {
        {"a.dcl", false}, {"b.Dcl", false}, {"c.DCL", false}, {"d.lsp", true}, {"e", true}};
    for (const auto &[name, lisp] : files) {
        dialogs.openPath = dir.filePath(QLatin1String(name));
        QFile file(dialogs.openPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("(princ)\r\n");
        file.close();
        TEditForm *editor = window.OpenSourceFile();
        ASSERT_NE(editor, nullptr) << name;
        EXPECT_EQ(editor->IsLispEditor(), lisp) << name;
    }
    dialogs.openPath.clear();
    EXPECT_EQ(window.OpenSourceFile(), nullptr);
    EXPECT_EQ(window.mdiArea()->subWindowList().size(), 5);
}

TEST_F(MainWindow, AnActiveEditorBringsItsMenus)
{
    TfrmTilewrightMain window;
    window.show();
    TEditForm *editor = window.NewEditor(true);
    window.mdiArea()->setActiveSubWindow(window.mdiArea()->subWindowList().first());
    ASSERT_EQ(window.activeEditor(), editor);
    ASSERT_NE(editor->MainMenu1, nullptr);
    EXPECT_EQ(window.menuBar()->actions(), editor->MainMenu1->actions());
    // The editor's menus carry the main window's own commands, one owner per shortcut.
    EXPECT_EQ(editor->MainCommandAction(TMainCommand::NewProject),
              window.action(QStringLiteral("actNewProject")));
    EXPECT_EQ(editor->MainCommandAction(TMainCommand::Exit),
              window.action(QStringLiteral("actQuit")));
}

TEST_F(MainWindow, NewProjectWritesTheEmptyProjectAtOnce)
{
    QTemporaryDir dir;
    QuietMain window;
    dialogs.savePath = dir.filePath(QStringLiteral("panel.dcp"));
    window.action(QStringLiteral("actNewProject"))->trigger();
    ASSERT_NE(window.CurrentController(), nullptr);
    EXPECT_TRUE(QFile::exists(dialogs.savePath));
    EXPECT_EQ(window.CurrentProjectFile(), dialogs.savePath);
    EXPECT_TRUE(window.action(QStringLiteral("actGenerateCode"))->isEnabled());
    window.action(QStringLiteral("actCloseProject"))->trigger();
    EXPECT_EQ(window.CurrentController(), nullptr);
    EXPECT_FALSE(window.action(QStringLiteral("actGenerateCode"))->isEnabled());
}

TEST_F(MainWindow, NewProjectShowsTheDesignWindowAtItsInitialHeight)
{
    QTemporaryDir dir;
    QuietMain window;
    window.resize(1000, 700);
    window.show();
    dialogs.savePath = dir.filePath(QStringLiteral("panel.dcp"));
    window.action(QStringLiteral("actNewProject"))->trigger();
    ASSERT_NE(window.CurrentController(), nullptr);
    QWidget *frame = window.CurrentController()->DesignForm->parentWidget();
    ASSERT_NE(qobject_cast<QMdiSubWindow *>(frame), nullptr);
    EXPECT_EQ(frame->geometry(), QRect(40, 40, 250, 274));
}

TEST_F(MainWindow, AnActiveEditorHoldsDesigningAndLeavingItGivesDesignModeBack)
{
    QTemporaryDir dir;
    QuietMain window;
    dialogs.savePath = dir.filePath(QStringLiteral("focus.dcp"));
    window.action(QStringLiteral("actNewProject"))->trigger();
    TLispGeneratorClass *controller = window.CurrentController();
    ASSERT_NE(controller, nullptr);
    TfrmDialogDesign *design = controller->DesignForm;
    auto *designBar = window.findChild<QToolBar *>(QStringLiteral("ToolBar2"));
    ASSERT_NE(designBar, nullptr);
    // Which window is activated, whether the design button is then pressed,
    // and whether designing is possible afterwards.
    const struct {
        QWidget *child;
        bool toggleDesign;
        bool designing;
    } steps[] = {
        {design, false, true},
        {controller->LispEditor, false, false},
        {controller->DCLEditor, false, false},
        {design, false, true},
        {design, true, false},
        {controller->LispEditor, false, false},
        {design, false, false},
        {design, true, true},
    };
    window.mdiArea()->setActiveSubWindow(subWindowOf(design));
    if (!design->DesignMode())
        window.btDesign()->click();
    for (const auto &step : steps) {
        SCOPED_TRACE(step.child->objectName().toStdString());
        window.mdiArea()->setActiveSubWindow(subWindowOf(step.child));
        if (step.toggleDesign)
            window.btDesign()->click();
        const bool editor = qobject_cast<TEditForm *>(step.child) != nullptr;
        EXPECT_EQ(designBar->isEnabled(), !editor);
        EXPECT_EQ(window.btDesign()->isEnabled(), !editor);
        EXPECT_EQ(window.DsnPanel1()->isEnabled(), !editor);
        EXPECT_EQ(design->DesignMode(), step.designing);
        if (!editor) {
            EXPECT_EQ(window.action(QStringLiteral("EditPaste"))->isEnabled(), step.designing);
        }
    }
}

TEST_F(MainWindow, ProjectEditorsOpenAtTheirOwnSizeInsideTheirFrames)
{
    QTemporaryDir dir;
    QuietMain window;
    window.show();
    dialogs.savePath = dir.filePath(QStringLiteral("sizes.dcp"));
    window.action(QStringLiteral("actNewProject"))->trigger();
    TLispGeneratorClass *controller = window.CurrentController();
    ASSERT_NE(controller, nullptr);
    const std::pair<QWidget *, QPoint> editors[] = {{controller->LispEditor, {0, 0}},
                                                    {controller->DCLEditor, {20, 20}}};
    for (const auto &[editor, at] : editors) {
        SCOPED_TRACE(editor->objectName().toStdString());
        auto *frame = qobject_cast<QMdiSubWindow *>(editor->parentWidget());
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->pos(), at);
        EXPECT_EQ(editor->size(), QSize(574, 443));
    }
}

TEST_F(MainWindow, CancelledOpenStillEnablesGenerateWhichThenDoesNothing)
{
    QuietMain window;
    window.action(QStringLiteral("actOpenProject"))->trigger();
    EXPECT_EQ(window.CurrentController(), nullptr);
    EXPECT_TRUE(window.action(QStringLiteral("actGenerateCode"))->isEnabled());
    window.action(QStringLiteral("actGenerateCode"))->trigger();
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

// The about box greets the user before the main window appears, centred on
// the screen since there is no window to centre it on yet.
TEST_F(MainWindow, StartUpShowsTheAboutBoxAloneThenTheMainWindow)
{
    class StartingMain : public TfrmTilewrightMain
    {
    public:
        bool shownDuringAbout = true;
        QPoint aboutCentre;
        int ExecModal(QDialog &dialog) override
        {
            shownDuringAbout = isVisible();
            aboutCentre = dialog.geometry().center();
            dialog.close();
            return QDialog::Accepted;
        }
    } window;
    window.FormCreate({});
    EXPECT_FALSE(window.shownDuringAbout);
    const QPoint screenCentre = window.screen()->availableGeometry().center();
    EXPECT_LE((window.aboutCentre - screenCentre).manhattanLength(), 2);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isMaximized());
    // Restoring gives three quarters of the screen, centred.
    const QRect restored = window.normalGeometry();
    EXPECT_EQ(restored.size(), window.screen()->availableGeometry().size() * 3 / 4);
    EXPECT_LE((restored.center() - screenCentre).manhattanLength(), 2);
}

// Counts the paints of one window that happen while the window system has
// not yet put it on screen.
class TUnseenPaints : public QObject
{
public:
    explicit TUnseenPaints(QWidget *window) : m_window(window) { qApp->installEventFilter(this); }
    ~TUnseenPaints() override { qApp->removeEventFilter(this); }

    int unseen = 0;
    int seen = 0;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->window() == m_window) {
            const QWindow *handle = m_window->windowHandle();
            ++(handle && handle->isExposed() ? seen : unseen);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_window;
};

// The about box is on screen before the main window shows. The main window is
// then painted once it is on screen, not before at its restored size.
TEST_F(MainWindow, StartUpPaintsTheMainWindowOnlyOnScreen)
{
    class StartingMain : public TfrmTilewrightMain
    {
    public:
        bool aboutExposed = false;
        int ExecModal(QDialog &dialog) override
        {
            dialog.show();
            aboutExposed = QTest::qWaitForWindowExposed(&dialog);
            dialog.close();
            return QDialog::Accepted;
        }
    } window;
    const TUnseenPaints paints(&window);
    window.FormCreate({});
    EXPECT_TRUE(window.aboutExposed);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(QTest::qWaitFor([&paints] { return paints.seen > 0; }));
    EXPECT_EQ(paints.unseen, 0);
}

TEST_F(MainWindow, StartingWithAProjectOpensItInDesignMode)
{
    QTemporaryDir dir;
    const QString project = dir.filePath(QStringLiteral("start.dcp"));
    {
        QuietMain maker;
        dialogs.savePath = project;
        maker.action(QStringLiteral("actNewProject"))->trigger();
        maker.action(QStringLiteral("actCloseProject"))->trigger();
    }
    QuietMain window;
    window.FormCreate({project});
    EXPECT_EQ(window.modals, 1); // the about box
    ASSERT_NE(window.CurrentController(), nullptr);
    ASSERT_NE(window.CurrentController()->DesignForm, nullptr);
    EXPECT_TRUE(window.CurrentController()->DesignForm->DesignMode());
    EXPECT_TRUE(window.btDesign()->isChecked());
    EXPECT_EQ(window.CurrentProjectFile(), project);
}

TEST_F(MainWindow, RadioClicksInRunModeAreExclusivePerContainer)
{
    QTemporaryDir dir;
    QuietMain window;
    dialogs.savePath = dir.filePath(QStringLiteral("radios.dcp"));
    window.action(QStringLiteral("actNewProject"))->trigger();
    TfrmDialogDesign *design = window.CurrentController()->DesignForm;
    ASSERT_NE(design, nullptr);
    design->Dsn8Register1->SetDesignMode(false);
    QList<TControl *> radios;
    for (int i = 0; i < 3; ++i) {
        TControl *radio =
            ClassRegistry::instance().create(QStringLiteral("TDCLRadio"), design->document());
        radio->setParentControl(design->document()->dialogTile());
        radios.append(radio);
    }
    const auto value = [](TControl *radio) {
        const TObjInfo info(radio);
        return info.GetItem(info.IndexOfProp(QStringLiteral("Value"))).Value;
    };
    window.WhenRadioClick(radios[1]);
    EXPECT_EQ(value(radios[0]), QStringLiteral("False"));
    EXPECT_EQ(value(radios[1]), QStringLiteral("True"));
    window.WhenRadioClick(radios[2]);
    EXPECT_EQ(value(radios[1]), QStringLiteral("False"));
    EXPECT_EQ(value(radios[2]), QStringLiteral("True"));
    // In design mode a click changes nothing.
    design->Dsn8Register1->SetDesignMode(true);
    window.WhenRadioClick(radios[0]);
    EXPECT_EQ(value(radios[0]), QStringLiteral("False"));
}

} // namespace
} // namespace tw
