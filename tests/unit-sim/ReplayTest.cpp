// Replay of a ride log: the frame for each poll, the end and the loop, logs
// that cannot be replayed, and a log recorded, replayed and recorded again.

#include "ReplayLog.h"
#include "SimLoop.h"
#include "SimOptions.h"
#include "SimTestSupport.h"
#include "UnitSimulator.h"

#include "logs/RideLogReader.h"
#include "logs/RideLogWriter.h"

#include "../core/model/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace korvane::unitsim {
namespace {

using model::test::TempDir;
using model::test::WriteWholeFile;

// Polls the unit at the given times; the frames it answered with.
std::vector<Frame> Poll(UnitSimulator &unit, const std::vector<std::uint64_t> &times)
{
    std::vector<Frame> frames;
    for (const std::uint64_t ms : times) {
        unit.feed(test::Request(PollRequest), ms);
        const auto answer = unit.takeOutput(ms);
        if (answer.size() == FrameSize) {
            Frame frame{};
            std::copy(answer.begin(), answer.end(), frame.begin());
            frames.push_back(frame);
        }
    }
    return frames;
}

std::string LogOf(const std::vector<Frame> &frames, const std::vector<std::uint64_t> &times)
{
    const std::chrono::system_clock::time_point when{std::chrono::seconds(1741948927)};
    std::string text = logs::LogHead(logs::UnknownOrigin(when), true);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        link::MonitorFrame frame{};
        std::copy(frames[i].begin(), frames[i].end(), frame.begin());
        logs::AppendRow(text, link::DecodeMonitorNumbers(frame), &frame, logs::IsoTimestamp(when),
                        static_cast<double>(times[i] - times[0]) / 1000.0, true);
    }
    return text;
}

std::vector<std::uint64_t> PollTimes(std::uint64_t start, std::size_t count, std::uint64_t step = 330)
{
    std::vector<std::uint64_t> times;
    for (std::size_t i = 0; i < count; ++i) {
        times.push_back(start + step * i);
    }
    return times;
}

TEST(Replay, ARecordedLogReplayedAndRecordedAgainHoldsTheSameFrames)
{
    const Memory memory = BuildDefaultMemory(HeaderInfo{});
    UnitSimulator engine(memory, FaultSwitches{});
    const auto times = PollTimes(0, 40);
    const std::vector<Frame> ride = Poll(engine, times);
    ASSERT_EQ(ride.size(), times.size());

    TempDir dir;
    WriteWholeFile(dir / "ride.csv", LogOf(ride, times));
    std::string error;
    auto replay = ReplayLog::Load(dir / "ride.csv", error);
    ASSERT_TRUE(replay) << error;
    UnitSimulator unit(memory, FaultSwitches{});
    unit.setReplay(std::move(*replay));
    // The tool connects later; its first poll starts the replay clock, the
    // others come a little after each logged moment.
    auto again = PollTimes(7000 + 20, times.size());
    again.front() = 7000;
    const std::vector<Frame> replayed = Poll(unit, again);
    EXPECT_EQ(replayed, ride);

    const auto reread = logs::ParseRideLog(LogOf(replayed, again));
    const auto original = logs::ParseRideLog(LogOf(ride, times));
    ASSERT_EQ(reread.records.size(), original.records.size());
    for (std::size_t i = 0; i < original.records.size(); ++i) {
        EXPECT_EQ(reread.records[i].frame, original.records[i].frame) << i;
    }
    EXPECT_EQ(Poll(unit, {again.back() + 400}).size(), 0u) << "over: polls go unanswered";
    unit.feed(test::Request(ReadFirst + 3), again.back() + 500);
    EXPECT_EQ(unit.takeOutput(again.back() + 500).size(), FrameSize) << "reads still answered";
}

struct ClockCase {
    double speed;
    bool loop;
    std::vector<std::pair<std::uint64_t, int>> polls;  // ms after the first poll, frame index (-1: none)
};

