#include "CliCommands.h"
#include "InProcessCli.h"
#include "ImageFiles.h"

#include "model/BikeTypes.h"
#include "model/ParameterFile.h"
#include "model/Snapshot.h"

#include "../core/model/ImageInvariants.h"
#include "../core/model/TempDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace korvane::cli {
namespace {

using model::test::ReadWholeFile;
using model::test::TempDir;
using model::test::WriteWholeFile;

using test::Cli;
using test::CliRun;

// Runs the built program; returns its exit code and leaves stdout/stderr in files.
int RunProcess(const std::string &arguments, const TempDir &dir)
{
    const std::string command = std::string(KORVANE_CLI_PATH) + " " + arguments + " >" +
                                (dir / "stdout").string() + " 2>" + (dir / "stderr").string();
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(CliNew, Type11MatchesTheHandCheckedDefaultFile)
{
    TempDir dir;
    const CliRun run = Cli({"new", "--bike", "11", "-o", (dir / "d.ign").string()});
    ASSERT_EQ(run.code, ExitSuccess) << run.err;
    EXPECT_EQ(ReadWholeFile(dir / "d.ign"), ReadWholeFile(KORVANE_TEST_DATA_DIR "/bike11-default.ign"));
}

TEST(CliNewConvert, EveryTypeSurvivesConvertByteForByte)
{
    TempDir dir;
    for (std::size_t item = 0; item < model::BikeCount; ++item) {
        const std::string code = std::to_string(item);
        const std::string created = (dir / ("new" + code + ".ign")).string();
        const std::string converted = (dir / ("conv" + code + ".ign")).string();
        ASSERT_EQ(Cli({"new", "--bike=" + code, "--output", created}).code, ExitSuccess) << code;
        ASSERT_EQ(Cli({"convert", created, "-o", converted}).code, ExitSuccess) << code;

        const std::string text = ReadWholeFile(created);
        EXPECT_EQ(ReadWholeFile(converted), text) << "type " << code;

        // The file really is the type's defaults, not the start-up type's.
        model::ConfigImage image{};
        bool extMonitor = true;
        std::istringstream in(text, std::ios::binary);
        ASSERT_TRUE(model::ReadParameterFile(in, image, extMonitor));
        EXPECT_EQ(image[model::Offset::BikeType], item);
        EXPECT_FALSE(extMonitor);
        EXPECT_EQ(image, [&] {
            model::ConfigImage expected = DefaultImage(static_cast<std::uint8_t>(item));
            for (std::size_t offset : {0, 111, 126}) {
                expected[offset] = 0;  // not carried by the file
            }
            return expected;
        }()) << "type " << code;
    }
    EXPECT_EQ(dir.entryCount(), 2 * model::BikeCount) << "no temporary files left";
}

TEST(CliConvert, RepairsValuesKeepsExtMonitorAndReportsBadFiles)
{
    TempDir dir;
    WriteWholeFile(dir / "in.ign", "note TREMOLAX_KEY 35 LIMITER 30000 100 200 EXT_MON 1 IGN 99 70");
    const CliRun run = Cli({"convert", (dir / "in.ign").string(), "-o", (dir / "out.ign").string()});
    ASSERT_EQ(run.code, ExitSuccess) << run.err;
    const std::string text = ReadWholeFile(dir / "out.ign");
    EXPECT_NE(text.find("\r\nLIMITER       4400  4400  4400 \r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nEXT_MON          1\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nIGN             60    60    38 "), std::string::npos);
    EXPECT_NE(text.find("\r\nBIKE            11 \r\n"), std::string::npos) << "fields not in the file keep start-up values";

    WriteWholeFile(dir / "old.ign", "TREMOLAX_KEY 34 BIKE 3");
    const CliRun unmatched = Cli({"convert", (dir / "old.ign").string(), "-o", (dir / "x.ign").string()});
    EXPECT_EQ(unmatched.code, ExitFailure);
    EXPECT_NE(unmatched.err.find("Unmatched version of *.ign file!"), std::string::npos) << unmatched.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "x.ign"));

    for (const std::string &missing : {(dir / "missing.ign").string(), dir.path().string()}) {
        const CliRun failed = Cli({"convert", missing, "-o", (dir / "x.ign").string()});
        EXPECT_EQ(failed.code, ExitFailure);
        EXPECT_NE(failed.err.find("Open file error!"), std::string::npos) << failed.err;
        EXPECT_NE(failed.err.find(missing), std::string::npos) << failed.err;
    }

    WriteWholeFile(dir / "keep.ign", "old");
    const CliRun unwritable = Cli({"convert", (dir / "in.ign").string(), "-o", (dir / "nofolder" / "y.ign").string()});
    EXPECT_EQ(unwritable.code, ExitFailure);
    EXPECT_NE(unwritable.err.find("Open file error!"), std::string::npos);
}

