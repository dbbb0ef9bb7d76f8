#pragma once

// Table editing from the command line: the operations of the table view on
// one map or curve of a parameter file, for workshop scripts.

#include "CliCommands.h"

namespace korvane::cli {

int RunMap(std::span<const std::string> args, CommandIo &io);

}  // namespace korvane::cli
