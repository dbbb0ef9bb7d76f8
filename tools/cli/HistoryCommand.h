#pragma once

// korvane-cli history: the restore points of the history folder.

#include "CliCommands.h"

namespace korvane::cli {

int RunHistory(std::span<const std::string> args, CommandIo &io);

}  // namespace korvane::cli
