// What a user meets when driving the program: the faults found by using it
// and the comforts expected of a desktop designer.
#include "AppTestSupport.h"
#include "app/DesignStatus.h"
#include "app/MainWindow.h"
#include "app/RecentProjects.h"
#include "component/ClassRegistry.h"
#include "component/ComponentStreaming.h"
#include "component/PropertyAccess.h"
#include "designer/DsnPanel.h"
#include "designer/DsnRegister.h"
#include "designer/DsnSelect.h"
#include "designer/DsnSelection.h"
#include "designer/Inspector.h"
#include "designer/InspectorForm.h"
#include "document/DesignDocument.h"
#include "document/DialogDesign.h"
#include "document/LispGenerator.h"
#include "editors/EditForm.h"
#include "editors/EditorDialogs.h"
#include "format/ProjectFile.h"
#include "tiles/DCLPanel.h"
#include "tiles/TileRegistry.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSettings>
#include <QStyle>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

// Answers every question and file dialog from a script, and records them.
class AnsweringDialogs : public TEditorDialogs
{
public:
    QStringList questions;
    QStringList errors;
    QMessageBox::StandardButton answer = QMessageBox::No;
    QString savePath;
    QString openPath;
    QList<int> filterIndexes;
    int chooseFilter = -1;

    QMessageBox::StandardButton Ask(QWidget *, const QString &, const QString &text,
                                    QMessageBox::Icon, QMessageBox::StandardButtons) override
    {
        questions.append(text);
        return answer;
    }
    void ShowError(QWidget *, const QString &text) override { errors.append(text); }
    std::optional<QString> SaveFileName(QWidget *, const TFileDialogSettings &) override
    {
        if (savePath.isEmpty())
            return std::nullopt;
        return std::exchange(savePath, QString());
    }
    std::optional<QString> OpenFileName(QWidget *, const TFileDialogSettings &settings) override
    {
        if (settings.FilterIndex) {
            filterIndexes.append(*settings.FilterIndex);
            if (chooseFilter >= 0)
                *settings.FilterIndex = chooseFilter;
        }
        if (openPath.isEmpty())
            return std::nullopt;
        return std::exchange(openPath, QString());
    }
    std::optional<QFont> ChooseFont(QWidget *, const QFont &) override { return std::nullopt; }
};

class UserMeets : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The test run's own settings, as earlier tests of the run left them.
        QSettings settings(QStringLiteral("Orvane"), QStringLiteral("Tilewright"));
        settings.remove(QStringLiteral("RecentProjects"));
        settings.remove(QStringLiteral("Inspector"));
        SetEditorDialogs(&dialogs);
        ASSERT_TRUE(dir.isValid());
        window.resize(1000, 700);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void TearDown() override
    {
        // Whatever a test left open goes without questions.
        dialogs.answer = QMessageBox::No;
        window.close();
        SetEditorDialogs(nullptr);
    }

    static void settle()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    void newProject(const QString &name = QStringLiteral("panel.dcp"))
    {
        dialogs.savePath = dir.filePath(name);
        window.action(QStringLiteral("actNewProject"))->trigger();
        settle();
    }

    TfrmDialogDesign *design() const
    {
        return window.CurrentController() ? window.CurrentController()->DesignForm.data() : nullptr;
    }
    QMdiSubWindow *frameOf(QWidget *child) const { return subWindowOf(child); }
    QAction *action(const char *name) const { return window.action(QLatin1String(name)); }

    TDsnButton *paletteButton(const QString &caption)
    {
        for (TDsnButton *button : window.DsnPanel1()->buttons())
            if (button->caption() == caption)
                return button;
        ADD_FAILURE() << "no palette button " << caption.toStdString();
        return nullptr;
    }

    // Picks the kind from the palette and drags `rect` in the container.
    TControl *draw(const QString &kind, TControl *container, const QRect &rect)
    {
        TDsnButton *button = paletteButton(kind);
        if (!button)
            return nullptr;
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mousePress(container, Qt::LeftButton, {}, rect.topLeft());
        QTest::mouseMove(container, rect.bottomRight() + QPoint(1, 1));
        QTest::mouseRelease(container, Qt::LeftButton, {}, rect.bottomRight() + QPoint(1, 1));
        settle();
        return design()->Dsn8Register1->selection()->items().value(0);
    }

    TInspectorFm *inspector() const { return design()->DsnInspector1->window(); }

    int rowOf(const QString &property) const
    {
        QTableWidget *grid = inspector()->grid();
        for (int row = 1; row < grid->rowCount(); ++row)
            if (grid->item(row, 0) && grid->item(row, 0)->text() == property)
                return row;
        return -1;
    }

    void pressRow(const QString &property)
    {
        QTableWidget *grid = inspector()->grid();
        const int row = rowOf(property);
        ASSERT_GE(row, 1) << property.toStdString();
        grid->scrollToItem(grid->item(row, 2));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(row, 2)).center());
    }

    AnsweringDialogs dialogs;
    TWorkingFolder dir;
    QuietMain window;
};

