#include "DesignerFixture.h"
#include "designer/DsnSelect.h"

#include <QAccessible>

namespace tw::test
{

class SelectionTest : public DesignerTest
{
protected:
    void SetUp() override
    {
        DesignerTest::SetUp();
        a = addTile(QStringLiteral("TTestBox"), stage, {16, 16, 80, 40}, "A");
        b = addTile(QStringLiteral("TTestBox"), stage, {120, 16, 80, 40}, "B");
        c = addTile(QStringLiteral("TTestBox"), stage, {16, 120, 80, 40}, "C");
        box = addTile(QStringLiteral("TTestBox"), stage, {240, 120, 200, 160}, "Box");
        inner1 = addTile(QStringLiteral("TTestBox"), box, {8, 8, 40, 40}, "Inner1");
        inner2 = addTile(QStringLiteral("TTestBox"), box, {100, 100, 40, 40}, "Inner2");
        designOn();
    }

    void click(QWidget *widget, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::mouseClick(widget, Qt::LeftButton, mods, QPoint(4, 4));
    }

    static QList<TSmallRect *> allHandles(const QWidget *parent)
    {
        return parent->findChildren<TSmallRect *>(Qt::FindDirectChildrenOnly);
    }

    // Handles of freed sets may wait hidden for reuse; these are the shown ones.
    static QList<TSmallRect *> shownHandles(const QWidget *parent)
    {
        QList<TSmallRect *> shown;
        for (TSmallRect *handle : allHandles(parent))
            if (!handle->isHidden())
                shown.append(handle);
        return shown;
    }

    QList<TSmallRect *> handlesOf(const TControl *control) const
    {
        const THandlerRect *set = reg->handleManager()->setFor(control);
        return set ? set->handles() : QList<TSmallRect *>{};
    }

    QList<QColor> handleColors(TControl *control) const
    {
        QList<QColor> colors;
        if (THandlerRect *set = reg->handleManager()->setFor(control))
            for (TSmallRect *handle : set->handles())
                colors.append(QColor::fromRgb(handle->color()));
        return colors;
    }

    TControl *a = nullptr;
    TControl *b = nullptr;
    TControl *c = nullptr;
    TControl *box = nullptr;
    TControl *inner1 = nullptr;
    TControl *inner2 = nullptr;
};

TEST_F(SelectionTest, ClickSelectsOnlyTheClickedControl)
{
    click(a);
    EXPECT_EQ(selectedNames(), QStringList{"A"});
    click(b);
    EXPECT_EQ(selectedNames(), QStringList{"B"});
    click(inner1);
    EXPECT_EQ(selectedNames(), QStringList{"Inner1"});
}

TEST_F(SelectionTest, ShiftTogglesAndTheRemainingControlGetsActiveHandles)
{
    click(a);
    click(b, Qt::ShiftModifier);
    click(c, Qt::ShiftModifier);
    EXPECT_EQ(selectedNames(), (QStringList{"A", "B", "C"}));
    for (TControl *control : {a, b, c}) {
        const QList<TSmallRect *> handles = reg->handleManager()->setFor(control)->handles();
        ASSERT_EQ(handles.size(), 8);
        for (TSmallRect *handle : handles)
            EXPECT_EQ(handle->color(), dsn::kGray);
    }
    click(b, Qt::ShiftModifier);
    click(c, Qt::ShiftModifier);
    EXPECT_EQ(selectedNames(), QStringList{"A"});
    for (TSmallRect *handle : reg->handleManager()->setFor(a)->handles()) {
        EXPECT_EQ(handle->color(), 0);
        EXPECT_TRUE(handle->isActive());
    }
}

TEST_F(SelectionTest, HandlesAreNamedAfterTheirTileAndLeaveWithADestroyedTile)
{
    click(a);
    click(b, Qt::ShiftModifier);
    click(c, Qt::ShiftModifier);
    for (TSmallRect *handle : reg->handleManager()->setFor(b)->handles()) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(handle);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Grab handle of B"));
    }
    delete b;
    b = nullptr;
    EXPECT_EQ(selectedNames(), (QStringList{"A", "C"}));
    EXPECT_EQ(shownHandles(stage).size(), 16);
    delete c;
    c = nullptr;
    EXPECT_EQ(selectedNames(), QStringList{"A"});
    EXPECT_EQ(shownHandles(stage).size(), 8);
    for (TSmallRect *handle : reg->handleManager()->setFor(a)->handles())
        EXPECT_TRUE(handle->isActive());
}

