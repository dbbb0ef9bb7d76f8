#pragma once

// Where ride logs live, how they are named and how long they are kept.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace korvane::logs {

// $XDG_DATA_HOME/Korvane/logs/, or ~/.local/share/Korvane/logs/ when that
// variable is unset, empty or not an absolute path.
[[nodiscard]] std::filesystem::path LogsFolder();

// The name of a log started at start, in local time: "2025-03-14_10-42-07.csv".
// A second log in the same second gets "_2", "_3" ... before the extension.
[[nodiscard]] std::string LogFileName(std::chrono::system_clock::time_point start, int sequence = 1);
// True for names LogFileName gives; retention touches no other file.
[[nodiscard]] bool IsLogFileName(std::string_view name);

struct Retention {
    int keepDays = 30;                          // 0: no age limit
    std::uint64_t maxBytes = 1024ULL << 20;     // 0: no size limit
    friend bool operator==(const Retention &, const Retention &) = default;
};

struct RetentionResult {
    std::size_t removed = 0;
    std::uint64_t bytesKept = 0;
    std::string error;  // the first file that could not be removed, and why
};

// Removes the logs in folder last written more than keepDays before now, then
// the oldest until the rest take at most maxBytes. Never throws.
RetentionResult ApplyRetention(const std::filesystem::path &folder, const Retention &retention,
                               std::chrono::system_clock::time_point now);

}  // namespace korvane::logs
