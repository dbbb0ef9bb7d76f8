// Recording: one file per connection named by its start, written out at least
// every 4 s, old logs removed, an unwritable folder reported once; and the
// settings that steer it.

#include "LogTestSupport.h"

#include "logs/LogRecorder.h"
#include "logs/LogSettings.h"
#include "logs/RideLogReader.h"

#include "../model/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace korvane::logs {
namespace {

using model::test::ReadWholeFile;
using model::test::TempDir;
using model::test::WriteWholeFile;
using Clock = std::chrono::system_clock;

const Clock::time_point Noon{std::chrono::seconds(1741953600)};

LogClock At(double seconds)
{
    return {1000.0 + seconds, Noon + std::chrono::milliseconds(static_cast<long long>(seconds * 1000))};
}

std::size_t Rows(const std::filesystem::path &file)
{
    return ParseRideLog(ReadWholeFile(file)).records.size();
}

TEST(LogRecorder, WritesOneFilePerConnectionAtLeastEveryFourSeconds)
{
    TempDir dir;
    LogRecorder recorder(dir / "logs");
    const auto frame = test::BuildFrame({});
    recorder.Begin(OriginOf(test::TypeImage(), std::nullopt, Noon), At(0));
    ASSERT_TRUE(recorder.recording());
    const auto first = recorder.file();
    EXPECT_EQ(first.filename(), LogFileName(Noon));

    // Frames every 0.33 s: nothing but the head is on disk until 4 s have passed.
    double now = 0.0;
    for (; now < 3.9; now += 0.33) {
        recorder.Record(frame, At(now));
    }
    EXPECT_EQ(Rows(first), 0u);
    EXPECT_EQ(ParseRideLog(ReadWholeFile(first)).summary.header.model, model::StartupBikeType);
    recorder.Record(frame, At(4.0));
    EXPECT_EQ(Rows(first), recorder.rows());
    recorder.Record(frame, At(4.3));
    recorder.End();
    EXPECT_EQ(Rows(first), 14u) << "End writes out the rest";

    // The next connection in the same second: a second file beside it.
    recorder.Record(frame, At(0.5));
    EXPECT_NE(recorder.file(), first);
    EXPECT_EQ(recorder.file().filename(), LogFileName(Noon, 2));
    recorder.End();
    const RideLog second = ParseRideLog(ReadWholeFile(dir / "logs" / LogFileName(Noon, 2)));
    ASSERT_EQ(second.records.size(), 1u);
    EXPECT_EQ(second.records[0].frame, frame);
    EXPECT_FALSE(second.summary.header.model) << "begun by a frame: the model is not known";
}

struct OldLog {
    const char *name;
    int daysOld;
    std::size_t bytes;
    bool kept;
};

struct RetentionCase {
    const char *what;
    Retention retention;
    std::vector<OldLog> logs;
};

const RetentionCase RetentionCases[] = {
    {"older than the days go",
     {30, 0},
     {{"2025-01-01_10-00-00.csv", 40, 10, false}, {"2025-02-10_10-00-00.csv", 29, 10, true}}},
    {"oldest go first beyond the size",
     {0, 250},
     {{"2025-03-01_10-00-00.csv", 3, 100, false},
      {"2025-03-02_10-00-00.csv", 2, 100, true},
      {"2025-03-03_10-00-00.csv", 1, 100, true}}},
    {"other files stay whatever their age",
     {1, 1},
     {{"notes.csv", 400, 5000, true}, {"2025-03-03_10-00-00_2.csv", 2, 10, false}}},
};

TEST(LogRecorder, RetentionRemovesOldLogsFirst)
{
    for (const RetentionCase &c : RetentionCases) {
        TempDir dir;
        for (const OldLog &log : c.logs) {
            WriteWholeFile(dir / log.name, std::string(log.bytes, 'x'));
            std::filesystem::last_write_time(dir / log.name, std::filesystem::file_time_type::clock::now() -
                                                                   std::chrono::hours(24 * log.daysOld));
        }
        const RetentionResult result = ApplyRetention(dir.path(), c.retention, Clock::now());
        std::size_t removed = 0;
        for (const OldLog &log : c.logs) {
            EXPECT_EQ(std::filesystem::exists(dir / log.name), log.kept) << c.what << ": " << log.name;
            removed += log.kept ? 0 : 1;
        }
        EXPECT_EQ(result.removed, removed) << c.what;
    }
}

TEST(LogRecorder, AnUnwritableFolderIsReportedOnceAndNothingThrows)
{
    TempDir dir;
    WriteWholeFile(dir / "blocked", "a file where the folder should be");
    LogRecorder recorder(dir / "blocked" / "logs");
    const auto frame = test::BuildFrame({});
    recorder.Record(frame, At(0));
    recorder.Record(frame, At(5));
    EXPECT_FALSE(recorder.recording());
    const auto error = recorder.takeError();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->path, dir / "blocked" / "logs");
    EXPECT_FALSE(error->reason.empty());

    recorder.End();
    recorder.Begin(UnknownOrigin(Noon), At(10));
    EXPECT_FALSE(recorder.takeError()) << "tried again, but reported only once";
}

TEST(LogRecorder, LogsFolderFollowsXdgDataHome)
{
    const char *saved = std::getenv("XDG_DATA_HOME");
    const std::string previous = saved != nullptr ? saved : "";
    ::setenv("XDG_DATA_HOME", "/data/home", 1);
    EXPECT_EQ(LogsFolder(), std::filesystem::path("/data/home/Korvane/logs"));
    ::setenv("XDG_DATA_HOME", "relative", 1);
    EXPECT_TRUE(LogsFolder().string().ends_with(".local/share/Korvane/logs"));
    saved != nullptr ? ::setenv("XDG_DATA_HOME", previous.c_str(), 1) : ::unsetenv("XDG_DATA_HOME");
}

struct SettingsCase {
    const char *ini;
    LogSettings logs;
    AdvisorSettings advisor;
};

const SettingsCase SettingsCases[] = {
    {"", {true, {30, 1024ULL << 20}}, {1, 40, 70, 25}},
    {"[Logs]\nRecord=0\nKeepDays=$10\nMaxMegabytes=0\n[Advisor]\nDelay=3\nThrottleZoneMax=60\n"
     "IapZoneMax=80\nBetweenCellsPercent=10\n",
     {false, {16, 0}},
     {3, 60, 80, 10}},
    {"[Logs]\nRecord=2\nKeepDays=-1\nMaxMegabytes=lots\n[Advisor]\nDelay=4\nBetweenCellsPercent=51\n",
     {true, {30, 1024ULL << 20}},
     {1, 40, 70, 25}},
};

TEST(LogSettings, ReadWithTheIntegerRuleAndDefaultsOutsideTheirRange)
{
    for (const SettingsCase &c : SettingsCases) {
        const auto ini = settings::IniFile::Parse(c.ini);
        EXPECT_EQ(ReadLogSettings(ini), c.logs) << c.ini;
        EXPECT_EQ(ReadAdvisorSettings(ini), c.advisor) << c.ini;
    }
    settings::IniFile ini;
    WriteLogSettings(ini, SettingsCases[1].logs);
    EXPECT_EQ(ReadLogSettings(ini), SettingsCases[1].logs) << ini.text();
}

}  // namespace
}  // namespace korvane::logs
