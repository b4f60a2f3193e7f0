#include "DesignWindowFixture.h"
#include "designer/DsnSelect.h"
#include "designer/DsnSelection.h"
#include "designer/DsnStage.h"
#include "designer/Handles.h"
#include "document/DesignDocument.h"
#include "document/DialogDesign.h"
#include "editors/EditData.h"
#include "editors/EditList.h"
#include "tiles/DCLPanel.h"

#include <QKeyEvent>
#include <QMenu>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QUndoView>
#include <map>
#include <random>

namespace tw::test
{
namespace
{

class UndoTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        main = std::make_unique<TFakeMain>();
        document = std::make_unique<TDesignDocument>();
        form = std::make_unique<TfrmDialogDesign>(*document, *main);
        templates.clear();
        for (const char *cls : {"TDCLButton", "TDCLColumn", "TDCLRadio", "TDCLListLabel"})
            templates.append(main->addTemplate(QLatin1String(cls), QStringLiteral("k")));
        form->show();
        form->TogleDesignState(true);
        flush();
        // The code and item editors answer as a user who types and confirms.
        main->modal = [this](QDialog &dialog) {
            if (&dialog == form->CodeEditor()) {
                form->CodeEditor()->edFunc->setText(QStringLiteral("Fn%1()").arg(++edits));
                form->CodeEditor()->mmData->SetLines({QStringLiteral("(princ %1)").arg(edits)});
            } else if (&dialog == form->ItemEditor()) {
                form->ItemEditor()->SetLines({QStringLiteral("item %1").arg(++edits), "x"});
            }
            return int(QDialog::Accepted);
        };
    }
    void TearDown() override
    {
        form.reset();
        document.reset();
        main.reset();
        flush();
    }

    TDesignDocument *doc() const { return document.get(); }
    QUndoStack *stack() const { return doc()->undoStack(); }
    TDsn8Register *reg() const { return form->Dsn8Register1; }
    TDCLPanel *dialog() const { return document->dialogTile(); }

    // Every tile of the design below the dialog tile, parents first.
    QList<TControl *> tiles() const
    {
        QList<TControl *> all;
        QList<TControl *> pending{dialog()};
        while (!pending.isEmpty()) {
            TControl *parent = pending.takeFirst();
            for (TControl *child : tilesIn(parent, document.get())) {
                all.append(child);
                pending.append(child);
            }
        }
        return all;
    }
    QList<TControl *> containers() const
    {
        QList<TControl *> result{dialog()};
        for (TControl *tile : tiles())
            if (tile->acceptsControls())
                result.append(tile);
        return result;
    }
    void select(const QList<TControl *> &chosen)
    {
        form->DsnSelect1->select(chosen);
        flush();
    }
    void create(int templateIndex, TControl *container, QPoint at)
    {
        TDsnButton *button = templates[templateIndex];
        button->setDown(true);
        main->palette->buttonClicked(button);
        dragAndSettle(container, at, at + QPoint(64, 24));
    }
    void key(int keyCode, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, keyCode, mods);
        QCoreApplication::sendEvent(form->DsnStage1, &press);
        flush();
    }
    QStringList selectedNames() const
    {
        QStringList names;
        if (TDsnSelection *selection = reg()->selection())
            for (TControl *tile : selection->items())
                names.append(tile->name());
        return names;
    }

    std::unique_ptr<TFakeMain> main;
    std::unique_ptr<TDesignDocument> document;
    std::unique_ptr<TfrmDialogDesign> form;
    QList<TDsnButton *> templates;
    int edits = 0;
};

