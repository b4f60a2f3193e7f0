#include "AppTestSupport.h"
#include "app/MainWindow.h"
#include "component/PropertyAccess.h"
#include "designer/DsnPanel.h"
#include "designer/DsnRegister.h"
#include "designer/DsnSelection.h"
#include "designer/Inspector.h"
#include "designer/InspectorForm.h"
#include "document/DesignDocument.h"
#include "document/DialogDesign.h"
#include "document/LispGenerator.h"
#include "editors/EditData.h"
#include "editors/EditList.h"
#include "editors/EditorDialogs.h"
#include "tiles/DCLPanel.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>
#include <utility>

namespace tw
{
namespace
{

// Answers the project file dialogs; any question or error fails the test.
class ProjectDialogs : public TEditorDialogs
{
public:
    QString savePath;
    QString openPath;
    // The answers to the questions a test expects, in order.
    QList<QMessageBox::StandardButton> answers;
    QStringList asked;

    QMessageBox::StandardButton Ask(QWidget *, const QString &, const QString &text,
                                    QMessageBox::Icon, QMessageBox::StandardButtons) override
    {
        asked.append(text);
        if (!answers.isEmpty())
            return answers.takeFirst();
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
        return std::exchange(savePath, QString());
    }
    std::optional<QString> OpenFileName(QWidget *, const TFileDialogSettings &) override
    {
        if (openPath.isEmpty())
            return std::nullopt;
        return std::exchange(openPath, QString());
    }
    std::optional<QFont> ChooseFont(QWidget *, const QFont &) override { return std::nullopt; }
};

void replaceText(QWidget *field, const QString &text)
{
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

// The user types into the property editors the main window opens modally.
class TypingMain : public TfrmTilewrightMain
{
public:
    QString function;
    QString code;
    QStringList items;

    int ExecModal(QDialog &dialog) override
    {
        dialog.show();
        if (auto *editList = qobject_cast<TfrmEditList *>(&dialog)) {
            replaceText(editList->edFunc, function);
            replaceText(editList->mmData, code);
            QTest::mouseClick(editList->btAccept, Qt::LeftButton);
        } else if (auto *editData = qobject_cast<TfrmEditdata *>(&dialog)) {
            replaceText(editData->mmData, items.join(QLatin1Char('\r')));
            QTest::mouseClick(editData->btAccept, Qt::LeftButton);
        } else {
            dialog.close();
        }
        return dialog.result();
    }
};

QString readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("<missing %1>").arg(path);
    return QString::fromLatin1(file.readAll());
}

QString lines(std::initializer_list<const char *> text)
{
    QString result;
    for (const char *line : text)
        result += QLatin1String(line) + QStringLiteral("\r\n");
    return result;
}

// A 358 x 286 dialog: tiles docked to its top are 350 pixels (50.0) wide
// inside its 4-pixel border, in the order they were drawn from the top. The
// boxed column, drawn 104 pixels (6.9) high, docks there too; its radio
// buttons fill its 346-pixel (49.4) client width.
const QString kExpectedDcl = lines({
    "demo : dialog { ",
    "    label=\"Demo\";",
    "        : button {",
    "            key        = \"go\" ;",
    "            label      = \"Go\" ;",
    "            width      = 50.0 ;",
    "            height     =  1.6 ;",
    "            is_tab_stop = false ;",
    "        }",
    "        :edit_box {",
    "            key        = \"uname\" ;",
    "            label      = \"Name:\" ;",
    "            value      = \"EditText\" ;",
    "            width      = 50.0 ;",
    "            height     =  1.6 ;",
    "            alignment     = left ;",
    "        }",
    "        : boxed_radio_column {",
    "            key        = \"speed\" ;",
    "            label      = \"Speed\" ;",
    "            alignment     = left ;",
    "            width      = 50.0 ;",
    "            height     =  6.9 ;",
    "            children_alignment = left ;",
    "            : radio_button {",
    "                key        = \"fast\" ;",
    "                label      = \"Fast\" ;",
    "                width      = 49.4 ;",
    "                height     =  1.6 ;",
    "                is_tab_stop = false ;",
    "            }",
    "            : radio_button {",
    "                key        = \"slow\" ;",
    "                label      = \"Slow\" ;",
    "                width      = 49.4 ;",
    "                height     =  1.6 ;",
    "                is_tab_stop = false ;",
    "            }",
    "        }",
    "        :list_box {",
    "            key        = \"items\" ;",
    "            label      = \"Items\" ;",
    "            width      = 50.0 ;",
    "            height     =  2.7 ;",
    "            is_tab_stop = false ;",
    "            list     = \"a\\nb\" ;",
    "        }",
    "ok_cancel_help;",
    "}",
});

const QString kExpectedLisp = lines({
    "(defun c:LoadDialog( / dcl_id)",
    "   (defun init_handler()   ;Initialation_Code",
    "       (action_tile \"go\" \"(OnGoClicked)\")",
    "       (princ)",
    "   );End of Initial Function",
    "   (defun set_data() ;Start Set function",
    "       (if uname (set_tile \"uname\" uname))",
    "       (if pace (set_tile \"speed\" pace))",
    "       (princ)",
    "   );End of Set function",
    "   (defun get_data() ;Start Get function",
    "       (setq uname (get_tile \"uname\" ))",
    "       (setq pace (get_tile \"speed\" ))",
    "       (princ)",
    "   );End of Get function",
    "   (defun OnGoClicked()  ;Start of OnGoClicked()",
    "      (princ \"go\")",
    "   );End of OnGoClicked()",
    "   (if (setq dcl_id (load_dialog \"panel.DCL\"))",
    "       (if (new_dialog \"demo\" dcl_id)",
    "           (progn",
    "              (setq result nil)",
    "              (init_handler)",
    "              (set_data)",
    "              (action_tile \"accept\" \"(get_data)(done_dialog)(setq result T)\")",
    "              (start_dialog)",
    "              (unload_dialog dcl_id)",
    "              result",
    "            )",
    "        )",
    "    )",
    ")",
});

class Workflow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetEditorDialogs(&dialogs);
        ASSERT_TRUE(dir.isValid());
        project = dir.filePath(QStringLiteral("panel.dcp"));
        window.resize(1000, 700);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void TearDown() override { SetEditorDialogs(nullptr); }

