#pragma once

// The printout of a parameter file as a PDF, for the workshop's records: the
// same picture of the window that the Print command puts on paper.

#include "CliCommands.h"

namespace korvane::cli {

int RunPrint(std::span<const std::string> args, CommandIo &io);

}  // namespace korvane::cli
