#pragma once

// Setting up the unit from its options and running it on a pseudo-terminal.

#include "SimMemory.h"
#include "SimOptions.h"

#include <optional>
#include <ostream>
#include <string>

namespace korvane::unitsim {

// The memory the unit starts with: loaded or built, then the options applied.
[[nodiscard]] std::optional<Memory> PrepareMemory(const SimOptions &options, std::string &error);

// Runs until a signal, the time limit or the disappear limit. out receives the
// slave path as its first line; log receives progress unless quiet.
// Returns the process exit status.
[[nodiscard]] int RunSimulator(const SimOptions &options, std::ostream &out, std::ostream &log);

}  // namespace korvane::unitsim