// ---- faults ------------------------------------------------------------------

TEST_F(UserMeets, OpenSourceFileOffersTheFilterTheUserLastChose)
{
    dialogs.chooseFilter = 2;
    window.action(QStringLiteral("actOpenSourceFile"))->trigger();
    dialogs.chooseFilter = -1;
    window.action(QStringLiteral("actOpenSourceFile"))->trigger();
    EXPECT_EQ(dialogs.filterIndexes, (QList<int>{0, 2}));
}

// Which edit commands are enabled: Undo, Redo, Cut, Copy, Paste.
QString editState(const TfrmTilewrightMain &window)
{
    QString state;
    for (const char *name : {"EditUndo", "EditRedo", "EditCut", "EditCopy", "EditPaste"})
        state +=
            window.action(QLatin1String(name))->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return state;
}

TEST_F(UserMeets, EditCommandsFollowTheActiveEditorAtAllTimes)
{
    QApplication::clipboard()->clear();
    EXPECT_EQ(editState(window), QStringLiteral("00000"));
    window.action(QStringLiteral("actNewLispFile"))->trigger();
    settle();
    TEditForm *editor = window.activeEditor();
    ASSERT_NE(editor, nullptr);
    TSynEdit *text = editor->Editor;
    const struct {
        const char *step;
        std::function<void()> act;
        const char *expected;
    } steps[] = {
        {"empty editor", [] {}, "00000"},
        {"typing", [&] { QTest::keyClicks(text, QStringLiteral("(princ)")); }, "10000"},
        {"selecting", [&] { text->selectAll(); }, "10110"},
        {"copying", [&] { action("EditCopy")->trigger(); }, "10111"},
        {"unselecting", [&] { text->selectAll(false); }, "10001"},
        {"undoing all",
         [&] {
             for (int step = 0; step < 16 && text->CanUndo(); ++step)
                 action("EditUndo")->trigger();
         },
         "01001"},
        {"redoing", [&] { action("EditRedo")->trigger(); }, "10001"},
        {"clipboard emptied", [] { QApplication::clipboard()->clear(); }, "10000"},
    };
    for (const auto &step : steps) {
        step.act();
        EXPECT_EQ(editState(window), QLatin1String(step.expected)) << step.step;
    }
    // With no window left there is nothing to act on.
    text->SetModified(false);
    window.mdiArea()->closeAllSubWindows();
    settle();
    EXPECT_EQ(editState(window), QStringLiteral("00000"));
}

// Closing the window asks what Exit asks, and a cancelled question closes nothing.
TEST_F(UserMeets, ClosingTheWindowAsksWhatExitAsksAndClosesNothingUntilAllMayEnd)
{
    for (const bool byExit : {false, true}) {
        SCOPED_TRACE(byExit ? "Exit" : "closing the window");
        window.show();
        newProject();
        ASSERT_NE(design(), nullptr);
        draw(QStringLiteral("Button"), design()->document()->dialogTile(), QRect(16, 8, 64, 24));
        ASSERT_TRUE(design()->document()->isModified());
        TEditForm *free = window.NewEditor(true);
        QTest::keyClicks(free->Editor, QStringLiteral("(princ)"));
        const QPointer<TEditForm> kept(free);
        const QString freeName = free->PathName();

        dialogs.questions.clear();
        dialogs.answer = QMessageBox::Cancel;
        if (byExit)
            action("actQuit")->trigger();
        else
            window.close();
        settle();
        EXPECT_EQ(dialogs.questions, QStringList{"Save change to project's dialog?"});
        EXPECT_TRUE(window.isVisible());
        EXPECT_NE(window.CurrentController(), nullptr);
        EXPECT_FALSE(kept.isNull());

        dialogs.questions.clear();
        dialogs.answer = QMessageBox::No;
        if (byExit)
            action("actQuit")->trigger();
        else
            window.close();
        settle();
        EXPECT_EQ(dialogs.questions,
                  (QStringList{"Save change to project's dialog?",
                               QStringLiteral("Save changes to %1?").arg(freeName)}));
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(window.CurrentController(), nullptr);
        EXPECT_TRUE(window.mdiArea()->subWindowList().isEmpty());
    }
}

