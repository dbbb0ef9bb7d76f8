#pragma once

// The window on a scripted unit in the test's own process: ticks and answers
// in step, so a transfer takes no real time and every request is recorded.

#include "../core/link/LinkRig.h"

#include "app/TFormHlav.h"

namespace korvane::test {

class UnitRig {
public:
    explicit UnitRig(app::TFormHlav &window) : m_window(window)
    {
        window.deviceLink().setPort(&port);
        // Parameters the window keeps as they are, so that a read verifies.
        const model::ConfigImage kept = window.image();
        window.image() = unit.memory;
        window.NormaliseImage();
        unit.memory = window.image();
        window.image() = kept;
    }
    ~UnitRig() { m_window.deviceLink().setPort(nullptr); }
    UnitRig(const UnitRig &) = delete;
    UnitRig &operator=(const UnitRig &) = delete;

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i) {
            port.advance();
            m_window.Timer1Timer();
        }
    }

    // Ticks until no transfer runs; false when it never ends.
    bool tickUntilIdle(int limit = 400)
    {
        for (int i = 0; i < limit; ++i) {
            ticks(1);
            if (m_window.deviceLink().transferMode() == link::TransferMode::Idle)
                return true;
        }
        return false;
    }

    // The requests written so far, polls left out.
    [[nodiscard]] std::vector<link::Frame> requests() const
    {
        std::vector<link::Frame> frames;
        for (const link::Frame &frame : port.written)
            if (frame[0] != link::PollByte)
                frames.push_back(frame);
        return frames;
    }

    link::test::FakePort port;
    link::test::FakeUnit unit{port};

private:
    app::TFormHlav &m_window;
};

}  // namespace korvane::test
