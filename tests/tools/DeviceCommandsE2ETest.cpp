// The device commands as a user runs them: the built korvane-cli against the
// simulated unit over a real pseudo-terminal, with the unit's fault switches.

#include "ChildProcess.h"
#include "ImageFiles.h"
#include "SimulatedUnit.h"

#include "model/ParameterFile.h"

#include "../core/model/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace korvane::cli {
namespace {

using model::test::ReadWholeFile;
using model::test::TempDir;
using model::test::WriteWholeFile;
using test::ProcessOptions;
using test::ProcessResult;
using test::SimulatedUnit;

ProcessResult Cli(const std::vector<std::string> &arguments, const ProcessOptions &options = {})
{
    return test::RunProcess(KORVANE_CLI_PATH, arguments, options);
}

std::string Describe(const ProcessResult &run)
{
    return "exit " + std::to_string(run.exitCode) + " signal " + std::to_string(run.termSignal) + "\nstdout:\n" +
           run.out + "stderr:\n" + run.err;
}

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The rows of a ride log, without its "#" lines.
std::vector<std::string> CsvLines(const std::string &text)
{
    std::vector<std::string> lines = Lines(text);
    std::erase_if(lines, [](const std::string &line) { return line.starts_with('#'); });
    return lines;
}

std::size_t Cells(const std::string &row)
{
    return static_cast<std::size_t>(std::count(row.begin(), row.end(), ',')) + 1;
}

// The unit's memory as the simulator loads it: 1200 raw bytes, block 0 left
// to the unit.
void WriteMemoryFile(const std::filesystem::path &path, const model::ConfigImage &image)
{
    model::ConfigImage memory = image;
    std::fill_n(memory.bytes.begin(), model::BlockSize, 0);
    WriteWholeFile(path, std::string(memory.bytes.begin(), memory.bytes.end()));
}

// A read whose transfer fails leaves an existing output file as it was.
void ExpectReadFailsLeavingOutput(const std::vector<std::string> &switches, const std::string &message)
{
    SimulatedUnit unit(switches);
    TempDir dir;
    const auto output = dir / "unit.ign";
    WriteWholeFile(output, "previous content");
    const ProcessResult run = Cli({"read", "--device", unit.path(), "-o", output.string()});
    EXPECT_EQ(run.exitCode, 1) << Describe(run);
    EXPECT_NE(run.err.find(message), std::string::npos) << Describe(run);
    EXPECT_EQ(ReadWholeFile(output), "previous content");
    EXPECT_EQ(dir.entryCount(), 1u) << "no temporary file left behind";
}

TEST(DeviceE2E, ReadSavesExactlyTheUnitsParameters)
{
    TempDir dir;
    const model::ConfigImage expected = DefaultImage(7);
    WriteMemoryFile(dir / "memory.bin", expected);
    SimulatedUnit unit({"--image", (dir / "memory.bin").string()});

    const auto output = dir / "unit.ign";
    const ProcessResult run = Cli({"read", "--device", unit.path(), "-o", output.string()});
    ASSERT_EQ(run.exitCode, 0) << Describe(run);
    EXPECT_EQ(Lines(run.out).back(), "Verify: OK");
    EXPECT_NE(run.out.find("Read:"), std::string::npos);

    ASSERT_TRUE(SaveParameterFile(dir / "expected.ign", expected, false).ok);
    EXPECT_EQ(ReadWholeFile(output), ReadWholeFile(dir / "expected.ign"));
}

TEST(DeviceE2E, ProgramThenVerifyThenReadBackGivesTheSameFile)
{
    SimulatedUnit unit({"--saving-ms", "1500"});
    TempDir dir;
    const auto file = (dir / "bike3.ign").string();
    ASSERT_EQ(Cli({"new", "--bike", "3", "-o", file}).exitCode, 0);

    const ProcessResult program = Cli({"program", "--device", unit.path(), file, "--wait-saving"});
    ASSERT_EQ(program.exitCode, 0) << Describe(program);
    const auto lines = Lines(program.out);
    ASSERT_GE(lines.size(), 4u) << Describe(program);
    EXPECT_EQ(lines.front(), "Program device:");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Verify:"), lines.end()) << Describe(program);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string &line) {
        return line.starts_with("Saving: ");
    })) << Describe(program);
    EXPECT_EQ(lines.back(), "Program device: OK") << "shown again once the unit has saved";

    const ProcessResult verify = Cli({"verify", "--device", unit.path(), file});
    ASSERT_EQ(verify.exitCode, 0) << Describe(verify);
    EXPECT_EQ(Lines(verify.out).back(), "Verify: OK");

    const auto back = (dir / "back.ign").string();
    const ProcessResult read = Cli({"read", "--device", unit.path(), "-o", back});
    ASSERT_EQ(read.exitCode, 0) << Describe(read);
    EXPECT_EQ(ReadWholeFile(back), ReadWholeFile(file));
}

TEST(DeviceE2E, VerifyOfAnotherParameterSetFails)
{
    SimulatedUnit unit;
    TempDir dir;
    const auto file = (dir / "bike5.ign").string();
    ASSERT_EQ(Cli({"new", "--bike", "5", "-o", file}).exitCode, 0);

    const ProcessResult run = Cli({"verify", "--device", unit.path(), file, "--lang", "de"});
    EXPECT_EQ(run.exitCode, 1) << Describe(run);
    EXPECT_NE(run.err.find("Vergleichsfehler"), std::string::npos) << Describe(run);
    EXPECT_NE(run.out.find("Vergleichen:"), std::string::npos) << Describe(run);
}

