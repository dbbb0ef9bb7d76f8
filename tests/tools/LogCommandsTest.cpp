// hits and advise on logs written by the core writer, and a ride recorded from
// the simulated unit, replayed by it and recorded again.

#include "ChildProcess.h"
#include "ImageFiles.h"
#include "InProcessCli.h"
#include "SimulatedUnit.h"

#include "logs/RideLogReader.h"

#include "../core/logs/LogTestSupport.h"
#include "../core/model/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace korvane::cli {
namespace {

using logs::test::BuildFrame;
using logs::test::Engine;
using model::test::ReadWholeFile;
using model::test::TempDir;
using model::test::WriteWholeFile;

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// A folder for the files of one test, which is also where the settings are
// looked for, so the user's own [Advisor] settings play no part.
class LogCommands : public ::testing::Test {
protected:
    LogCommands()
    {
        const char *old = std::getenv("XDG_CONFIG_HOME");
        m_oldConfig = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
        ::setenv("XDG_CONFIG_HOME", m_dir.path().c_str(), 1);
        EXPECT_TRUE(SaveParameterFile(image(), DefaultImage(model::StartupBikeType), false).ok);
    }
    ~LogCommands() override
    {
        m_oldConfig ? ::setenv("XDG_CONFIG_HOME", m_oldConfig->c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
    }

    std::string image() const { return (m_dir / "bike.ign").string(); }
    std::string log(const std::string &name, const Engine &engine, std::size_t frames,
                    std::uint8_t model = model::StartupBikeType) const
    {
        const auto path = m_dir / name;
        WriteWholeFile(path, logs::test::WriteLog(logs::test::Steady(engine, frames), model));
        return path.string();
    }
    TempDir m_dir;

private:
    std::optional<std::string> m_oldConfig;
};

// The default parameters of the start-up type have a point at 3000 rpm on
// every axis; row 4 is 20 % throttle.
TEST_F(LogCommands, AWarmEngineHeldInOneCellWithALeanSensorGivesOneRicherCell)
{
    const auto run = test::Cli({"advise", log("lean.csv", {}, 30), "--image", image(), "--format", "csv"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u) << run.out;
    EXPECT_EQ(lines[0], "page,row,column,samples,lean_pct,rich_pct,advice,value,new_value");
    const model::ConfigImage defaults = DefaultImage(model::StartupBikeType);
    const int value = defaults[model::MapOfPage(1) + 4 * model::MapColumns + 2];
    EXPECT_EQ(lines[1], "1,4,2,28,100,0,richer," + std::to_string(value) + "," +
                            std::to_string(value + std::max(1, (value * 2 + 50) / 100)));
    EXPECT_NE(run.err.find("30 frames, 28 samples"), std::string::npos) << run.err;

    const auto cold = test::Cli({"advise", log("cold.csv", {.coolantByte = 140}, 30), "--image", image(), "--format",
                                 "csv", "--lang", "de"});
    ASSERT_EQ(cold.code, 0) << cold.err;
    EXPECT_EQ(Lines(cold.out).size(), 1u) << "no cell at all: " << cold.out;
    EXPECT_NE(cold.err.find("rejected 30: Kühlmittel unter 70 °C oder Sensorfehler"), std::string::npos)
        << cold.err;
}

TEST_F(LogCommands, AdviceAppliedAgainAndAgainStopsAtTheRailOfTheBase)
{
    const std::string lean = log("lean.csv", {}, 30);
    const int base = DefaultImage(model::StartupBikeType)[model::MapOfPage(1) + 4 * model::MapColumns + 2];
    std::string current = image();
    for (int round = 0; round < 12; ++round) {
        const std::string next = (m_dir / ("round" + std::to_string(round) + ".ign")).string();
        const auto run = test::Cli({"advise", lean, "--image", current, "--base", image(), "-o", next});
        ASSERT_EQ(run.code, 0) << run.err;
        current = next;
    }
    model::ConfigImage advised = StartupImage();
    bool ext = false;
    ASSERT_TRUE(LoadParameterFile(current, advised, ext).ok);
    EXPECT_EQ(advised[model::MapOfPage(1) + 4 * model::MapColumns + 2], base + base / 10);
    EXPECT_EQ(advised[model::MapOfPage(1) + 4 * model::MapColumns + 3],
              DefaultImage(model::StartupBikeType)[model::MapOfPage(1) + 4 * model::MapColumns + 3]);
}

TEST_F(LogCommands, ALogOfAnotherModelIsRefused)
{
    const std::string other = log("other.csv", {}, 10, 3);
    for (const auto &arguments : {std::vector<std::string>{"advise", other, "--image", image()},
                                  std::vector<std::string>{"hits", other, "--image", image(), "--page", "1"}}) {
        const auto run = test::Cli(arguments);
        const std::string &command = arguments[0];
        EXPECT_EQ(run.code, 2) << command;
        EXPECT_NE(run.err.find("other.csv: a log of model 3"), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "") << command;
    }
}

TEST_F(LogCommands, HitsCountTheFramesOfEveryLogPerCell)
{
    const auto run = test::Cli({"hits", log("a.csv", {}, 5), log("b.csv", {.rpm = 4000}, 3), "--image", image(),
                                "--page", "1", "--format", "csv"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], "row,load_pct,1000,2000,3000,4000,6000,7000,8000,9000,10000,11000,12000,13000,14000,"
                        "15000,16000");
    EXPECT_EQ(lines[5], "4,20,0,0,5,3,0,0,0,0,0,0,0,0,0,0,0");
    EXPECT_EQ(lines[1], "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0");

    const auto text = test::Cli({"hits", log("a.csv", {}, 5), "--image", image(), "--page", "4"});
    EXPECT_EQ(Lines(text.out).size(), 12u) << text.out;
}

TEST_F(LogCommands, BadCommandLinesAndUnreadableLogsExitWithTwo)
{
    const std::string good = log("a.csv", {}, 5);
    const std::vector<std::vector<std::string>> bad{
        {"hits", good, "--image", image(), "--page", "5"},
        {"hits", "--image", image(), "--page", "1"},
        {"hits", good, "--image", image(), "--page", "1", "--format", "xml"},
        {"advise", good, "--image", image(), "--delay", "4"},
        {"advise", (m_dir / "missing.csv").string(), "--image", image()},
        {"advise", good, "--image", (m_dir / "missing.ign").string()},
    };
    for (const auto &arguments : bad) {
        EXPECT_EQ(test::Cli(arguments).code, 2) << arguments[0] << ' ' << arguments[1];
    }
}

// The frames of a log, runs of the same frame taken once: a poll that comes
// before the replay clock reaches the next frame gets the same one again.
std::vector<link::MonitorFrame> DistinctFrames(const std::filesystem::path &path)
{
    std::vector<link::MonitorFrame> frames;
    for (const auto &record : logs::ParseRideLog(ReadWholeFile(path)).records) {
        if (record.frame && (frames.empty() || frames.back() != *record.frame)) {
            frames.push_back(*record.frame);
        }
    }
    return frames;
}

TEST(ReplayE2E, ARideReplayedAndRecordedAgainHoldsTheSameFramesInTheSameOrder)
{
    TempDir dir;
    const auto cli = [](const std::vector<std::string> &arguments) {
        return korvane::test::RunProcess(KORVANE_CLI_PATH, arguments, {});
    };
    {
        korvane::test::SimulatedUnit unit;
        const auto run = cli({"monitor", "--device", unit.path(), "--csv", (dir / "ride.csv").string(), "--seconds",
                              "1.4", "--read-unit"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
    }
    const logs::LogHeader header = logs::ParseRideLog(ReadWholeFile(dir / "ride.csv")).summary.header;
    EXPECT_EQ(header.model, model::StartupBikeType) << "the unit's parameters were read first";
    EXPECT_TRUE(header.firmware.starts_with("KSU12")) << header.firmware;
    EXPECT_TRUE(header.imageHash);
    const auto ride = DistinctFrames(dir / "ride.csv");
    ASSERT_GE(ride.size(), 3u);

    // Slower than recorded, so that every frame is polled at least once.
    korvane::test::SimulatedUnit replay({"--replay", (dir / "ride.csv").string(), "--speed", "0.4"});
    const double seconds = static_cast<double>(ride.size() + 3) * 0.33 / 0.4;
    const auto run = cli({"monitor", "--device", replay.path(), "--csv", (dir / "again.csv").string(), "--seconds",
                          std::to_string(seconds)});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(DistinctFrames(dir / "again.csv"), ride);
    EXPECT_NE(run.err.find("No Connection"), std::string::npos) << "the replay ends like a unit switched off";
}

}  // namespace
}  // namespace korvane::cli
