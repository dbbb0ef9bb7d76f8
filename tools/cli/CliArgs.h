#pragma once

// A small option parser shared by the subcommands: "--name value",
// "--name=value", "-o value", "--" to end options; "--help"/"-h" always.

#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace korvane::cli {

// Thrown for a command line that does not fit the command; exit code 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct OptionSpec {
    std::string_view longName;   // without the dashes, e.g. "bike"
    char shortName = '\0';       // e.g. 'o'; '\0' for none
    bool takesValue = true;
};

class ParsedArgs {
public:
    std::vector<std::string> positional;
    std::map<std::string, std::string, std::less<>> values;  // by long name; "" for a switch
    bool help = false;

    [[nodiscard]] bool has(std::string_view name) const { return values.find(name) != values.end(); }
    [[nodiscard]] std::optional<std::string> value(std::string_view name) const;
    // The value, or a UsageError naming the missing option.
    [[nodiscard]] const std::string &required(std::string_view name) const;
};

// Throws UsageError for an unknown option, a missing value or a repeated option.
[[nodiscard]] ParsedArgs ParseArgs(std::span<const std::string> args, std::span<const OptionSpec> options);

// Exactly `count` positional arguments, else UsageError.
void RequirePositional(const ParsedArgs &parsed, std::size_t count, std::string_view what);

// A decimal integer in [low, high], else UsageError naming the option.
[[nodiscard]] int ParseIntInRange(std::string_view text, int low, int high, std::string_view what);

}  // namespace korvane::cli
