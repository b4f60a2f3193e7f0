#include "app/SingleInstance.h"

#include <QSignalSpy>
#include <QUuid>
#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(SingleInstance, ASecondCopyActivatesTheFirstAndGivesWay)
{
    const QString name = QStringLiteral("tw-test-") + QUuid::createUuid().toString(QUuid::Id128);
    SingleInstance first(name);
    ASSERT_TRUE(first.claim());
    QSignalSpy activated(&first, &SingleInstance::activationRequested);

    SingleInstance second(name);
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(activated.wait(5000));
    EXPECT_EQ(activated.count(), 1);
}

TEST(SingleInstance, TheFirstCopyAloneClaims)
{
    const QString name = QStringLiteral("tw-test-") + QUuid::createUuid().toString(QUuid::Id128);
    {
        SingleInstance gone(name);
        ASSERT_TRUE(gone.claim());
    }
    SingleInstance next(name);
    EXPECT_TRUE(next.claim());
}

} // namespace
} // namespace tw