TEST(Replay, EachPollGetsTheLatestFrameNotAfterTheReplayClock)
{
    // Frames at 0, 0.5 and 1.0 s: the last one lasts 0.5 s too.
    const ClockCase cases[] = {
        {1.0, false, {{0, 0}, {499, 0}, {500, 1}, {999, 1}, {1000, 2}, {1499, 2}, {1500, -1}}},
        {2.0, false, {{0, 0}, {250, 1}, {700, 2}, {750, -1}}},
        {0.5, false, {{0, 0}, {999, 0}, {1000, 1}}},
        {1.0, true, {{1400, 2}, {1500, 0}, {2100, 1}, {3000, 0}}},
    };
    for (const ClockCase &c : cases) {
        std::vector<ReplayLog::Entry> entries;
        for (int i = 0; i < 3; ++i) {
            ReplayLog::Entry entry{0.5 * i, {}};
            entry.frame[1] = static_cast<std::uint8_t>(i);
            entries.push_back(entry);
        }
        auto replay = ReplayLog::FromEntries(entries);
        ASSERT_TRUE(replay);
        replay->setSpeed(c.speed);
        replay->setLoop(c.loop);
        static_cast<void>(replay->frameAt(10000));  // the first poll starts the clock
        for (const auto &[ms, index] : c.polls) {
            const auto frame = replay->frameAt(10000 + ms);
            EXPECT_EQ(frame ? (*frame)[1] : -1, index) << "speed " << c.speed << " loop " << c.loop << " at " << ms;
        }
    }
}

TEST(Replay, ALogWithoutSoundFramesIsRefusedNamingFileAndReason)
{
    TempDir dir;
    Frame sound = MakeBlockFrame(MonitorAnswer, Block{});
    std::string hex;
    for (const std::uint8_t byte : sound) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02x", byte);
        hex += digits;
    }
    std::string spoiled = hex;
    spoiled[203] = spoiled[203] == '0' ? '1' : '0';
    const std::pair<std::string, std::string> cases[] = {
        {"seconds,rpm\n0.0,1000\n", "the log has no frame column"},
        {"seconds,frame\n0.0," + spoiled + "\n", "no frame in the log has a valid check byte"},
        {"seconds,frame\n0.0,12ab\n", "no frame in the log has a valid check byte"},
    };
    for (const auto &[content, reason] : cases) {
        WriteWholeFile(dir / "bad.csv", content);
        SimOptions options;
        options.replayPath = (dir / "bad.csv").string();
        std::ostringstream out;
        std::ostringstream log;
        EXPECT_EQ(RunSimulator(options, out, log), 2) << content;
        EXPECT_NE(log.str().find("bad.csv: " + reason), std::string::npos) << log.str();
        EXPECT_EQ(out.str(), "") << "no terminal opened";
    }
    WriteWholeFile(dir / "good.csv", "seconds,frame\n0.0," + hex + "\n");
    std::string error;
    EXPECT_TRUE(ReplayLog::Load(dir / "good.csv", error)) << error;
    EXPECT_FALSE(ReplayLog::Load(dir / "missing.csv", error));
    EXPECT_NE(error.find("missing.csv"), std::string::npos) << error;
}

TEST(Replay, CommandLineTakesReplaySpeedAndLoop)
{
    const auto parsed = ParseCommandLine({"--replay", "ride.csv", "--speed", "0.25", "--loop"});
    ASSERT_TRUE(parsed.error.empty()) << parsed.error;
    EXPECT_EQ(parsed.options.replayPath, "ride.csv");
    EXPECT_DOUBLE_EQ(parsed.options.replaySpeed, 0.25);
    EXPECT_TRUE(parsed.options.replayLoop);
    const std::vector<std::vector<std::string>> bad{
        {"--replay"}, {"--replay", "x.csv", "--speed", "0"}, {"--speed", "2"}, {"--loop"}, {"--replay=x", "--loop=1"}};
    for (const auto &arguments : bad) {
        EXPECT_FALSE(ParseCommandLine(arguments).error.empty()) << arguments[0];
    }
}

}  // namespace
}  // namespace korvane::unitsim
