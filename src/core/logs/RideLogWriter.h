#pragma once

// Writing a ride log: the "#" lines that say where it came from, then the
// rows (RideLogFormat.h). The window records through LogRecorder, which uses
// these; `korvane-cli monitor` writes with them directly.
//
// A log begins, for example:
//   # Korvane ride log
//   # korvane: 0.1.0
//   # model: 11
//   # firmware: ABC05  7. 3.2005 09:05
//   # image_fnv1a64: 5f1c0b2e9a7d3c41
//   # time_zone: +01:00 CET
//   # started: 2025-03-14T10:42:07.125Z
//   time,seconds,rpm,...,start_s,frame

#include "logs/RideLogFormat.h"
#include "model/ConfigImage.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvane::logs {

// Keys of the "# key: value" lines.
inline constexpr std::string_view VersionKey = "korvane";
inline constexpr std::string_view ModelKey = "model";
inline constexpr std::string_view FirmwareKey = "firmware";
inline constexpr std::string_view ImageHashKey = "image_fnv1a64";
inline constexpr std::string_view TimeZoneKey = "time_zone";
inline constexpr std::string_view StartedKey = "started";
inline constexpr std::string_view LogTitle = "Korvane ride log";

struct LogOrigin {
    std::string korvaneVersion;
    std::optional<std::uint8_t> model;       // BikeType of the image in use; nullopt: not known
    std::string firmware;                    // the unit's version texts; empty: not known
    std::optional<std::uint64_t> imageHash;  // ImageHash of the image in use
    std::string timeZone;                    // LocalTimeZone at the start
    std::string started;                     // IsoTimestamp of the start
};

[[nodiscard]] std::string_view KorvaneVersion();

// FNV-1a, 64 bits, over all 1200 bytes of the image, header block included.
[[nodiscard]] std::uint64_t ImageHash(const model::ConfigImage &image);
// 16 lower-case hex digits.
[[nodiscard]] std::string HashText(std::uint64_t hash);

// The local offset from UTC and the zone's abbreviation at that moment, e.g.
// "+01:00 CET"; the rows' time column is UTC, this says how to read it locally.
[[nodiscard]] std::string LocalTimeZone(std::chrono::system_clock::time_point when);

// The origin of a log of the image in use; unit: the version texts of the
// unit's header when one has been read (nullopt leaves the firmware unknown).
[[nodiscard]] LogOrigin OriginOf(const model::ConfigImage &image, const std::optional<model::VersionTexts> &unit,
                                 std::chrono::system_clock::time_point started);
// Same, with model and image unknown: korvane-cli monitor knows neither
// unless it is told.
[[nodiscard]] LogOrigin UnknownOrigin(std::chrono::system_clock::time_point started);

// The comment lines and the header row, each with its line end.
[[nodiscard]] std::string LogHead(const LogOrigin &origin, bool extended);

}  // namespace korvane::logs
