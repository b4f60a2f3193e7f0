#include "DesignerFixture.h"

namespace tw::test {

TEST_F(DesignerTest, DesignModeHooksStage)
{
    addTile(QStringLiteral("TTestBox"), stage, {16, 16, 80, 40});
    designOn();
    EXPECT_TRUE(reg->isHooked(stage));
}

} // namespace tw::test