TEST_F(UserMeets, TheDesignFrameOffersNoMaximiseThatWouldResizeTheDialog)
{
    newProject();
    QMdiSubWindow *frame = frameOf(design());
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(frame->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    const QSize before = frame->size();
    const int title = frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, frame);
    QTest::mouseDClick(frame, Qt::LeftButton, {}, QPoint(frame->width() / 2, title / 2));
    settle();
    EXPECT_FALSE(frame->isMaximized());
    EXPECT_EQ(frame->size(), before);
    EXPECT_NE(design()->document()->dialogTile()->dialogWidth(),
              window.mdiArea()->viewport()->width());
    // Nor is it maximised by coming after a maximised editor.
    frameOf(window.CurrentController()->LispEditor)->showMaximized();
    window.mdiArea()->setActiveSubWindow(frame);
    settle();
    EXPECT_FALSE(frame->isMaximized());
    EXPECT_EQ(frame->size(), before);
    EXPECT_NE(design()->document()->dialogTile()->dialogWidth(),
              window.mdiArea()->viewport()->width());
}

TEST_F(UserMeets, NextWindowActivatesEveryChildInTurnInBothModes)
{
    newProject();
    ASSERT_TRUE(design()->DesignMode());
    TLispGeneratorClass *project = window.CurrentController();
    const QList<QWidget *> children = {project->LispEditor, project->DCLEditor, design()};
    for (const bool designing : {true, false}) {
        SCOPED_TRACE(designing ? "design mode" : "run mode");
        if (design()->DesignMode() != designing) {
            window.mdiArea()->setActiveSubWindow(frameOf(design()));
            QTest::mouseClick(window.btDesign(), Qt::LeftButton);
            settle();
        }
        QList<QWidget *> reached;
        for (int press = 0; press < 6; ++press) {
            window.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
            QTest::keyClick(&window, Qt::Key_F6, Qt::ControlModifier);
            settle();
            QMdiSubWindow *active = window.mdiArea()->activeSubWindow();
            ASSERT_NE(active, nullptr);
            reached.append(active->widget());
            EXPECT_TRUE(active->isVisible());
            // Typing goes to the editor that looks active.
            if (auto *editor = qobject_cast<TEditForm *>(active->widget())) {
                EXPECT_TRUE(editor->Editor->hasFocus()) << "press " << press;
                const QString before = editor->Editor->text();
                QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("x"));
                EXPECT_EQ(editor->Editor->text(), before + QStringLiteral("x"));
                editor->Editor->undo();
            }
        }
        for (QWidget *child : children)
            EXPECT_EQ(reached.count(child), 2) << child->objectName().toStdString();
        // The inspector stays with design mode.
        window.mdiArea()->setActiveSubWindow(frameOf(design()));
        settle();
        TInspectorFm *shown = design()->DsnInspector1->window();
        EXPECT_EQ(shown && shown->isVisible(), designing);
    }
}

