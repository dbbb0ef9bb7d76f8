#include "LinkRig.h"

#include <gtest/gtest.h>

namespace korvane::link::test {
namespace {

constexpr std::size_t EditedCell = model::Offset::Jet14AMap + 50;  // block 6

void ExpectProgramStarted(const LinkRig &rig)
{
    EXPECT_EQ(rig.link.transferMode(), TransferMode::Program);
    EXPECT_EQ(rig.link.blockByte(), 0x00);
    EXPECT_EQ(rig.link.retryCount(), 0);
    EXPECT_EQ(rig.link.status().text, lang::TextId::Programming);
    EXPECT_FALSE(rig.link.status().okSuffix);
    EXPECT_TRUE(rig.link.status().visible);
    EXPECT_TRUE(rig.link.status().gaugeVisible);
    EXPECT_EQ(rig.link.status().gauge, 0);
    EXPECT_FALSE(rig.link.programOk());
}

// Ticks the option, lets the first run finish and checks it confirmed.
void ArmAndSettle(LinkRig &rig)
{
    rig.link.ProgramAfterChange(true);
    ASSERT_EQ(rig.link.transferMode(), TransferMode::Program);
    rig.tickUntilIdle();
    ASSERT_TRUE(rig.link.programOk());
}

TEST(ProgramAfterChange, UntickedStartsNothing)
{
    LinkRig rig;
    rig.image[EditedCell] = 99;
    rig.link.ProgramAfterChange(false);
    EXPECT_EQ(rig.link.transferMode(), TransferMode::Idle);
    EXPECT_FALSE(rig.link.status().visible);
    EXPECT_EQ(rig.host.takePageCalls + rig.host.normaliseCalls + rig.host.showPageCalls, 0);
}

TEST(ProgramAfterChange, TickingStartsOneRunThenOnlyChangesDo)
{
    LinkRig rig;
    rig.link.ProgramAfterChange(true);
    ExpectProgramStarted(rig);
    EXPECT_EQ(rig.host.takePageCalls, 0) << "the caller has taken the page already";
    rig.tickUntilIdle();
    ASSERT_TRUE(rig.link.programOk());

    rig.link.ProgramAfterChange(true);
    EXPECT_EQ(rig.link.transferMode(), TransferMode::Idle) << "nothing changed";

    rig.image[model::Offset::FirmwareNumber] ^= 0x55;
    rig.link.ProgramAfterChange(true);
    EXPECT_EQ(rig.link.transferMode(), TransferMode::Idle) << "the header is not compared";

    rig.image[EditedCell] = 99;
    rig.link.ProgramAfterChange(true);
    ExpectProgramStarted(rig);
    rig.tickUntilIdle();
    EXPECT_EQ(rig.unit.memory[EditedCell], 99);
}

TEST(ProgramAfterChange, ClearingAndTickingAgainStartsOneRunWithoutChange)
{
    LinkRig rig;
    ArmAndSettle(rig);

    rig.link.ProgramAfterChange(false);
    EXPECT_EQ(rig.link.transferMode(), TransferMode::Idle);
    rig.link.ProgramAfterChange(true);
    ExpectProgramStarted(rig);

    rig.tick(8);
    const std::uint8_t reached = rig.link.blockByte();
    ASSERT_GT(reached, 0);
    rig.link.ProgramAfterChange(true);
    EXPECT_EQ(rig.link.blockByte(), reached) << "only the first call after ticking counts as a change";
}

TEST(ProgramAfterChange, EditDuringARunRestartsFromBlockZero)
{
    LinkRig rig;
    rig.link.ProgramAfterChange(true);
    rig.tick(9);
    ASSERT_EQ(rig.link.transferMode(), TransferMode::Program);
    ASSERT_EQ(rig.link.blockByte(), 0x05);

    rig.image[EditedCell] = 77;
    rig.link.ProgramAfterChange(true);
    ExpectProgramStarted(rig);
    rig.tickUntilIdle();

    const auto requests = rig.requests();
    EXPECT_EQ(std::count(requests.begin(), requests.end(), 0x00), 2);
    EXPECT_EQ(rig.unit.memory[EditedCell], 77);
    EXPECT_TRUE(rig.link.programOk());
}

TEST(ProgramAfterChange, CopyIsTakenWhenTheRunStartsNotWhenItSucceeds)
{
    LinkRig rig;
    rig.unit.behaviour = [](const Frame &) { return FakeUnit::Answer::Never; };
    rig.image[EditedCell] = 99;
    rig.link.ProgramAfterChange(true);
    rig.tickUntilIdle();
    ASSERT_EQ(rig.link.status().text, lang::TextId::ProgramError);

    rig.link.ProgramAfterChange(true);
    EXPECT_EQ(rig.link.transferMode(), TransferMode::Idle);
}

}  // namespace
}  // namespace korvane::link::test