    void clickToolButton(const char *action)
    {
        QWidget *button = nullptr;
        for (QToolBar *bar : window.findChildren<QToolBar *>())
            if (QWidget *each = bar->widgetForAction(window.action(QLatin1String(action))))
                button = each;
        ASSERT_NE(button, nullptr) << action;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    TfrmDialogDesign *design() const
    {
        return window.CurrentController() ? window.CurrentController()->DesignForm.data() : nullptr;
    }

    void activateDesign()
    {
        window.mdiArea()->setActiveSubWindow(
            qobject_cast<QMdiSubWindow *>(design()->parentWidget()));
        QApplication::processEvents();
    }

    TDsnButton *paletteButton(const char *geneName)
    {
        for (TDsnButton *button : window.DsnPanel1()->buttons())
            if (button->geneName() == QLatin1String(geneName))
                return button;
        return nullptr;
    }

    // The event loop runs between two actions of the user.
    static void settle()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    // Picks the tile kind from the palette and drags `rect` (in the
    // container's coordinates) on the design window, which the press
    // activates; the new tile is the selection afterwards.
    TControl *draw(const char *geneName, TControl *container, const QRect &rect)
    {
        TDsnButton *button = paletteButton(geneName);
        EXPECT_NE(button, nullptr) << geneName;
        if (!button)
            return nullptr;
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mousePress(container, Qt::LeftButton, {}, rect.topLeft());
        QTest::mouseMove(container, rect.center());
        QTest::mouseMove(container, rect.bottomRight() + QPoint(1, 1));
        QTest::mouseRelease(container, Qt::LeftButton, {}, rect.bottomRight() + QPoint(1, 1));
        settle();
        const QList<TControl *> selected = design()->Dsn8Register1->selection()->items();
        EXPECT_EQ(selected.size(), 1) << geneName;
        TControl *tile = selected.value(0);
        EXPECT_TRUE(tile && tile->parentControl() == container) << geneName;
        return tile;
    }

    // Sizes the design window by its frame, as the user does, so that the
    // dialog tile filling it gets `size`.
    void sizeDialog(const QSize &size)
    {
        auto *frame = qobject_cast<QMdiSubWindow *>(design()->parentWidget());
        ASSERT_NE(frame, nullptr);
        // The new dialog tile fills the window only after the first resize.
        for (int pass = 0; pass < 2; ++pass) {
            frame->resize(frame->size() + size - design()->document()->dialogTile()->size());
            settle();
        }
        ASSERT_EQ(design()->document()->dialogTile()->size(), size);
    }

    void select(TControl *tile)
    {
        QTest::mouseClick(tile, Qt::LeftButton, {}, QPoint(2, 2));
        ASSERT_EQ(design()->Dsn8Register1->selection()->items(), QList<TControl *>{tile});
    }

    int rowOf(const QString &property)
    {
        QTableWidget *grid = inspector()->grid();
        for (int row = 1; row < grid->rowCount(); ++row)
            if (grid->item(row, 0) && grid->item(row, 0)->text() == property)
                return row;
        ADD_FAILURE() << "no inspector row for " << property.toStdString();
        return -1;
    }

    void pressRow(const QString &property)
    {
        inspector()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(inspector()));
        QTableWidget *grid = inspector()->grid();
        const int row = rowOf(property);
        if (row < 0)
            return;
        grid->scrollToItem(grid->item(row, 2));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(row, 2)).center());
    }

    // Types into the inspector's text field and leaves it with Tab.
    void type(const QString &property, const QString &text)
    {
        pressRow(property);
        QLineEdit *field = inspector()->editField();
        ASSERT_TRUE(field->isVisible() && field->isEnabled()) << property.toStdString();
        replaceText(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
    }

    // Picks `choice` in the inspector's drop-down with the arrow keys.
    void choose(const QString &property, const QString &choice)
    {
        pressRow(property);
        QComboBox *combo = inspector()->comboBox();
        ASSERT_TRUE(combo->isVisible()) << property.toStdString();
        const int target = combo->findText(choice);
        ASSERT_GE(target, 0) << choice.toStdString();
        while (combo->currentIndex() < target)
            QTest::keyClick(combo, Qt::Key_Down);
        while (combo->currentIndex() > target)
            QTest::keyClick(combo, Qt::Key_Up);
    }

    void ellipsis(const QString &property)
    {
        pressRow(property);
        QToolButton *button = inspector()->ellipsisButton();
        ASSERT_TRUE(button->isVisible()) << property.toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    }

    TInspectorFm *inspector() const { return design()->DsnInspector1->window(); }

    QString value(TControl *tile, const char *property) const
    {
        QString text;
        GetStrPropByName(tile, QLatin1String(property), text);
        return text;
    }

    ProjectDialogs dialogs;
    TWorkingFolder dir;
    QString project;
    TypingMain window;
};

