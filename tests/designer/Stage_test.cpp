#include "DesignerFixture.h"
#include "component/ComponentStreaming.h"

namespace tw::test
{

TEST_F(DesignerTest, RubberbandSettingsAreStoredOnlyWhenChanged)
{
    const auto stored = [this] {
        QStringList names;
        for (const NamedValue &value : writeComponent(stage, form.get()).properties)
            if (value.name.startsWith(QLatin1String("Rubberband.")))
                names.append(value.name + QLatin1Char('=') + QString::number(value.value.integer));
        return names;
    };
    EXPECT_TRUE(stored().isEmpty());
    EXPECT_EQ(stage->rubberband()->color(), 8421504);
    EXPECT_EQ(stage->rubberband()->penWidth(), 2);
    stage->rubberband()->setMoveWidth(4);
    EXPECT_EQ(stored(), QStringList{"Rubberband.MoveWidth=4"});
}

TEST_F(DesignerTest, TheControllerTakesItsGridFromTheStage)
{
    stage->rubberband()->setMoveWidth(10);
    stage->rubberband()->setMoveHeight(5);
    reg->setDsnStage(stage);
    auto *tile = addTile(QStringLiteral("TTestBox"), stage, {40, 40, 40, 40}, "T");
    designOn();
    QTest::mousePress(tile, Qt::LeftButton, Qt::NoModifier, {1, 1});
    QTest::mouseRelease(tile, Qt::LeftButton, Qt::NoModifier, {25, 13});
    // (41,41) -> (40,40); (65,53) -> (60,50).
    EXPECT_EQ(tile->pos(), QPoint(60, 50));
}

TEST_F(DesignerTest, ReadingFiresLoadingAtOnceAndLoadedFromTheQueue)
{
    struct Rules : TTestRules {
        using TTestRules::TTestRules;
        void tileLoading(TControl *tile) override { events.append("loading " + tile->name()); }
        void tileLoaded(TControl *tile) override { events.append("loaded " + tile->name()); }
        QStringList events;
    };
    const QStringList &events = installRules<Rules>().events;
    ComponentRecord outer;
    outer.className = QStringLiteral("TTestBox");
    outer.name = QStringLiteral("Outer");
    ComponentRecord inner = outer;
    inner.name = QStringLiteral("Inner");
    outer.children.push_back(inner);
    readComponents({outer}, form.get(), stage, stage->readHooks(false));
    EXPECT_EQ(events, (QStringList{"loading Outer", "loading Inner"}));
    flush();
    EXPECT_EQ(events,
              (QStringList{"loading Outer", "loading Inner", "loaded Outer", "loaded Inner"}));
    EXPECT_TRUE(created.isEmpty());
}

TEST_F(DesignerTest, QueuedNotificationsForFreedControlsAreDropped)
{
    auto *tile = addTile(QStringLiteral("TTestBox"), stage, {40, 40, 40, 40}, "T");
    stage->postControlCreated(tile);
    delete tile;
    flush();
    EXPECT_TRUE(created.isEmpty());
}

TEST_F(DesignerTest, FreeingSelectedAndHookedControlsReachesTheHooks)
{
    class TWatchingRegister : public TDsn8Register
    {
    public:
        QList<const QObject *> agentsGone;
        QList<const QObject *> entriesGone;
        void AgentTargetRemoved(const QObject *gone) override { agentsGone.append(gone); }
        void SelectionEntryRemoving(const QObject *gone) override { entriesGone.append(gone); }
    };
    reg = std::make_unique<TWatchingRegister>();
    auto *watching = static_cast<TWatchingRegister *>(reg.get());
    reg->setDsnStage(stage);
    auto *tile = addTile(QStringLiteral("TTestBox"), stage, {40, 40, 40, 40}, "T");
    designOn();
    reg->SelectControl(tile);
    const QObject *address = tile;
    delete tile;
    EXPECT_EQ(watching->entriesGone, QList<const QObject *>{address});
    EXPECT_EQ(watching->agentsGone, QList<const QObject *>{address});
    EXPECT_TRUE(reg->selection()->isEmpty());
    EXPECT_TRUE(reg->handleManager()->sets().isEmpty());
}

} // namespace tw::test
