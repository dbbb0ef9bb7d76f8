#include "ReplayLog.h"

#include "logs/RideLogReader.h"

#include <algorithm>
#include <cmath>

namespace korvane::unitsim {

std::optional<ReplayLog> ReplayLog::Load(const std::filesystem::path &path, std::string &error)
{
    std::vector<Entry> entries;
    std::string readError;
    const auto summary = logs::ReadRideLogFile(
        path,
        [&](const logs::LogRecord &record) {
            if (!record.frame) {
                return;
            }
            Entry entry{record.seconds, {}};
            std::copy(record.frame->begin(), record.frame->end(), entry.frame.begin());
            if (entry.frame[0] == MonitorAnswer && FrameIsSound(entry.frame)) {
                entries.push_back(entry);
            }
        },
        readError);
    if (!summary) {
        error = readError;
        return std::nullopt;
    }
    if (!summary->hasFrame) {
        error = path.string() + ": the log has no frame column, so it holds nothing to replay";
        return std::nullopt;
    }
    auto replay = FromEntries(std::move(entries));
    if (!replay) {
        error = path.string() + ": no frame in the log has a valid check byte";
    }
    return replay;
}

std::optional<ReplayLog> ReplayLog::FromEntries(std::vector<Entry> entries)
{
    if (entries.empty()) {
        return std::nullopt;
    }
    return ReplayLog(std::move(entries));
}

ReplayLog::ReplayLog(std::vector<Entry> entries) : m_entries(std::move(entries))
{
    // The last frame lasts as long as the one before it did.
    constexpr double PollSeconds = 0.33;
    const std::size_t n = m_entries.size();
    const double lastGap = n > 1 ? m_entries[n - 1].seconds - m_entries[n - 2].seconds : PollSeconds;
    m_end = m_entries.back().seconds + (lastGap > 0.0 ? lastGap : PollSeconds);
}

std::optional<Frame> ReplayLog::frameAt(std::uint64_t nowMs)
{
    if (!m_startMs) {
        m_startMs = nowMs;
    }
    const double first = m_entries.front().seconds;
    const double elapsed = static_cast<double>(nowMs - std::min(nowMs, *m_startMs)) / 1000.0 * m_speed;
    double at = first + elapsed;
    if (at >= m_end) {
        if (!m_loop) {
            return std::nullopt;
        }
        at = first + std::fmod(elapsed, m_end - first);
    }
    const auto after = std::upper_bound(m_entries.begin(), m_entries.end(), at,
                                        [](double t, const Entry &entry) { return t < entry.seconds; });
    return after == m_entries.begin() ? m_entries.front().frame : std::prev(after)->frame;
}

}  // namespace korvane::unitsim
