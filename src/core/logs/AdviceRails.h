#pragma once

// What the window keeps for the advisor between runs and where the rails of
// the advice are measured from.
//
// Locked cells live in [Advisor] as one key, page:row:column triples in the
// numbering of the map pages (1 Inj-14A, 2 Inj-23A, 4 Inj-IAP; rows and
// columns as in the image, from 0):
//   [Advisor]
//   Locked=1:3:7,1:3:8
// Entries that name no advised cell are dropped when read.
//
// The base image of the rails is the newest Read restore point of the same
// motorcycle type: what the unit held when it was last read. Without one,
// the caller keeps the image as it was before the first advice of the run,
// so that repeated applications still stay within the rails.

#include "logs/LambdaAdvisor.h"
#include "logs/LogSettings.h"
#include "settings/IniFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace korvane::logs {

inline constexpr std::string_view LockedKey = "Locked";

[[nodiscard]] CellSet ParseLockedCells(std::string_view text);
// In page, row, column order; empty for an empty set.
[[nodiscard]] std::string FormatLockedCells(const CellSet &cells);

[[nodiscard]] CellSet ReadLockedCells(const settings::IniFile &ini);
void WriteLockedCells(settings::IniFile &ini, const CellSet &cells);

struct RailBase {
    model::ConfigImage image;
    std::filesystem::path point;  // the restore point it came from
};

// The newest readable Read point in folder whose image is of bikeType;
// nullopt when there is none (or the folder cannot be read).
[[nodiscard]] std::optional<RailBase> NewestReadPoint(const std::filesystem::path &folder, std::uint8_t bikeType);

}  // namespace korvane::logs
