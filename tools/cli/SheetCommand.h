#pragma once

// korvane-cli sheet: the tune sheet of a parameter set as a PDF, optionally
// marking what differs from another set.

#include "CliCommands.h"

namespace korvane::cli {

int RunSheet(std::span<const std::string> args, CommandIo &io);

}  // namespace korvane::cli
