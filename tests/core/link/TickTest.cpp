#include "LinkRig.h"

#include <gtest/gtest.h>

namespace korvane::link::test {
namespace {

using Answer = FakeUnit::Answer;

void Silence(LinkRig &rig)
{
    rig.unit.behaviour = [](const Frame &) { return Answer::Never; };
}

TEST(Tick, WithoutUnitOnlyPollsAndShowsNoConnection)
{
    LinkRig rig;
    Silence(rig);
    rig.tick();
    EXPECT_TRUE(rig.link.noConnectionVisible());
    EXPECT_FALSE(rig.link.versionLabelVisible());

    rig.tick(299);
    EXPECT_TRUE(rig.link.noConnectionVisible());
    EXPECT_EQ(rig.link.transferMode(), TransferMode::Idle);
    EXPECT_FALSE(rig.link.status().visible);
    EXPECT_TRUE(rig.requests().empty());
    ASSERT_EQ(rig.port.written.size(), 50u);
    for (std::size_t i = 0; i < rig.port.written.size(); ++i) {
        EXPECT_EQ(rig.port.written[i], BuildPollFrame());
        EXPECT_EQ(rig.port.writtenAt[i], 6 * (i + 1));
    }
}

TEST(Tick, NoConnectionHidesAfterAFrameAndReturnsEighteenTicksLater)
{
    LinkRig rig;
    int polls = 0;
    rig.unit.behaviour = [&polls](const Frame &) { return polls++ == 0 ? Answer::AtOnce : Answer::Never; };

    rig.tick(6);  // the first poll goes out on the 6th tick
    EXPECT_TRUE(rig.link.noConnectionVisible());
    rig.tick();  // its answer is read on the 7th
    EXPECT_FALSE(rig.link.noConnectionVisible());
    EXPECT_TRUE(rig.link.versionLabelVisible());
    for (int t = 8; t <= 24; ++t) {
        rig.tick();
        ASSERT_FALSE(rig.link.noConnectionVisible()) << "tick " << t;
    }
    rig.tick();
    EXPECT_TRUE(rig.link.noConnectionVisible());
    EXPECT_FALSE(rig.link.versionLabelVisible());
}

TEST(Tick, PrintingHidesNoConnection)
{
    LinkRig rig;
    Silence(rig);
    rig.link.setPrinting(true);
    rig.tick();
    EXPECT_FALSE(rig.link.noConnectionVisible());
    rig.link.setPrinting(false);
    rig.tick();
    EXPECT_TRUE(rig.link.noConnectionVisible());
}

TEST(Tick, AnswerWhileIdleIsIgnored)
{
    LinkRig rig;
    Silence(rig);
    rig.link.MenuReadClick();
    rig.tickUntilIdle();
    ASSERT_EQ(rig.link.blockByte(), 0x40);
    const model::ConfigImage before = rig.image;

    const Frame late = MakeResponse(0x40, rig.unit.memory.block(0));
    rig.port.queue(late);
    rig.tick();

    EXPECT_EQ(rig.link.linkWatch(), LinkWatchLimit);
    EXPECT_TRUE(rig.link.noConnectionVisible());
    EXPECT_EQ(rig.image, before);
    EXPECT_FALSE(rig.link.versionTexts().has_value());
    EXPECT_EQ(rig.port.bytesWaiting(), 0u);
}

TEST(Tick, FailureTextHoldsTwoHundredTicks)
{
    LinkRig rig;
    Silence(rig);
    rig.link.MenuVerifyClick();
    rig.tickUntilIdle();
    ASSERT_EQ(rig.link.statusHold(), StatusHoldTicks - 1);

    rig.tick(StatusHoldTicks - 2);
    EXPECT_TRUE(rig.link.status().visible);
    EXPECT_TRUE(rig.link.status().gaugeVisible);
    rig.tick();
    EXPECT_FALSE(rig.link.status().visible);
    EXPECT_FALSE(rig.link.status().gaugeVisible);
    EXPECT_EQ(rig.link.statusHold(), 0);
}

TEST(Tick, ProgramConfirmationEndsWithTheHold)
{
    LinkRig rig;
    rig.link.MenuProgramClick();
    rig.tickUntilIdle();
    ASSERT_TRUE(rig.link.programOk());

    rig.tick(StatusHoldTicks - 2);
    EXPECT_TRUE(rig.link.programOk());
    EXPECT_TRUE(rig.link.status().visible);
    rig.tick();
    EXPECT_FALSE(rig.link.programOk());
    EXPECT_FALSE(rig.link.status().visible);
    rig.tick(20);
    EXPECT_FALSE(rig.link.status().visible);
}

TEST(Tick, SavingDoesNotShowAHiddenStatus)
{
    LinkRig rig;
    rig.unit.savingCountdown = 600;
    rig.tick(7);
    ASSERT_EQ(rig.link.savingCountdown(), 600);
    EXPECT_EQ(rig.link.status().text, lang::TextId::Saving);
    EXPECT_EQ(rig.link.status().gauge, 503 * 11 / 1103);
    EXPECT_FALSE(rig.link.status().visible);
    EXPECT_FALSE(rig.link.status().gaugeVisible);
}

TEST(Receive, WaitsForAWholeFrame)
{
    LinkRig rig;
    const Frame frame = MakeMonitorFrame(0, 4321);
    rig.port.queue(std::span<const std::uint8_t>(frame).first(101));
    rig.tick();
    EXPECT_EQ(rig.port.bytesWaiting(), 101u);
    EXPECT_FALSE(rig.link.takeMonitorReadout().has_value());
    EXPECT_EQ(rig.link.linkWatch(), LinkWatchLimit);

    rig.port.queue(std::span<const std::uint8_t>(frame).last(1));
    rig.tick();
    EXPECT_EQ(rig.port.bytesWaiting(), 0u);
    const auto readout = rig.link.takeMonitorReadout();
    ASSERT_TRUE(readout.has_value());
    EXPECT_EQ(readout->values.rpm, 4321);
    EXPECT_EQ(rig.link.monitorValues().rpm, 4321);
    EXPECT_FALSE(rig.link.noConnectionVisible());
    EXPECT_FALSE(rig.link.takeMonitorReadout().has_value()) << "taken once";
}

TEST(Receive, OnlyTheFirstOfTwoFramesCounts)
{
    LinkRig rig;
    rig.port.queue(MakeMonitorFrame(5, 1000));
    rig.port.queue(MakeMonitorFrame(9, 2000));
    rig.tick();
    EXPECT_EQ(rig.port.bytesWaiting(), 0u);
    EXPECT_EQ(rig.link.savingCountdown(), 5);
    EXPECT_EQ(rig.link.monitorValues().rpm, 1000);
}

TEST(Receive, ReadsAtMostFifteenThousandBytesPerTick)
{
    LinkRig rig;
    for (int i = 0; i < 148; ++i) {
        rig.port.queue(MakeMonitorFrame(0, static_cast<std::uint16_t>(i + 1)));
    }
    ASSERT_EQ(rig.port.bytesWaiting(), 148u * FrameSize);
    rig.tick();
    EXPECT_EQ(rig.port.bytesWaiting(), 148u * FrameSize - 15000);
    EXPECT_EQ(rig.link.monitorValues().rpm, 1);
}

TEST(Receive, BadCheckByteChangesNothing)
{
    LinkRig rig;
    Frame frame = MakeMonitorFrame(700, 3000);
    frame[FrameSize - 1] = static_cast<std::uint8_t>(frame[FrameSize - 1] + 1);
    rig.port.queue(frame);
    rig.tick();
    EXPECT_FALSE(rig.link.takeMonitorReadout().has_value());
    EXPECT_EQ(rig.link.linkWatch(), LinkWatchLimit);
    EXPECT_TRUE(rig.link.noConnectionVisible());
    EXPECT_EQ(rig.link.savingCountdown(), 0);
    EXPECT_EQ(rig.link.monitorValues().rpm, 0);
}

TEST(Receive, MonitorFrameDuringATransferGoesToTheDecoder)
{
    LinkRig rig;
    Silence(rig);
    rig.link.MenuReadClick();
    rig.tick(5);
    rig.port.queue(MakeMonitorFrame(0, 1500));
    rig.tick();
    EXPECT_EQ(rig.link.monitorValues().rpm, 1500);
    EXPECT_EQ(rig.link.blockByte(), 0x40);
    EXPECT_EQ(rig.link.transferMode(), TransferMode::Read);
    EXPECT_FALSE(rig.link.noConnectionVisible());
}

TEST(Receive, ClosedOrMissingPortIsLeftAlone)
{
    LinkRig rig;
    rig.port.open = false;
    rig.port.queue(MakeMonitorFrame(0, 1500));
    rig.link.MenuReadClick();
    EXPECT_EQ(rig.tickUntilIdle(), 24);
    EXPECT_EQ(rig.port.bytesWaiting(), FrameSize);
    EXPECT_TRUE(rig.port.written.empty());
    EXPECT_EQ(rig.link.status().text, lang::TextId::ReadError);

    rig.link.setPort(nullptr);
    rig.link.MenuProgramClick();
    rig.tickUntilIdle();
    EXPECT_EQ(rig.link.status().text, lang::TextId::ProgramError);
    EXPECT_TRUE(rig.link.noConnectionVisible());
}

}  // namespace
}  // namespace korvane::link::test
