#include "UnitSimulator.h"

#include <algorithm>
#include <cstdio>

namespace korvane::unitsim {

namespace {

std::string Hex(std::uint8_t value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value);
    return text;
}

}  // namespace

UnitSimulator::UnitSimulator(const Memory &memory, const FaultSwitches &faults, std::uint64_t savingMs)
    : m_memory(memory), m_faults(faults), m_savingMs(savingMs == 0 ? 1 : savingMs)
{
}

void UnitSimulator::feed(std::span<const std::uint8_t> bytes, std::uint64_t nowMs)
{
    if (bytes.empty()) {
        return;
    }
    if (!m_input.empty() && nowMs >= m_lastInputMs + StalePartialMs) {
        say("dropped " + std::to_string(m_input.size()) + " stale bytes");
        m_input.clear();
        ++m_counters.framesDropped;
    }
    m_lastInputMs = nowMs;
    m_input.insert(m_input.end(), bytes.begin(), bytes.end());

    std::size_t used = 0;
    while (m_input.size() - used >= FrameSize) {
        Frame frame{};
        std::copy_n(m_input.begin() + static_cast<std::ptrdiff_t>(used), FrameSize, frame.begin());
        if (!FrameIsSound(frame)) {
            // Out of step or damaged: whatever is buffered cannot be trusted,
            // the tool will send its request again.
            say("bad check byte, dropped " + std::to_string(m_input.size() - used) + " bytes");
            ++m_counters.framesDropped;
            used = m_input.size();
            break;
        }
        used += FrameSize;
        handleFrame(frame, nowMs);
    }
    m_input.erase(m_input.begin(), m_input.begin() + static_cast<std::ptrdiff_t>(used));
}

void UnitSimulator::handleFrame(const Frame &request, std::uint64_t nowMs)
{
    const std::uint8_t command = request[0];
    const std::size_t block = command & 0x3Fu;

    if (command == PollRequest && m_replay) {
        ++m_counters.framesAccepted;
        if (const auto frame = m_replay->frameAt(nowMs)) {
            queueAnswer(*frame, false, nowMs);
        } else if (!m_replayOverReported) {
            m_replayOverReported = true;
            say("the replayed log is over; polls go unanswered");
        }
        return;
    }
    if (command == PollRequest) {
        ++m_counters.framesAccepted;
        UnitStatus status;
        status.programmingCount = m_programmingCount;
        status.savingCountdown = savingCountdown(nowMs);
        status.layoutVersion = m_memory[Field::LayoutVersion];
        status.servoEnabled = m_memory[Field::ServoEnable] != 0;
        queueAnswer(BuildMonitorFrame(EngineAt(nowMs, m_memory), status), false, nowMs);
        return;
    }

    // Read and verify requests look alike: both are answered from memory.
    if (command >= ReadFirst && command < ReadFirst + BlockCount) {
        ++m_counters.framesAccepted;
        queueAnswer(MakeBlockFrame(static_cast<std::uint8_t>(command | AnswerBit), MemoryBlock(m_memory, block)),
                    true, nowMs);
        return;
    }

    if (command < ProgramFirst + BlockCount) {
        ++m_counters.framesAccepted;
        const auto answerByte = static_cast<std::uint8_t>(command | AnswerBit);
        if (block == 0) {
            // The header is the unit's own; the tool's block 0 is not stored.
            m_programRunOpen = true;
            queueAnswer(MakeBlockFrame(answerByte, MemoryBlock(m_memory, 0)), true, nowMs);
            return;
        }
        auto stored = MemoryBlock(m_memory, block);
        std::copy_n(request.begin() + 1, BlockSize, stored.begin());
        Frame echo = MakeBlockFrame(answerByte, stored);
        if (m_faults.badEcho) {
            echo[1 + 7] ^= 0x01;
            SealFrame(echo);
        }
        queueAnswer(echo, true, nowMs);
        if (block == BlockCount - 1 && m_programRunOpen) {
            m_programRunOpen = false;
            ++m_programmingCount;
            m_savingStartedMs = nowMs;
            say("program run complete (" + std::to_string(m_programmingCount) + "), saving");
        }
        return;
    }

    ++m_counters.framesIgnored;
    say("ignored request " + Hex(command));
}

void UnitSimulator::queueAnswer(Frame answer, bool isBlockAnswer, std::uint64_t nowMs)
{
    if (m_faults.neverAnswer) {
        return;
    }
    if (m_faults.disappearAfter != 0 && m_answersQueued >= m_faults.disappearAfter) {
        return;
    }
    ++m_answersQueued;
    if (m_faults.corruptEvery != 0 && m_answersQueued % m_faults.corruptEvery == 0) {
        answer[FrameSize - 1] ^= 0x01;
    }
    m_pending.push_back(PendingAnswer{nowMs + m_faults.answerLateMs, answer, isBlockAnswer});
}

std::vector<std::uint8_t> UnitSimulator::takeOutput(std::uint64_t nowMs)
{
    std::vector<std::uint8_t> out;
    while (!m_pending.empty() && m_pending.front().due <= nowMs) {
        const PendingAnswer &answer = m_pending.front();
        if (answer.isBlockAnswer && m_faults.shortBurst && !m_shortBurstSent) {
            m_shortBurstSent = true;
            for (std::size_t i = 0; i < ShortBurstSize; ++i) {
                out.push_back(static_cast<std::uint8_t>(0xA5u ^ i));
            }
            say("sent a short burst of " + std::to_string(ShortBurstSize) + " bytes");
        }
        out.insert(out.end(), answer.frame.begin(), answer.frame.end());
        ++m_counters.answersSent;
        m_pending.pop_front();
    }
    return out;
}

std::optional<std::uint64_t> UnitSimulator::nextAnswerDue() const
{
    if (m_pending.empty()) {
        return std::nullopt;
    }
    return m_pending.front().due;
}

bool UnitSimulator::unplugged() const
{
    return m_faults.disappearAfter != 0 && m_counters.answersSent >= m_faults.disappearAfter;
}

std::uint16_t UnitSimulator::savingCountdown(std::uint64_t nowMs) const
{
    if (!m_savingStartedMs || nowMs < *m_savingStartedMs) {
        return 0;
    }
    const std::uint64_t elapsed = nowMs - *m_savingStartedMs;
    if (elapsed >= m_savingMs) {
        return 0;
    }
    return static_cast<std::uint16_t>(SavingStart - elapsed * SavingStart / m_savingMs);
}

void UnitSimulator::say(const std::string &text) const
{
    if (m_log) {
        m_log(text);
    }
}

}  // namespace korvane::unitsim
