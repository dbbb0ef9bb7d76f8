#pragma once

// A ride log played back as the unit's live data: each poll is answered with
// the logged frame whose time is the latest not after the replay clock, byte
// for byte as it was logged. The clock starts with the first poll, so the
// first answer is the first frame however late the tool connects; --speed
// scales it. At the end of the log the replay starts again with --loop;
// without it the last frame is answered for one more frame interval, then
// polls go unanswered, as when a unit is switched off: the tool shows
// "No Connection" and a recording ends. Reads and programs still work on the
// unit's memory throughout.
//
// The log is read with the tool's own log reader (one reader, one format);
// every frame is judged again here by the unit's own check.

#include "SimFrame.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace korvane::unitsim {

class ReplayLog {
public:
    struct Entry {
        double seconds = 0.0;
        Frame frame{};
    };

    // nullopt with a message naming the file and the reason when it cannot
    // be replayed: unreadable, no frame column, or no sound frame.
    [[nodiscard]] static std::optional<ReplayLog> Load(const std::filesystem::path &path, std::string &error);
    [[nodiscard]] static std::optional<ReplayLog> FromEntries(std::vector<Entry> entries);

    void setSpeed(double speed) { m_speed = speed; }
    void setLoop(bool loop) { m_loop = loop; }

    // The answer to a poll at nowMs (the unit's clock); nullopt once over.
    [[nodiscard]] std::optional<Frame> frameAt(std::uint64_t nowMs);

    [[nodiscard]] std::size_t size() const { return m_entries.size(); }
    // Log seconds from the first frame until the replay is over (or loops).
    [[nodiscard]] double length() const { return m_end - m_entries.front().seconds; }

private:
    explicit ReplayLog(std::vector<Entry> entries);

    std::vector<Entry> m_entries;
    double m_end = 0.0;
    double m_speed = 1.0;
    bool m_loop = false;
    std::optional<std::uint64_t> m_startMs;
};

}  // namespace korvane::unitsim
