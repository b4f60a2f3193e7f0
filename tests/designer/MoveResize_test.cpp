#include "DesignerFixture.h"

namespace tw::test
{

class MoveResizeTest : public DesignerTest
{
protected:
    void SetUp() override
    {
        DesignerTest::SetUp();
        a = addTile(QStringLiteral("TTestBox"), stage, {40, 40, 80, 48}, "A");
        b = addTile(QStringLiteral("TTestBox"), stage, {200, 40, 80, 48}, "B");
        designOn();
        inspector->setSelfProps({QStringLiteral("Count")});
        refreshes = 0;
    }

    TSmallRect *handleOf(TControl *control, TSmallRect::Spot spot) const
    {
        for (TSmallRect *handle : reg->handleManager()->setFor(control)->handles())
            if (handle->spot() == spot)
                return handle;
        return nullptr;
    }

    TControl *a = nullptr;
    TControl *b = nullptr;
    int refreshes = 0;
};

// The press and the release snap to the 8 x 8 grid; the difference moves
// every selected control.
TEST_F(MoveResizeTest, MovingSnapsToTheGrid)
{
    const struct {
        QPoint press;
        QPoint release;
        QPoint moved;
    } cases[] = {
        {{5, 5}, {30, 21}, {24, 16}},   // (0,0) -> (24,16)
        {{9, 9}, {14, 15}, {0, 0}},     // same grid point
        {{20, 20}, {3, 40}, {-16, 24}}, // (16,16) -> (0,40)
        {{7, 7}, {8, 8}, {8, 8}},       // one pixel across a grid line
    };
    for (const auto &t : cases) {
        SCOPED_TRACE(testing::Message() << t.press.x() << "," << t.press.y());
        a->setBounds(40, 40, 80, 48);
        QTest::mousePress(a, Qt::LeftButton, Qt::NoModifier, t.press);
        QTest::mouseMove(a, t.release);
        QTest::mouseRelease(a, Qt::LeftButton, Qt::NoModifier, t.release);
        EXPECT_EQ(a->geometry(), QRect(QPoint(40, 40) + t.moved, QSize(80, 48)));
        EXPECT_TRUE(stage->overlay()->items().isEmpty());
    }
}

TEST_F(MoveResizeTest, MoveOutlineFollowsThePointerAndIsErasedOnRelease)
{
    QTest::mousePress(a, Qt::LeftButton, Qt::NoModifier, {2, 2});
    QTest::mouseMove(a, {19, 10});
    QList<TOutlineOverlay::Item> items = stage->overlay()->items();
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0].rect, QRect(56, 48, 80, 48));
    EXPECT_EQ(items[0].color, dsn::kGray);
    EXPECT_EQ(items[0].penWidth, 2);
    QTest::mouseRelease(a, Qt::LeftButton, Qt::NoModifier, {19, 10});
    EXPECT_TRUE(stage->overlay()->items().isEmpty());
    EXPECT_EQ(a->pos(), QPoint(56, 48));
}