// Handles are reused rather than made anew: a control selected again keeps
// its own, another control in the same parent takes over the shown ones, and
// the rest wait hidden.
TEST_F(SelectionTest, HandlesAreReusedWithinTheirParent)
{
    click(a);
    const QList<TSmallRect *> first = handlesOf(a);
    ASSERT_EQ(first.size(), 8);
    click(b);
    EXPECT_EQ(handlesOf(b), first);
    EXPECT_EQ(first.first()->geometry(), QRect(b->x() - 2, b->y() - 2, 6, 6));
    EXPECT_TRUE(first.first()->isActive());
    EXPECT_EQ(first.first()->control(), b);

    click(a, Qt::ShiftModifier);
    EXPECT_EQ(handlesOf(b), first);
    EXPECT_EQ(allHandles(stage).size(), 16);
    click(c);
    EXPECT_EQ(shownHandles(stage).size(), 8);
    EXPECT_EQ(allHandles(stage).size(), 16);
    for (TSmallRect *handle : allHandles(stage))
        EXPECT_EQ(handle->isHidden(), handle->control() != c);

    click(inner1);
    EXPECT_TRUE(shownHandles(stage).isEmpty());
    EXPECT_EQ(shownHandles(box).size(), 8);
    click(c);
    EXPECT_EQ(allHandles(stage).size(), 16);
}

// A widget that joins a parent after its handles is stacked above them, so
// handles are never reused across such a change: shown handles always lie
// above every control of their parent.
TEST_F(SelectionTest, HandlesStayAboveControlsAddedLater)
{
    const auto handlesOnTop = [this] {
        const QObjectList order = stage->children();
        qsizetype lastControl = -1;
        qsizetype firstHandle = order.size();
        for (qsizetype i = 0; i < order.size(); ++i) {
            if (qobject_cast<TControl *>(order[i]))
                lastControl = i;
            else if (auto *handle = qobject_cast<TSmallRect *>(order[i]);
                     handle && !handle->isHidden())
                firstHandle = std::min(firstHandle, i);
        }
        return lastControl < firstHandle;
    };
    click(a);
    click(b, Qt::ShiftModifier);
    click(c);
    ASSERT_EQ(allHandles(stage).size(), 16);

    // Added between two selections: the waiting handles are freed, and so
    // are the shown ones once their selection goes.
    TControl *d = addTile(QStringLiteral("TTestBox"), stage, {120, 120, 80, 40}, "D");
    flush();
    EXPECT_EQ(allHandles(stage).size(), 8);
    click(a);
    click(b, Qt::ShiftModifier);
    EXPECT_EQ(allHandles(stage).size(), 16);
    EXPECT_TRUE(handlesOnTop());

    // Added in the middle of a selection change: a control selected again
    // gets new handles rather than its old ones under the new control.
    const QList<TSmallRect *> old = handlesOf(a);
    reg->selection()->clear();
    addTile(QStringLiteral("TTestBox"), stage, {16, 200, 80, 40}, "E");
    reg->selection()->add(a);
    reg->selection()->add(d);
    reg->selection()->update();
    EXPECT_EQ(selectedNames(), (QStringList{"A", "D"}));
    EXPECT_NE(handlesOf(a), old);
    EXPECT_EQ(shownHandles(stage).size(), 16);
    EXPECT_TRUE(handlesOnTop());
}

