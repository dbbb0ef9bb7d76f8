#pragma once

// Subcommands that talk to the unit over a serial device.

#include "CliCommands.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace korvane::cli {

int RunRead(std::span<const std::string> args, CommandIo &io);
int RunProgram(std::span<const std::string> args, CommandIo &io);
int RunVerify(std::span<const std::string> args, CommandIo &io);
int RunMonitor(std::span<const std::string> args, CommandIo &io);

// The file helpers speak English; the user's language replaces the message's leading text.
[[nodiscard]] std::string InLanguage(const std::string &message, std::uint8_t language);

// "en", "de", "fr", "cz" -> 0..3; anything else is a UsageError.
[[nodiscard]] std::uint8_t ParseLanguageOption(std::string_view code);

}  // namespace korvane::cli