// Drawn from the palette, a cluster starts enabled and docks as its container
// says; a tile drawn below it comes after it.
TEST_F(UserMeets, NewClustersAreEnabledAndDockAsTheirContainerSays)
{
    newProject();
    for (int pass = 0; pass < 2; ++pass) {
        frameOf(design())->resize(700, 640);
        settle();
    }
    TDCLPanel *dialog = design()->document()->dialogTile();
    TControl *column = draw(QStringLiteral("Column"), dialog, QRect(8, 8, 200, 120));
    TControl *row = draw(QStringLiteral("Row"), dialog, QRect(8, 136, 200, 56));
    ASSERT_TRUE(column && row);
    const struct {
        const char *kind;
        TControl *container;
        TAlign align;
    } cases[] = {
        {"Boxed row", dialog, alTop}, {"Boxed column", dialog, alTop}, {"Row", dialog, alTop},
        {"Column", dialog, alTop},    {"Boxed column", column, alTop}, {"Column", column, alTop},
        {"Boxed row", row, alLeft},   {"Column", row, alLeft},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " in " + c.container->name().toStdString());
        QRect place(8, 8, 48, 40);
        for (TControl *child : c.container->childControls())
            if (child->owner() != design()->document())
                continue;
            else if (c.align == alTop)
                place.moveTop(std::max(place.top(), child->geometry().bottom() + 8));
            else
                place.moveLeft(std::max(place.left(), child->geometry().right() + 8));
        TControl *tile = draw(QLatin1String(c.kind), c.container, place);
        ASSERT_NE(tile, nullptr);
        EXPECT_EQ(tile->align(), c.align);
        EXPECT_TRUE(tile->enabledProp());
        // Every tile drawn before it stays before it.
        const QList<TControl *> siblings = c.container->childControls();
        for (TControl *sibling : siblings) {
            if (sibling != tile && sibling->owner() == design()->document()) {
                EXPECT_TRUE(c.align == alTop ? sibling->y() < tile->y() : sibling->x() < tile->x())
                    << sibling->name().toStdString();
            }
        }
    }
}

// Every string property a tile's constructor fills, emptied by the user,
// comes back empty from the project file.
TEST_F(UserMeets, EmptiedStringsComeBackEmptyAfterSaveAndReopen)
{
    registerTileClasses();
    TOwner owner;
    auto *dialog = static_cast<TDCLPanel *>(
        ClassRegistry::instance().create(QStringLiteral("TDCLPanel"), &owner));
    dialog->setName(QStringLiteral("DCLPanelBasic"));
    QHash<QString, QHash<QString, QString>> expected;
    int emptied = 0;
    for (const QString &kind : ClassRegistry::instance().classNames()) {
        if (!kind.startsWith(QLatin1String("TDCL")))
            continue;
        TControl *tile = kind == QLatin1String("TDCLPanel")
                             ? dialog
                             : ClassRegistry::instance().create(kind, &owner);
        if (tile != dialog) {
            tile->setName(owner.freeName(kind));
            tile->setParentControl(dialog);
        }
        for (const QMetaProperty &property : publishedProperties(tile->metaObject())) {
            if (property.metaType() != QMetaType::fromType<QString>() || !property.isStored() ||
                property.read(tile).toString().isEmpty() ||
                QLatin1String(property.name()) == QLatin1String("Name"))
                continue;
            property.write(tile, QString());
            emptied += property.read(tile).toString().isEmpty();
            expected[tile->name()][QLatin1String(property.name())] = property.read(tile).toString();
        }
    }
    ASSERT_GT(emptied, 10);
    const QString file = dir.filePath(QStringLiteral("emptied.dcp"));
    SaveProjectFile(file, {writeComponent(dialog, &owner)});
    TOwner reopened;
    const QList<TControl *> read = readComponents(LoadProjectFile(file), &reopened, nullptr);
    ASSERT_EQ(read.size(), 1);
    for (auto tile = expected.cbegin(); tile != expected.cend(); ++tile) {
        TControl *back = reopened.findComponent(tile.key());
        ASSERT_NE(back, nullptr) << tile.key().toStdString();
        for (auto property = tile->cbegin(); property != tile->cend(); ++property) {
            const QString value = back->property(property.key().toLatin1()).toString();
            // A tile gives an empty key its name when it is sized, as on loading.
            const bool filledKey = property.key() == QLatin1String("Key") && value == back->name();
            EXPECT_TRUE(value == property.value() || filledKey)
                << tile.key().toStdString() << "." << property.key().toStdString() << " is "
                << value.toStdString();
        }
    }
}

// ---- comforts ----------------------------------------------------------------

