#include "DesignerFixture.h"
#include "tiles/DCLBtn.h"
#include "tiles/DclColumn.h"
#include "tiles/DclLabel.h"

#include <QPushButton>

namespace tw::test
{

class CreateTest : public DesignerTest
{
protected:
    void SetUp() override
    {
        DesignerTest::SetUp();
        auto *button = static_cast<TDCLButton *>(
            ClassRegistry::instance().create(QStringLiteral("TDCLButton"), main.get()));
        button->setName(QStringLiteral("Dpst_TDCLButton"));
        button->setParentControl(palette);
        button->setBounds(-1000, 0, 50, 50);
        button->setButtonCaption(QStringLiteral("Button"));
        button->setKey(QStringLiteral("DCLButton1"));
        auto *label = ClassRegistry::instance().create(QStringLiteral("TDCLLabel"), main.get());
        label->setName(QStringLiteral("Dpst_TDCLLabel"));
        label->setParentControl(palette);
        label->setBounds(-1000, 0, 82, 13);
        auto *box = static_cast<TTestBox *>(
            ClassRegistry::instance().create(QStringLiteral("TTestBox"), main.get()));
        box->setName(QStringLiteral("Dpst_TTestBox"));
        box->setParentControl(palette);
        box->setCount(5);
        buttonKind = addTemplateButton(QStringLiteral("Dpst_TDCLButton"));
        labelKind = addTemplateButton(QStringLiteral("Dpst_TDCLLabel"));
        boxKind = addTemplateButton(QStringLiteral("Dpst_TTestBox"));
        missingKind = addTemplateButton(QStringLiteral("Dpst_Nothing"));
        designOn();
    }

    void choose(TPaletteButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

    TDsnButton *buttonKind = nullptr;
    TDsnButton *labelKind = nullptr;
    TDsnButton *boxKind = nullptr;
    TDsnButton *missingKind = nullptr;
};

TEST_F(CreateTest, PaletteKeepsExactlyOneButtonDown)
{
    EXPECT_TRUE(arrow->isDown());
    choose(buttonKind);
    EXPECT_TRUE(buttonKind->isDown());
    EXPECT_FALSE(arrow->isDown());
    EXPECT_EQ(palette->selectedTemplate()->name(), QStringLiteral("Dpst_TDCLButton"));
    choose(boxKind);
    EXPECT_FALSE(buttonKind->isDown());
    EXPECT_EQ(palette->selectedTemplate()->name(), QStringLiteral("Dpst_TTestBox"));
    choose(arrow);
    EXPECT_TRUE(arrow->isDown());
    EXPECT_FALSE(boxKind->isDown());
    EXPECT_EQ(palette->selectedTemplate(), nullptr);
    // The arrow cannot be released by clicking it again.
    choose(arrow);
    EXPECT_TRUE(arrow->isDown());
}

TEST_F(CreateTest, AButtonWithoutTemplateLeavesTheArrowDown)
{
    choose(missingKind);
    EXPECT_TRUE(arrow->isDown());
    EXPECT_FALSE(missingKind->isDown());
    EXPECT_EQ(palette->selectedTemplate(), nullptr);
}

TEST_F(CreateTest, DisabledPaletteIgnoresClicks)
{
    reg->SetDesignMode(false);
    choose(buttonKind);
    EXPECT_FALSE(buttonKind->isDown());
    EXPECT_EQ(palette->selectedTemplate(), nullptr);
}

// The drag snaps to the grid; a negative extent moves the edge instead.
TEST_F(CreateTest, DraggingCreatesACopyWithFreeNamesAndTheDraggedBounds)
{
    const struct {
        QPoint from;
        QPoint to;
        QRect bounds;
        const char *name;
    } cases[] = {
        {{20, 20}, {100, 60}, {16, 16, 80, 40}, "DCLButton1"},
        {{300, 200}, {220, 130}, {216, 128, 80, 72}, "DCLButton2"},
        {{100, 300}, {100, 300}, {96, 296, 0, 0}, "DCLButton3"},
        {{420, 20}, {380, 90}, {376, 16, 40, 72}, "DCLButton4"},
    };
    for (const auto &t : cases) {
        SCOPED_TRACE(t.name);
        created.clear();
        choose(buttonKind);
        drag(stage, t.from, t.to);
        auto *tile = qobject_cast<TDCLButton *>(form->findComponent(QLatin1String(t.name)));
        ASSERT_NE(tile, nullptr);
        EXPECT_EQ(tile->parentWidget(), stage);
        EXPECT_EQ(tile->geometry(), t.bounds);
        EXPECT_EQ(tile->buttonCaption(), QStringLiteral("Button"));
        EXPECT_EQ(tile->key(), QStringLiteral("DCLButton1"));
        EXPECT_EQ(selectedNames(), QStringList{QLatin1String(t.name)});
        EXPECT_EQ(reg->createdControl(), tile);
        EXPECT_TRUE(reg->isHooked(tile));
        EXPECT_TRUE(reg->isLightHooked(tile->button()));
        // Back to the arrow; the creation event waits for the queue.
        EXPECT_TRUE(arrow->isDown());
        EXPECT_EQ(palette->selectedTemplate(), nullptr);
        EXPECT_TRUE(created.isEmpty());
        flush();
        EXPECT_EQ(created, QStringList{QLatin1String(t.name)});
        EXPECT_TRUE(stage->overlay()->items().isEmpty());
    }
    // The template keeps its name.
    EXPECT_NE(main->findComponent(QStringLiteral("Dpst_TDCLButton")), nullptr);
}

// The template is taller than the gaps between the rectangles drawn, so a tile
// docked before it has its drawn bounds would push the earlier ones below it.
TEST_F(CreateTest, TilesDrawnInAColumnStackInTheOrderDrawn)
{
    reg->SetDesignMode(false);
    TControl *column = addTile(QStringLiteral("TDCLColumn"), stage, {8, 8, 200, 300}, "Col");
    designOn();
    const struct {
        int drawnTop;
        const char *name;
        int dockedTop;
    } cases[] = {{8, "DCLButton1", 4}, {32, "DCLButton2", 28}, {56, "DCLButton3", 52}};
    for (const auto &c : cases) {
        choose(buttonKind);
        drag(column, {8, c.drawnTop}, {72, c.drawnTop + 24});
        flush();
    }
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        auto *tile = qobject_cast<TControl *>(form->findComponent(QLatin1String(c.name)));
        ASSERT_NE(tile, nullptr);
        EXPECT_EQ(tile->parentControl(), column);
        EXPECT_EQ(tile->geometry(), QRect(4, c.dockedTop, 192, 24));
    }
}

TEST_F(CreateTest, CreationOutlineSpansFromTheStartToTheSnappedPoint)
{
    choose(boxKind);
    press(stage, {100, 100});
    move(stage, {60, 150});
    const QList<TOutlineOverlay::Item> items = stage->overlay()->items();
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0].rect, QRect(56, 96, 40, 48));
    EXPECT_EQ(items[0].color, dsn::kGray);
    release(stage, {60, 150});
    EXPECT_TRUE(stage->overlay()->items().isEmpty());
}