TEST_F(Workflow, DrawGenerateSaveReopenAndRun)
{
    // A new project, switched into design mode.
    dialogs.savePath = project;
    clickToolButton("actNewProject");
    ASSERT_NE(design(), nullptr);
    activateDesign();
    if (!design()->DesignMode())
        QTest::mouseClick(window.btDesign(), Qt::LeftButton);
    ASSERT_TRUE(design()->DesignMode());
    const QSize dialogSize(358, 286);
    sizeDialog(dialogSize);
    TDCLPanel *dialog = design()->document()->dialogTile();

    select(dialog);
    type(QStringLiteral("DialogName"), QStringLiteral("demo"));
    type(QStringLiteral("DialogCaption"), QStringLiteral("Demo"));

    TControl *button = draw("Dpst_TDCLButton", dialog, QRect(16, 8, 64, 24));
    ASSERT_NE(button, nullptr);
    type(QStringLiteral("Caption"), QStringLiteral("Go"));
    type(QStringLiteral("Key"), QStringLiteral("go"));
    window.function = QStringLiteral("OnGoClicked()");
    window.code = QStringLiteral("(princ \"go\")");
    ellipsis(QStringLiteral("DCL_Action"));
    EXPECT_EQ(value(button, "DCL_Action"), QStringLiteral("OnGoClicked()"));

    TControl *edit = draw("Dpst_TDCLEdit", dialog, QRect(16, 40, 64, 24));
    ASSERT_NE(edit, nullptr);
    type(QStringLiteral("Caption"), QStringLiteral("Name:"));
    type(QStringLiteral("Key"), QStringLiteral("uname"));
    type(QStringLiteral("LinkToVar"), QStringLiteral("uname"));
    choose(QStringLiteral("IsString"), QStringLiteral("True"));

    TControl *cluster = draw("Dpst_TDCLGroupColumn", dialog, QRect(16, 72, 64, 104));
    ASSERT_NE(cluster, nullptr);
    type(QStringLiteral("Caption"), QStringLiteral("Speed"));
    type(QStringLiteral("Key"), QStringLiteral("speed"));
    type(QStringLiteral("LinkToVar"), QStringLiteral("pace"));
    choose(QStringLiteral("IsRadioGroup"), QStringLiteral("True"));
    for (const auto &[caption, top] : {std::pair{"Fast", 24}, std::pair{"Slow", 56}}) {
        TControl *radio = draw("Dpst_TDCLRadio", cluster, QRect(8, top, 48, 24));
        ASSERT_NE(radio, nullptr);
        type(QStringLiteral("Caption"), QLatin1String(caption));
        type(QStringLiteral("Key"), QString::fromLatin1(caption).toLower());
    }

    // Below the boxed column, which docks to the top as every tile drawn on
    // the dialog does.
    TControl *list = draw("Dpst_TDCLListLabel", dialog, QRect(96, 184, 64, 40));
    ASSERT_NE(list, nullptr);
    type(QStringLiteral("Caption"), QStringLiteral("Items"));
    type(QStringLiteral("Key"), QStringLiteral("items"));
    window.items = {QStringLiteral("a"), QStringLiteral("b")};
    ellipsis(QStringLiteral("ListItems"));

    const QString dclFile = dir.filePath(QStringLiteral("panel.DCL"));
    const QString lispFile = dir.filePath(QStringLiteral("panel.lsp"));

    // Generate, save everything, close and open the project again.
    clickToolButton("actGenerateCode");
    clickToolButton("actSaveProject");
    EXPECT_EQ(readFile(dclFile).toStdString(), kExpectedDcl.toStdString());
    EXPECT_EQ(readFile(lispFile).toStdString(), kExpectedLisp.toStdString());
    window.action(QStringLiteral("actCloseProject"))->trigger();
    ASSERT_EQ(window.CurrentController(), nullptr);
    ASSERT_TRUE(QFile::remove(dclFile));
    ASSERT_TRUE(QFile::remove(lispFile));

    dialogs.openPath = project;
    clickToolButton("actOpenProject");
    ASSERT_NE(design(), nullptr);
    activateDesign();
    settle();
    EXPECT_EQ(design()->document()->dialogTile()->size(), dialogSize);
    clickToolButton("actGenerateCode");
    clickToolButton("actSaveProject");
    EXPECT_EQ(readFile(dclFile).toStdString(), kExpectedDcl.toStdString());
    EXPECT_EQ(readFile(lispFile).toStdString(), kExpectedLisp.toStdString());

    // Run mode: the radio buttons of the cluster exclude each other.
    ASSERT_TRUE(design()->DesignMode());
    QTest::mouseClick(window.btDesign(), Qt::LeftButton);
    ASSERT_FALSE(design()->DesignMode());
    QList<TControl *> tiles;
    QList<QAbstractButton *> shown;
    for (const char *key : {"fast", "slow"}) {
        TControl *radio = nullptr;
        for (TControl *each : design()->document()->components())
            if (value(each, "Key") == QLatin1String(key))
                radio = each;
        ASSERT_NE(radio, nullptr) << key;
        tiles.append(radio);
        shown.append(radio->findChild<QAbstractButton *>());
        ASSERT_NE(shown.last(), nullptr) << key;
    }
    QTest::mouseClick(shown[0], Qt::LeftButton);
    EXPECT_TRUE(shown[0]->isChecked());
    EXPECT_FALSE(shown[1]->isChecked());
    QTest::mouseClick(shown[1], Qt::LeftButton);
    EXPECT_FALSE(shown[0]->isChecked());
    EXPECT_TRUE(shown[1]->isChecked());
    EXPECT_FALSE(tiles[0]->property("Value").toBool());
    EXPECT_TRUE(tiles[1]->property("Value").toBool());
}

