#pragma once

// The live data of the unit as CSV, in the one ride-log layout of the core
// (logs/RideLogFormat.h): one header row, then one row per monitor frame. A
// sensor in error leaves its value cell empty and sets its error column. The
// extended form adds the sensor voltages the extended monitor shows.

#include "link/MonitorDecoder.h"
#include "logs/RideLogFormat.h"

#include <string>

namespace korvane::cli {

using logs::IsoTimestamp;

[[nodiscard]] inline std::string MonitorCsvHeader(bool extended)
{
    return logs::HeaderRow(extended);
}

// seconds: time since logging started. The frame cell stays empty: only the
// numbers are known here.
[[nodiscard]] inline std::string MonitorCsvRow(const link::MonitorNumbers &numbers, const std::string &timestamp,
                                               double seconds, bool extended)
{
    std::string row;
    logs::AppendRow(row, numbers, nullptr, timestamp, seconds, extended);
    row.pop_back();  // the line end
    return row;
}

}  // namespace korvane::cli