TEST_F(UserMeets, ANewProjectOpensInDesignModeReadyToDraw)
{
    newProject();
    ASSERT_NE(design(), nullptr);
    EXPECT_TRUE(design()->DesignMode());
    EXPECT_TRUE(window.btDesign()->isChecked());
    EXPECT_EQ(window.mdiArea()->activeSubWindow(), frameOf(design()));
    for (TDsnButton *button : window.DsnPanel1()->buttons())
        EXPECT_TRUE(button->isEnabled()) << button->caption().toStdString();
    EXPECT_NE(
        draw(QStringLiteral("Button"), design()->document()->dialogTile(), QRect(16, 8, 64, 24)),
        nullptr);
}

TEST_F(UserMeets, TitleAndStatusBarTellTheProjectModeAndSelection)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tilewright"));
    newProject();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("panel.dcp[*] - Tilewright"));
    EXPECT_FALSE(window.isWindowModified());
    QLabel *mode = window.designStatus()->modeLabel();
    QLabel *selection = window.designStatus()->selectionLabel();
    EXPECT_EQ(mode->text(), QStringLiteral("Design mode"));

    TControl *button =
        draw(QStringLiteral("Button"), design()->document()->dialogTile(), QRect(16, 8, 64, 24));
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(window.isWindowModified());
    const QRect at = button->geometry();
    EXPECT_EQ(selection->text(), QStringLiteral("Button %1   Left %2, Top %3   Width %4, Height %5")
                                     .arg(button->name())
                                     .arg(at.x())
                                     .arg(at.y())
                                     .arg(at.width())
                                     .arg(at.height()));
    button->setBounds(at.x(), at.y(), at.width(), at.height() + 8);
    EXPECT_TRUE(selection->text().endsWith(QStringLiteral("Height %1").arg(at.height() + 8)));
    design()->Dsn8Register1->selection()->add(design()->document()->dialogTile());
    design()->Dsn8Register1->selection()->update();
    EXPECT_EQ(selection->text(), QStringLiteral("2 tiles selected"));

    action("actSaveDialog")->trigger();
    EXPECT_FALSE(window.isWindowModified());
    QTest::mouseClick(window.btDesign(), Qt::LeftButton);
    EXPECT_EQ(mode->text(), QStringLiteral("Run mode"));
    EXPECT_EQ(selection->text(), QString());
    action("actCloseProject")->trigger();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tilewright"));
    EXPECT_EQ(mode->text(), QString());
}

TEST_F(UserMeets, RecentProjectsListTheLastEightAndDropMissingOnes)
{
    QStringList made;
    for (int i = 1; i <= 9; ++i) {
        made.prepend(dir.filePath(QStringLiteral("p%1.dcp").arg(i)));
        newProject(QStringLiteral("p%1.dcp").arg(i));
    }
    action("actCloseProject")->trigger();
    EXPECT_EQ(TRecentProjects::list(), made.mid(0, 8));
    QList<QAction *> entries = window.recentMenu()->actions();
    ASSERT_EQ(entries.size(), 8);
    EXPECT_TRUE(entries.first()->text().endsWith(QDir::toNativeSeparators(made.first())));

    // Chosen, an entry opens its project and goes to the top.
    entries[3]->trigger();
    settle();
    ASSERT_NE(window.CurrentController(), nullptr);
    EXPECT_EQ(window.CurrentController()->ProjectFile, made[3]);
    EXPECT_EQ(TRecentProjects::list().first(), made[3]);
    EXPECT_TRUE(dialogs.errors.isEmpty());

    // A file gone missing is reported and dropped; the open project stays.
    QFile::remove(made[5]);
    window.recentMenu()->actions().at(5)->trigger();
    settle();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.first().contains(QDir::toNativeSeparators(made[5])));
    EXPECT_FALSE(TRecentProjects::list().contains(made[5]));
    EXPECT_EQ(window.recentMenu()->actions().size(), 7);
    EXPECT_EQ(window.CurrentController()->ProjectFile, made[3]);
}