TEST_F(MoveResizeTest, SeveralControlsMoveTogetherUnlessTheRulesRefuse)
{
    struct Rules : TTestRules {
        using TTestRules::TTestRules;
        bool canMove(TControl *tile) override { return tile->name() != "B"; }
    };
    installRules<Rules>();
    auto *c = addTile(QStringLiteral("TTestBox"), stage, {40, 200, 40, 40}, "C");
    flush();
    QTest::mouseClick(a, Qt::LeftButton, Qt::NoModifier, {2, 2});
    QTest::mouseClick(b, Qt::LeftButton, Qt::ShiftModifier, {2, 2});
    QTest::mouseClick(c, Qt::LeftButton, Qt::ShiftModifier, {2, 2});
    QTest::mousePress(a, Qt::LeftButton, Qt::NoModifier, {2, 2});
    QTest::mouseMove(a, {18, 34});
    EXPECT_EQ(stage->overlay()->items().size(), 3);
    QTest::mouseRelease(a, Qt::LeftButton, Qt::NoModifier, {18, 34});
    EXPECT_EQ(a->pos(), QPoint(56, 72));
    EXPECT_EQ(b->pos(), QPoint(200, 40));
    EXPECT_EQ(c->pos(), QPoint(56, 232));
    // The arrow keys ask the rules too, for moving and for resizing.
    QTest::keyClick(stage, Qt::Key_Right);
    QTest::keyClick(stage, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(a->geometry(), QRect(64, 72, 80, 56));
    EXPECT_EQ(b->geometry(), QRect(200, 40, 80, 48));
    EXPECT_EQ(c->geometry(), QRect(64, 232, 40, 48));
}

TEST_F(MoveResizeTest, ThePointerIsKeptInsideTheContainer)
{
    QTest::mousePress(a, Qt::LeftButton, Qt::NoModifier, {2, 2});
    QTest::mouseMove(a, {-500, -500});
    QTest::mouseRelease(a, Qt::LeftButton, Qt::NoModifier, {-500, -500});
    // Start (40,40) on the stage, end clamped to (0,0).
    EXPECT_EQ(a->pos(), QPoint(0, 0));
}

TEST_F(MoveResizeTest, InspectorValuesAreRefreshedOnlyWhenSomethingMoved)
{
    inspector->setSelfProps({QStringLiteral("Left")});
    reg->SetDesignMode(false);
    designOn();
    QTest::mouseClick(a, Qt::LeftButton, Qt::NoModifier, {2, 2});
    const auto leftShown = [this] { return shownValue(QStringLiteral("Left")); };
    EXPECT_EQ(leftShown(), QStringLiteral("40"));
    // Changed behind the inspector's back: only a real move reads it again.
    a->setBounds(41, 40, 80, 48);
    QTest::mousePress(a, Qt::LeftButton, Qt::NoModifier, {2, 2});
    QTest::mouseRelease(a, Qt::LeftButton, Qt::NoModifier, {5, 5});
    EXPECT_EQ(leftShown(), QStringLiteral("40"));
    QTest::mousePress(a, Qt::LeftButton, Qt::NoModifier, {2, 2});
    QTest::mouseRelease(a, Qt::LeftButton, Qt::NoModifier, {10, 2});
    EXPECT_EQ(leftShown(), QStringLiteral("49"));
}

TEST_F(MoveResizeTest, HandlesArePlacedByTheTable)
{
    a->setBounds(40, 40, 10, 20);
    reg->SelectControl(a);
    const struct {
        TSmallRect::Spot spot;
        QPoint pos;
        Qt::CursorShape cursor;
    } cases[] = {
        {TSmallRect::TopLeft, {38, 38}, Qt::SizeFDiagCursor},
        {TSmallRect::TopRight, {46, 38}, Qt::SizeBDiagCursor},
        {TSmallRect::BottomRight, {46, 56}, Qt::SizeFDiagCursor},
        {TSmallRect::BottomLeft, {38, 56}, Qt::SizeBDiagCursor},
        {TSmallRect::Top, {42, 38}, Qt::SizeVerCursor},
        {TSmallRect::Bottom, {42, 56}, Qt::SizeVerCursor},
        {TSmallRect::Right, {46, 47}, Qt::SizeHorCursor},
        {TSmallRect::Left, {38, 47}, Qt::SizeHorCursor},
    };
    for (const auto &t : cases) {
        SCOPED_TRACE(t.spot);
        TSmallRect *handle = handleOf(a, t.spot);
        ASSERT_NE(handle, nullptr);
        EXPECT_EQ(handle->geometry(), QRect(t.pos, QSize(6, 6)));
        EXPECT_EQ(handle->parentWidget(), stage);
        EXPECT_EQ(handle->cursor().shape(), t.cursor);
        EXPECT_EQ(handle->color(), 0);
    }
}

// Control at (200,200) 80 x 48; every handle is dragged by (+17,+9), which
// snaps to (16,8), and past the opposite edge, which flips the size.
TEST_F(MoveResizeTest, EachHandleResizesOnTheGridAndFlipsNegativeSizes)
{
    const struct {
        TSmallRect::Spot spot;
        QRect small;
        QPoint far;
        QRect flipped;
    } cases[] = {
        {TSmallRect::TopLeft, {216, 208, 64, 40}, {100, 60}, {280, 248, 16, 8}},
        {TSmallRect::TopRight, {200, 208, 96, 40}, {-100, 60}, {184, 248, 16, 8}},
        {TSmallRect::BottomRight, {200, 200, 96, 56}, {-100, -60}, {184, 192, 16, 8}},
        {TSmallRect::BottomLeft, {216, 200, 64, 56}, {100, -60}, {280, 192, 16, 8}},
        {TSmallRect::Top, {200, 208, 80, 40}, {0, 60}, {200, 248, 80, 8}},
        {TSmallRect::Bottom, {200, 200, 80, 56}, {0, -60}, {200, 192, 80, 8}},
        {TSmallRect::Right, {200, 200, 96, 48}, {-100, 0}, {184, 200, 16, 48}},
        {TSmallRect::Left, {216, 200, 64, 48}, {100, 0}, {280, 200, 16, 48}},
    };
    for (const auto &t : cases) {
        for (const auto &[offset, expected] :
             {std::pair{QPoint(17, 9), t.small}, std::pair{t.far, t.flipped}}) {
            SCOPED_TRACE(testing::Message() << t.spot << " by " << offset.x() << "," << offset.y());
            a->setBounds(200, 200, 80, 48);
            reg->SelectControl(a);
            TSmallRect *handle = handleOf(a, t.spot);
            ASSERT_NE(handle, nullptr);
            QList<QRect> requested;
            QObject guard; // drops the connection before `requested` goes
            QObject::connect(reg->handleManager(), &TMultiHandler::resizeRequested, &guard,
                             [&](TControl *, const QRect &bounds) { requested.append(bounds); });
            QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, {1, 1});
            QTest::mouseMove(handle, QPoint(1, 1) + offset);
            EXPECT_EQ(stage->overlay()->items().size(), 1);
            EXPECT_EQ(stage->overlay()->items().value(0).rect, expected);
            QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1) + offset);
            EXPECT_EQ(a->geometry(), expected);
            EXPECT_EQ(requested, QList<QRect>{expected});
            EXPECT_TRUE(stage->overlay()->items().isEmpty());
            // The handles have followed the new bounds.
            EXPECT_EQ(handleOf(a, TSmallRect::TopLeft)->pos(), expected.topLeft() - QPoint(2, 2));
        }
    }
}