// A container freed while its children are selected takes their handles
// with it; a container made afterwards (often at the same address) is
// watched afresh, so handles waiting in it are freed when a control joins.
TEST_F(SelectionTest, AFreedContainerLeavesNoWaitingHandlesBehind)
{
    click(inner1);
    click(inner2, Qt::ShiftModifier);
    delete box;
    box = inner1 = inner2 = nullptr;
    flush();
    EXPECT_TRUE(selectedNames().isEmpty());

    TControl *again = addTile(QStringLiteral("TTestBox"), stage, {240, 120, 200, 160}, "Again");
    TControl *first = addTile(QStringLiteral("TTestBox"), again, {8, 8, 40, 40}, "First");
    flush();
    click(first);
    ASSERT_EQ(selectedNames(), QStringList{"First"});
    click(a);
    EXPECT_EQ(allHandles(again).size(), 8);
    EXPECT_TRUE(shownHandles(again).isEmpty());
    addTile(QStringLiteral("TTestBox"), again, {100, 100, 40, 40}, "Second");
    EXPECT_TRUE(allHandles(again).isEmpty());
}

// A change that never reports completion still hides the freed handles
// before anything is painted.
TEST_F(SelectionTest, HandlesOfAClearedSelectionAreHiddenByTheNextTurn)
{
    click(a);
    click(b, Qt::ShiftModifier);
    reg->selection()->clear();
    flush();
    EXPECT_TRUE(shownHandles(stage).isEmpty());
    EXPECT_EQ(allHandles(stage).size(), 16);
}

TEST_F(SelectionTest, PlainClickOnAControlOfAMixedSelectionSelectsItAlone)
{
    click(a);
    click(inner1, Qt::ShiftModifier);
    EXPECT_EQ(selectedNames(), (QStringList{"A", "Inner1"}));
    click(a);
    EXPECT_EQ(selectedNames(), QStringList{"A"});
}

TEST_F(SelectionTest, PlainClickOnASelectedControlKeepsTheSelection)
{
    click(a);
    click(b, Qt::ShiftModifier);
    click(a);
    EXPECT_EQ(selectedNames(), (QStringList{"A", "B"}));
}

TEST_F(SelectionTest, SelectQueryWithoutSelectBitIgnoresTheClick)
{
    struct Rules : TTestRules {
        using TTestRules::TTestRules;
        int selectKind(QWidget *widget) override
        {
            return widget->objectName() == "B" ? dsn::kMayReceive : TTestRules::selectKind(widget);
        }
    };
    installRules<Rules>();
    click(a);
    click(b);
    EXPECT_EQ(selectedNames(), QStringList{"A"});
}

// The band spans from the snapped start to the end point, whichever way it
// is dragged, and takes every touched child in child order.
TEST_F(SelectionTest, RubberBandSelectsIntersectingChildrenInBothDirections)
{
    const struct {
        const char *what;
        QPoint from;
        QPoint to;
        QStringList expected;
    } cases[] = {
        {"down right over A and B", {4, 4}, {130, 30}, {"A", "B"}},
        {"up left over A and B", {130, 30}, {4, 4}, {"A", "B"}},
        {"up right over C and A", {4, 150}, {20, 50}, {"A", "C"}},
        {"down left over B and Box", {300, 5}, {150, 130}, {"B", "Box"}},
        {"empty area", {220, 300}, {230, 310}, {}},
        {"click without drag", {4, 4}, {4, 4}, {}},
    };
    for (const auto &t : cases) {
        SCOPED_TRACE(t.what);
        drag(stage, t.from, t.to);
        EXPECT_EQ(selectedNames(), t.expected);
        EXPECT_TRUE(stage->overlay()->items().isEmpty());
    }
}

TEST_F(SelectionTest, RubberBandIsDrawnDottedInMaroonWhileDragging)
{
    press(stage, {4, 4});
    move(stage, {60, 50});
    const QList<TOutlineOverlay::Item> items = stage->overlay()->items();
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0].rect, QRect(0, 0, 60, 50));
    EXPECT_EQ(items[0].color, 128);
    EXPECT_EQ(items[0].penWidth, 1);
    EXPECT_EQ(items[0].style, Qt::DotLine);
    release(stage, {60, 50});
    EXPECT_TRUE(stage->overlay()->items().isEmpty());
}

TEST_F(SelectionTest, CtrlBandOnAContainerCollectsItsChildren)
{
    press(box, {4, 4}, Qt::ControlModifier);
    move(box, {150, 150}, Qt::ControlModifier);
    release(box, {150, 150}, Qt::ControlModifier);
    EXPECT_EQ(selectedNames(), (QStringList{"Inner1", "Inner2"}));
}

