#pragma once

// Where the program keeps the user's own data (restore points, ride logs):
// $XDG_DATA_HOME/Korvane/, or ~/.local/share/Korvane/ when that variable is
// unset, empty or not an absolute path. Settings live in ConfigFolder().

#include <filesystem>

namespace korvane::settings {

[[nodiscard]] std::filesystem::path DataFolder();
// DataFolder()/history/: one *.ign and one *.meta per restore point.
[[nodiscard]] std::filesystem::path HistoryFolder();

}  // namespace korvane::settings
