#pragma once

// Where a parameter set to compare or print comes from: a parameter file, a
// restore point ("history:N") or the unit ("device:PATH" or "device:COMn"),
// read with the frames of a read and never programmed.

#include "CliCommands.h"

#include "model/ConfigImage.h"

#include <cstdint>
#include <optional>
#include <string>

namespace korvane::cli {

struct LoadedSet {
    model::ConfigImage image{};
    std::string name;  // for headers: the file, "restore point 3 (...)", "unit on /dev/ttyUSB0"
};

// Loads source; on failure writes the reason, naming the input, to io.err and
// returns nullopt. Throws UsageError for a source that is not well formed
// ("history:x", "device:"). Device progress goes to io.err, so io.out keeps
// only the command's own output.
[[nodiscard]] std::optional<LoadedSet> LoadSet(const std::string &source, std::uint8_t language, CommandIo &io);

}  // namespace korvane::cli
