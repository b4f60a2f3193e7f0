#include "AppTestSupport.h"
#include "app/HelpWindows.h"
#include "app/MainWindow.h"
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
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace tw
{
namespace
{

class SilentDialogs : public TEditorDialogs
{
public:
    QString savePath;

    QMessageBox::StandardButton Ask(QWidget *, const QString &, const QString &, QMessageBox::Icon,
                                    QMessageBox::StandardButtons) override
    {
        return QMessageBox::No;
    }
    void ShowError(QWidget *, const QString &) override {}
    std::optional<QString> SaveFileName(QWidget *, const TFileDialogSettings &) override
    {
        if (savePath.isEmpty())
            return std::nullopt;
        return savePath;
    }
    std::optional<QString> OpenFileName(QWidget *, const TFileDialogSettings &) override
    {
        return std::nullopt;
    }
    std::optional<QFont> ChooseFont(QWidget *, const QFont &) override { return std::nullopt; }
};

// What a screen reader would call the widget.
QString spokenName(QWidget *widget)
{
    if (!widget->accessibleName().isEmpty())
        return widget->accessibleName();
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

bool reachable(QWidget *widget)
{
    return widget->isVisible() &&
           (widget->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton *>(widget) ||
            qobject_cast<TPaletteButton *>(widget) || isTile(widget));
}

// Every shown widget a user can reach by keyboard or mouse that has no name.
QStringList unnamed(QWidget *top)
{
    QList<QWidget *> widgets = top->findChildren<QWidget *>();
    widgets.prepend(top);
    QStringList result;
    for (QWidget *widget : std::as_const(widgets))
        if (reachable(widget) && spokenName(widget).trimmed().isEmpty())
            result.append(QStringLiteral("%1 %2 in %3")
                              .arg(QLatin1String(widget->metaObject()->className()),
                                   widget->objectName(),
                                   widget->parentWidget() ? widget->parentWidget()->objectName()
                                                          : QString()));
    return result;
}

class Accessibility : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetEditorDialogs(&dialogs);
        ASSERT_TRUE(dir.isValid());
        dialogs.savePath = dir.filePath(QStringLiteral("names.dcp"));
        window.action(QStringLiteral("actNewProject"))->trigger();
        dialogs.savePath.clear();
        ASSERT_NE(window.CurrentController(), nullptr);
        design = window.CurrentController()->DesignForm;
        window.resize(1000, 700);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(design->parentWidget()));
        if (!design->DesignMode())
            QTest::mouseClick(window.btDesign(), Qt::LeftButton);
        ASSERT_TRUE(design->DesignMode());
    }

    void TearDown() override { SetEditorDialogs(nullptr); }

    // Draws a tile from the palette below the tiles already on the dialog.
    TControl *draw(const QString &hint)
    {
        TDsnButton *button = nullptr;
        for (TDsnButton *each : window.DsnPanel1()->buttons())
            if (each->toolTip() == hint)
                button = each;
        EXPECT_NE(button, nullptr) << hint.toStdString();
        if (!button)
            return nullptr;
        QTest::mouseClick(button, Qt::LeftButton);
        TDCLPanel *dialog = design->document()->dialogTile();
        int top = 8;
        for (TControl *child : dialog->childControls())
            if (child->isVisible() && child->owner() == design->document())
                top = std::max(top, child->geometry().bottom() + 9);
        top = (top + 7) / 8 * 8;
        QTest::mousePress(dialog, Qt::LeftButton, {}, QPoint(16, top));
        QTest::mouseMove(dialog, QPoint(40, top + 16));
        QTest::mouseRelease(dialog, Qt::LeftButton, {}, QPoint(40, top + 16));
        return design->Dsn8Register1->selection()->items().value(0);
    }

    SilentDialogs dialogs;
    QTemporaryDir dir;
    QuietMain window;
    TfrmDialogDesign *design = nullptr;
};

TEST_F(Accessibility, EveryReachableWidgetOfEveryWindowHasAName)
{
    QList<TControl *> tiles;
    for (const char *hint : {"Button", "Edit box", "Toggle", "Radio button", "List box"})
        tiles.append(draw(QLatin1String(hint)));
    ASSERT_FALSE(tiles.contains(nullptr));

    TfrmHelp help;
    help.show();
    auto *about = new TfrmAbout;
    about->show();
    design->CodeEditor()->show();
    design->ItemEditor()->show();
    TInspectorFm *inspector = design->DsnInspector1->window();
    ASSERT_NE(inspector, nullptr);
    ASSERT_TRUE(inspector->isVisible());

    const QList<QWidget *> windows = {
        &window, inspector, &help, about, design->CodeEditor(), design->ItemEditor()};
    for (QWidget *top : windows)
        EXPECT_EQ(unnamed(top), QStringList()) << top->objectName().toStdString();

    // The names say what each control is for.
    for (TDsnButton *button : window.DsnPanel1()->buttons())
        EXPECT_EQ(button->accessibleName(), button->toolTip()) << button->geneName().toStdString();
    for (QToolBar *bar : window.findChildren<QToolBar *>())
        for (QAction *action : bar->actions()) {
            auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(action));
            if (button && button->defaultAction() == action) {
                EXPECT_EQ(spokenName(button), QString(action->text()).remove(QLatin1Char('&')))
                    << action->objectName().toStdString();
            }
        }
    for (TControl *tile : tiles)
        EXPECT_EQ(tile->accessibleName(), tile->name());

    // The inspector's field is named after the property it edits.
    QTableWidget *grid = inspector->grid();
    for (int row = 1; row < grid->rowCount(); ++row) {
        if (grid->item(row, 0)->text() != QLatin1String("Key"))
            continue;
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(row, 2)).center());
        EXPECT_EQ(inspector->editField()->accessibleName(), QStringLiteral("Key"));
    }
    about->close();
}

} // namespace
} // namespace tw
