#pragma once

// Reading a ride log, whoever wrote it and whatever happened to it since: a
// log cut off mid-line, columns unknown or in another order, a damaged frame.
// The reader takes every row it can, skips the others and counts them by
// reason; it never throws on content.
//
// Columns are found by name. A row with a frame takes every value from the
// frame, exactly as the unit sent it; a row without one (an older
// `monitor --csv` file) from the value columns present, the others left 0.

#include "link/Frames.h"
#include "link/MonitorDecoder.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane::logs {

enum class SkipReason : std::uint8_t {
    CutOff,         // the last line has no line end: the writer was stopped mid-line
    CellCount,      // not as many cells as the header row names
    BadTime,        // the seconds cell is not a number
    TimeBackwards,  // earlier than the row before it
    BadFrame,       // the frame cell is not 204 hex digits
    FrameCheck,     // not a monitor frame, or its check byte is wrong
    BadValue,       // a value cell (row without a frame) is not a number
    Count
};
inline constexpr std::size_t SkipReasonCount = static_cast<std::size_t>(SkipReason::Count);

// Rows without a time column are taken as polled at this pace.
inline constexpr double PollSeconds = 0.33;

struct LogRecord {
    double seconds = 0.0;  // since the log began
    link::MonitorNumbers numbers;
    std::optional<link::MonitorFrame> frame;  // sound frames only
};

// What the "#" lines said; empty or nullopt where a line was missing.
struct LogHeader {
    std::string korvaneVersion;
    std::optional<std::uint8_t> model;
    std::string firmware;
    std::optional<std::uint64_t> imageHash;
    std::string timeZone;
    std::string started;
};

struct LogSummary {
    LogHeader header;
    bool hasHeaderRow = false;
    bool hasTime = false;   // a seconds column
    bool hasFrame = false;  // a frame column
    std::vector<std::string> unknownColumns;
    std::array<std::size_t, SkipReasonCount> skipped{};
    std::size_t records = 0;

    [[nodiscard]] std::size_t skippedTotal() const;
};

class RideLogReader {
public:
    // One line without its line end; complete is false for a last line that
    // had none. Returns the record the line holds, if any.
    [[nodiscard]] std::optional<LogRecord> feed(std::string_view line, bool complete = true);

    [[nodiscard]] const LogSummary &summary() const { return m_summary; }

private:
    void readHeaderRow(std::string_view line);
    [[nodiscard]] std::optional<LogRecord> readRow(std::string_view line);
    void skip(SkipReason reason) { ++m_summary.skipped[static_cast<std::size_t>(reason)]; }

    LogSummary m_summary;
    std::size_t m_cellCount = 0;
    std::optional<std::size_t> m_secondsCell;
    std::optional<std::size_t> m_frameCell;
    std::vector<std::pair<std::size_t, std::size_t>> m_valueCells;  // cell index, ValueColumns() index
    std::vector<std::string_view> m_cells;
    double m_lastSeconds = 0.0;
};

// The whole text of a log.
struct RideLog {
    LogSummary summary;
    std::vector<LogRecord> records;
};
[[nodiscard]] RideLog ParseRideLog(std::string_view text);

// Reads a file piece by piece, handing each record to sink in file order.
// nullopt with the reason in error when the file cannot be opened or read.
[[nodiscard]] std::optional<LogSummary> ReadRideLogFile(const std::filesystem::path &path,
                                                        const std::function<void(const LogRecord &)> &sink,
                                                        std::string &error);

}  // namespace korvane::logs
