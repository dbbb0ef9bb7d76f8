#pragma once

// The unit's side of the link, without any device: bytes and the time go in,
// answer bytes come out. The pty loop around it only moves bytes.

#include "EngineModel.h"
#include "ReplayLog.h"
#include "SimFrame.h"
#include "SimMemory.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace korvane::unitsim {

inline constexpr std::uint16_t SavingStart = 1103;
inline constexpr std::uint64_t DefaultSavingMs = 4000;
// A partial frame older than this is noise, not the start of the next request:
// the tool writes a whole frame at once (about 18 ms on a real line).
inline constexpr std::uint64_t StalePartialMs = 50;
inline constexpr std::size_t ShortBurstSize = 40;

// Deliberate misbehaviour, for testing how the tool copes.
struct FaultSwitches {
    bool neverAnswer = false;
    std::uint64_t answerLateMs = 0;
    std::uint32_t corruptEvery = 0;    // 0: never
    bool badEcho = false;
    bool shortBurst = false;           // once, before the first block answer
    std::uint32_t disappearAfter = 0;  // 0: never
};

struct SimCounters {
    std::uint32_t framesAccepted = 0;
    std::uint32_t framesDropped = 0;  // bad check byte or stale partials
    std::uint32_t framesIgnored = 0;  // sound but not a request the unit knows
    std::uint32_t answersSent = 0;
};

class UnitSimulator {
public:
    using Log = std::function<void(const std::string &)>;

    UnitSimulator(const Memory &memory, const FaultSwitches &faults, std::uint64_t savingMs = DefaultSavingMs);

    void setLog(Log log) { m_log = std::move(log); }
    // Polls are answered from the log instead of the engine model.
    void setReplay(ReplayLog replay) { m_replay = std::move(replay); }

    // Bytes received from the tool at nowMs (milliseconds since the unit started).
    void feed(std::span<const std::uint8_t> bytes, std::uint64_t nowMs);
    // Answer bytes whose time has come; at most up to the disappear limit.
    [[nodiscard]] std::vector<std::uint8_t> takeOutput(std::uint64_t nowMs);
    // When the next held-back answer falls due, if any.
    [[nodiscard]] std::optional<std::uint64_t> nextAnswerDue() const;
    // True once the disappear limit is reached: the unit is to vanish.
    [[nodiscard]] bool unplugged() const;

    [[nodiscard]] const Memory &memory() const { return m_memory; }
    [[nodiscard]] std::uint16_t programmingCount() const { return m_programmingCount; }
    [[nodiscard]] std::uint16_t savingCountdown(std::uint64_t nowMs) const;
    [[nodiscard]] const SimCounters &counters() const { return m_counters; }
    [[nodiscard]] std::size_t bufferedBytes() const { return m_input.size(); }

private:
    struct PendingAnswer {
        std::uint64_t due = 0;
        Frame frame{};
        bool isBlockAnswer = false;
    };

    void handleFrame(const Frame &request, std::uint64_t nowMs);
    void queueAnswer(Frame answer, bool isBlockAnswer, std::uint64_t nowMs);
    void say(const std::string &text) const;

    Memory m_memory;
    FaultSwitches m_faults;
    std::uint64_t m_savingMs;
    Log m_log;

    std::vector<std::uint8_t> m_input;
    std::uint64_t m_lastInputMs = 0;
    std::deque<PendingAnswer> m_pending;
    std::uint32_t m_answersQueued = 0;
    bool m_shortBurstSent = false;

    bool m_programRunOpen = false;
    std::uint16_t m_programmingCount = 0;
    std::optional<std::uint64_t> m_savingStartedMs;
    SimCounters m_counters;

    std::optional<ReplayLog> m_replay;
    bool m_replayOverReported = false;
};

}  // namespace korvane::unitsim
