#include "AppTestSupport.h"
#include "app/MainWindow.h"
#include "component/ClassRegistry.h"
#include "designer/DsnRegister.h"
#include "designer/DsnSelection.h"
#include "designer/Inspector.h"
#include "designer/ProblemsPanel.h"
#include "document/DesignDocument.h"
#include "document/DialogDesign.h"
#include "document/LispGenerator.h"
#include "editctl/SynEdit.h"
#include "editors/EditForm.h"
#include "editors/EditorDialogs.h"
#include "tiles/DCLPanel.h"

#include <QAction>
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
    ASSERT_EQ(panel->Problems().size(), 1);
    QTreeWidget *list = panel->List();
    ASSERT_EQ(list->topLevelItemCount(), 1);
    QTreeWidgetItem *item = list->topLevelItem(0);
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
    EXPECT_TRUE(panel->Problems().isEmpty());
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(1), QStringLiteral("The design checks clean."));
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
    ASSERT_EQ(panel->Problems().size(), 1);
    EXPECT_EQ(panel->Problems().front().rule, QStringLiteral("key-format"));
    const QStringList dcl = window.CurrentController()->DCLEditor->Editor->Lines();
    EXPECT_TRUE(dcl.join(QLatin1Char('\n')).contains(QStringLiteral("\"my key\"")));
}

} // namespace
} // namespace tw
