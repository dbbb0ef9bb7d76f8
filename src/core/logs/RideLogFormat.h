#pragma once

// The one layout of a ride log, shared by its writer and its reader: "#"
// comment lines saying where the log came from, a header row, then one row per
// monitor frame. The value columns are those `korvane-cli monitor --csv` has
// always written, in the same order; `start_s` and `frame` (the 102 bytes as
// received, in hex) come last, so whatever read the old columns finds them
// where they were.

#include "link/Frames.h"
#include "link/MonitorDecoder.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace korvane::logs {

inline constexpr std::string_view TimeColumn = "time";        // wall clock, UTC
inline constexpr std::string_view SecondsColumn = "seconds";  // since the log began, never going back
inline constexpr std::string_view StartColumn = "start_s";    // the unit's start-time counter
inline constexpr std::string_view FrameColumn = "frame";

enum class ColumnGroup : std::uint8_t {
    Basic,     // always written
    Extended,  // the sensor voltages of the extended monitor
    Appendix,  // added with the ride logs
};

// How a value column maps onto the decoded numbers.
enum class CellKind : std::uint8_t {
    Integer,
    Flag,         // 0 or 1
    Tenths,       // one decimal, e.g. 13.5
    Thousandths,  // three decimals
    Guarded,      // an integer, the cell left empty while its sensor is in error
    Injection,    // one of the four injection times, microseconds
    Duty,
};

struct ValueColumn {
    std::string_view name;
    ColumnGroup group;
    CellKind kind;
    int link::MonitorNumbers::*number = nullptr;
    bool link::MonitorNumbers::*flag = nullptr;  // Flag; for Guarded the sensor's error flag
    std::uint8_t index = 0;                      // Injection: 14A, 23A, 14B, 23B
};

// Every column but time, seconds and frame, in file order.
[[nodiscard]] std::span<const ValueColumn> ValueColumns();

// The header row without its line end.
[[nodiscard]] std::string HeaderRow(bool extended);

// Appends one row with its line end; a null frame leaves the frame cell empty.
void AppendRow(std::string &out, const link::MonitorNumbers &numbers, const link::MonitorFrame *frame,
               std::string_view timestamp, double seconds, bool extended);

// Parses one cell of column into numbers; false when the text is not a value
// of its kind. An empty Guarded cell is a value (the sensor was in error).
[[nodiscard]] bool ReadCell(const ValueColumn &column, std::string_view text, link::MonitorNumbers &numbers);

// Two hex digits per byte, lower case.
void AppendHex(std::string &out, std::span<const std::uint8_t> bytes);
// Exactly 204 hex digits of either case, else nullopt. The check byte is not judged here.
[[nodiscard]] std::optional<link::MonitorFrame> ParseFrameHex(std::string_view text);

// ISO 8601 in UTC with milliseconds, e.g. "2025-03-14T10:42:07.125Z".
[[nodiscard]] std::string IsoTimestamp(std::chrono::system_clock::time_point when);

// A decimal number with an optional sign and fraction, as the time columns hold it.
[[nodiscard]] std::optional<double> ParseSecondsCell(std::string_view text);

}  // namespace korvane::logs
