#pragma once

// Subcommands that work on parameter files and snapshots only (no device).

#include "CliCommands.h"

namespace korvane::cli {

int RunNew(std::span<const std::string> args, CommandIo &io);
int RunConvert(std::span<const std::string> args, CommandIo &io);
int RunNormalise(std::span<const std::string> args, CommandIo &io);
int RunShow(std::span<const std::string> args, CommandIo &io);

}  // namespace korvane::cli
