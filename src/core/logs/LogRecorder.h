#pragma once

// Records the live data into one log file per connection, for the window.
// Driven from the tick with the time passed in, so tests need no clock:
//
//   on a tick with a monitor readout:
//       if (!recorder.recording())
//           recorder.Begin(OriginOf(image, link.versionTexts(), now.wall), now);
//       recorder.Record(readout->frame, now);
//   on every other tick:  recorder.Tick(now);         (flushes when due)
//   when "No Connection" shows, the port changes or the window closes:
//       recorder.End();
//   once per run:  if (auto failure = recorder.takeError()) show it, e.g.
//       LogText(LogTextId::FolderUnwritable, language) + failure->path + ": " + failure->reason
//
// Rows are kept in memory and written at least every FlushSeconds, so a crash
// loses less than 5 s. Nothing here throws: a folder that cannot be written
// stops the recording of that connection and is reported once per recorder;
// the next connection tries again quietly.

#include "link/Frames.h"
#include "logs/LogFolder.h"
#include "logs/RideLogWriter.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace korvane::logs {

// Written out at least this often; with frames every 0.33 s the rows in
// memory never span 5 s.
inline constexpr double FlushSeconds = 4.0;

struct LogClock {
    double seconds = 0.0;  // a steady clock, any origin: the time column and the flush
    std::chrono::system_clock::time_point wall;  // file name, time column, retention

    [[nodiscard]] static LogClock Now();
};

struct RecorderError {
    std::filesystem::path path;  // the folder or file that failed
    std::string reason;
};

class LogRecorder {
public:
    explicit LogRecorder(std::filesystem::path folder, Retention retention = {});
    ~LogRecorder();
    LogRecorder(const LogRecorder &) = delete;
    LogRecorder &operator=(const LogRecorder &) = delete;

    // Off ends the log that is open; Begin and Record then do nothing.
    void setEnabled(bool enabled) noexcept;
    [[nodiscard]] bool enabled() const { return m_enabled; }
    void setRetention(const Retention &retention) { m_retention = retention; }

    // A unit has answered on a new connection: ends any open log, applies
    // retention, then opens a new file named by now.wall.
    void Begin(const LogOrigin &origin, const LogClock &now) noexcept;
    // One monitor frame whose check byte was accepted. Without an open log,
    // begins one whose model and image are unknown.
    void Record(std::span<const std::uint8_t, link::FrameSize> frame, const LogClock &now) noexcept;
    // Writes out the rows held when FlushSeconds have passed since the last write.
    void Tick(const LogClock &now) noexcept;
    // Writes out what is held and closes the file.
    void End() noexcept;

    [[nodiscard]] bool recording() const { return m_file != nullptr; }
    [[nodiscard]] const std::filesystem::path &file() const { return m_path; }
    [[nodiscard]] std::size_t rows() const { return m_rows; }
    // The first failure of this recorder, once.
    [[nodiscard]] std::optional<RecorderError> takeError();

private:
    bool open(const LogOrigin &origin, const LogClock &now);
    void flush() noexcept;
    void fail(const std::filesystem::path &path, const std::string &reason) noexcept;

    std::filesystem::path m_folder;
    Retention m_retention;
    bool m_enabled = true;
    bool m_failed = false;  // this connection could not be recorded
    std::FILE *m_file = nullptr;
    std::filesystem::path m_path;
    std::string m_pending;
    double m_beginSeconds = 0.0;
    double m_lastSeconds = 0.0;
    double m_lastFlush = 0.0;
    std::size_t m_rows = 0;
    std::optional<RecorderError> m_error;
    bool m_errorTaken = false;
};

}  // namespace korvane::logs
