// What a run tells the window besides its status: the blocks a read brought,
// the image a program run sends, a passed closing verify, and reads that go
// into a buffer of their own.

#include "LinkRig.h"

#include <gtest/gtest.h>

namespace korvane::link::test {
namespace {

using Answer = FakeUnit::Answer;

std::vector<std::uint8_t> Range(int first, int last)
{
    std::vector<std::uint8_t> codes;
    for (int c = first; c <= last; ++c)
        codes.push_back(static_cast<std::uint8_t>(c));
    return codes;
}

std::vector<std::uint8_t> Join(std::initializer_list<std::vector<std::uint8_t>> parts)
{
    std::vector<std::uint8_t> all;
    for (const auto &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

const std::vector<std::uint8_t> ReadFrames = Range(0x40, 0x4B);
const std::vector<std::uint8_t> ProgramFrames = Range(0x00, 0x0B);
const std::vector<std::uint8_t> VerifyFrames = Range(0x41, 0x4B);

TEST(RunEvents, EachRunReportsWhatItSentOrBroughtAndItsPassedVerify)
{
    struct Case {
        const char *name;
        void (DeviceLink::*command)();
        std::optional<TransferMode> confirmed;
        bool readArrived;
        bool programStarted;
    };
    const Case cases[] = {
        {"read", &DeviceLink::MenuReadClick, TransferMode::Read, true, false},
        {"program", &DeviceLink::MenuProgramClick, TransferMode::Program, false, true},
        {"verify", &DeviceLink::MenuVerifyClick, TransferMode::Verify, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        LinkRig rig;
        if (c.command == &DeviceLink::MenuVerifyClick)
            rig.image = rig.unit.memory;
        const model::ConfigImage sent = rig.image;
        const model::ConfigImage unitBefore = rig.unit.memory;

        (rig.link.*c.command)();
        rig.tickUntilIdle();

        EXPECT_EQ(rig.link.takeConfirmed(), c.confirmed);
        EXPECT_FALSE(rig.link.takeConfirmed()) << "taken once";
        const auto arrived = rig.link.takeReadArrived();
        ASSERT_EQ(arrived.has_value(), c.readArrived);
        if (arrived) {
            EXPECT_EQ(*arrived, unitBefore);
        }
        const auto started = rig.link.takeProgramStarted();
        ASSERT_EQ(started.has_value(), c.programStarted);
        if (started) {
            EXPECT_EQ(*started, sent);
        }
        EXPECT_FALSE(rig.link.takeAsideRead());
    }
}

TEST(RunEvents, AReadReportsTheUnitsBlocksBeforeNormalisation)
{
    LinkRig rig;
    rig.unit.memory[model::Offset::StartLimiter] = 255;
    rig.link.MenuReadClick();
    rig.tickUntilIdle();
    EXPECT_NE(rig.image, rig.unit.memory);
    EXPECT_EQ(rig.link.takeReadArrived(), rig.unit.memory);
}

TEST(RunEvents, AFailedClosingVerifyConfirmsNothing)
{
    LinkRig rig;
    rig.unit.behaviour = [](const Frame &request) {
        return request[0] >= 0x41 && request[0] <= 0x4B ? Answer::AlteredData : Answer::AtOnce;
    };
    rig.link.MenuProgramClick();
    rig.tickUntilIdle();
    EXPECT_EQ(rig.link.status().text, lang::TextId::VerifyError);
    EXPECT_FALSE(rig.link.takeConfirmed());
}

TEST(AsideRead, ReadsWithTheFramesOfAReadAndLeavesTheImageAlone)
{
    LinkRig rig;
    const model::ConfigImage before = rig.image;
    rig.link.ReadAsideClick();
    rig.tickUntilIdle();

    EXPECT_EQ(rig.requests(), ReadFrames) << "no closing verify";
    EXPECT_EQ(rig.image, before);
    EXPECT_FALSE(rig.link.takeImageChanged());
    EXPECT_FALSE(rig.link.takeFileNameCleared());
    EXPECT_FALSE(rig.link.takeReadArrived());
    EXPECT_FALSE(rig.link.takeConfirmed());
    const auto aside = rig.link.takeAsideRead();
    ASSERT_TRUE(aside);
    EXPECT_EQ(aside->purpose, AsidePurpose::Compare);
    EXPECT_EQ(aside->image, rig.unit.memory);
    EXPECT_EQ(rig.link.status().text, lang::TextId::Reading);
    EXPECT_TRUE(rig.link.status().okSuffix);

    // The next read is an ordinary one again.
    rig.link.MenuReadClick();
    rig.tickUntilIdle();
    EXPECT_EQ(rig.image, rig.unit.memory);
}

TEST(AsideRead, BackupFirstKeepsTheUnitsParametersThenPrograms)
{
    LinkRig rig;
    const model::ConfigImage unitBefore = rig.unit.memory;
    rig.link.ProgramWithBackupClick();
    rig.tickUntilIdle(2000);

    EXPECT_EQ(rig.requests(), Join({ReadFrames, ProgramFrames, VerifyFrames}));
    const auto aside = rig.link.takeAsideRead();
    ASSERT_TRUE(aside);
    EXPECT_EQ(aside->purpose, AsidePurpose::BackupProgram);
    EXPECT_EQ(aside->image, unitBefore);
    EXPECT_TRUE(rig.link.takeProgramStarted());
    EXPECT_EQ(rig.link.takeConfirmed(), TransferMode::Program);
    EXPECT_TRUE(std::equal(rig.image.bytes.begin() + 100, rig.image.bytes.end(), rig.unit.memory.bytes.begin() + 100));
}

TEST(AsideRead, AFailedBackupLeavesTheUnitUnprogrammed)
{
    LinkRig rig;
    rig.unit.behaviour = [](const Frame &request) {
        return request[0] == 0x45 ? Answer::Never : Answer::AtOnce;
    };
    const model::ConfigImage unitBefore = rig.unit.memory;
    rig.link.ProgramWithBackupClick();
    rig.tickUntilIdle(2000);

    EXPECT_EQ(rig.link.status().text, lang::TextId::ReadError);
    EXPECT_EQ(rig.unit.memory, unitBefore);
    for (std::uint8_t code : rig.requests())
        EXPECT_GE(code, 0x40) << "no program frame";
    EXPECT_FALSE(rig.link.takeAsideRead());
    EXPECT_FALSE(rig.link.takeProgramStarted());
}

}  // namespace
}  // namespace korvane::link::test
