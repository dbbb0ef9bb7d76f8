// korvane-cli diff in-process: command lines, unreadable inputs, the text and
// CSV reports and restore points by number.

#include "DiffCommand.h"
#include "DiffSources.h"
#include "ImageFiles.h"
#include "InProcessCli.h"

#include "history/RestorePoints.h"
#include "model/BikeTypes.h"

#include "../core/model/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <sstream>

namespace korvane::cli {
namespace {

namespace Offset = model::Offset;
using model::test::TempDir;
using model::test::WriteWholeFile;
using test::Cli;
using test::CliRun;

// The start-up model's parameters with changes, written as a parameter file.
std::string WriteSet(const TempDir &dir, const std::string &name, void (*change)(model::ConfigImage &) = nullptr)
{
    model::ConfigImage image = DefaultImage(model::StartupBikeType);
    image[Offset::JetMode] = 0;
    if (change != nullptr) {
        change(image);
    }
    const auto path = dir / name;
    EXPECT_TRUE(SaveParameterFile(path, image, false).ok);
    return path.string();
}

void ThreeChanges(model::ConfigImage &image)
{
    image[Offset::Jet14ARpm + 7] = 85;
    image[model::MapCell(Offset::Jet14AMap, 6, 7)] = 110;
    image[Offset::StartLimiter] = 95;
    image[Offset::ActClutch] = image[Offset::ActClutch] == 0 ? 1 : 0;
}

class ScopedDataHome {
public:
    explicit ScopedDataHome(const std::string &path)
    {
        if (const char *old = std::getenv("XDG_DATA_HOME")) {
            m_old = old;
        }
        ::setenv("XDG_DATA_HOME", path.c_str(), 1);
    }
    ~ScopedDataHome()
    {
        if (m_old) {
            ::setenv("XDG_DATA_HOME", m_old->c_str(), 1);
        } else {
            ::unsetenv("XDG_DATA_HOME");
        }
    }

private:
    std::optional<std::string> m_old;
};

TEST(DiffCommand, WrongCommandLinesAndUnreadableInputsExitTwo)
{
    const TempDir dir;
    const std::string good = WriteSet(dir, "good.ign");
    WriteWholeFile(dir / "notes.ign", "no parameters here\n");
    const struct {
        std::vector<std::string> line;
        std::vector<std::string> reasons;
    } cases[] = {
        {{"diff", good}, {"Usage: korvane-cli diff"}},
        {{"diff", good, good, "--format", "xml"}, {"--format"}},
        {{"diff", good, good, "--lang", "it"}, {"--lang"}},
        {{"diff", good, "history:first"}, {"history:N"}},
        {{"diff", good, "device:"}, {"device:"}},
        {{"diff", (dir / "a.ign").string(), (dir / "b.ign").string()}, {"a.ign", "b.ign"}},
        {{"diff", good, (dir / "notes.ign").string(), "--lang", "de"}, {"Datendatei *.ign ist nicht", "notes.ign"}},
        {{"sheet", good}, {"-o"}},
    };
    for (const auto &c : cases) {
        const CliRun run = Cli(c.line);
        EXPECT_EQ(run.code, ExitUsage) << c.line.back() << '\n' << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
        for (const std::string &reason : c.reasons) {
            EXPECT_NE(run.err.find(reason), std::string::npos) << reason << " in\n" << run.err;
        }
    }
}

TEST(DiffCommand, ReportsExactlyWhatDiffersWithTheExitCode)
{
    const TempDir dir;
    const std::string a = WriteSet(dir, "a.ign");
    const std::string b = WriteSet(dir, "b.ign", ThreeChanges);

    const CliRun equal = Cli({"diff", a, a, "--header"});
    EXPECT_EQ(equal.code, ExitSuccess);
    EXPECT_NE(equal.out.find("No differences."), std::string::npos) << equal.out;

    const CliRun text = Cli({"diff", a, b});
    EXPECT_EQ(text.code, 1) << text.err;
    EXPECT_NE(text.out.find("  Start limiter [rpm]: "), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("Differences: 4"), std::string::npos) << text.out;

    const CliRun csv = Cli({"diff", b, a, "--format", "csv", "--lang", "de"});
    EXPECT_EQ(csv.code, 1);
    const auto rows = [&] {
        std::vector<std::string> lines;
        std::istringstream in(csv.out);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }();
    ASSERT_EQ(rows.size(), 5u) << csv.out;
    EXPECT_EQ(rows[0], "page,parameter,row,column,a,b,delta");
    EXPECT_TRUE(rows[1].starts_with("Einspritz - 14,\"Einspritz - 14 RPM, Punkt 8\",,8,8500,9000,500")) << rows[1];
    EXPECT_TRUE(rows[2].starts_with("Einspritz - 14,Einspritz - 14 8500 U/min / 40 %,7,8,110,100,-10")) << rows[2];
    EXPECT_TRUE(rows[3].starts_with("Andere,Startbegrenzer [U/min],,,9500,")) << rows[3];
    EXPECT_TRUE(rows[4].starts_with("Andere,\"Aktivierung durch Schalter, Clutch master\",,,")) << rows[4];
    EXPECT_TRUE(rows[4].ends_with("angehakt,")) << "no delta for a check box: " << rows[4];
}

TEST(DiffCommand, RestorePointsAreNumberedNewestFirst)
{
    const TempDir dir;
    const ScopedDataHome data((dir / "data").string());
    const auto folder = dir / "data" / "Korvane" / "history";
    std::filesystem::create_directories(folder);
    const TempDir files;
    const auto point = [&](const std::string &file, int day) {
        std::ostringstream out, err;
        CommandIo io{out, err};
        const auto set = LoadSet(file, 0, io);
        ASSERT_TRUE(set) << err.str();
        history::NewPoint newPoint;
        newPoint.image = set->image;
        newPoint.time = std::chrono::system_clock::now() - std::chrono::hours(24 * day);
        ASSERT_TRUE(history::WriteRestorePoint(folder, newPoint).ok);
    };
    point(WriteSet(files, "old.ign"), 7);
    point(WriteSet(files, "new.ign", ThreeChanges), 1);
    WriteWholeFile(folder / "2026-12-09_08-00-00_read.meta", "kind=read\n");

    EXPECT_EQ(Cli({"diff", "history:1", (files / "new.ign").string()}).code, ExitSuccess);
    const CliRun older = Cli({"diff", "history:2", "history:1"});
    EXPECT_EQ(older.code, 1);
    EXPECT_NE(older.out.find("B: restore point 1 ("), std::string::npos) << older.out;
    const CliRun missing = Cli({"diff", "history:3", "history:1"});
    EXPECT_EQ(missing.code, ExitUsage);
    EXPECT_NE(missing.err.find("history:3"), std::string::npos) << missing.err;
}

TEST(DiffCommand, CsvFieldsAreQuotedOnlyWhenNeeded)
{
    EXPECT_EQ(CsvField("Start limiter [rpm]"), "Start limiter [rpm]");
    EXPECT_EQ(CsvField("TPS, 0% [mV]"), "\"TPS, 0% [mV]\"");
    EXPECT_EQ(CsvField("say \"x\""), "\"say \"\"x\"\"\"");
}

}  // namespace
}  // namespace korvane::cli
