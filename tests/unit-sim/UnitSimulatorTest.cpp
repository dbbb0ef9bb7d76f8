#include "EngineModel.h"
#include "SimLoop.h"
#include "SimTestSupport.h"
#include "UnitSimulator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

namespace korvane::unitsim {
namespace {

using test::Bytes;
using test::Request;
using test::Word;
using test::XorAll;

class UnitSimulatorTest : public ::testing::Test {
protected:
    UnitSimulatorTest() : m_unit(m_memory, FaultSwitches{}) {}

    // Sends a request at time now and returns what the unit answers at once.
    std::vector<std::uint8_t> Exchange(const Frame &request, std::uint64_t now = 0)
    {
        m_unit.feed(request, now);
        return m_unit.takeOutput(now);
    }

    static Block Pattern(std::uint8_t seed)
    {
        Block block{};
        for (std::size_t i = 0; i < BlockSize; ++i) {
            block[i] = static_cast<std::uint8_t>(seed + 3 * i);
        }
        return block;
    }

    Memory m_memory = BuildDefaultMemory(HeaderInfo{});
    UnitSimulator m_unit;
};

TEST_F(UnitSimulatorTest, AnswersEveryReadRequestWithItsBlock)
{
    for (std::uint8_t k = 0; k < BlockCount; ++k) {
        const auto answer = Exchange(Request(static_cast<std::uint8_t>(0x40 + k)));
        ASSERT_EQ(answer.size(), FrameSize);
        EXPECT_EQ(answer[0], 0xC0 + k);
        EXPECT_EQ(XorAll(answer), 0);
        EXPECT_TRUE(std::equal(answer.begin() + 1, answer.begin() + 101, m_memory.begin() + k * BlockSize))
            << "block " << int{k};
    }
}

TEST_F(UnitSimulatorTest, PollIsAnsweredWithASoundMonitorFrame)
{
    const auto answer = Exchange(Request(0x30), 12345);
    ASSERT_EQ(answer.size(), FrameSize);
    EXPECT_EQ(answer[0], 0xB0);
    EXPECT_EQ(answer[100], 0x23);
    EXPECT_EQ(XorAll(answer), 0);
    const Frame expected = BuildMonitorFrame(EngineAt(12345, m_memory), UnitStatus{});
    EXPECT_EQ(answer, Bytes(expected));
}

TEST_F(UnitSimulatorTest, ProgramStoresBlocksButKeepsItsOwnHeader)
{
    const Block foreignHeader = Pattern(9);
    const auto headerAnswer = Exchange(Request(0x00, foreignHeader));
    ASSERT_EQ(headerAnswer.size(), FrameSize);
    EXPECT_EQ(headerAnswer[0], 0x80);
    EXPECT_TRUE(std::equal(headerAnswer.begin() + 1, headerAnswer.begin() + 101, m_memory.begin()));
    EXPECT_TRUE(std::equal(m_unit.memory().begin(), m_unit.memory().begin() + 100, m_memory.begin()));

    const Block data = Pattern(1);
    const auto echo = Exchange(Request(0x05, data));
    ASSERT_EQ(echo.size(), FrameSize);
    EXPECT_EQ(echo[0], 0x85);
    EXPECT_EQ(XorAll(echo), 0);
    EXPECT_TRUE(std::equal(echo.begin() + 1, echo.begin() + 101, data.begin()));

    // Verify answers from the stored block.
    const auto verify = Exchange(Request(0x45));
    EXPECT_EQ(verify[0], 0xC5);
    EXPECT_TRUE(std::equal(verify.begin() + 1, verify.begin() + 101, data.begin()));
}

TEST_F(UnitSimulatorTest, CompleteProgramRunCountsOnceAndCountsDownWhileSaving)
{
    std::uint64_t now = 1000;
    for (std::uint8_t k = 0; k < BlockCount; ++k) {
        ASSERT_EQ(Exchange(Request(k, MemoryBlock(m_memory, k)), now).size(), FrameSize);
        now += 20;
    }
    const std::uint64_t finished = now - 20;
    EXPECT_EQ(m_unit.programmingCount(), 1);
    // A resent block 11 (its echo lost) is no second run.
    (void)Exchange(Request(0x0B, MemoryBlock(m_memory, 11)), finished + 10);
    EXPECT_EQ(m_unit.programmingCount(), 1);

    EXPECT_EQ(m_unit.savingCountdown(finished), SavingStart);
    const std::uint16_t halfway = m_unit.savingCountdown(finished + DefaultSavingMs / 2);
    EXPECT_GT(halfway, 500);
    EXPECT_LT(halfway, 600);
    EXPECT_GT(m_unit.savingCountdown(finished + DefaultSavingMs - 1), 0);
    EXPECT_EQ(m_unit.savingCountdown(finished + DefaultSavingMs), 0);

    const auto monitor = Exchange(Request(0x30), finished + 1000);
    EXPECT_EQ(Word(monitor, Monitor::ProgrammingCount), 1);
    EXPECT_EQ(Word(monitor, Monitor::SavingCountdown), m_unit.savingCountdown(finished + 1000));

    // Blocks 1..11 alone, without block 0 first, are not a run.
    for (std::uint8_t k = 1; k < BlockCount; ++k) {
        (void)Exchange(Request(k, MemoryBlock(m_memory, k)), finished + 5000);
    }
    EXPECT_EQ(m_unit.programmingCount(), 1);
}

TEST_F(UnitSimulatorTest, FrameSplitAcrossReadsIsAnsweredWhenComplete)
{
    const Frame request = Request(0x43);
    m_unit.feed(std::span(request).first(60), 0);
    EXPECT_TRUE(m_unit.takeOutput(0).empty());
    m_unit.feed(std::span(request).subspan(60), 5);
    const auto answer = m_unit.takeOutput(5);
    ASSERT_EQ(answer.size(), FrameSize);
    EXPECT_EQ(answer[0], 0xC3);
}

TEST_F(UnitSimulatorTest, TwoFramesInOneReadGetTwoAnswers)
{
    std::vector<std::uint8_t> both = Bytes(Request(0x41));
    const Frame second = Request(0x30);
    both.insert(both.end(), second.begin(), second.end());
    m_unit.feed(both, 0);
    const auto answers = m_unit.takeOutput(0);
    ASSERT_EQ(answers.size(), 2 * FrameSize);
    EXPECT_EQ(answers[0], 0xC1);
    EXPECT_EQ(answers[FrameSize], 0xB0);
}

TEST_F(UnitSimulatorTest, BadCheckByteDropsEverythingBufferedAndRecovers)
{
    Frame bad = Request(0x30);
    bad[101] ^= 0x01;
    // The bad frame and the start of the next one arrive together.
    std::vector<std::uint8_t> bytes = Bytes(bad);
    const Frame next = Request(0x44);
    bytes.insert(bytes.end(), next.begin(), next.begin() + 30);
    m_unit.feed(bytes, 0);
    EXPECT_TRUE(m_unit.takeOutput(0).empty());
    EXPECT_EQ(m_unit.bufferedBytes(), 0u);
    EXPECT_EQ(m_unit.counters().framesDropped, 1u);

    const auto answer = Exchange(Request(0x44), 60);
    ASSERT_EQ(answer.size(), FrameSize);
    EXPECT_EQ(answer[0], 0xC4);
}

TEST_F(UnitSimulatorTest, StalePartialFrameIsDroppedWhenNewBytesArrive)
{
    const std::vector<std::uint8_t> noise(7, 0x55);
    m_unit.feed(noise, 100);
    const auto answer = Exchange(Request(0x42), 100 + StalePartialMs);
    ASSERT_EQ(answer.size(), FrameSize);
    EXPECT_EQ(answer[0], 0xC2);
}

TEST_F(UnitSimulatorTest, UnknownCommandsAreIgnored)
{
    for (std::uint8_t command : {std::uint8_t{0x0C}, std::uint8_t{0x31}, std::uint8_t{0x4C}, std::uint8_t{0x80},
                                 std::uint8_t{0xB0}, std::uint8_t{0xC3}}) {
        EXPECT_TRUE(Exchange(Request(command)).empty()) << int{command};
    }
    EXPECT_EQ(m_unit.counters().framesIgnored, 6u);
    EXPECT_EQ(m_unit.memory(), m_memory);
}

class FaultTest : public ::testing::Test {
protected:
    static std::vector<std::uint8_t> Exchange(UnitSimulator &unit, const Frame &request, std::uint64_t now = 0)
    {
        unit.feed(request, now);
        return unit.takeOutput(now);
    }
    Memory m_memory = BuildDefaultMemory(HeaderInfo{});
};

TEST_F(FaultTest, NeverAnswerReadsButStaysSilent)
{
    FaultSwitches faults;
    faults.neverAnswer = true;
    UnitSimulator unit(m_memory, faults);
    EXPECT_TRUE(Exchange(unit, Request(0x30)).empty());
    EXPECT_TRUE(Exchange(unit, Request(0x40)).empty());
    EXPECT_EQ(unit.counters().framesAccepted, 2u);
    EXPECT_FALSE(unit.nextAnswerDue());
}

TEST_F(FaultTest, AnswerLateHoldsAnswersBackInOrder)
{
    FaultSwitches faults;
    faults.answerLateMs = 300;
    UnitSimulator unit(m_memory, faults);
    unit.feed(Request(0x41), 1000);
    unit.feed(Request(0x42), 1100);
    EXPECT_EQ(unit.nextAnswerDue(), 1300u);
    EXPECT_TRUE(unit.takeOutput(1299).empty());
    auto out = unit.takeOutput(1300);
    ASSERT_EQ(out.size(), FrameSize);
    EXPECT_EQ(out[0], 0xC1);
    out = unit.takeOutput(1400);
    ASSERT_EQ(out.size(), FrameSize);
    EXPECT_EQ(out[0], 0xC2);
    EXPECT_FALSE(unit.nextAnswerDue());
}

TEST_F(FaultTest, CorruptEverySpoilsOnlyTheNthAnswer)
{
    FaultSwitches faults;
    faults.corruptEvery = 3;
    UnitSimulator unit(m_memory, faults);
    std::vector<int> sound;
    for (int i = 0; i < 6; ++i) {
        const auto answer = Exchange(unit, Request(i % 2 ? 0x30 : 0x41));
        ASSERT_EQ(answer.size(), FrameSize);
        sound.push_back(XorAll(answer) == 0);
    }
    EXPECT_EQ(sound, (std::vector<int>{1, 1, 0, 1, 1, 0}));
}

TEST_F(FaultTest, BadEchoStoresTheBlockButEchoesItChanged)
{
    FaultSwitches faults;
    faults.badEcho = true;
    UnitSimulator unit(m_memory, faults);
    Block data{};
    std::iota(data.begin(), data.end(), std::uint8_t{20});
    const auto echo = Exchange(unit, Request(0x06, data));
    ASSERT_EQ(echo.size(), FrameSize);
    EXPECT_EQ(XorAll(echo), 0);
    EXPECT_FALSE(std::equal(echo.begin() + 1, echo.begin() + 101, data.begin()));
    EXPECT_TRUE(std::equal(data.begin(), data.end(), unit.memory().begin() + 600));
    // The header answer of block 0 is not an echo and stays intact.
    const auto header = Exchange(unit, Request(0x00));
    EXPECT_TRUE(std::equal(header.begin() + 1, header.begin() + 101, m_memory.begin()));
}

TEST_F(FaultTest, ShortBurstPrecedesTheFirstBlockAnswerOnly)
{
    FaultSwitches faults;
    faults.shortBurst = true;
    UnitSimulator unit(m_memory, faults);
    EXPECT_EQ(Exchange(unit, Request(0x30)).size(), FrameSize);  // polls are left alone
    const auto first = Exchange(unit, Request(0x40));
    ASSERT_EQ(first.size(), ShortBurstSize + FrameSize);
    // A tool reading 102 bytes from the front sees a spoilt frame.
    EXPECT_NE(XorAll(std::span(first).first(FrameSize)), 0);
    EXPECT_EQ(first[ShortBurstSize], 0xC0);
    EXPECT_EQ(XorAll(std::span(first).subspan(ShortBurstSize)), 0);
    EXPECT_EQ(Exchange(unit, Request(0x40)).size(), FrameSize);
}

TEST_F(FaultTest, DisappearAfterStopsAnsweringAndUnplugs)
{
    FaultSwitches faults;
    faults.disappearAfter = 2;
    UnitSimulator unit(m_memory, faults);
    EXPECT_EQ(Exchange(unit, Request(0x30)).size(), FrameSize);
    EXPECT_FALSE(unit.unplugged());
    EXPECT_EQ(Exchange(unit, Request(0x41)).size(), FrameSize);
    EXPECT_TRUE(unit.unplugged());
    EXPECT_TRUE(Exchange(unit, Request(0x42)).empty());
}

TEST(PrepareMemory, OptionsShapeTheStartingMemory)
{
    std::string error;
    SimOptions options;
    auto memory = PrepareMemory(options, error);
    ASSERT_TRUE(memory);
    EXPECT_EQ((*memory)[Field::LayoutVersion], 35);
    EXPECT_EQ((*memory)[Field::StartLimiter], 100);

    options.layoutVersion = 34;
    options.outOfLimits = true;
    options.firmwareText = "Bench unit";
    memory = PrepareMemory(options, error);
    ASSERT_TRUE(memory);
    EXPECT_EQ((*memory)[Field::LayoutVersion], 34);
    EXPECT_EQ((*memory)[Field::StartLimiter], 5);
    EXPECT_EQ((*memory)[Field::FirmwareText], 'B');

    // The monitor frame reports the layout version the header holds.
    UnitSimulator unit(*memory, FaultSwitches{});
    unit.feed(Request(0x30), 0);
    EXPECT_EQ(unit.takeOutput(0)[Monitor::LayoutVersion], 34);

    options.imagePath = "/nonexistent/korvane-image.bin";
    EXPECT_FALSE(PrepareMemory(options, error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace korvane::unitsim
