// diff against the simulated unit and the tune sheet, as a user runs them:
// the built korvane-cli as a child process.

#include "ChildProcess.h"
#include "ImageFiles.h"
#include "SimulatedUnit.h"

#include "../core/model/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane::cli {
namespace {

using model::test::ReadWholeFile;
using model::test::TempDir;
using model::test::WriteWholeFile;
using test::ProcessResult;

ProcessResult Cli(const std::vector<std::string> &arguments)
{
    return test::RunProcess(KORVANE_CLI_PATH, arguments);
}

std::size_t Count(const std::string &text, const std::string &part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST(DiffE2E, TheUnitReadIntoABufferAgainstAFile)
{
    TempDir dir;
    model::ConfigImage memory = DefaultImage(7);
    WriteWholeFile(dir / "memory.bin", std::string(memory.bytes.begin(), memory.bytes.end()));
    test::SimulatedUnit unit({"--image", (dir / "memory.bin").string()});
    memory[model::Offset::IgnitionLimiter] += 5;
    ASSERT_TRUE(SaveParameterFile(dir / "tune.ign", memory, false).ok);

    const ProcessResult run = Cli({"diff", "device:" + unit.path(), (dir / "tune.ign").string(), "--format", "csv"});
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_EQ(run.out, "page,parameter,row,column,a,b,delta\nOther,Ignition Limiter [rpm],,," +
                           std::to_string(memory[model::Offset::IgnitionLimiter] * 100 - 500) + "," +
                           std::to_string(memory[model::Offset::IgnitionLimiter] * 100) + ",500\n")
        << "only the limiter differs; the unit's header is left out unless asked for";
    EXPECT_NE(run.err.find("Read:"), std::string::npos) << "progress goes to the error stream: " << run.err;
}

TEST(DiffE2E, TuneSheetIsATextPdfOfTheVisiblePages)
{
    TempDir dir;
    model::ConfigImage image = DefaultImage(11);
    image[model::Offset::JetMode] = 2;
    ASSERT_TRUE(SaveParameterFile(dir / "a.ign", image, false).ok);
    image[model::Offset::AdvMap] += 1;
    ASSERT_TRUE(SaveParameterFile(dir / "b.ign", image, false).ok);
    const std::string pdf = (dir / "a.pdf").string();

    const ProcessResult run = Cli({"sheet", (dir / "a.ign").string(), "-o", pdf, "--against",
                                   (dir / "b.ign").string(), "--lang", "cz"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string content = ReadWholeFile(pdf);
    EXPECT_TRUE(content.starts_with("%PDF-"));
    // The differences, then nine pages: Inj-23A's tab is hidden in "14 = 23" mode.
    EXPECT_EQ(Count(content, "/Type /Page\n"), 10u);
    EXPECT_GT(Count(content, "/FontFile"), 0u) << "text set in embedded fonts";
    EXPECT_EQ(Count(content, "/Subtype /Image"), 0u) << "no picture of a screen";

    const ProcessResult missing = Cli({"sheet", (dir / "none.ign").string(), "-o", (dir / "x.pdf").string()});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err.find("none.ign"), std::string::npos) << missing.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "x.pdf"));
}

}  // namespace
}  // namespace korvane::cli
