#include "logs/RideLogReader.h"

#include "lang/LogTexts.h"
#include "logs/RideLogFormat.h"
#include "logs/RideLogWriter.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <system_error>

namespace korvane::logs {

static_assert(static_cast<std::size_t>(lang::LogTextId::SkipBadValue) -
                      static_cast<std::size_t>(lang::LogTextId::SkipCutOff) + 1 ==
                  SkipReasonCount,
              "one text per skip reason, in order");

namespace {

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

void Split(std::string_view line, std::vector<std::string_view> &cells)
{
    cells.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) {
            cells.push_back(line.substr(start));
            return;
        }
        cells.push_back(line.substr(start, comma - start));
        start = comma + 1;
    }
}

template <typename Integer>
std::optional<Integer> LeadingNumber(std::string_view text, int base = 10)
{
    Integer value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc{} || end == text.data()) {
        return std::nullopt;
    }
    return value;
}

void ReadComment(std::string_view line, LogHeader &header)
{
    line.remove_prefix(1);
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) {
        return;
    }
    const std::string_view key = Trim(line.substr(0, colon));
    const std::string_view value = Trim(line.substr(colon + 1));
    if (key == VersionKey) {
        header.korvaneVersion = value;
    } else if (key == ModelKey) {
        header.model = LeadingNumber<std::uint8_t>(value);
    } else if (key == FirmwareKey) {
        header.firmware = value;
    } else if (key == ImageHashKey) {
        header.imageHash = value.size() == 16 ? LeadingNumber<std::uint64_t>(value, 16) : std::nullopt;
    } else if (key == TimeZoneKey) {
        header.timeZone = value;
    } else if (key == StartedKey) {
        header.started = value;
    }
}

}  // namespace

std::size_t LogSummary::skippedTotal() const
{
    std::size_t total = 0;
    for (const std::size_t count : skipped) {
        total += count;
    }
    return total;
}

std::optional<LogRecord> RideLogReader::feed(std::string_view line, bool complete)
{
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    if (line.empty()) {
        return std::nullopt;
    }
    if (line.front() == '#') {
        if (!m_summary.hasHeaderRow && complete) {
            ReadComment(line, m_summary.header);
        }
        return std::nullopt;
    }
    if (!complete) {
        // Even a header row cut off would name a column wrongly.
        if (m_summary.hasHeaderRow) {
            skip(SkipReason::CutOff);
        }
        return std::nullopt;
    }
    if (!m_summary.hasHeaderRow) {
        readHeaderRow(line);
        return std::nullopt;
    }
    auto record = readRow(line);
    if (record) {
        ++m_summary.records;
    }
    return record;
}

void RideLogReader::readHeaderRow(std::string_view line)
{
    m_summary.hasHeaderRow = true;
    Split(line, m_cells);
    m_cellCount = m_cells.size();
    const auto columns = ValueColumns();
    std::vector<bool> taken(columns.size(), false);
    for (std::size_t cell = 0; cell < m_cells.size(); ++cell) {
        const std::string_view name = Trim(m_cells[cell]);
        if (name == SecondsColumn && !m_secondsCell) {
            m_secondsCell = cell;
            continue;
        }
        if (name == FrameColumn && !m_frameCell) {
            m_frameCell = cell;
            continue;
        }
        if (name == TimeColumn) {
            continue;
        }
        bool known = false;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (columns[c].name == name) {
                known = true;
                if (!taken[c]) {
                    taken[c] = true;
                    m_valueCells.emplace_back(cell, c);
                }
                break;
            }
        }
        if (!known) {
            m_summary.unknownColumns.emplace_back(name);
        }
    }
    m_summary.hasTime = m_secondsCell.has_value();
    m_summary.hasFrame = m_frameCell.has_value();
}

std::optional<LogRecord> RideLogReader::readRow(std::string_view line)
{
    Split(line, m_cells);
    if (m_cells.size() != m_cellCount) {
        skip(SkipReason::CellCount);
        return std::nullopt;
    }
    LogRecord record;
    if (m_secondsCell) {
        const auto seconds = ParseSecondsCell(m_cells[*m_secondsCell]);
        if (!seconds) {
            skip(SkipReason::BadTime);
            return std::nullopt;
        }
        if (*seconds < m_lastSeconds) {
            skip(SkipReason::TimeBackwards);
            return std::nullopt;
        }
        record.seconds = *seconds;
    } else {
        record.seconds = static_cast<double>(m_summary.records) * PollSeconds;
    }

    if (m_frameCell && !m_cells[*m_frameCell].empty()) {
        const auto frame = ParseFrameHex(m_cells[*m_frameCell]);
        if (!frame) {
            skip(SkipReason::BadFrame);
            return std::nullopt;
        }
        if ((*frame)[0] != link::MonitorByte || !link::FrameCheckOk(*frame)) {
            skip(SkipReason::FrameCheck);
            return std::nullopt;
        }
        record.frame = frame;
        record.numbers = link::DecodeMonitorNumbers(*frame);
    } else {
        const auto columns = ValueColumns();
        for (const auto &[cell, column] : m_valueCells) {
            if (!ReadCell(columns[column], m_cells[cell], record.numbers)) {
                skip(SkipReason::BadValue);
                return std::nullopt;
            }
        }
    }
    m_lastSeconds = record.seconds;
    return record;
}

RideLog ParseRideLog(std::string_view text)
{
    RideLog log;
    RideLogReader reader;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const bool complete = end != std::string_view::npos;
        if (auto record = reader.feed(text.substr(0, end), complete)) {
            log.records.push_back(std::move(*record));
        }
        text.remove_prefix(complete ? end + 1 : text.size());
    }
    log.summary = reader.summary();
    return log;
}

std::optional<LogSummary> ReadRideLogFile(const std::filesystem::path &path,
                                          const std::function<void(const LogRecord &)> &sink, std::string &error)
{
    std::error_code folderError;
    if (std::filesystem::is_directory(path, folderError)) {
        error = path.string() + ": is a folder, not a log";
        return std::nullopt;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path.string() + ": " + (errno != 0 ? std::strerror(errno) : "cannot be opened");
        return std::nullopt;
    }
    RideLogReader reader;
    std::string pending;
    std::vector<char> chunk(1 << 16);
    while (in) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        pending.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
        std::size_t start = 0;
        for (std::size_t end; (end = pending.find('\n', start)) != std::string::npos; start = end + 1) {
            if (auto record = reader.feed(std::string_view(pending).substr(start, end - start))) {
                sink(*record);
            }
        }
        pending.erase(0, start);
    }
    if (in.bad()) {
        error = path.string() + ": read error";
        return std::nullopt;
    }
    if (!pending.empty()) {
        static_cast<void>(reader.feed(pending, false));
    }
    return reader.summary();
}

}  // namespace korvane::logs