// The user moves a tile, undoes and redoes it from the keyboard, and is asked
// about the moved design on closing: a move alone is a change worth saving.
TEST_F(Workflow, KeyboardMoveIsUndoneByNameAndAskedAboutOnClose)
{
    dialogs.savePath = project;
    clickToolButton("actNewProject");
    ASSERT_NE(design(), nullptr);
    activateDesign();
    if (!design()->DesignMode())
        QTest::mouseClick(window.btDesign(), Qt::LeftButton);
    TDCLPanel *dialog = design()->document()->dialogTile();
    TControl *first = draw("Dpst_TDCLButton", dialog, QRect(16, 8, 64, 24));
    TControl *second = draw("Dpst_TDCLButton", dialog, QRect(16, 40, 64, 24));
    ASSERT_TRUE(first && second);
    QAction *undo = window.action(QStringLiteral("EditUndo"));
    QAction *redo = window.action(QStringLiteral("EditRedo"));
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo Create DCLButton"));
    EXPECT_TRUE(window.isWindowModified());

    ASSERT_TRUE(design()->document()->save(project));
    EXPECT_FALSE(window.isWindowModified());
    select(first);
    const int top = first->y();
    QTest::keyClick(design()->DsnStage1, Qt::Key_Down);
    EXPECT_GT(first->y(), second->y());
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo Move Tile"));
    EXPECT_TRUE(window.isWindowModified());

    QTest::keyClick(design()->DsnStage1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(first->y(), top);
    EXPECT_EQ(redo->text(), QStringLiteral("&Redo Move Tile"));
    EXPECT_FALSE(window.isWindowModified());
    QTest::keyClick(design()->DsnStage1, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_GT(first->y(), second->y());

    dialogs.answers = {QMessageBox::No};
    window.action(QStringLiteral("actCloseProject"))->trigger();
    EXPECT_EQ(dialogs.asked, QStringList{QStringLiteral("Save change to project's dialog?")});
    EXPECT_EQ(window.CurrentController(), nullptr);
}

} // namespace
} // namespace tw