TEST_F(CreateTest, NewTilesGoIntoTheContainerUnderThePointer)
{
    auto *box = addTile(QStringLiteral("TTestBox"), stage, {100, 100, 200, 150}, "Box");
    auto *leaf = addTile(QStringLiteral("TTestEditTile"), box, {100, 80, 90, 60}, "Leaf");
    flush();
    choose(boxKind);
    drag(box, {20, 20}, {60, 50});
    TControl *inBox = form->findComponent(QStringLiteral("TestBox1"));
    ASSERT_NE(inBox, nullptr);
    EXPECT_EQ(inBox->parentWidget(), box);
    EXPECT_EQ(inBox->geometry(), QRect(16, 16, 40, 32));
    EXPECT_EQ(static_cast<TTestBox *>(inBox)->count(), 5);

    // A press on a tile that takes no children creates in its parent.
    choose(boxKind);
    drag(leaf, {10, 10}, {30, 30});
    TControl *beside = form->findComponent(QStringLiteral("TestBox2"));
    ASSERT_NE(beside, nullptr);
    EXPECT_EQ(beside->parentWidget(), box);
    EXPECT_EQ(beside->geometry(), QRect(104, 88, 24, 16));
}

TEST_F(CreateTest, SelectQueryWithoutReceiveBitCreatesNothing)
{
    struct Rules : TTestRules {
        using TTestRules::TTestRules;
        int selectKind(QWidget *) override { return dsn::kMaySelect; }
    };
    installRules<Rules>();
    const qsizetype before = form->components().size();
    choose(boxKind);
    drag(stage, {20, 20}, {100, 60});
    EXPECT_EQ(form->components().size(), before);
}

TEST_F(CreateTest, ATemplateCaptionedWithItsNameGivesATileCaptionedWithItsOwn)
{
    TControl *label = main->findComponent(QStringLiteral("Dpst_TDCLLabel"));
    label->setCaption(QStringLiteral("Dpst_TDCLLabel"));
    choose(labelKind);
    drag(stage, {20, 20}, {100, 40});
    TControl *tile = form->findComponent(QStringLiteral("DCLLabel1"));
    ASSERT_NE(tile, nullptr);
    EXPECT_EQ(tile->caption(), QStringLiteral("DCLLabel1"));
    EXPECT_EQ(label->caption(), QStringLiteral("Dpst_TDCLLabel"));
}

} // namespace tw::test