TEST_F(MoveResizeTest, AHandleDragStaysInsideTheParent)
{
    reg->SelectControl(a);
    TSmallRect *handle = handleOf(a, TSmallRect::TopLeft);
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, {1, 1});
    QTest::mouseMove(handle, {-300, -300});
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, {-300, -300});
    // The pointer stops at the stage's corner, 38 pixels up and left of the
    // handle, which snaps to 32.
    EXPECT_EQ(a->geometry(), QRect(8, 8, 112, 80));
}

TEST_F(MoveResizeTest, ADragWithinOneSnapStepChangesNothing)
{
    reg->SelectControl(a);
    TSmallRect *handle = handleOf(a, TSmallRect::BottomRight);
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, {1, 1});
    QTest::mouseMove(handle, {6, 7});
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, {6, 7});
    EXPECT_EQ(a->geometry(), QRect(40, 40, 80, 48));
}

TEST_F(MoveResizeTest, GrayHandlesDoNotResize)
{
    reg->SelectControl(a);
    QTest::mouseClick(b, Qt::LeftButton, Qt::ShiftModifier, {2, 2});
    TSmallRect *handle = handleOf(a, TSmallRect::BottomRight);
    EXPECT_EQ(handle->color(), dsn::kGray);
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, {1, 1});
    QTest::mouseMove(handle, {40, 40});
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, {40, 40});
    EXPECT_EQ(a->geometry(), QRect(40, 40, 80, 48));
    EXPECT_TRUE(stage->overlay()->items().isEmpty());
}

TEST_F(MoveResizeTest, HandlesFollowMovesAndPropertyChanges)
{
    reg->SelectControl(a);
    QTest::mousePress(a, Qt::LeftButton, Qt::NoModifier, {2, 2});
    QTest::mouseMove(a, {18, 2});
    QTest::mouseRelease(a, Qt::LeftButton, Qt::NoModifier, {18, 2});
    EXPECT_EQ(handleOf(a, TSmallRect::TopLeft)->pos(), QPoint(54, 38));
    a->setWidth(120);
    EXPECT_EQ(handleOf(a, TSmallRect::TopRight)->pos(), QPoint(56 + 120 - 6 + 2, 38));
}

TEST_F(MoveResizeTest, ResizeEndRefreshesTheInspector)
{
    inspector->setSelfProps({QStringLiteral("Width")});
    reg->SetDesignMode(false);
    designOn();
    reg->SelectControl(a);
    TSmallRect *handle = handleOf(a, TSmallRect::Right);
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, {1, 1});
    QTest::mouseMove(handle, {17, 1});
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, {17, 1});
    EXPECT_EQ(shownValue(QStringLiteral("Width")), QStringLiteral("96"));
}

} // namespace tw::test
