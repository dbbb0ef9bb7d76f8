#pragma once

// Where the program keeps what it carries from one run to the next:
// $XDG_CONFIG_HOME/Korvane/, or ~/.config/Korvane/ when that variable is unset,
// empty or not an absolute path. The window and korvane-cli both ask here, so
// the folder never depends on how a process names itself.

#include <filesystem>
#include <string>
#include <string_view>

namespace korvane::settings {

inline constexpr std::string_view SettingsFileName = "Korvane.ini";
inline constexpr std::string_view SnapshotFileName = "_Korvane.ini";
inline constexpr std::string_view MarkerFileName = "test_rigtop.txt";

// $HOME, else the account's home folder, else ".".
[[nodiscard]] std::filesystem::path HomeFolder();
[[nodiscard]] std::filesystem::path ConfigFolder();
[[nodiscard]] std::filesystem::path SettingsFile();
[[nodiscard]] std::filesystem::path SnapshotFile();
[[nodiscard]] std::filesystem::path MarkerFile();

// Writes a file of the configuration folder: creates the folder when needed,
// follows a symbolic link to the file it names, and replaces the file whole
// or not at all. On failure returns false with the reason in error.
[[nodiscard]] bool WriteConfigFile(const std::filesystem::path &path, std::string_view content,
                                   std::string *error = nullptr);

}  // namespace korvane::settings
