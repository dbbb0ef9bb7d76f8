#include "logs/LogRecorder.h"

#include "logs/RideLogFormat.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

namespace korvane::logs {

namespace {

// Tries names with a rising sequence number while they are taken.
constexpr int NameAttempts = 100;
constexpr std::size_t PendingReserve = 64 * 1024;

}  // namespace

LogClock LogClock::Now()
{
    const auto steady = std::chrono::steady_clock::now().time_since_epoch();
    return {std::chrono::duration<double>(steady).count(), std::chrono::system_clock::now()};
}

LogRecorder::LogRecorder(std::filesystem::path folder, Retention retention)
    : m_folder(std::move(folder)), m_retention(retention)
{
}

LogRecorder::~LogRecorder()
{
    End();
}

void LogRecorder::setEnabled(bool enabled) noexcept
{
    if (!enabled) {
        End();
    }
    m_enabled = enabled;
}

void LogRecorder::Begin(const LogOrigin &origin, const LogClock &now) noexcept
{
    End();
    if (!m_enabled) {
        return;
    }
    try {
        m_failed = !open(origin, now);
    } catch (const std::exception &error) {
        fail(m_folder, error.what());
        m_failed = true;
    } catch (...) {
        fail(m_folder, "unknown error");
        m_failed = true;
    }
}

bool LogRecorder::open(const LogOrigin &origin, const LogClock &now)
{
    std::error_code folderError;
    std::filesystem::create_directories(m_folder, folderError);
    if (folderError) {
        fail(m_folder, folderError.message());
        return false;
    }
    static_cast<void>(ApplyRetention(m_folder, m_retention, now.wall));

    std::filesystem::path path;
    for (int sequence = 1; sequence <= NameAttempts && m_file == nullptr; ++sequence) {
        path = m_folder / LogFileName(now.wall, sequence);
        errno = 0;
        m_file = std::fopen(path.c_str(), "wbx");
        if (m_file == nullptr && errno != EEXIST) {
            break;
        }
    }
    if (m_file == nullptr) {
        fail(path, errno != 0 ? std::strerror(errno) : "cannot be created");
        return false;
    }
    m_path = path;
    m_rows = 0;
    m_beginSeconds = now.seconds;
    m_lastSeconds = 0.0;
    m_pending.clear();
    m_pending.reserve(PendingReserve);
    m_pending += LogHead(origin, true);
    flush();
    m_lastFlush = now.seconds;
    return m_file != nullptr;
}

void LogRecorder::Record(std::span<const std::uint8_t, link::FrameSize> frame, const LogClock &now) noexcept
{
    if (!m_enabled || m_failed) {
        return;
    }
    if (m_file == nullptr) {
        Begin(UnknownOrigin(now.wall), now);
        if (m_file == nullptr) {
            return;
        }
    }
    try {
        link::MonitorFrame bytes{};
        std::copy(frame.begin(), frame.end(), bytes.begin());
        // The steady clock never goes back; this keeps the column so even if
        // a caller's does.
        m_lastSeconds = std::max(m_lastSeconds, now.seconds - m_beginSeconds);
        AppendRow(m_pending, link::DecodeMonitorNumbers(frame), &bytes, IsoTimestamp(now.wall), m_lastSeconds,
                  true);
        ++m_rows;
    } catch (...) {
        fail(m_path, "out of memory");
        End();
        m_failed = true;
        return;
    }
    Tick(now);
}

void LogRecorder::Tick(const LogClock &now) noexcept
{
    if (m_file != nullptr && now.seconds - m_lastFlush >= FlushSeconds) {
        flush();
        m_lastFlush = now.seconds;
    }
}

void LogRecorder::flush() noexcept
{
    if (m_file == nullptr) {
        return;
    }
    errno = 0;
    const bool written = std::fwrite(m_pending.data(), 1, m_pending.size(), m_file) == m_pending.size() &&
                         std::fflush(m_file) == 0;
    m_pending.clear();
    if (!written) {
        fail(m_path, errno != 0 ? std::strerror(errno) : "write error");
        std::fclose(m_file);
        m_file = nullptr;
        m_failed = true;
    }
}

void LogRecorder::End() noexcept
{
    flush();
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    m_pending.clear();
    m_failed = false;
}

void LogRecorder::fail(const std::filesystem::path &path, const std::string &reason) noexcept
{
    if (m_error || m_errorTaken) {
        return;
    }
    try {
        m_error = RecorderError{path, reason};
    } catch (...) {
        m_errorTaken = true;
    }
}

std::optional<RecorderError> LogRecorder::takeError()
{
    if (!m_error) {
        return std::nullopt;
    }
    m_errorTaken = true;
    return std::exchange(m_error, std::nullopt);
}

}  // namespace korvane::logs
