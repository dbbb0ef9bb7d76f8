#include "CliCommands.h"
#include "ImageFiles.h"
#include "InProcessCli.h"

#include "../core/model/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace korvane::cli {
namespace {

using model::test::TempDir;
using model::test::WriteWholeFile;
using test::Cli;
using test::CliRun;

// The defaults of the start-up type; its advance map starts each row with 16, 30, 38, 35.
std::string MakeFile(const TempDir &dir, std::uint8_t jetMode = 0)
{
    model::ConfigImage image = DefaultImage(11);
    image[model::Offset::JetMode] = jetMode;
    const std::string path = (dir / "in.ign").string();
    EXPECT_TRUE(SaveParameterFile(path, image, false).ok);
    return path;
}

TEST(CliMap, EditsTheTableAndCopiesItBack)
{
    TempDir dir;
    const std::string in = MakeFile(dir);
    const std::string out = (dir / "out.ign").string();
    const std::string block = (dir / "block.txt").string();
    WriteWholeFile(block, "1;1.000\r\n");
    struct Case {
        std::vector<std::string> operation;
        std::string select;
        std::string copied;
        std::string note;
    };
    const Case cases[] = {
        {{"--set", "20"}, "1:1-2:3", "20\t20\t20\n20\t20\t20\n", ""},
        {{"--add", "-100"}, "1:2", "0\n", "note: 1 cell limited"},
        {{"--scale", "200"}, "1:1-1:4", "32\t60\t60\t60\n", "note: 2 cells limited"},
        {{"--paste", block, "--group", "."}, "2:14-2:15", "1\t60\n", "note: 1 cell limited"},
        {{"--interpolate"}, "1:3-1:5", "38\t38\t39\n", ""},  // 3000, 4000, 6000 rpm; evenly: 39
    };
    for (const Case &c : cases) {
        std::vector<std::string> args{"map", in, "--page", "0", "--select", c.select, "-o", out};
        args.insert(args.end(), c.operation.begin(), c.operation.end());
        const CliRun run = Cli(args);
        ASSERT_EQ(run.code, ExitSuccess) << run.err;
        EXPECT_EQ(run.err, c.note.empty() ? "" : c.note + "\n");
        const CliRun copy = Cli({"map", out, "--page", "0", "--select", c.select, "--copy"});
        EXPECT_EQ(copy.out, c.copied) << c.operation[0];
    }
}

TEST(CliMap, RefusesWithExitCodesAndWritesNothing)
{
    TempDir dir;
    const std::string in = MakeFile(dir, 1);
    const std::string out = (dir / "out.ign").string();
    WriteWholeFile(dir / "wide.txt", "1\t2\t3\n");
    const std::string wide = (dir / "wide.txt").string();
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string err;  // start of the first line
    };
    const Case cases[] = {
        {{"--page", "0", "--select", "1:14", "--paste", wide, "--lang", "de"},
         ExitFailure, "Der eingefügte Block passt ab dieser Zelle nicht in die Tabelle (Zeile 1, Feld 3)"},
        {{"--page", "2", "--smooth"}, ExitFailure, "Inj-23A follows Inj-14A (Coupled)"},
        {{"--page", "0"}, ExitUsage, "korvane-cli map: missing operation"},
        {{"--page", "0", "--smooth", "--interpolate"}, ExitUsage, "korvane-cli map: choose one operation"},
        {{"--page", "6", "--select", "2:1", "--smooth"}, ExitUsage, "korvane-cli map: a --select row must be"},
        {{"--page", "5", "--smooth"}, ExitUsage, "korvane-cli map: page 5 needs --curve"},
        {{"--page", "0", "--scale", "1e3x"}, ExitUsage, "korvane-cli map: --scale must be"},
        {{"--page", "0", "--paste", (dir / "none.txt").string()}, ExitUsage, "korvane-cli map: cannot read"},
    };
    for (const Case &c : cases) {
        std::vector<std::string> args{"map", in, "-o", out};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliRun run = Cli(args);
        EXPECT_EQ(run.code, c.code) << run.err;
        EXPECT_EQ(run.err.substr(0, c.err.size()), c.err);
        EXPECT_FALSE(std::filesystem::exists(out)) << c.err;
    }
    EXPECT_EQ(Cli({"map", (dir / "none.ign").string(), "--page", "0", "--copy"}).code, ExitUsage);
    EXPECT_EQ(Cli({"map", in, "--page", "0", "--copy", "-o", out}).code, ExitUsage);
}

}  // namespace
}  // namespace korvane::cli
