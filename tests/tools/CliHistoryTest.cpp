#include "CliCommands.h"
#include "InProcessCli.h"

#include "history/RestorePoints.h"

#include "../core/history/HistoryTestSupport.h"
#include "../core/model/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace korvane::cli {
namespace {

using model::test::ReadWholeFile;
using model::test::TempDir;
using model::test::WriteWholeFile;
using test::Cli;
using test::CliRun;
using namespace std::chrono_literals;

model::ConfigImage Image(unsigned seed, std::uint8_t bike)
{
    model::ConfigImage image = history::test::UnitImage(seed);
    image[model::Offset::BikeType] = bike;
    const std::uint8_t header[] = {'A', 'B', 'C', 5};
    std::copy(std::begin(header), std::end(header), image.bytes.begin());
    return image;
}

// Three points an hour apart (read, program confirmed, backup with a note)
// and a stranger.
std::filesystem::path MakeHistory(const std::filesystem::path &folder)
{
    const history::SystemTime start = history::test::Local(2026, 3, 2, 9, 0, 0);
    history::NewPoint point;
    point.image = Image(1, 11);
    point.time = start;
    EXPECT_TRUE(history::WriteRestorePoint(folder, point).ok);
    point.kind = history::PointKind::Program;
    point.time = start + 1h;
    point.image = Image(2, 0);
    const std::filesystem::path program = history::WriteRestorePoint(folder, point).path;
    EXPECT_TRUE(history::MarkConfirmed(program).ok);
    point.kind = history::PointKind::Backup;
    point.time = start + 2h;
    point.note = "old \"pipe\", 2nd gear";
    point.image = Image(3, 200);
    EXPECT_TRUE(history::WriteRestorePoint(folder, point).ok);
    WriteWholeFile(folder / "2026-03-02_12-00-00_read.ign", "TREMOLAX_KEY 35");
    return folder;
}

TEST(CliHistory, ListsNewestFirstAsCsv)
{
    TempDir dir;
    const std::filesystem::path folder = MakeHistory(dir / "history");
    const CliRun run = Cli({"history", "list", "--format", "csv", "--folder", folder.string()});
    ASSERT_EQ(run.code, ExitSuccess) << run.err;
    const std::string p = folder.string() + "/";
    EXPECT_EQ(run.out,
              "number,time,kind,model,firmware,note,path\n"
              "1,2026-03-02 12:00:00,\"Read, unreadable\",,,," + p + "2026-03-02_12-00-00_read.ign\n"
              "2,2026-03-02 11:00:00,Unit before programming,200,ABC05,\"old \"\"pipe\"\", 2nd gear\"," +
                  p + "2026-03-02_11-00-00_backup.ign\n"
              "3,2026-03-02 10:00:00,\"Program, confirmed\",Aprilia RSV MILLE 98-,ABC05,," + p + "2026-03-02_10-00-00_program.ign\n"
              "4,2026-03-02 09:00:00,Read,Suzuki GSX-R600 01-03,ABC05,," + p + "2026-03-02_09-00-00_read.ign\n");
}

TEST(CliHistory, TextListSpeaksTheLanguageAndFindsTheDataFolder)
{
    TempDir dir;
    MakeHistory(dir / "Korvane" / "history");
    ::setenv("XDG_DATA_HOME", dir.path().c_str(), 1);
    const CliRun run = Cli({"history", "list", "--lang", "de"});
    ::unsetenv("XDG_DATA_HOME");
    ASSERT_EQ(run.code, ExitSuccess) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')).find("#  Zeitpunkt"), 0u) << run.out;
    EXPECT_NE(run.out.find("\n1  2026-03-02 12:00:00  Gelesen, unlesbar"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Programmiert, bestätigt"), std::string::npos);
}

TEST(CliHistory, ExportWritesThePointWithAllItsBytes)
{
    TempDir dir;
    const std::filesystem::path folder = MakeHistory(dir / "history");
    const std::string out = (dir / "out.ign").string();
    const CliRun run = Cli({"history", "export", "3", "-o", out, "--folder", folder.string()});
    ASSERT_EQ(run.code, ExitSuccess) << run.err;
    const history::LoadResult loaded = history::LoadRestorePoint(out);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.image, Image(2, 0));
    EXPECT_EQ(ReadWholeFile(out), ReadWholeFile(folder / "2026-03-02_10-00-00_program.ign"));
}

TEST(CliHistory, BadCommandLinesAndUnreadablePointsExitWithTwo)
{
    TempDir dir;
    const std::string folder = MakeHistory(dir / "history").string();
    const std::string out = (dir / "out.ign").string();
    const std::vector<std::vector<std::string>> lines{
        {"history"},
        {"history", "show"},
        {"history", "list", "--format", "xml", "--folder", folder},
        {"history", "list", "--lang", "es", "--folder", folder},
        {"history", "export", "1", "-o", out, "--folder", folder},  // the stranger
        {"history", "export", "5", "-o", out, "--folder", folder},
        {"history", "export", "0", "-o", out, "--folder", folder},
        {"history", "export", "2", "--folder", folder},
    };
    for (const std::vector<std::string> &line : lines) {
        const CliRun run = Cli(line);
        EXPECT_EQ(run.code, ExitUsage) << line.back() << ' ' << line.size();
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(Cli({"history", "export", "2", "-o", (dir / "no" / "x.ign").string(), "--folder", folder}).code,
              ExitFailure);
}

}  // namespace
}  // namespace korvane::cli