// Long random runs of every kind of design change through the designer's own
// paths; at every step back and forth the design's text form must be exactly
// what it was at that point of the stack.
TEST_F(UndoTest, RandomEditsUndoAndRedoToTheSameTextForm)
{
    for (unsigned seed : {20u, 7u, 1234u}) {
        SCOPED_TRACE(seed);
        TearDown();
        SetUp();
        std::mt19937 random(seed);
        const auto pick = [&](int n) { return int(random() % unsigned(std::max(1, n))); };
        std::map<int, QByteArray> atIndex;
        atIndex[stack()->index()] = doc()->textForm();
        const QByteArray original = atIndex[0];
        for (int step = 0; step < 160; ++step) {
            const QList<TControl *> all = tiles();
            const TControl *any = all.isEmpty() ? nullptr : all[pick(int(all.size()))];
            // Tiles of one container, as the designer moves and deletes them together.
            QList<TControl *> group;
            if (any)
                for (TControl *tile : tilesIn(any->parentControl(), document.get()))
                    if (tile == any || pick(3) == 0)
                        group.append(tile);
            const int kind = all.size() < 4 ? 0 : pick(11);
            const int indexBefore = stack()->index();
            switch (kind) {
            case 0: {
                const QList<TControl *> places = containers();
                create(pick(4), places[pick(int(places.size()))],
                       QPoint(8 * pick(12), 8 * pick(12)));
                break;
            }
            case 1:
                select(group);
                reg()->DeleteSelection();
                break;
            case 2:
                select(group);
                reg()->CutSelection();
                break;
            case 3:
                select(group);
                reg()->CopySelection();
                select({containers()[pick(int(containers().size()))]});
                reg()->PasteClipboard();
                break;
            case 4:
                select(group);
                dragAndSettle(group.first(), QPoint(2, 2),
                              QPoint(2 + 8 * (pick(5) - 2), 2 + 8 * (pick(5) - 2)));
                break;
            case 5:
                select(group);
                key(Qt::Key_Left + pick(4),
                    pick(2) ? Qt::KeyboardModifiers(Qt::ShiftModifier) : Qt::ControlModifier);
                break;
            case 6:
                select({group.first()});
                form->DsnInspector1->applyText(QStringLiteral("Caption"),
                                               QStringLiteral("Caption %1").arg(step));
                break;
            case 7:
                select(group);
                form->DsnInspector1->applyText(QStringLiteral("Key"),
                                               pick(2) ? QString() : QStringLiteral("same"));
                break;
            case 8:
                select(group);
                form->DsnInspector1->applyText(
                    pick(2) ? QStringLiteral("Value") : QStringLiteral("Enabled"),
                    pick(2) ? QStringLiteral("True") : QStringLiteral("False"));
                break;
            case 9:
                select({group.first()});
                form->DsnInspector1->buttonClicked(QStringLiteral("DCL_Action"), QString());
                break;
            default:
                select({group.first()});
                form->DsnInspector1->buttonClicked(QStringLiteral("ListItems"), QString());
                break;
            }
            flush();
            ASSERT_FALSE(doc()->isRecording()) << "step " << step << " kind " << kind;
            // No change goes round the stack: a changed design has a new step
            // (or a keyboard move merged into the last one).
            const QByteArray now = doc()->textForm();
            const int index = stack()->index();
            if (index == indexBefore && index > 0 && stack()->command(index - 1)->id() < 0) {
                ASSERT_EQ(now.toStdString(), atIndex[index].toStdString())
                    << "step " << step << " kind " << kind;
            }
            atIndex[index] = now;
        }
        ASSERT_GT(stack()->count(), 60);
        const QByteArray last = doc()->textForm();
        while (stack()->canUndo()) {
            stack()->undo();
            flush();
            ASSERT_EQ(doc()->textForm().toStdString(), atIndex[stack()->index()].toStdString())
                << "undoing " << stack()->command(stack()->index())->text().toStdString();
        }
        EXPECT_EQ(doc()->textForm().toStdString(), original.toStdString());
        EXPECT_FALSE(doc()->isModified());
        while (stack()->canRedo()) {
            stack()->redo();
            flush();
            ASSERT_EQ(doc()->textForm().toStdString(), atIndex[stack()->index()].toStdString())
                << "redoing " << stack()->command(stack()->index() - 1)->text().toStdString();
        }
        EXPECT_EQ(doc()->textForm().toStdString(), last.toStdString());
        EXPECT_TRUE(doc()->isModified());
    }
}

