#pragma once

// The command table of korvane-cli. Each subcommand is a plain function that
// gets its own arguments and two streams, so tests run it in-process. To add
// a command, declare its handler in a header of its group (as ModelCommands.h
// does) and add a row to the table in CliCommands.cpp.

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace korvane::cli {

class ParsedArgs;

inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFailure = 1;
inline constexpr int ExitUsage = 2;

struct CommandIo {
    std::ostream &out;
    std::ostream &err;
};

// Gets the arguments after the command name. Returns the exit code; throws
// UsageError (CliArgs.h) for a command line that does not fit.
using CommandHandler = int (*)(std::span<const std::string> args, CommandIo &io);

struct Command {
    std::string_view name;
    std::string_view synopsis;     // e.g. "new --bike CODE -o FILE.ign"
    std::string_view description;  // one or more lines, shown by help
    CommandHandler run;
};

[[nodiscard]] std::span<const Command> Commands();

void PrintUsage(std::ostream &out);
void PrintCommandUsage(std::ostream &out, const Command &command);

// Prints the named command's own help when the command line asked for it;
// true when it did.
[[nodiscard]] bool HandledHelp(const ParsedArgs &parsed, std::string_view name, CommandIo &io);

// Runs the command line without the program name, e.g. {"new", "--bike", "7",
// "-o", "x.ign"}. Usage errors give 2 with a message on err, failures 1.
[[nodiscard]] int RunCli(std::span<const std::string> args, std::ostream &out, std::ostream &err);

}  // namespace korvane::cli
