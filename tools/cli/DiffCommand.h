#pragma once

// korvane-cli diff: what differs between two parameter sets, as text or CSV.

#include "CliCommands.h"

#include "history/ImageDiff.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace korvane::cli {

int RunDiff(std::span<const std::string> args, CommandIo &io);

// One CSV field, quoted as RFC 4180 asks when it holds a comma, a quote or a line break.
[[nodiscard]] std::string CsvField(std::string_view text);

// The columns page,parameter,row,column,a,b,delta with a header line; row and
// column count from 1 and stay empty where they do not apply.
[[nodiscard]] std::string DiffCsv(std::span<const history::DiffEntry> entries, std::uint8_t language);
[[nodiscard]] std::string DiffText(std::span<const history::DiffEntry> entries, std::uint8_t language,
                                   const std::string &nameA, const std::string &nameB);

}  // namespace korvane::cli
