#include "component/Owner.h"
#include "component/Panel.h"

#include <gtest/gtest.h>

namespace tw
{
namespace
{

struct ChildSpec {
    TAlign align;
    QRect start;
    QRect expected;
};

struct DockCase {
    const char *name;
    int borderWidth;
    TBevelCut outer;
    TBevelCut inner;
    std::vector<ChildSpec> children;
};

// Rectangles computed by hand from the docking rules: top and bottom children
// span the client width, left and right ones the height that remains, the
// client child takes the rest; each group ordered by position.
const DockCase kCases[] = {
    {"TopStacksAndStretches",
     0,
     bvNone,
     bvNone,
     {{alTop, {5, 30, 50, 20}, {0, 20, 200, 20}}, {alTop, {9, 10, 70, 20}, {0, 0, 200, 20}}}},
    {"BottomKeepsLowestAtBottom",
     0,
     bvNone,
     bvNone,
     {{alBottom, {0, 50, 10, 10}, {0, 80, 200, 10}},
      {alBottom, {0, 70, 10, 10}, {0, 90, 200, 10}}}},
    {"LeftOrderedByLeft",
     0,
     bvNone,
     bvNone,
     {{alLeft, {40, 0, 15, 5}, {30, 0, 15, 100}}, {alLeft, {10, 0, 30, 5}, {0, 0, 30, 100}}}},
    {"RightKeepsRightmostAtRight",
     0,
     bvNone,
     bvNone,
     {{alRight, {100, 0, 20, 5}, {160, 0, 20, 100}},
      {alRight, {150, 0, 20, 5}, {180, 0, 20, 100}}}},
    {"ClientFillsAll", 0, bvNone, bvNone, {{alClient, {3, 3, 3, 3}, {0, 0, 200, 100}}}},
    {"NoneStaysPut", 0, bvNone, bvNone, {{alNone, {3, 4, 5, 6}, {3, 4, 5, 6}}}},
    {"MixedSiblings",
     0,
     bvNone,
     bvNone,
     {{alClient, {0, 0, 1, 1}, {20, 10, 150, 70}},
      {alLeft, {0, 0, 20, 1}, {0, 10, 20, 70}},
      {alTop, {0, 0, 1, 10}, {0, 0, 200, 10}},
      {alRight, {0, 0, 30, 1}, {170, 10, 30, 70}},
      {alBottom, {0, 0, 1, 20}, {0, 80, 200, 20}}}},
    {"BorderAndBothBevels",
     4,
     bvRaised,
     bvLowered,
     {{alTop, {0, 0, 1, 10}, {6, 6, 188, 10}}, {alClient, {0, 0, 1, 1}, {6, 16, 188, 78}}}},
    {"OuterBevelOnly",
     0,
     bvRaised,
     bvNone,
     {{alBottom, {0, 0, 1, 10}, {1, 89, 198, 10}}, {alLeft, {0, 0, 10, 1}, {1, 1, 10, 88}}}},
    {"TooSmallClampsToZero",
     0,
     bvNone,
     bvNone,
     {{alTop, {0, 0, 1, 80}, {0, 0, 200, 80}},
      {alBottom, {0, 0, 1, 60}, {0, 40, 200, 60}},
      {alClient, {0, 0, 1, 1}, {0, 80, 200, 0}}}},
};

class DockingTest : public ::testing::TestWithParam<DockCase>
{
};

TEST_P(DockingTest, LaysOutChildrenByTheClassicRules)
{
    const DockCase &c = GetParam();
    TOwner owner;
    auto *panel = new TPanel(&owner);
    panel->setBevelOuter(c.outer);
    panel->setBevelInner(c.inner);
    panel->setBorderWidth(c.borderWidth);
    panel->setBounds(0, 0, 200, 100);
    // All children arrive before the first layout, so only positions decide.
    panel->disableAlign();
    std::vector<TPanel *> children;
    for (const ChildSpec &wanted : c.children) {
        auto *child = new TPanel(&owner);
        child->setBounds(wanted.start);
        child->setAlign(wanted.align);
        child->setParentControl(panel);
        children.push_back(child);
    }
    panel->enableAlign();
    for (std::size_t i = 0; i < children.size(); ++i)
        EXPECT_EQ(children[i]->geometry(), c.children[i].expected) << "child " << i;
}

INSTANTIATE_TEST_SUITE_P(Modes, DockingTest, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Docking, ResizingTheContainerReflowsItsChildren)
{
    TOwner owner;
    auto *panel = new TPanel(&owner);
    panel->setBevelOuter(bvNone);
    panel->setBounds(0, 0, 100, 100);
    auto *top = new TPanel(&owner);
    top->setHeight(30);
    top->setParentControl(panel);
    top->setAlign(alTop);
    auto *client = new TPanel(&owner);
    client->setParentControl(panel);
    client->setAlign(alClient);

    panel->setBounds(0, 0, 300, 50);
    EXPECT_EQ(top->geometry(), QRect(0, 0, 300, 30));
    EXPECT_EQ(client->geometry(), QRect(0, 30, 300, 20));
}

TEST(Docking, MovingATopChildAboveAnotherReordersTheStack)
{
    TOwner owner;
    auto *panel = new TPanel(&owner);
    panel->setBevelOuter(bvNone);
    panel->setBounds(0, 0, 100, 100);
    auto *first = new TPanel(&owner);
    auto *second = new TPanel(&owner);
    for (TPanel *child : {first, second}) {
        child->setHeight(20);
        child->setTop(50);
        child->setParentControl(panel);
        child->setAlign(alTop);
    }
    EXPECT_EQ(first->top(), 0);
    EXPECT_EQ(second->top(), 20);
    // On equal positions the child that moved goes first.
    second->setTop(0);
    EXPECT_EQ(second->top(), 0);
    EXPECT_EQ(first->top(), 20);
}

TEST(Docking, HiddenChildrenTakeNoSpace)
{
    TOwner owner;
    auto *panel = new TPanel(&owner);
    panel->setBevelOuter(bvNone);
    panel->setBounds(0, 0, 100, 100);
    auto *hidden = new TPanel(&owner);
    hidden->setHeight(40);
    hidden->setParentControl(panel);
    hidden->setAlign(alTop);
    hidden->setVisibleProp(false);
    auto *shown = new TPanel(&owner);
    shown->setHeight(10);
    shown->setTop(60);
    shown->setParentControl(panel);
    shown->setAlign(alTop);
    EXPECT_EQ(shown->geometry(), QRect(0, 0, 100, 10));
}

} // namespace
} // namespace tw
