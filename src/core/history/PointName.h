#pragma once

// How restore points are named: "2026-12-08_13-22-05_read.ign" (local time of
// the point, then its kind), with "-2", "-3" ... before the extension for a
// further point of the same second and kind, and the sidecar beside it with
// the extension ".meta".

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace korvane::history {

using SystemTime = std::chrono::system_clock::time_point;

enum class PointKind : std::uint8_t {
    Read,     // the unit's blocks as a read received them
    Program,  // the image a program run sent
    Backup,   // the unit read before programming
    Advice,   // the image before lambda advice was applied
    Other,    // a file whose kind is not known
};

inline constexpr std::string_view PointExtension = ".ign";
inline constexpr std::string_view SidecarExtension = ".meta";

// "read", "program", "backup", "advice"; "other" for Other.
[[nodiscard]] std::string_view KindWord(PointKind kind);
// nullopt for a word that names no kind ("other" included).
[[nodiscard]] std::optional<PointKind> KindFromWord(std::string_view word);

// The file name of a point; sequence 1 gives no suffix.
[[nodiscard]] std::string PointFileName(SystemTime time, PointKind kind, unsigned sequence);

struct ParsedName {
    SystemTime time;   // whole seconds, local time as named
    PointKind kind;
    unsigned sequence;  // 1 without a suffix
};

// nullopt for a name this program did not give.
[[nodiscard]] std::optional<ParsedName> ParsePointFileName(std::string_view name);

// The sidecar of the point file at path.
[[nodiscard]] std::filesystem::path SidecarPath(const std::filesystem::path &pointFile);

// Local time as "2026-12-08 13:22:05", the form shown and listed.
[[nodiscard]] std::string LocalTimeText(SystemTime time);

}  // namespace korvane::history
