#pragma once

// Subcommands that work on ride logs: which cells the engine used, and which
// way the lambda sensor says the injection maps should go.

#include "CliCommands.h"

namespace korvane::cli {

int RunHits(std::span<const std::string> args, CommandIo &io);
int RunAdvise(std::span<const std::string> args, CommandIo &io);

}  // namespace korvane::cli
