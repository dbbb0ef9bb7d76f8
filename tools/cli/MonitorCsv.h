#pragma once

// The live data of the unit as CSV: one header row, then one row per monitor
// frame. A sensor in error leaves its value cell empty and sets its error
// column. The extended form adds the sensor voltages the extended monitor shows.

#include "link/MonitorDecoder.h"

#include <chrono>
#include <string>

namespace korvane::cli {

[[nodiscard]] std::string MonitorCsvHeader(bool extended);

// seconds: time since logging started.
[[nodiscard]] std::string MonitorCsvRow(const link::MonitorNumbers &numbers, const std::string &timestamp,
                                        double seconds, bool extended);

// ISO 8601 in UTC with milliseconds, e.g. "2025-03-14T10:42:07.125Z".
[[nodiscard]] std::string IsoTimestamp(std::chrono::system_clock::time_point when);

}  // namespace korvane::cli
