// The one log layout: what the writer puts down the reader gives back, and a
// damaged log is read as far as it goes, its skipped rows counted by reason.

#include "LogTestSupport.h"

#include "logs/RideLogReader.h"

#include <gtest/gtest.h>

#include <random>

namespace korvane::logs {
namespace {

using test::BuildFrame;
using test::Engine;

std::string ReplaceAll(std::string text, const std::string &from, const std::string &to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

TEST(RideLog, ReaderGivesBackWhatTheWriterWrote)
{
    const auto when = std::chrono::system_clock::time_point{std::chrono::seconds(1741948927)};
    model::ConfigImage image = test::TypeImage(7);
    LogOrigin origin = OriginOf(image, model::VersionTexts{"ABC05", " 7. 3.2005", "09:05"}, when);
    origin.timeZone = "+01:00 CET";
    std::vector<link::MonitorFrame> frames{BuildFrame({.rpm = 1100}), BuildFrame({.rpm = 4500, .throttle = 101}),
                                           BuildFrame({.coolantByte = 0, .markerOff = true})};
    std::string text = LogHead(origin, true);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        AppendRow(text, link::DecodeMonitorNumbers(frames[i]), &frames[i], IsoTimestamp(when), 0.5 * i, true);
    }

    const RideLog log = ParseRideLog(text);
    EXPECT_EQ(log.summary.header.model, 7);
    EXPECT_EQ(log.summary.header.firmware, "ABC05  7. 3.2005 09:05");
    EXPECT_EQ(log.summary.header.imageHash, ImageHash(image));
    EXPECT_EQ(log.summary.header.timeZone, "+01:00 CET");
    EXPECT_EQ(log.summary.header.started, "2025-03-14T10:42:07.000Z");
    EXPECT_EQ(log.summary.header.korvaneVersion, KorvaneVersion());
    EXPECT_TRUE(log.summary.hasFrame && log.summary.hasTime && log.summary.unknownColumns.empty());
    ASSERT_EQ(log.records.size(), frames.size());
    for (std::size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(log.records[i].frame, frames[i]);
        EXPECT_DOUBLE_EQ(log.records[i].seconds, 0.5 * i);
    }
    EXPECT_TRUE(log.records[1].numbers.throttleError);
    EXPECT_TRUE(log.records[2].numbers.coolantError);
}

// A log without frames (an older monitor file) carries every value in its
// columns; each column must read back what its writer put there.
TEST(RideLog, ValueColumnsReadBackWithoutAFrame)
{
    link::MonitorFrame frame = BuildFrame({.rpm = 6543, .coolantByte = 0});
    frame[5] = 0x0D;   // manifold 101.3 kPa: tenths
    frame[17] = 0xCD;  // supply raw 205: thousandths of a volt
    frame[93] = 0xB6;  // voltage correction 950 - 1000: negative
    frame[94] = 0x03;
    frame[66] = 1;     // N2O
    const link::MonitorNumbers numbers = link::DecodeMonitorNumbers(frame);
    std::string text = HeaderRow(true) + "\n";
    AppendRow(text, numbers, nullptr, "T", 1.25, true);

    const RideLog log = ParseRideLog(text);
    ASSERT_EQ(log.records.size(), 1u);
    const link::MonitorNumbers &read = log.records[0].numbers;
    EXPECT_FALSE(log.records[0].frame);
    std::string again;
    AppendRow(again, read, nullptr, "T", 1.25, true);
    std::string expected;
    AppendRow(expected, numbers, nullptr, "T", 1.25, true);
    EXPECT_EQ(again, expected) << "every column survives the trip";
    EXPECT_EQ(read.corrVoltageUs, -50);
    EXPECT_EQ(read.batteryMv, numbers.batteryMv);
    EXPECT_TRUE(read.coolantError);
}

struct Damage {
    const char *what;
    std::string (*spoil)(const std::string &log);
    std::size_t records;
    SkipReason reason;
    std::size_t skipped;
};

// Three sound rows; each case spoils the log in one way.
const Damage Damages[] = {
    {"cut off mid-line", [](const std::string &log) { return log.substr(0, log.size() - 40); }, 2,
     SkipReason::CutOff, 1},
    {"a row short of a cell", [](const std::string &log) { return ReplaceAll(log, ",0.330,", ",0.330"); }, 2,
     SkipReason::CellCount, 1},
    {"time not a number", [](const std::string &log) { return ReplaceAll(log, ",0.330,", ",x,"); }, 2,
     SkipReason::BadTime, 1},
    {"time going back", [](const std::string &log) { return ReplaceAll(log, ",0.660,", ",0.100,"); }, 2,
     SkipReason::TimeBackwards, 1},
    {"frame not hex", [](const std::string &log) { return ReplaceAll(log, ",b0", ",zz"); }, 0,
     SkipReason::BadFrame, 3},
    {"frame check byte off", [](const std::string &log) { return ReplaceAll(log, "23", "24"); }, 0,
     SkipReason::FrameCheck, 3},
    {"line ends of another system", [](const std::string &log) { return ReplaceAll(log, "\n", "\r\n"); }, 3,
     SkipReason::CutOff, 0},
};

TEST(RideLog, DamagedLogsAreReadAsFarAsTheyGo)
{
    const std::string sound = test::WriteLog(test::Steady({}, 3), 11);
    for (const Damage &damage : Damages) {
        const RideLog log = ParseRideLog(damage.spoil(sound));
        EXPECT_EQ(log.records.size(), damage.records) << damage.what;
        EXPECT_EQ(log.summary.skipped[static_cast<std::size_t>(damage.reason)], damage.skipped) << damage.what;
        EXPECT_EQ(log.summary.skippedTotal(), damage.skipped) << damage.what;
        EXPECT_EQ(log.summary.header.model, 11) << damage.what;
    }
}

TEST(RideLog, ColumnsAreFoundByNameWhateverTheirOrder)
{
    const std::string text = "# model: 3\n"
                             "lambda_mv,colour,rpm,seconds,coolant_c,coolant_error\n"
                             "450,blue,5000,0.0,90,0\n"
                             "300,red,5100,0.5,,1\n"
                             "200,red,fast,1.0,90,0\n";
    const RideLog log = ParseRideLog(text);
    EXPECT_EQ(log.summary.unknownColumns, std::vector<std::string>{"colour"});
    EXPECT_FALSE(log.summary.hasFrame);
    ASSERT_EQ(log.records.size(), 2u);
    EXPECT_EQ(log.records[0].numbers.lambdaMv, 450);
    EXPECT_EQ(log.records[0].numbers.coolantC, 90);
    EXPECT_EQ(log.records[1].numbers.rpm, 5100);
    EXPECT_TRUE(log.records[1].numbers.coolantError);
    EXPECT_EQ(log.summary.skipped[static_cast<std::size_t>(SkipReason::BadValue)], 1u);
}

TEST(RideLog, RandomDamageNeverStopsTheReader)
{
    const std::string sound = test::WriteLog(test::Steady({}, 20), 11);
    std::mt19937 random(16);
    for (int round = 0; round < 300; ++round) {
        std::string text = sound;
        for (int hit = 0; hit < 1 + round % 7; ++hit) {
            const std::size_t at = random() % text.size();
            text[at] = "0,#\n\r-.9zB"[random() % 11];
        }
        text.resize(random() % (text.size() + 1));
        const RideLog log = ParseRideLog(text);
        EXPECT_LE(log.records.size(), 20u);
        for (const LogRecord &record : log.records) {
            EXPECT_TRUE(!record.frame || link::FrameCheckOk(*record.frame));
        }
    }
}

}  // namespace
}  // namespace korvane::logs
