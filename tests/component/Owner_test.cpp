#include "component/Owner.h"
#include "component/Panel.h"

#include <QPointer>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

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

TEST(Owner, FreeNameIsTheLowestFreeCounterAfterNamesAreReleased)
{
    // Each case names panels in order, then frees or renames one of them;
    // the next free name is the lowest counter no component holds.
    const struct {
        const char *className;
        QStringList names;
        const char *released;
        bool rename;
        const char *expected;
    } cases[] = {
        {"TDCLButton",
         {"DCLButton1", "DCLButton2", "DCLButton3"},
         "DCLButton2",
         false,
         "DCLButton2"},
        {"TDCLButton", {"DCLButton1", "DCLButton2"}, "DCLButton1", true, "DCLButton1"},
        {"TDCLButton", {"DCLButton1", "dclbutton2"}, "dclbutton2", false, "DCLButton2"},
        {"TDCLButton", {"DCLButton1", "DCLButton01"}, "DCLButton01", false, "DCLButton2"},
        {"TFoo2", {"Foo21", "Foo22"}, "Foo21", false, "Foo21"},
        {"TDCLButton", {"DCLButton1", "DCLButton2"}, "DCLButton2", true, "DCLButton2"},
    };
    for (const auto &t : cases) {
        SCOPED_TRACE(t.expected);
        TOwner owner;
        TPanel *released = nullptr;
        for (const QString &name : t.names) {
            auto *panel = new TPanel(&owner);
            panel->setName(name);
            if (name == QLatin1String(t.released))
                released = panel;
        }
        // The counter start is learnt before the release.
        owner.freeName(QLatin1String(t.className));
        ASSERT_NE(released, nullptr);
        if (t.rename)
            released->setName(QStringLiteral("Renamed"));
        else
            delete released;
        EXPECT_EQ(owner.freeName(QLatin1String(t.className)), QLatin1String(t.expected));
    }
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
