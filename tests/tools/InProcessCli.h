#pragma once

// Runs korvane-cli's command line in-process and keeps what it printed.

#include "CliCommands.h"

#include <sstream>
#include <string>
#include <vector>

namespace korvane::cli::test {

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

inline CliRun Cli(const std::vector<std::string> &args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunCli(args, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace korvane::cli::test
