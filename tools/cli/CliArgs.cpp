#include "CliArgs.h"

#include <charconv>

namespace korvane::cli {

namespace {

const OptionSpec *FindLong(std::span<const OptionSpec> options, std::string_view name)
{
    for (const OptionSpec &option : options) {
        if (option.longName == name) {
            return &option;
        }
    }
    return nullptr;
}

const OptionSpec *FindShort(std::span<const OptionSpec> options, char name)
{
    for (const OptionSpec &option : options) {
        if (option.shortName != '\0' && option.shortName == name) {
            return &option;
        }
    }
    return nullptr;
}

}  // namespace

std::optional<std::string> ParsedArgs::value(std::string_view name) const
{
    const auto it = values.find(name);
    if (it == values.end()) {
        return std::nullopt;
    }
    return it->second;
}

const std::string &ParsedArgs::required(std::string_view name) const
{
    const auto it = values.find(name);
    if (it == values.end()) {
        throw UsageError("missing option --" + std::string(name));
    }
    return it->second;
}

ParsedArgs ParseArgs(std::span<const std::string> args, std::span<const OptionSpec> options)
{
    ParsedArgs parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            parsed.positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            parsed.help = true;
            continue;
        }

        const OptionSpec *option = nullptr;
        std::optional<std::string> inlineValue;
        std::string shown = arg;
        if (arg.starts_with("--")) {
            std::string_view name = std::string_view(arg).substr(2);
            if (const auto equals = name.find('='); equals != std::string_view::npos) {
                inlineValue = std::string(name.substr(equals + 1));
                name = name.substr(0, equals);
                shown = "--" + std::string(name);
            }
            option = FindLong(options, name);
        } else if (arg.size() == 2) {
            option = FindShort(options, arg[1]);
        }
        if (option == nullptr) {
            throw UsageError("unknown option " + shown);
        }

        const std::string key(option->longName);
        if (parsed.has(key)) {
            throw UsageError("option " + shown + " given twice");
        }
        if (!option->takesValue) {
            if (inlineValue) {
                throw UsageError("option " + shown + " takes no value");
            }
            parsed.values[key] = "";
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= args.size()) {
                throw UsageError("option " + shown + " needs a value");
            }
            inlineValue = args[++i];
        }
        parsed.values[key] = *inlineValue;
    }
    return parsed;
}

void RequirePositional(const ParsedArgs &parsed, std::size_t count, std::string_view what)
{
    if (parsed.positional.size() < count) {
        throw UsageError("missing " + std::string(what));
    }
    if (parsed.positional.size() > count) {
        throw UsageError("unexpected argument '" + parsed.positional[count] + "'");
    }
}

int ParseIntInRange(std::string_view text, int low, int high, std::string_view what)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        throw UsageError(std::string(what) + " must be a number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not '" + std::string(text) + "'");
    }
    return value;
}

}  // namespace korvane::cli