// Each change is one step named after what it did, with the tiles it touched
// selected again after undo and redo.
TEST_F(UndoTest, StepsAreNamedAndSelectTheirTilesAgain)
{
    create(0, dialog(), QPoint(8, 8));
    create(0, dialog(), QPoint(8, 64));
    create(2, dialog(), QPoint(120, 8));
    const QList<TControl *> made = tilesIn(dialog(), document.get());
    ASSERT_EQ(made.size(), 3);
    EXPECT_EQ(stack()->undoText(), QStringLiteral("Create DCLRadio"));

    select(made);
    form->DsnInspector1->applyText(QStringLiteral("Key"), QStringLiteral("k"));
    EXPECT_EQ(stack()->undoText(), QStringLiteral("Set Key on 3 tiles"));
    select({made[1]});
    form->DsnInspector1->applyText(QStringLiteral("Caption"), QStringLiteral("Go"));
    EXPECT_EQ(stack()->undoText(), QStringLiteral("Set Caption"));

    // Successive presses over the same tile are one step.
    select({made[0]});
    const int before = stack()->count();
    const QRect start = made[0]->geometry();
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(stack()->count(), before + 1);
    EXPECT_EQ(stack()->undoText(), QStringLiteral("Move Tile"));
    EXPECT_NE(made[0]->geometry(), start);

    select({made[2]});
    stack()->undo();
    EXPECT_EQ(made[0]->geometry(), start);
    EXPECT_EQ(selectedNames(), QStringList{made[0]->name()});
    select({made[2]});
    stack()->undo();
    EXPECT_EQ(selectedNames(), QStringList{made[1]->name()});
    EXPECT_EQ(form->DsnInspector1->model()->components(), QList<QObject *>{made[1]});

    // A deleted tile comes back in its place, selected, and goes again on redo.
    const QString name = made[1]->name();
    select({made[1]});
    reg()->DeleteSelection();
    EXPECT_EQ(stack()->undoText(), QStringLiteral("Delete Tile"));
    EXPECT_EQ(tilesIn(dialog(), document.get()).size(), 2);
    stack()->undo();
    flush();
    const QList<TControl *> back = tilesIn(dialog(), document.get());
    ASSERT_EQ(back.size(), 3);
    EXPECT_EQ(back[1]->name(), name);
    EXPECT_EQ(selectedNames(), QStringList{name});
    stack()->redo();
    EXPECT_EQ(tilesIn(dialog(), document.get()).size(), 2);
    // The history lists every step; choosing the first goes back to it.
    auto *history = qobject_cast<QUndoView *>(doc()->historyWindow());
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(history->accessibleName(), QStringLiteral("Undo history"));
    EXPECT_EQ(history->model()->rowCount(), stack()->count() + 1);
    history->setCurrentIndex(history->model()->index(1, 0));
    EXPECT_EQ(stack()->index(), 1);
    EXPECT_EQ(tilesIn(dialog(), document.get()).size(), 1);
}

// A step over many tiles keeps each tile's old value however many differ:
// a few distinct captions, and more distinct ones than the step indexes.
TEST_F(UndoTest, SetOnManyTilesWithDifferentValuesUndoesExactly)
{
    for (const int distinct : {1, 3, 300}) {
        SCOPED_TRACE(distinct);
        TearDown();
        SetUp();
        QList<TControl *> buttons;
        for (int i = 0; i < 300; ++i) {
            TControl *tile =
                ClassRegistry::instance().create(QStringLiteral("TDCLButton"), document.get());
            tile->setName(QStringLiteral("B%1").arg(i));
            tile->setParentControl(dialog());
            tile->setAlign(alNone);
            tile->setBounds(8 + (i % 20) * 18, 8 + (i / 20) * 14, 16, 12);
            SetPropByName(tile, QStringLiteral("Caption"), QStringLiteral("c%1").arg(i % distinct));
            buttons.append(tile);
        }
        flush();
        select(buttons);
        const QByteArray before = doc()->textForm();
        form->DsnInspector1->applyText(QStringLiteral("Caption"), QStringLiteral("All the same"));
        key(Qt::Key_Right, Qt::ControlModifier);
        key(Qt::Key_Down, Qt::ControlModifier);
        const QByteArray after = doc()->textForm();
        ASSERT_NE(after, before);
        stack()->undo();
        stack()->undo();
        EXPECT_EQ(doc()->textForm().toStdString(), before.toStdString());
        stack()->redo();
        stack()->redo();
        EXPECT_EQ(doc()->textForm().toStdString(), after.toStdString());
    }
}

