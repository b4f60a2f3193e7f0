#include "AppTestSupport.h"
#include "app/MainWindow.h"
#include "designer/DsnSelect.h"
#include "designer/DsnStage.h"
#include "document/DesignDocument.h"
#include "document/DialogDesign.h"
#include "document/LispGenerator.h"
#include "editors/EditForm.h"
#include "editors/EditorDialogs.h"
#include "tiles/DCLPanel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <utility>

namespace tw
{
namespace
{

// Cancels every file dialog and records what was asked.
class CancellingDialogs : public TEditorDialogs
{
public:
    QStringList asked;

    QMessageBox::StandardButton Ask(QWidget *, const QString &, const QString &text,
                                    QMessageBox::Icon, QMessageBox::StandardButtons) override
    {
        asked.append(QStringLiteral("ask ") + text);
        return QMessageBox::No;
    }
    void ShowError(QWidget *, const QString &text) override
    {
        asked.append(QStringLiteral("error ") + text);
    }
    std::optional<QString> SaveFileName(QWidget *, const TFileDialogSettings &settings) override
    {
        asked.append(QStringLiteral("save ") +
                     (settings.Title.isEmpty() ? settings.Filter : settings.Title));
        if (savePath.isEmpty())
            return std::nullopt;
        return std::exchange(savePath, QString());
    }
    std::optional<QString> OpenFileName(QWidget *, const TFileDialogSettings &settings) override
    {
        asked.append(QStringLiteral("open ") + settings.Filter);
        return std::nullopt;
    }
    std::optional<QFont> ChooseFont(QWidget *, const QFont &) override { return std::nullopt; }

    QString savePath;
};

// Whether a shortcut of `action` reaches it from the focused widget: through a
// shown widget whose context covers the focus, or through a shown menu bar.
bool live(const QAction *action)
{
    QWidget *focus = QApplication::focusWidget();
    for (QObject *object : action->associatedObjects()) {
        if (auto *menu = qobject_cast<QMenu *>(object)) {
            for (QObject *above : menu->menuAction()->associatedObjects())
                if (auto *bar = qobject_cast<QMenuBar *>(above); bar && bar->isVisible())
                    return true;
            continue;
        }
        auto *widget = qobject_cast<QWidget *>(object);
        if (!widget || !widget->isVisible() || !focus)
            continue;
        switch (action->shortcutContext()) {
        case Qt::WidgetShortcut:
            if (widget == focus)
                return true;
            break;
        case Qt::WidgetWithChildrenShortcut:
            if (widget == focus || widget->isAncestorOf(focus))
                return true;
            break;
        default:
            if (widget->window() == focus->window())
                return true;
            break;
        }
    }
    return false;
}

// Every shortcut that two enabled, reachable commands of the program claim at
// once (the sub-windows' own system menus are Qt's, not ours).
std::string clashes(const QMainWindow &window)
{
    QHash<QKeySequence, QSet<QAction *>> owners;
    for (QAction *action : window.findChildren<QAction *>())
        if (!action->objectName().isEmpty() && action->isEnabled() &&
            !action->shortcut().isEmpty() && live(action))
            owners[action->shortcut()].insert(action);
    QStringList result;
    for (auto it = owners.cbegin(); it != owners.cend(); ++it) {
        if (it.value().size() < 2)
            continue;
        QStringList names;
        for (QAction *action : it.value())
            names.append(action->objectName());
        names.sort();
        result.append(it.key().toString() + QStringLiteral(": ") + names.join(QLatin1Char(',')));
    }
    return result.join(QLatin1Char(' ')).toStdString();
}

class MergedShortcuts : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetEditorDialogs(&dialogs);
        ASSERT_TRUE(dir.isValid());
        project = dir.filePath(QStringLiteral("panel.dcp"));
        dialogs.savePath = project;
        window.action(QStringLiteral("actNewProject"))->trigger();
        controller = window.CurrentController();
        ASSERT_NE(controller, nullptr);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        TfrmDialogDesign *design = controller->DesignForm;
        activate(design, design->DsnStage1);
        if (!design->DesignMode())
            QTest::mouseClick(window.btDesign(), Qt::LeftButton);
        ASSERT_TRUE(design->DesignMode());
        // Which command a key ran, told by the action that fired.
        for (QAction *action : window.findChildren<QAction *>())
            QObject::connect(action, &QAction::triggered, &window, [this, action] {
                const bool own = action->parent() == &window;
                ran.append((own ? QStringLiteral("main.") : QStringLiteral("child.")) +
                           action->objectName());
            });
        dialogs.asked.clear();
    }

    void TearDown() override { SetEditorDialogs(nullptr); }

    // The user clicks into `child`. Design mode coming back brings up the
    // inspector, which the offscreen platform activates although it is
    // shown without activation; the click leaves the main window active.
    void activate(QWidget *child, QWidget *focus)
    {
        window.mdiArea()->setActiveSubWindow(subWindowOf(child));
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        focus->setFocus();
        QApplication::processEvents();
    }

