#include "component/Owner.h"
#include "component/Panel.h"

#include <QPointer>
#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(Owner, NamesAreUniqueWithoutRegardToCase)
{
    TOwner owner;
    auto *first = new TPanel(&owner);
    auto *second = new TPanel(&owner);
    EXPECT_TRUE(first->setName(QStringLiteral("Panel1")));
    EXPECT_FALSE(second->setName(QStringLiteral("PANEL1")));
    EXPECT_TRUE(second->name().isEmpty());
    EXPECT_EQ(owner.findComponent(QStringLiteral("panel1")), first);
    EXPECT_TRUE(first->setName(QStringLiteral("Other")));
    EXPECT_TRUE(second->setName(QStringLiteral("Panel1")));
    EXPECT_EQ(owner.findComponent(QStringLiteral("Panel1")), second);
}

TEST(Owner, FreeNameCountsFromOnePastUsedNames)
{
    TOwner owner;
    auto *taken = new TPanel(&owner);
    taken->setName(QStringLiteral("DCLButton1"));
    EXPECT_EQ(owner.freeName(QStringLiteral("TDCLButton")), QStringLiteral("DCLButton2"));
    EXPECT_EQ(owner.freeName(QStringLiteral("TDCLEdit")), QStringLiteral("DCLEdit1"));
}

TEST(Owner, FreesWhatItOwnsAndForgetsWhatIsFreedElsewhere)
{
    QPointer<TPanel> kept;
    {
        TOwner owner;
        auto *parent = new TPanel(&owner);
        auto *child = new TPanel(&owner);
        child->setName(QStringLiteral("Child"));
        child->setParentControl(parent);
        kept = child;
        delete parent; // frees the child through the widget tree
        EXPECT_TRUE(kept.isNull());
        EXPECT_TRUE(owner.components().isEmpty());
        EXPECT_EQ(owner.findComponent(QStringLiteral("Child")), nullptr);
        kept = new TPanel(&owner);
    }
    EXPECT_TRUE(kept.isNull());
}

} // namespace
} // namespace tw
