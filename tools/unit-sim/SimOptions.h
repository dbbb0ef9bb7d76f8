#pragma once

// Command line of the simulated unit.

#include "UnitSimulator.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korvane::unitsim {

struct SimOptions {
    std::string linkPath;      // symlink to the slave, replaced if it exists
    std::string pathFile;      // file that receives the slave path
    std::optional<double> exitAfterSeconds;
    std::string imagePath;     // 1200 raw bytes
    std::optional<std::uint8_t> layoutVersion;
    std::string firmwareText;
    bool outOfLimits = false;
    bool quiet = false;
    std::uint64_t savingMs = DefaultSavingMs;
    FaultSwitches faults;

    // Replay of a ride log: polls answered with its frames (ReplayLog.h).
    std::string replayPath;
    double replaySpeed = 1.0;
    bool replayLoop = false;
};

struct ParsedCommandLine {
    SimOptions options;
    bool help = false;
    bool version = false;
    std::string error;  // non-empty: bad usage
};

[[nodiscard]] ParsedCommandLine ParseCommandLine(const std::vector<std::string> &arguments);
[[nodiscard]] std::string HelpText();

}  // namespace korvane::unitsim