    // Presses `key` on the focused widget and reports the commands it ran.
    std::string press(const QKeySequence &key)
    {
        ran.clear();
        QWidget *focus = QApplication::focusWidget();
        EXPECT_NE(focus, nullptr);
        if (focus)
            QTest::keySequence(focus, key);
        QApplication::processEvents();
        return ran.join(QLatin1Char(' ')).toStdString();
    }

    CancellingDialogs dialogs;
    TWorkingFolder dir;
    QString project;
    QuietMain window;
    TLispGeneratorClass *controller = nullptr;
    QStringList ran;
};

TEST_F(MergedShortcuts, EachKeyRunsOneCommandOfTheActiveWindow)
{
    const struct {
        QKeySequence key;
        const char *inEditor;
        const char *inDesign;
    } cases[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_S), "child.Save1", "main.actSaveProject"},
        {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S), "child.SaveAs1", ""},
        {QKeySequence(Qt::CTRL | Qt::Key_N), "main.actNewProject", "main.actNewProject"},
        {QKeySequence(Qt::CTRL | Qt::Key_O), "main.actOpenProject", "main.actOpenProject"},
        {QKeySequence(Qt::CTRL | Qt::Key_L), "main.actNewLispFile", "main.actNewLispFile"},
        {QKeySequence(Qt::CTRL | Qt::Key_C), "main.EditCopy", "main.EditCopy"},
        {QKeySequence(Qt::CTRL | Qt::Key_X), "main.EditCut", "main.EditCut"},
        {QKeySequence(Qt::CTRL | Qt::Key_V), "main.EditPaste", "main.EditPaste"},
        // A fresh design has nothing to undo: there Undo is disabled.
        {QKeySequence(Qt::CTRL | Qt::Key_Z), "main.EditUndo", ""},
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), "main.EditUndo", ""},
        {QKeySequence(Qt::CTRL | Qt::Key_F9), "main.actGenerateCode", "main.actGenerateCode"},
        {QKeySequence(Qt::Key_F7), "child.Check1", "main.actCheckDesign"},
        {QKeySequence(Qt::CTRL | Qt::Key_F6), "main.actNextWindow", "main.actNextWindow"},
    };
    TEditForm *editor = controller->LispEditor;
    TfrmDialogDesign *design = controller->DesignForm;
    const qsizetype windows = window.mdiArea()->subWindowList().size();
    for (const auto &each : cases) {
        const std::string key = each.key.toString().toStdString();
        activate(editor, editor->Editor);
        // Typed and selected text, and text to paste: every edit command can run.
        QTest::keyClicks(editor->Editor, QStringLiteral("ab"));
        editor->Editor->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("cd"));
        EXPECT_EQ(clashes(window), "") << "editor active, " << key;
        EXPECT_EQ(press(each.key), each.inEditor) << "editor active, " << key;
        activate(design, design->DsnStage1);
        EXPECT_EQ(clashes(window), "") << "design active, " << key;
        EXPECT_EQ(press(each.key), each.inDesign) << "design active, " << key;
        // Back to the project's own windows, none of them modified.
        for (QMdiSubWindow *extra : window.mdiArea()->subWindowList().mid(windows))
            delete extra;
        for (TEditForm *each : {controller->LispEditor.data(), controller->DCLEditor.data()})
            each->Editor->SetModified(false);
        design->document()->setModified(false);
    }
}

TEST_F(MergedShortcuts, SaveKeySavesTheEditorInAnEditorAndTheProjectElsewhere)
{
    TEditForm *editor = controller->LispEditor;
    const QString editorFile = dir.filePath(QStringLiteral("free.lsp"));
    editor->SetPathName(editorFile);
    editor->Editor->SetLines({QStringLiteral("(princ)")});
    ASSERT_TRUE(editor->Editor->Modified());
    ASSERT_TRUE(QFile::remove(project));

    activate(editor, editor->Editor);
    press(QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_TRUE(QFile::exists(editorFile));
    EXPECT_FALSE(editor->Editor->Modified());
    EXPECT_FALSE(QFile::exists(project)) << "the project was saved instead of the editor";

    TfrmDialogDesign *design = controller->DesignForm;
    activate(design, design->DsnStage1);
    press(QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_TRUE(QFile::exists(project));
    EXPECT_TRUE(dialogs.asked.isEmpty()) << dialogs.asked.join(QLatin1Char('\n')).toStdString();
}

TEST_F(MergedShortcuts, CopyKeyCopiesTheEditorTextOrTheSelectedTiles)
{
    TEditForm *editor = controller->LispEditor;
    editor->Editor->SetLines({QStringLiteral("(alert \"hi\")")});
    activate(editor, editor->Editor);
    press(QKeySequence(Qt::CTRL | Qt::Key_A));
    QApplication::clipboard()->clear();
    press(QKeySequence(Qt::CTRL | Qt::Key_C));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("(alert \"hi\")\r\n"));

    TfrmDialogDesign *design = controller->DesignForm;
    activate(design, design->DsnStage1);
    design->DsnSelect1->select(design->document()->dialogTile());
    QApplication::clipboard()->clear();
    press(QKeySequence(Qt::CTRL | Qt::Key_C));
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());
    const QMimeData *copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_FALSE(copied->formats().isEmpty());
}

} // namespace
} // namespace tw
