#include "AppTestSupport.h"
#include "app/MainWindow.h"
#include "component/ClassRegistry.h"
#include "designer/DsnRegister.h"
#include "designer/DsnSelection.h"
#include "designer/Inspector.h"
#include "document/DesignDocument.h"
#include "document/DialogDesign.h"
#include "document/LispGenerator.h"
#include "editctl/SynEdit.h"
#include "editors/EditForm.h"
#include "editors/EditorDialogs.h"
#include "editors/ProblemsPanel.h"
#include "tiles/DCLPanel.h"

#include <QAction>
#include <QMdiArea>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

// Saves the new project to `savePath`; nothing else may be asked.
class SaveTo : public TEditorDialogs
{
public:
    QString savePath;
    QMessageBox::StandardButton Ask(QWidget *, const QString &, const QString &text,
                                    QMessageBox::Icon, QMessageBox::StandardButtons) override
    {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return QMessageBox::Cancel;
    }
    void ShowError(QWidget *, const QString &text) override
    {
        ADD_FAILURE() << "unexpected error: " << text.toStdString();
    }
    std::optional<QString> SaveFileName(QWidget *, const TFileDialogSettings &) override
    {
        return savePath;
    }
    std::optional<QString> OpenFileName(QWidget *, const TFileDialogSettings &) override
    {
        ADD_FAILURE() << "unexpected open dialog";
        return std::nullopt;
    }
    std::optional<QFont> ChooseFont(QWidget *, const QFont &) override { return std::nullopt; }
};

class CheckDesignCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetEditorDialogs(&dialogs);
        dialogs.savePath = dir.filePath(QStringLiteral("checked.dcp"));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.action(QStringLiteral("actNewProject"))->trigger();
        design = window.CurrentController()->DesignForm;
        ASSERT_NE(design, nullptr);
    }
    void TearDown() override { SetEditorDialogs(nullptr); }

    TControl *button(const QString &key, int top)
    {
        TControl *tile =
            ClassRegistry::instance().create(QStringLiteral("TDCLButton"), design->document());
        tile->setParentControl(design->document()->dialogTile());
        tile->setTop(top);
        tile->setProperty("Key", key);
        return tile;
    }

    SaveTo dialogs;
    QTemporaryDir dir;
    QuietMain window;
    TfrmDialogDesign *design = nullptr;
};

TEST_F(CheckDesignCommand, ChoosingAProblemSelectsItsTileAndShowsItInTheInspector)
{
    button(QStringLiteral("go"), 10);
    TControl *second = button(QStringLiteral("go"), 50);
    design->Dsn8Register1->SetDesignMode(false);
    TProblemsPanel *panel = window.ProblemsPanel();
    ASSERT_TRUE(panel->isHidden());

    window.InDesignFocus();
    QAction *check = window.action(QStringLiteral("actCheckDesign"));
    check->trigger();
    EXPECT_FALSE(panel->isHidden());
    ASSERT_EQ(panel->Problems(design->document()->dialogTile()).size(), 1);
    QTreeWidget *list = panel->List();
    ASSERT_EQ(list->topLevelItemCount(), 1);
    ASSERT_EQ(list->topLevelItem(0)->childCount(), 1);
    QTreeWidgetItem *item = list->topLevelItem(0)->child(0);
    EXPECT_EQ(item->text(0), QStringLiteral("warning"));
    EXPECT_EQ(item->text(2), second->name());

    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    EXPECT_TRUE(design->DesignMode());
    EXPECT_TRUE(window.btDesign()->isChecked());
    ASSERT_NE(design->Dsn8Register1->selection(), nullptr);
    EXPECT_EQ(design->Dsn8Register1->selection()->items(), QList<TControl *>{second});
    EXPECT_EQ(design->DsnInspector1->model()->components(), QList<QObject *>{second});

    // Mended, the design checks clean and the chosen problem is gone.
    second->setProperty("Key", QStringLiteral("stop"));
    check->trigger();
    EXPECT_TRUE(panel->Problems(design->document()->dialogTile()).isEmpty());
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->childCount(), 0);
    EXPECT_TRUE(list->topLevelItem(0)->text(0).endsWith(QStringLiteral("checks clean")));
}