TEST(DeviceE2E, MonitorLogsOneRowPerFrame)
{
    SimulatedUnit unit;
    TempDir dir;
    const auto csv = dir / "live.csv";
    const ProcessResult run = Cli({"monitor", "--device", unit.path(), "--csv", csv.string(), "--seconds", "1.5"});
    ASSERT_EQ(run.exitCode, 0) << Describe(run);
    EXPECT_EQ(run.err.find("No Connection"), std::string::npos) << Describe(run);

    const auto lines = CsvLines(ReadWholeFile(csv));
    ASSERT_GE(lines.size(), 4u) << "a header and at least three rows";
    EXPECT_TRUE(lines[0].starts_with("time,seconds,rpm,")) << lines[0];
    const std::regex time(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z,)");
    double previous = -1.0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        EXPECT_EQ(Cells(lines[i]), Cells(lines[0])) << lines[i];
        EXPECT_TRUE(std::regex_search(lines[i], time)) << lines[i];
        const double seconds = std::stod(lines[i].substr(lines[i].find(',') + 1));
        EXPECT_GT(seconds, previous);
        previous = seconds;
    }
}

TEST(DeviceE2E, MonitorEndsTidilyOnSigterm)
{
    SimulatedUnit unit;
    ProcessOptions options;
    options.signalAfter = std::chrono::milliseconds(1300);
    const ProcessResult run = Cli({"monitor", "--device", unit.path(), "--csv", "-", "--extended"}, options);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0) << Describe(run);
    const auto lines = CsvLines(run.out);
    ASSERT_GE(lines.size(), 3u) << Describe(run);
    EXPECT_TRUE(lines[0].ends_with(",iap_mv,manifold_mv,coolant_mv,air_mv,start_s,frame"));
    EXPECT_EQ(Cells(lines.back()), Cells(lines[0])) << "the last row is complete";
}

TEST(DeviceE2E, MonitorWithoutAnswersReportsNoConnectionAndFails)
{
    SimulatedUnit unit({"--never-answer"});
    const ProcessResult run = Cli({"monitor", "--device", unit.path(), "--csv", "-", "--seconds", "1.3"});
    EXPECT_EQ(run.exitCode, 1) << Describe(run);
    EXPECT_EQ(CsvLines(run.out).size(), 1u) << "only the header";
    const auto reports = Lines(run.err);
    EXPECT_EQ(std::count(reports.begin(), reports.end(), "No Connection"), 1) << Describe(run);
}

TEST(DeviceE2E, ReadFromASilentUnitFailsAfterTheRetries)
{
    SimulatedUnit unit({"--never-answer"});
    TempDir dir;
    const auto output = dir / "unit.ign";
    const ProcessResult run = Cli({"read", "--device", unit.path(), "-o", output.string()});
    EXPECT_EQ(run.exitCode, 1) << Describe(run);
    EXPECT_EQ(Lines(run.err).back(), "Read error!");
    // Five sends four ticks apart, the first within four ticks: about 1.2 s.
    EXPECT_GT(run.seconds, 1.0);
    EXPECT_LT(run.seconds, 3.0);
    EXPECT_FALSE(std::filesystem::exists(output));
}

TEST(DeviceE2E, ReadSurvivesCorruptedAnswersAndAShortBurst)
{
    for (const std::vector<std::string> &switches : {std::vector<std::string>{"--corrupt-every", "3"},
                                                    std::vector<std::string>{"--short-burst"}}) {
        SimulatedUnit unit(switches);
        TempDir dir;
        const auto output = dir / "unit.ign";
        const ProcessResult run = Cli({"read", "--device", unit.path(), "-o", output.string()});
        EXPECT_EQ(run.exitCode, 0) << switches[0] << '\n' << Describe(run);
        EXPECT_TRUE(std::filesystem::exists(output)) << switches[0];
    }
}

TEST(DeviceE2E, ProgramFailsWhenTheUnitEchoesOtherBytes)
{
    SimulatedUnit unit({"--bad-echo"});
    TempDir dir;
    const auto file = (dir / "bike3.ign").string();
    ASSERT_EQ(Cli({"new", "--bike", "3", "-o", file}).exitCode, 0);
    const ProcessResult run = Cli({"program", "--device", unit.path(), file});
    EXPECT_EQ(run.exitCode, 1) << Describe(run);
    EXPECT_EQ(Lines(run.err).back(), "Program error!");
}

TEST(DeviceE2E, ReadOfAnotherLayoutVersionFailsWithTheUnitMessage)
{
    ExpectReadFailsLeavingOutput({"--layout-version", "34"}, "Unmatched version of PC and Ignition programs!");
}

TEST(DeviceE2E, ReadOfOutOfLimitValuesEndsInAFailedVerify)
{
    ExpectReadFailsLeavingOutput({"--out-of-limits"}, "Verify error!");
}

TEST(DeviceE2E, AnswersLaterThanAllRetriesFailTheRead)
{
    ExpectReadFailsLeavingOutput({"--answer-late", "1200"}, "Read error!");
}

TEST(DeviceE2E, UnpluggedAdapterFailsTheReadWithoutHanging)
{
    SimulatedUnit unit({"--disappear-after", "10"});
    TempDir dir;
    const auto output = dir / "unit.ign";
    ProcessOptions options;
    options.timeLimit = std::chrono::seconds(8);
    const ProcessResult run = Cli({"read", "--device", unit.path(), "-o", output.string()}, options);
    ASSERT_FALSE(run.timedOut) << Describe(run);
    EXPECT_EQ(run.exitCode, 1) << Describe(run);
    EXPECT_EQ(Lines(run.err).back(), "Read error!");
    EXPECT_NE(run.err.find("lost"), std::string::npos) << "the port reports why: " << run.err;
    EXPECT_LT(run.seconds, 4.0);
    EXPECT_FALSE(std::filesystem::exists(output));
}

}  // namespace
}  // namespace korvane::cli