TEST(CliNormalise, RepairsASnapshotAndKeepsFlags)
{
    TempDir dir;
    std::string text;
    for (int i = 0; i < 1205; ++i) {
        text += "255 ";
    }
    WriteWholeFile(dir / "in.snap", text);
    const CliRun run = Cli({"normalise", (dir / "in.snap").string(), "-o", (dir / "out.snap").string()});
    ASSERT_EQ(run.code, ExitSuccess) << run.err;

    model::ConfigImage image{};
    model::AllFlags flags{};
    std::istringstream in(ReadWholeFile(dir / "out.snap"), std::ios::binary);
    ASSERT_EQ(model::ReadSnapshot(in, image, flags), 1205u);
    EXPECT_TRUE(model::test::SatisfiesValueLimits(image));
    EXPECT_EQ(image[0], 255) << "the header is no field and stays";
    EXPECT_EQ(image[model::Offset::AdvMap], 60);
    EXPECT_EQ(flags, (model::AllFlags{255, 255, 255, 255, 255}));

    WriteWholeFile(dir / "short.snap", "1 2 3");
    const CliRun partial = Cli({"normalise", (dir / "short.snap").string(), "-o", (dir / "s.snap").string()});
    EXPECT_EQ(partial.code, ExitSuccess);
    EXPECT_NE(partial.err.find("3 of 1205"), std::string::npos) << partial.err;
}

TEST(CliShow, PrintsGroupsInPhysicalUnits)
{
    TempDir dir;
    ASSERT_EQ(Cli({"new", "--bike", "24", "-o", (dir / "v.ign").string()}).code, ExitSuccess);
    const CliRun run = Cli({"show", (dir / "v.ign").string()});
    ASSERT_EQ(run.code, ExitSuccess) << run.err;
    for (const char *expected : {"24 (HD V-rod)", "Start limiter                   7000 rpm",
                                 "Voltage at 100 %                4480 mV", "Ignition advance map [deg]",
                                 "TPS \\ rpm  1000  2000", "    100 %", "Injection map IAP (raw)"}) {
        EXPECT_NE(run.out.find(expected), std::string::npos) << expected << "\n" << run.out;
    }
}

TEST(CliUsage, HelpSucceedsAndBadCommandLinesExitWithTwo)
{
    for (const std::vector<std::string> &args :
         std::vector<std::vector<std::string>>{{"--help"}, {"-h"}, {"help"}, {"help", "convert"}, {"new", "--help"}}) {
        const CliRun run = Cli(args);
        EXPECT_EQ(run.code, ExitSuccess) << args[0];
        EXPECT_NE(run.out.find("Usage: korvane-cli"), std::string::npos) << args[0];
    }
    const CliRun version = Cli({"--version"});
    EXPECT_EQ(version.code, ExitSuccess);
    EXPECT_EQ(version.out.rfind("korvane-cli ", 0), 0u) << version.out;

    const std::vector<std::vector<std::string>> bad{
        {},
        {"frobnicate"},
        {"new", "--bike", "29", "-o", "x.ign"},
        {"new", "--bike", "-1", "-o", "x.ign"},
        {"new", "--bike", "7x", "-o", "x.ign"},
        {"new", "--bike", "7"},
        {"new", "-o", "x.ign"},
        {"new", "--bike", "7", "-o"},
        {"new", "--colour", "red"},
        {"convert", "-o", "x.ign"},
        {"convert", "a.ign", "b.ign", "-o", "x.ign"},
        {"show"},
        {"help", "nothing"},
        {"--version", "new"},
    };
    for (const std::vector<std::string> &args : bad) {
        const CliRun run = Cli(args);
        EXPECT_EQ(run.code, ExitUsage) << (args.empty() ? "(none)" : args[0]);
        EXPECT_FALSE(run.err.empty());
        EXPECT_TRUE(run.out.empty());
    }
    EXPECT_FALSE(std::filesystem::exists("x.ign"));
}

TEST(CliProcess, ExitCodesAndMessagesOfTheRealProgram)
{
    TempDir dir;
    EXPECT_EQ(RunProcess("--help", dir), 0);
    EXPECT_NE(ReadWholeFile(dir / "stdout").find("Usage:"), std::string::npos);

    EXPECT_EQ(RunProcess("new --bike 30 -o " + (dir / "n.ign").string(), dir), 2);
    EXPECT_NE(ReadWholeFile(dir / "stderr").find("--bike must be a number from 0 to 28"), std::string::npos);

    WriteWholeFile(dir / "bad.ign", "BIKE 3");
    EXPECT_EQ(RunProcess("convert " + (dir / "bad.ign").string() + " -o " + (dir / "o.ign").string(), dir), 1);
    EXPECT_NE(ReadWholeFile(dir / "stderr").find("Unmatched version of *.ign file!"), std::string::npos);

    EXPECT_EQ(RunProcess("new --bike 26 -o " + (dir / "n.ign").string(), dir), 0);
    EXPECT_EQ(ReadWholeFile(dir / "n.ign"), [] {
        std::ostringstream out(std::ios::binary);
        model::WriteParameterFile(out, DefaultImage(26), false);
        return out.str();
    }());
}

}  // namespace
}  // namespace korvane::cli