// The document holds the design, not its window: when the window goes the
// design and its history stay, undo and redo work without a window, and a
// new window shows the design as it is (its radio tiles reporting clicks to
// the main window) and carries on with its history.
TEST_F(UndoTest, TheDesignAndItsHistoryOutliveTheWindow)
{
    create(0, dialog(), QPoint(8, 8));
    create(2, dialog(), QPoint(8, 64));
    const QList<TControl *> made = tilesIn(dialog(), document.get());
    ASSERT_EQ(made.size(), 2);
    const QString radio = made[1]->name();
    select({made[0]});
    form->DsnInspector1->applyText(QStringLiteral("Caption"), QStringLiteral("Kept"));
    const QByteArray edited = doc()->textForm();
    const int steps = stack()->count();
    ASSERT_EQ(steps, 3);

    form.reset();
    flush();
    // Kept, never shown as windows of their own.
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(doc()->textForm().toStdString(), edited.toStdString());
    EXPECT_EQ(stack()->count(), steps);
    stack()->undo();
    stack()->undo();
    EXPECT_EQ(tilesIn(dialog(), document.get()), QList<TControl *>{made[0]});
    EXPECT_NE(made[0]->property("Caption").toString(), QStringLiteral("Kept"));
    stack()->redo();
    stack()->redo();
    EXPECT_EQ(doc()->textForm().toStdString(), edited.toStdString());

    form = std::make_unique<TfrmDialogDesign>(*document, *main);
    form->show();
    form->TogleDesignState(true);
    flush();
    EXPECT_EQ(form->DsnStage1->childControls(), QList<TControl *>{dialog()});
    EXPECT_EQ(doc()->textForm().toStdString(), edited.toStdString());
    stack()->undo();
    EXPECT_EQ(selectedNames(), QStringList{made[0]->name()});
    EXPECT_NE(made[0]->property("Caption").toString(), QStringLiteral("Kept"));
    main->radioClicks.clear();
    document->findComponent(radio)->click();
    EXPECT_EQ(main->radioClicks, QStringList{radio});
}

// A drag of a grab handle is one step, whatever the pointer did between.
TEST_F(UndoTest, HandleDragIsOneResizeStep)
{
    create(0, dialog(), QPoint(8, 8));
    TControl *button = tilesIn(dialog(), document.get()).value(0);
    ASSERT_NE(button, nullptr);
    select({button});
    TSmallRect *handle = nullptr;
    for (TSmallRect *each : reg()->handleManager()->setFor(button)->handles())
        if (each->spot() == TSmallRect::Bottom)
            handle = each;
    ASSERT_NE(handle, nullptr);
    const QRect before = button->geometry();
    const int steps = stack()->count();
    QTest::mousePress(handle, Qt::LeftButton, {}, {1, 1});
    QTest::mouseMove(handle, {1, 9});
    QTest::mouseMove(handle, {1, 17});
    QTest::mouseRelease(handle, Qt::LeftButton, {}, {1, 17});
    EXPECT_EQ(stack()->count(), steps + 1);
    EXPECT_EQ(stack()->undoText(), QStringLiteral("Resize Tile"));
    EXPECT_EQ(button->height(), before.height() + 16);
    stack()->undo();
    EXPECT_EQ(button->geometry(), before);
}

// What the designer asks for is one step each: a drag of three tiles, and the
// document's own requests (moving, resizing, creating), where successive ones
// with a merge key merge.
TEST_F(UndoTest, MoveAndResizeRequestsAreOneStepEach)
{
    for (int y : {8, 48, 88})
        create(0, dialog(), QPoint(8, y));
    const QList<TControl *> made = tilesIn(dialog(), document.get());
    ASSERT_EQ(made.size(), 3);
    QList<QRect> start;
    for (TControl *tile : made) {
        tile->setAlign(alNone);
        start.append(tile->geometry());
    }
    select(made);
    const int steps = stack()->count();
    dragAndSettle(made[0], QPoint(2, 2), QPoint(18, 10));
    EXPECT_EQ(stack()->count(), steps + 1);
    EXPECT_EQ(stack()->undoText(), QStringLiteral("Move 3 Tiles"));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(made[i]->geometry(), start[i].translated(16, 8));

    doc()->resizeTile(made[1], QRect(40, 40, 100, 30));
    EXPECT_EQ(stack()->undoText(), QStringLiteral("Resize Tile"));
    for (int width : {90, 80})
        doc()->placeTiles({{made[2], QRect(40, 120, width, 30)}}, QStringLiteral("Resize Tile"), 2);
    EXPECT_EQ(stack()->count(), steps + 3);
    EXPECT_EQ(made[2]->geometry(), QRect(40, 120, 80, 30));
    for (int i = 0; i < 3; ++i)
        stack()->undo();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(made[i]->geometry(), start[i]);

    ComponentRecord button;
    button.className = QStringLiteral("TDCLButton");
    TControl *created = doc()->createTile(button, doc(), dialog(), QRect(40, 160, 90, 24), {});
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(stack()->undoText(), QStringLiteral("Create DCLButton"));
    EXPECT_EQ(created->parentControl(), dialog());
    const QString name = created->name();
    ASSERT_EQ(name, QStringLiteral("DCLButton4"));
    stack()->undo();
    EXPECT_EQ(doc()->findComponent(name), nullptr);
    stack()->redo();
    EXPECT_NE(doc()->findComponent(name), nullptr);
}

