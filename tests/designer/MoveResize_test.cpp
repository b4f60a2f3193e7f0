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

    TSmallRect *handleOf(TControl *control, const char *cls) const
    {
        for (TSmallRect *handle : reg->handleManager()->setFor(control)->handles())
            if (QLatin1String(handle->metaObject()->className()) == QLatin1String(cls))
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

TEST_F(MoveResizeTest, SeveralControlsMoveTogetherUnlessTheQueryRefuses)
{
    stage->OnMoveQuery = [](TDsnStage *, TControl *control, bool &canMove) {
        if (control->name() == QLatin1String("B"))
            canMove = false;
    };
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
        const char *cls;
        QPoint pos;
        Qt::CursorShape cursor;
    } cases[] = {
        {"tw::THidariueRect", {38, 38}, Qt::SizeFDiagCursor},
        {"tw::TMigiueRect", {46, 38}, Qt::SizeBDiagCursor},
        {"tw::TMigishitaRect", {46, 56}, Qt::SizeFDiagCursor},
        {"tw::THidarishitaRect", {38, 56}, Qt::SizeBDiagCursor},
        {"tw::TNakaueRect", {42, 38}, Qt::SizeVerCursor},
        {"tw::TNakashitaRect", {42, 56}, Qt::SizeVerCursor},
        {"tw::TNakamigiRect", {46, 47}, Qt::SizeHorCursor},
        {"tw::TNakahidariRect", {38, 47}, Qt::SizeHorCursor},
    };
    for (const auto &t : cases) {
        SCOPED_TRACE(t.cls);
        TSmallRect *handle = handleOf(a, t.cls);
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
        const char *cls;
        QRect small;
        QPoint far;
        QRect flipped;
    } cases[] = {
        {"tw::THidariueRect", {216, 208, 64, 40}, {100, 60}, {280, 248, 16, 8}},
        {"tw::TMigiueRect", {200, 208, 96, 40}, {-100, 60}, {184, 248, 16, 8}},
        {"tw::TMigishitaRect", {200, 200, 96, 56}, {-100, -60}, {184, 192, 16, 8}},
        {"tw::THidarishitaRect", {216, 200, 64, 56}, {100, -60}, {280, 192, 16, 8}},
        {"tw::TNakaueRect", {200, 208, 80, 40}, {0, 60}, {200, 248, 80, 8}},
        {"tw::TNakashitaRect", {200, 200, 80, 56}, {0, -60}, {200, 192, 80, 8}},
        {"tw::TNakamigiRect", {200, 200, 96, 48}, {-100, 0}, {184, 200, 16, 48}},
        {"tw::TNakahidariRect", {216, 200, 64, 48}, {100, 0}, {280, 200, 16, 48}},
    };
    for (const auto &t : cases) {
        for (const auto &[offset, expected] :
             {std::pair{QPoint(17, 9), t.small}, std::pair{t.far, t.flipped}}) {
            SCOPED_TRACE(testing::Message() << t.cls << " by " << offset.x() << "," << offset.y());
            a->setBounds(200, 200, 80, 48);
            reg->SelectControl(a);
            TSmallRect *handle = handleOf(a, t.cls);
            ASSERT_NE(handle, nullptr);
            int started = 0;
            QRect endedWith;
            reg->handleManager()->onResizeStarted = [&](TControl *) { ++started; };
            reg->handleManager()->onResizeEnded = [&](TControl *, const QRect &old) {
                endedWith = old;
            };
            QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, {1, 1});
            QTest::mouseMove(handle, QPoint(1, 1) + offset);
            EXPECT_EQ(stage->overlay()->items().size(), 1);
            EXPECT_EQ(stage->overlay()->items().value(0).rect, expected);
            QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1) + offset);
            EXPECT_EQ(a->geometry(), expected);
            EXPECT_EQ(started, 1);
            EXPECT_EQ(endedWith, QRect(200, 200, 80, 48));
            EXPECT_TRUE(stage->overlay()->items().isEmpty());
            // The handles have followed the new bounds.
            EXPECT_EQ(handleOf(a, "tw::THidariueRect")->pos(), expected.topLeft() - QPoint(2, 2));
        }
    }
}

TEST_F(MoveResizeTest, AHandleDragStaysInsideTheParent)
{
    reg->SelectControl(a);
    TSmallRect *handle = handleOf(a, "tw::THidariueRect");
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
    TSmallRect *handle = handleOf(a, "tw::TMigishitaRect");
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, {1, 1});
    QTest::mouseMove(handle, {6, 7});
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, {6, 7});
    EXPECT_EQ(a->geometry(), QRect(40, 40, 80, 48));
}

TEST_F(MoveResizeTest, GrayHandlesDoNotResize)
{
    reg->SelectControl(a);
    QTest::mouseClick(b, Qt::LeftButton, Qt::ShiftModifier, {2, 2});
    TSmallRect *handle = handleOf(a, "tw::TMigishitaRect");
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
    EXPECT_EQ(handleOf(a, "tw::THidariueRect")->pos(), QPoint(54, 38));
    a->setWidth(120);
    EXPECT_EQ(handleOf(a, "tw::TMigiueRect")->pos(), QPoint(56 + 120 - 6 + 2, 38));
}

TEST_F(MoveResizeTest, ResizeEndRefreshesTheInspector)
{
    inspector->setSelfProps({QStringLiteral("Width")});
    reg->SetDesignMode(false);
    designOn();
    reg->SelectControl(a);
    TSmallRect *handle = handleOf(a, "tw::TNakamigiRect");
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, {1, 1});
    QTest::mouseMove(handle, {17, 1});
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, {17, 1});
    EXPECT_EQ(shownValue(QStringLiteral("Width")), QStringLiteral("96"));
}

} // namespace tw::test