TEST_F(SelectionTest, CtrlBandOnAPlainControlCollectsItsSiblings)
{
    auto *leaf = addTile(QStringLiteral("TTestEditTile"), box, {50, 50, 40, 40}, "Leaf");
    flush();
    // The band starts on the leaf and is measured in its parent, the box.
    press(leaf, {2, 2}, Qt::ControlModifier);
    move(leaf, {80, 80}, Qt::ControlModifier);
    release(leaf, {80, 80}, Qt::ControlModifier);
    EXPECT_EQ(selectedNames(), (QStringList{"Inner2", "Leaf"}));
}

TEST_F(SelectionTest, BandHonoursTheSelectQuery)
{
    struct Rules : TTestRules {
        using TTestRules::TTestRules;
        int selectKind(QWidget *widget) override
        {
            return widget->objectName() == "A" ? dsn::kMayReceive : TTestRules::selectKind(widget);
        }
    };
    installRules<Rules>();
    drag(stage, {4, 4}, {130, 30});
    EXPECT_EQ(selectedNames(), QStringList{"B"});
}

TEST_F(SelectionTest, DsnSelectReportsChangesAndSelectsByProgram)
{
    TDsnSelect select;
    QList<int> kinds;
    QList<QStringList> lists;
    QObject::connect(&select, &TDsnSelect::selectionChanged,
                     [&](const QList<TControl *> &items, int kind) {
                         kinds.append(kind);
                         QStringList names;
                         for (TControl *control : items)
                             names.append(control->name());
                         lists.append(names);
                     });
    select.setDsnRegister(reg.get());
    EXPECT_TRUE(select.select(QList<TControl *>{a, stage, b}));
    EXPECT_EQ(selectedNames(), (QStringList{"A", "B"}));
    click(a, Qt::ShiftModifier);
    EXPECT_EQ(kinds, (QList<int>{TDsnSelect::Cleared, TDsnSelect::Added, TDsnSelect::Added,
                                 TDsnSelect::Deleted}));
    EXPECT_EQ(lists.last(), QStringList{"B"});
    kinds.clear();
    delete b;
    EXPECT_EQ(kinds, (QList<int>{TDsnSelect::EntryNil, TDsnSelect::Deleted}));
    EXPECT_TRUE(selectedNames().isEmpty());

    reg->SetDesignMode(false);
    EXPECT_FALSE(select.select(a));
}

TEST_F(SelectionTest, RightClickSelectsWithoutMovingAndOffersEnumerationValues)
{
    stage->setSelfProps({QStringLiteral("Placement|Dock")});
    // The rules see the menu before it shows and may change the value an item sets.
    struct Rules : TTestRules {
        using TTestRules::TTestRules;
        void popupShowing(QMenu *menu) override
        {
            for (QAction *action : menu->actions())
                if (!action->isSeparator())
                    popups.append(action->text());
        }
        QString menuValueChosen(const QList<TControl *> &, const QString &property,
                                const QString &value) override
        {
            clickedProp = property + '=' + value;
            return QStringLiteral("alRight");
        }
        QStringList popups;
        QString clickedProp;
    };
    const Rules &rules = installRules<Rules>();
    const QStringList &popups = rules.popups;
    const QString &clickedProp = rules.clickedProp;
    QTest::mouseClick(a, Qt::RightButton, Qt::NoModifier, QPoint(4, 4));
    EXPECT_EQ(selectedNames(), QStringList{"A"});
    EXPECT_EQ(reg->moveOutline(), nullptr);
    ASSERT_EQ(popups.size(), 6);
    EXPECT_EQ(popups[1], QStringLiteral("Dock: alTop"));
    QMenu *menu = reg->contextMenu();
    ASSERT_NE(menu, nullptr);
    for (QAction *action : menu->actions())
        if (action->text() == QLatin1String("Dock: alLeft"))
            action->trigger();
    menu->hide();
    EXPECT_EQ(clickedProp, QStringLiteral("Placement=alLeft"));
    EXPECT_EQ(static_cast<TTestBox *>(a)->placement(), alRight);
}

} // namespace tw::test
