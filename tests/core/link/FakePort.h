#pragma once

// A serial port driven by test ticks: it records every frame written and
// hands scripted answers to the input queue when their tick has come.

#include "link/DevicePort.h"
#include "link/Frames.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

namespace korvane::link::test {

class FakePort : public DevicePort {
public:
    bool open = true;
    std::vector<Frame> written;
    std::vector<std::uint64_t> writtenAt;  // test tick of each write
    // Called for every frame written; may queue answers with answerAfter().
    std::function<void(const Frame &)> onWrite;

    [[nodiscard]] bool isOpen() const override { return open; }
    [[nodiscard]] std::size_t bytesWaiting() override { return m_input.size(); }

    std::size_t read(std::span<std::uint8_t> buffer) override
    {
        const std::size_t n = std::min(buffer.size(), m_input.size());
        std::copy_n(m_input.begin(), n, buffer.begin());
        m_input.erase(m_input.begin(), m_input.begin() + static_cast<std::ptrdiff_t>(n));
        return n;
    }

    void writeFrame(std::span<const std::uint8_t> frame) override
    {
        Frame copy{};
        std::copy_n(frame.begin(), std::min(frame.size(), copy.size()), copy.begin());
        written.push_back(copy);
        writtenAt.push_back(m_now);
        if (onWrite) {
            onWrite(copy);
        }
    }

    // Bytes that arrive before the receive step of the next tick, plus `delay` ticks.
    void answerAfter(std::uint64_t delay, std::vector<std::uint8_t> bytes)
    {
        m_pending.push_back({m_now + 1 + delay, std::move(bytes)});
    }
    // Bytes that are waiting right now.
    void queue(std::span<const std::uint8_t> bytes) { m_input.insert(m_input.end(), bytes.begin(), bytes.end()); }

    // One tick passes: answers that are due enter the input queue, in order.
    void advance()
    {
        ++m_now;
        for (auto it = m_pending.begin(); it != m_pending.end();) {
            if (it->due <= m_now) {
                m_input.insert(m_input.end(), it->bytes.begin(), it->bytes.end());
                it = m_pending.erase(it);
            } else {
                ++it;
            }
        }
    }

    [[nodiscard]] std::uint64_t now() const { return m_now; }

private:
    struct Pending {
        std::uint64_t due;
        std::vector<std::uint8_t> bytes;
    };
    std::uint64_t m_now = 0;
    std::deque<std::uint8_t> m_input;
    std::vector<Pending> m_pending;
};

}  // namespace korvane::link::test
