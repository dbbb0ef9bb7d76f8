// korvane-cli maps "COMn" through the same settings file as the window.

#include "CliCommands.h"
#include "InProcessCli.h"

#include "../core/model/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace korvane::cli {
namespace {

using model::test::TempDir;
using model::test::WriteWholeFile;

TEST(CliPortMap, ComNumbersOpenTheDeviceOfTheSettingsFile)
{
    const TempDir dir;
    const char *old = std::getenv("XDG_CONFIG_HOME");
    const std::string oldConfig = old != nullptr ? old : "";
    ::setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
    std::filesystem::create_directory(dir / "Korvane");
    const std::string mapped = (dir / "mapped-tty").string();
    WriteWholeFile(dir / "Korvane" / "Korvane.ini", "[Ports]\nCOM4=" + mapped + "\n");

    const test::CliRun run = test::Cli({"monitor", "--device", "COM4", "--csv", "-", "--seconds", "1"});
    const test::CliRun unmapped = test::Cli({"monitor", "--device", "COM5", "--csv", "-", "--seconds", "1"});
    if (old != nullptr) {
        ::setenv("XDG_CONFIG_HOME", oldConfig.c_str(), 1);
    } else {
        ::unsetenv("XDG_CONFIG_HOME");
    }
    EXPECT_NE(run.err.find(mapped), std::string::npos) << run.err;
    EXPECT_NE(unmapped.err.find("/dev/ttyUSB4"), std::string::npos) << unmapped.err;
}

}  // namespace
}  // namespace korvane::cli
