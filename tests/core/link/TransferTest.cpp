#include "LinkRig.h"

#include "lang/Texts.h"

#include <gtest/gtest.h>

namespace korvane::link::test {
namespace {

using Answer = FakeUnit::Answer;
using lang::TextId;

std::vector<std::uint8_t> Codes(std::initializer_list<std::pair<int, int>> ranges)
{
    std::vector<std::uint8_t> codes;
    for (auto [first, last] : ranges) {
        for (int c = first; c <= last; ++c) {
            codes.push_back(static_cast<std::uint8_t>(c));
        }
    }
    return codes;
}

std::string English(TextId id) { return lang::MessageText(id, lang::English); }

bool BlocksEqual(const model::ConfigImage &a, const model::ConfigImage &b, std::size_t first, std::size_t last)
{
    for (std::size_t k = first; k <= last; ++k) {
        if (!std::equal(a.block(k).begin(), a.block(k).end(), b.block(k).begin())) {
            return false;
        }
    }
    return true;
}

TEST(Read, PromptUnitTakesTwelveExchangesAndElevenForTheClosingVerify)
{
    LinkRig rig;
    rig.link.MenuReadClick();
    EXPECT_TRUE(rig.port.written.empty()) << "a command never sends by itself";
    EXPECT_TRUE(rig.link.takeFileNameCleared());
    EXPECT_EQ(rig.link.status().text, TextId::Reading);
    EXPECT_TRUE(rig.link.status().visible);
    EXPECT_TRUE(rig.link.status().gaugeVisible);

    EXPECT_EQ(rig.tickUntilIdle(), 27);

    EXPECT_EQ(rig.requests(), Codes({{0x40, 0x4B}, {0x41, 0x4B}}));
    // First request on the 4th tick, then one block per tick.
    for (std::size_t i = 0; i < rig.port.writtenAt.size(); ++i) {
        EXPECT_EQ(rig.port.writtenAt[i], 4 + i);
    }
    EXPECT_EQ(rig.image, rig.unit.memory);
    EXPECT_TRUE(rig.link.takeImageChanged());
    EXPECT_EQ(rig.link.versionTexts(), model::DecodeHeader(rig.unit.memory));
    EXPECT_EQ(rig.link.status().text, TextId::Verifying);
    EXPECT_TRUE(rig.link.status().okSuffix);
    EXPECT_EQ(rig.link.status().colour, Colour::Normal);
    EXPECT_EQ(rig.link.status().gauge, GaugeMax);
    EXPECT_FALSE(rig.link.programOk());
    EXPECT_GE(rig.host.showPageCalls, 1);
}

TEST(Read, SilentUnitFailsAfterFiveSendsAndChangesNoByte)
{
    LinkRig rig;
    rig.unit.behaviour = [](const Frame &) { return Answer::Never; };
    const model::ConfigImage before = rig.image;

    rig.link.MenuReadClick();
    EXPECT_EQ(rig.tickUntilIdle(), 24);

    EXPECT_EQ(rig.requests(), std::vector<std::uint8_t>(5, 0x40));
    EXPECT_EQ(rig.port.writtenAt, (std::vector<std::uint64_t>{4, 8, 12, 16, 20}));
    EXPECT_EQ(rig.image, before);
    EXPECT_FALSE(rig.link.takeImageChanged());
    EXPECT_EQ(English(rig.link.status().text), "Read error!");
    EXPECT_EQ(rig.link.status().colour, Colour::Red);
    EXPECT_TRUE(rig.link.status().visible);
    EXPECT_EQ(rig.link.statusHold(), StatusHoldTicks - 1);
}

TEST(Read, UnitFallingSilentHalfWayLeavesTheImageWhole)
{
    LinkRig rig;
    rig.unit.behaviour = [](const Frame &request) { return request[0] < 0x46 ? Answer::AtOnce : Answer::Never; };
    const model::ConfigImage before = rig.image;

    rig.link.MenuReadClick();
    rig.tickUntilIdle();

    EXPECT_EQ(rig.link.status().text, TextId::ReadError);
    EXPECT_EQ(rig.image, before);
    EXPECT_FALSE(rig.link.takeImageChanged());
    EXPECT_EQ(rig.link.versionTexts(), model::DecodeHeader(rig.unit.memory));
}

TEST(Read, LateAnswersToThePreviousBlockAreIgnored)
{
    LinkRig rig;
    // Every answer comes after the resend, so the answer to the resend arrives
    // while the next block is awaited.
    rig.unit.behaviour = [](const Frame &) { return Answer::Late; };
    rig.unit.lateTicks = 5;

    rig.link.MenuReadClick();
    ASSERT_LT(rig.tickUntilIdle(), 1000);

    EXPECT_EQ(rig.image, rig.unit.memory);
    EXPECT_EQ(rig.link.status().text, TextId::Verifying);
    EXPECT_TRUE(rig.link.status().okSuffix);
    std::vector<std::uint8_t> twice;
    for (std::uint8_t code : Codes({{0x40, 0x4B}, {0x41, 0x4B}})) {
        twice.insert(twice.end(), {code, code});
    }
    EXPECT_EQ(rig.requests(), twice);
}

TEST(Read, AnswerBelongingToAnotherBlockIsNotTaken)
{
    LinkRig rig;
    rig.link.MenuReadClick();
    rig.unit.behaviour = [](const Frame &request) { return request[0] == 0x41 ? Answer::WrongEcho : Answer::AtOnce; };
    const model::ConfigImage before = rig.image;

    rig.tickUntilIdle();

    EXPECT_EQ(rig.requests(), Codes({{0x40, 0x41}, {0x41, 0x41}, {0x41, 0x41}, {0x41, 0x41}, {0x41, 0x41}}));
    EXPECT_EQ(rig.link.status().text, TextId::ReadError);
    EXPECT_EQ(rig.image, before);
}

TEST(Read, CorruptAnswerIsAskedForAgain)
{
    LinkRig rig;
    int corrupted = 0;
    rig.unit.behaviour = [&corrupted](const Frame &request) {
        return request[0] == 0x43 && corrupted++ == 0 ? Answer::Corrupt : Answer::AtOnce;
    };
    rig.link.MenuReadClick();
    rig.tickUntilIdle();

    EXPECT_EQ(rig.image, rig.unit.memory);
    EXPECT_EQ(rig.requests(), Codes({{0x40, 0x43}, {0x43, 0x4B}, {0x41, 0x4B}}));
}

TEST(Read, UnitValueOutsideTheLimitsEndsInVerifyError)
{
    LinkRig rig;
    constexpr std::size_t cell = model::Offset::AdvMap + 5;
    rig.unit.memory[cell] = 200;
    model::ConfigImage normalised = rig.unit.memory;
    model::NormaliseImage(normalised);
    ASSERT_NE(normalised[cell], 200) << "the test needs a value the limits repair";

    rig.link.MenuReadClick();
    rig.tickUntilIdle();

    EXPECT_EQ(English(rig.link.status().text), "Verify error!");
    EXPECT_EQ(rig.link.status().colour, Colour::Red);
    EXPECT_EQ(rig.image, normalised);
    const auto requests = rig.requests();
    EXPECT_EQ(std::count(requests.begin(), requests.end(), 0x44), 1 + 5) << "read once, verified five times";
}

TEST(Read, OtherLayoutStopsWithMessageAndLeavesImageAlone)
{
    LinkRig rig;
    rig.unit.memory[model::Offset::LayoutVersion] = 0x22;
    const model::ConfigImage before = rig.image;

    rig.link.MenuReadClick();
    EXPECT_EQ(rig.tickUntilIdle(), 5);

    EXPECT_EQ(rig.requests(), std::vector<std::uint8_t>{0x40});
    EXPECT_EQ(rig.link.takeMessages(), std::vector<TextId>{TextId::UnitVersionMismatch});
    EXPECT_TRUE(rig.link.takeMessages().empty());
    EXPECT_EQ(rig.image, before);
    EXPECT_FALSE(rig.link.takeImageChanged());
    EXPECT_EQ(rig.link.versionTexts(), model::DecodeHeader(rig.unit.memory));
    EXPECT_EQ(rig.link.status().text, TextId::Reading) << "the status keeps its text";
    rig.tick(30);
    EXPECT_EQ(rig.link.transferMode(), TransferMode::Idle);
    EXPECT_TRUE(rig.link.takeMessages().empty());
}

TEST(Verify, OnlyPulsesPerRevolutionMayDiffer)
{
    {
        LinkRig rig;
        rig.image = rig.unit.memory;
        rig.unit.memory[model::Offset::PulsesPerRev] ^= 0x01;
        rig.link.MenuVerifyClick();
        EXPECT_EQ(rig.host.calls, (std::vector<char>{'T', 'N', 'S'}));
        rig.tickUntilIdle();
        EXPECT_EQ(rig.requests(), Codes({{0x41, 0x4B}}));
        EXPECT_EQ(rig.link.status().text, TextId::Verifying);
        EXPECT_TRUE(rig.link.status().okSuffix);
    }
    for (std::size_t offset : {std::size_t{103}, std::size_t{104}}) {
        LinkRig rig;
        rig.image = rig.unit.memory;
        rig.unit.memory[offset] ^= 0x01;
        rig.link.MenuVerifyClick();
        rig.tickUntilIdle();
        EXPECT_EQ(rig.requests(), std::vector<std::uint8_t>(5, 0x41)) << "offset " << offset;
        EXPECT_EQ(rig.link.status().text, TextId::VerifyError) << "offset " << offset;
        EXPECT_EQ(rig.link.status().colour, Colour::Red);
    }
}

TEST(Program, PromptUnitTakesTheHeaderAndEndsConfirmed)
{
    LinkRig rig;
    rig.image = rig.unit.memory;
    WriteHeader(rig.image, "PCT", 1);
    rig.image[model::Offset::AdvMap] = 17;
    const model::ConfigImage unitHeader = rig.unit.memory;

    rig.link.MenuProgramClick();
    EXPECT_EQ(rig.host.calls, (std::vector<char>{'T', 'N', 'S'}));
    EXPECT_EQ(rig.link.status().text, TextId::Programming);
    EXPECT_EQ(rig.tickUntilIdle(), 27);

    EXPECT_EQ(rig.requests(), Codes({{0x00, 0x0B}, {0x41, 0x4B}}));
    EXPECT_EQ(rig.port.written.front()[1], 'P') << "block 0 goes out with the tool's header";
    EXPECT_TRUE(BlocksEqual(rig.image, unitHeader, 0, 0));
    EXPECT_TRUE(BlocksEqual(rig.image, rig.unit.memory, 0, 11));
    EXPECT_EQ(rig.unit.memory[model::Offset::AdvMap], 17);
    EXPECT_EQ(rig.link.versionTexts(), model::DecodeHeader(unitHeader));
    EXPECT_TRUE(rig.link.takeImageChanged());
    EXPECT_TRUE(rig.link.takeMessages().empty());
    EXPECT_TRUE(rig.link.programOk());
    // The idle step of the same tick already shows the confirmed run.
    EXPECT_EQ(rig.link.status().text, TextId::Programming);
    EXPECT_TRUE(rig.link.status().okSuffix);
    EXPECT_EQ(rig.link.status().gauge, GaugeMax);
    EXPECT_TRUE(rig.link.status().visible);
}

TEST(Program, OtherLayoutTakesTheUnitHeaderAndStops)
{
    LinkRig rig;
    rig.unit.memory[model::Offset::LayoutVersion] = 0x22;
    const model::ConfigImage unitBefore = rig.unit.memory;
    const model::ConfigImage toolBefore = rig.image;

    rig.link.MenuProgramClick();
    rig.tickUntilIdle();

    EXPECT_EQ(rig.requests(), std::vector<std::uint8_t>{0x00});
    EXPECT_EQ(rig.link.takeMessages(), std::vector<TextId>{TextId::UnitVersionMismatch});
    EXPECT_TRUE(BlocksEqual(rig.image, unitBefore, 0, 0));
    EXPECT_TRUE(BlocksEqual(rig.image, toolBefore, 1, 11));
    EXPECT_EQ(rig.unit.memory, unitBefore);
    EXPECT_EQ(rig.link.versionTexts(), model::DecodeHeader(unitBefore));
    EXPECT_FALSE(rig.link.programOk());
}

TEST(Program, DifferentEchoEndsInProgramError)
{
    LinkRig rig;
    rig.unit.behaviour = [](const Frame &request) { return request[0] == 0x05 ? Answer::AlteredData : Answer::AtOnce; };
    rig.link.MenuProgramClick();
    rig.tickUntilIdle();

    EXPECT_EQ(rig.requests(), Codes({{0x00, 0x05}, {0x05, 0x05}, {0x05, 0x05}, {0x05, 0x05}, {0x05, 0x05}}));
    EXPECT_EQ(English(rig.link.status().text), "Program error!");
    EXPECT_EQ(rig.link.status().colour, Colour::Red);
    EXPECT_FALSE(rig.link.programOk());
}

TEST(Program, SavingCountdownFillsTheGaugeThenTheResultReturns)
{
    LinkRig rig;
    rig.link.MenuProgramClick();
    rig.tickUntilIdle();
    ASSERT_TRUE(rig.link.programOk());

    auto tickUntilCountdown = [&rig](std::uint16_t countdown) {
        rig.unit.savingCountdown = countdown;
        for (int i = 0; i < 10 && rig.link.savingCountdown() != countdown; ++i) {
            rig.tick();
        }
        ASSERT_EQ(rig.link.savingCountdown(), countdown);
    };

    tickUntilCountdown(1103);
    EXPECT_EQ(rig.link.status().text, TextId::Saving);
    EXPECT_FALSE(rig.link.status().okSuffix);
    EXPECT_EQ(rig.link.status().gauge, 0);
    EXPECT_EQ(rig.link.statusHold(), StatusHoldTicks - 1);

    tickUntilCountdown(552);
    EXPECT_EQ(rig.link.status().gauge, 5);  // 551 * 11 / 1103
    tickUntilCountdown(1);
    EXPECT_EQ(rig.link.status().gauge, 10);
    tickUntilCountdown(2000);
    EXPECT_EQ(rig.link.status().gauge, 0) << "clamped";

    tickUntilCountdown(0);
    EXPECT_EQ(rig.link.status().text, TextId::Programming);
    EXPECT_TRUE(rig.link.status().okSuffix);
    EXPECT_EQ(rig.link.status().gauge, GaugeMax);
}

TEST(Program, ReadingClearsTheConfirmation)
{
    LinkRig rig;
    rig.link.MenuProgramClick();
    rig.tickUntilIdle();
    ASSERT_TRUE(rig.link.programOk());

    rig.link.MenuReadClick();
    rig.tick();
    EXPECT_FALSE(rig.link.programOk());
}

TEST(Transfer, CommandDuringAnOperationReplacesIt)
{
    LinkRig rig;
    rig.link.MenuReadClick();
    rig.tick(7);  // blocks 0..2 read, 0x43 on its way
    ASSERT_EQ(rig.link.blockByte(), 0x43);
    rig.image = rig.unit.memory;
    rig.link.MenuVerifyClick();
    rig.tickUntilIdle();

    EXPECT_EQ(rig.requests(), Codes({{0x40, 0x43}, {0x41, 0x4B}})) << "the late 0xC3 is not taken";
    EXPECT_EQ(rig.link.status().text, TextId::Verifying);
    EXPECT_TRUE(rig.link.status().okSuffix);
}

}  // namespace
}  // namespace korvane::link::test