TEST_F(CheckDesignCommand, GenerateCodeShowsThePanelOnlyWhenTheCheckFindsSomethingAndStillGenerates)
{
    TProblemsPanel *panel = window.ProblemsPanel();
    window.InDesignFocus();
    QAction *generate = window.action(QStringLiteral("actGenerateCode"));
    generate->trigger();
    EXPECT_TRUE(panel->isHidden());

    button(QStringLiteral("my key"), 10);
    generate->trigger();
    EXPECT_FALSE(panel->isHidden());
    ASSERT_EQ(panel->Problems(design->document()->dialogTile()).size(), 1);
    EXPECT_EQ(panel->Problems(design->document()->dialogTile()).front().rule,
              QStringLiteral("key-format"));
    const QStringList dcl = window.CurrentController()->DCLEditor->Editor->Lines();
    EXPECT_TRUE(dcl.join(QLatin1Char('\n')).contains(QStringLiteral("\"my key\"")));
}

struct EditorCase {
    const char *name;
    bool lisp;
    // The project's own editor, minimised, which a close only minimises again.
    bool project;
    const char *text;
    // Where the problem is, from 0.
    int line;
    int column;
};

TEST_F(CheckDesignCommand, EditorProblemsShareThePanelWithTheDesignsAndChoosingOneGoesThere)
{
    button(QStringLiteral("go"), 10);
    button(QStringLiteral("go"), 50);
    window.InDesignFocus();
    window.action(QStringLiteral("actCheckDesign"))->trigger();
    TProblemsPanel *panel = window.ProblemsPanel();
    QTreeWidget *list = panel->List();
    ASSERT_EQ(list->topLevelItemCount(), 1);
    QMdiArea *area = subWindowOf(design)->mdiArea();

    const char *dcl = "d : dialog {\n  : text { label = Hi; }\n  ok_cancel;\n}\n";
    const EditorCase cases[] = {
        {"DCL editor", false, false, dcl, 1, 19},
        {"AutoLISP editor", true, false, "(princ)\n(defun c:go ()\n", 1, 0},
        {"project DCL editor", false, true, dcl, 1, 19},
    };
    for (const EditorCase &c : cases) {
        SCOPED_TRACE(c.name);
        QPointer<TEditForm> editor =
            c.project ? window.CurrentController()->DCLEditor.data() : window.NewEditor(c.lisp);
        ASSERT_NE(editor, nullptr);
        editor->Editor->setText(QString::fromUtf8(c.text));
        editor->Check1->trigger();
        ASSERT_EQ(panel->Problems(editor).size(), 1);
        ASSERT_EQ(list->topLevelItemCount(), 2);
        EXPECT_EQ(panel->Problems(design->document()->dialogTile()).size(), 1);
        QTreeWidgetItem *heading = list->topLevelItem(1);
        EXPECT_TRUE(heading->text(0).startsWith(editor->windowTitle()))
            << heading->text(0).toStdString();
        EXPECT_EQ(heading->child(0)->text(2),
                  QStringLiteral("Untitled:%1:%2").arg(c.line + 1).arg(c.column + 1));

        // From the design window, choosing the entry brings the editor forward at the problem.
        if (c.project)
            subWindowOf(editor)->showMinimized();
        area->setActiveSubWindow(subWindowOf(design));
        editor->Editor->setCursorPosition(0, 0);
        QTreeWidgetItem *item = heading->child(0);
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
        EXPECT_EQ(area->activeSubWindow(), subWindowOf(editor));
        EXPECT_FALSE(subWindowOf(editor)->isMinimized());
        int line = -1;
        int column = -1;
        editor->Editor->getCursorPosition(&line, &column);
        EXPECT_EQ(line, c.line);
        EXPECT_EQ(column, c.column);

        // Checking the design again leaves the editor's entries.
        window.action(QStringLiteral("actCheckDesign"))->trigger();
        EXPECT_EQ(panel->Problems(editor).size(), 1);

        // Closed, a file's editor takes its entries along; the project's only hides.
        editor->Editor->SetModified(false);
        subWindowOf(editor)->close();
        if (!c.project) {
            EXPECT_TRUE(QTest::qWaitFor([&editor] { return editor.isNull(); }));
        }
        ASSERT_EQ(list->topLevelItemCount(), c.project ? 2 : 1);
        EXPECT_EQ(panel->Problems(design->document()->dialogTile()).size(), 1);
    }
}

} // namespace
} // namespace tw