// Modified means "not where the last save or load left the stack".
TEST_F(UndoTest, ModifiedFollowsTheCleanStateOfTheStack)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("u.dcp"));
    QList<bool> reported;
    QObject::connect(doc(), &TDesignDocument::modifiedChanged,
                     [&](bool modified) { reported.append(modified); });
    create(0, dialog(), QPoint(8, 8));
    ASSERT_TRUE(document->save(file));
    EXPECT_FALSE(document->isModified());
    TControl *button = tilesIn(dialog(), document.get()).first();

    // Moves, resizes, properties and code all count, and undo returns to clean.
    const std::function<void()> changes[] = {
        [&] { key(Qt::Key_Down, Qt::ShiftModifier); },
        [&] { form->DsnInspector1->applyText(QStringLiteral("Caption"), QStringLiteral("x")); },
        [&] { form->DsnInspector1->buttonClicked(QStringLiteral("DCL_Action"), QString()); },
    };
    for (const auto &change : changes) {
        select({button});
        change();
        EXPECT_TRUE(document->isModified());
        stack()->undo();
        EXPECT_FALSE(document->isModified());
    }
    EXPECT_EQ(reported, (QList<bool>{true, false, true, false, true, false, true, false}));
    // Redone past the save and undone to it again.
    stack()->redo();
    EXPECT_TRUE(document->isModified());
    ASSERT_TRUE(document->load(file));
    EXPECT_FALSE(document->isModified());
    EXPECT_EQ(stack()->count(), 0);
}

// The right-click menu offers the edit commands; Select All takes the
// container's tiles; docked tiles move by changing places.
TEST_F(UndoTest, MenuSelectAllAndDockedMoves)
{
    for (int y : {8, 48, 88})
        create(0, dialog(), QPoint(8, y));
    const QList<TControl *> made = tilesIn(dialog(), document.get());
    ASSERT_EQ(made.size(), 3);
    key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(selectedNames().size(), 3);

    QStringList offered;
    form->DsnStage1->rules().popupShowing(form->DsnStage1->coverMenu());
    for (QAction *action : form->DsnStage1->coverMenu()->actions())
        if (action->isEnabled())
            offered.append(action->text().section(QLatin1Char('\t'), 0, 0));
    EXPECT_EQ(offered, (QStringList{"Cu&t", "&Copy", "&Delete", "Select &All"}));
    for (QAction *action : form->DsnStage1->coverMenu()->actions())
        if (action->text().startsWith(QLatin1String("&Delete")))
            action->trigger();
    EXPECT_TRUE(tilesIn(dialog(), document.get()).isEmpty());
    stack()->undo();
    ASSERT_EQ(tilesIn(dialog(), document.get()).size(), 3);

    const QList<TControl *> docked = tilesIn(dialog(), document.get());
    for (TControl *tile : docked)
        tile->setAlign(alTop);
    const auto order = [&] {
        QList<TControl *> sorted = tilesIn(dialog(), document.get());
        std::sort(sorted.begin(), sorted.end(),
                  [](const TControl *a, const TControl *b) { return a->top() < b->top(); });
        QStringList names;
        for (const TControl *tile : sorted)
            names.append(tile->name());
        return names;
    };
    const QStringList first = order();
    select({docked[0]});
    key(Qt::Key_Down);
    EXPECT_EQ(order(), (QStringList{first[1], first[0], first[2]}));
    key(Qt::Key_Down);
    EXPECT_EQ(order(), (QStringList{first[1], first[2], first[0]}));
    key(Qt::Key_Up);
    EXPECT_EQ(order(), (QStringList{first[1], first[0], first[2]}));
    stack()->undo();
    EXPECT_EQ(order(), first);
}

} // namespace
} // namespace tw::test