TEST_F(UserMeets, TheInspectorShowsWholeNamesKeepsItsPlaceAndHighlightsTheEditedRow)
{
    newProject();
    TControl *button =
        draw(QStringLiteral("Button"), design()->document()->dialogTile(), QRect(16, 8, 64, 24));
    ASSERT_NE(button, nullptr);
    TInspectorFm *shown = inspector();
    ASSERT_NE(shown, nullptr);
    QTableWidget *grid = shown->grid();
    const QFontMetrics metrics(grid->font());
    for (int row = 1; row < grid->rowCount(); ++row)
        EXPECT_GT(grid->columnWidth(1), metrics.horizontalAdvance(grid->item(row, 1)->text()))
            << grid->item(row, 1)->text().toStdString();

    // The highlighted row is the edited one, also when another tile brings other rows.
    pressRow(QStringLiteral("Key"));
    EXPECT_EQ(grid->currentRow(), rowOf(QStringLiteral("Key")));
    design()->DsnSelect1->select(design()->document()->dialogTile());
    settle();
    ASSERT_GE(rowOf(QStringLiteral("DialogName")), 1);
    pressRow(QStringLiteral("DialogName"));
    TControl *edit =
        draw(QStringLiteral("Edit box"), design()->document()->dialogTile(), QRect(16, 48, 64, 24));
    ASSERT_NE(edit, nullptr);
    pressRow(QStringLiteral("Key"));
    design()->DsnSelect1->select(button);
    settle();
    EXPECT_EQ(grid->currentRow(), rowOf(QStringLiteral("Key")));
    EXPECT_TRUE(grid->selectionModel()->isRowSelected(rowOf(QStringLiteral("Key")), {}));

    // Moved and sized by the user, it comes back there with design mode and
    // in the next session.
    const QRect place(123, 87, 311, 455);
    shown->setGeometry(place);
    settle();
    window.mdiArea()->setActiveSubWindow(frameOf(design()));
    QTest::mouseClick(window.btDesign(), Qt::LeftButton);
    QTest::mouseClick(window.btDesign(), Qt::LeftButton);
    settle();
    ASSERT_NE(inspector(), nullptr);
    EXPECT_EQ(inspector()->geometry(), place);
    TDsnInspector next;
    next.setSettingsKey(QStringLiteral("Inspector/Geometry"));
    const TInspectorPos *position = next.position();
    EXPECT_EQ(QRect(position->Left, position->Top, position->Width, position->Height), place);
}

// Every accessible object under `face`, depth first.
void walk(QAccessibleInterface *face, QList<QAccessibleInterface *> &out, int depth = 0)
{
    if (!face || depth > 12)
        return;
    out.append(face);
    for (int i = 0; i < face->childCount(); ++i)
        walk(face->child(i), out, depth + 1);
}

QAccessibleInterface *findAccessible(QWidget *top, QAccessible::Role role, const QString &name)
{
    QList<QAccessibleInterface *> all;
    walk(QAccessible::queryAccessibleInterface(top), all);
    for (QAccessibleInterface *face : all) {
        // A drop-down reads out its choice; its own name is the widget's.
        auto *widget = qobject_cast<QWidget *>(face->object());
        const bool named =
            face->text(QAccessible::Name) == name || (widget && widget->accessibleName() == name);
        if (face->role() == role && named && !face->state().invisible)
            return face;
    }
    return nullptr;
}

TEST_F(UserMeets, PaletteStatesAndInspectorEditorsAreInTheAccessibilityTree)
{
    newProject();
    TDsnButton *kind = paletteButton(QStringLiteral("Button"));
    ASSERT_NE(kind, nullptr);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(kind);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Button);
    EXPECT_TRUE(face->state().checkable);
    EXPECT_FALSE(face->state().checked);
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(kind->isDown());
    EXPECT_TRUE(face->state().checked);
    EXPECT_EQ(window.DsnPanel1()->selectedTemplate(), window.DsnPanel1()->templateOf(kind));
    QTest::mouseClick(window.btArrow(), Qt::LeftButton);
    EXPECT_FALSE(face->state().checked);

    TControl *button =
        draw(QStringLiteral("Button"), design()->document()->dialogTile(), QRect(16, 8, 64, 24));
    ASSERT_NE(button, nullptr);
    const struct {
        const char *row;
        QAccessible::Role role;
        const char *name;
    } editors[] = {
        {"Key", QAccessible::EditableText, "Key"},
        {"Tabstop", QAccessible::ComboBox, "Tabstop"},
        {"DCL_Action", QAccessible::Button, "Edit DCL_Action"},
    };
    for (const auto &e : editors) {
        pressRow(QLatin1String(e.row));
        EXPECT_NE(findAccessible(inspector(), e.role, QLatin1String(e.name)), nullptr) << e.name;
    }
}

} // namespace
} // namespace tw
