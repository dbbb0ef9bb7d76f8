#include "LinkRig.h"

#include <gtest/gtest.h>

namespace korvane::link::test {
namespace {

// After a confirmed program run the idle step keeps rewriting "Program device: OK";
// once hidden, the status must stay hidden and no hold may count down any more.
TEST(HideStatus, HidesLabelAndGaugeForGoodAfterAProgramRun)
{
    LinkRig rig;
    rig.link.MenuProgramClick();
    ASSERT_LE(rig.tickUntilIdle(), 1000);
    rig.tick(10);
    ASSERT_TRUE(rig.link.programOk());
    ASSERT_TRUE(rig.link.status().visible);
    ASSERT_GT(rig.link.statusHold(), 0);

    rig.link.HideStatus();
    EXPECT_FALSE(rig.link.status().visible);
    EXPECT_FALSE(rig.link.status().gaugeVisible);
    EXPECT_EQ(rig.link.statusHold(), 0);

    rig.tick(StatusHoldTicks + 10);
    EXPECT_FALSE(rig.link.status().visible);
    EXPECT_FALSE(rig.link.status().gaugeVisible);
    EXPECT_EQ(rig.link.statusHold(), 0);
}

}  // namespace
}  // namespace korvane::link::test
