#pragma once

// One conversation with the unit for a command-line run: the image, the port
// and the link state machine, driven by a real tick clock. There are no
// editors, so taking and showing a page do nothing.

#include "link/DeviceLink.h"
#include "model/ConfigImage.h"
#include "serial/SerialPort.h"

#include <chrono>
#include <csignal>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace korvane::cli {

inline constexpr std::chrono::milliseconds DefaultTickPeriod{55};
// More than any transfer can take: its retries end every operation far sooner.
inline constexpr std::uint64_t MaxTransferTicks = 2000;

// Makes sure a QCoreApplication exists; the serial port needs one. Creates it
// once per process and keeps it until exit.
void EnsureCoreApplication();

// Set by SIGINT/SIGTERM while a StopSignals guard is alive.
[[nodiscard]] bool StopRequested();

// Catches SIGINT and SIGTERM for its lifetime so that a run can end tidily;
// the previous handlers come back with its destruction.
class StopSignals {
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals &) = delete;
    StopSignals &operator=(const StopSignals &) = delete;

private:
    struct sigaction m_oldInt {};
    struct sigaction m_oldTerm {};
};

class DeviceSession final : public link::LinkHost {
public:
    explicit DeviceSession(std::uint8_t language,
                           std::chrono::steady_clock::duration tickPeriod = DefaultTickPeriod);
    ~DeviceSession() override;
    DeviceSession(const DeviceSession &) = delete;
    DeviceSession &operator=(const DeviceSession &) = delete;

    // Opens devicePath as COM1; "COM1".."COM10" open the device that the
    // settings file's port map (or the default) gives that number. On failure
    // returns the message for the user: the language's "Com opening error!"
    // and the reason.
    [[nodiscard]] std::optional<std::string> Open(const std::string &devicePath);

    [[nodiscard]] model::ConfigImage &image() { return m_image; }
    [[nodiscard]] link::DeviceLink &link() { return m_link; }
    [[nodiscard]] std::uint8_t language() const { return m_language; }
    void setExtendedMonitor(bool extended) { m_extendedMonitor = extended; }

    // Waits for the next tick time, then runs one tick. A tick that comes too
    // late is not made up for: the clock moves on to the next slot, as a
    // window timer does.
    void Tick();
    // Ticks until the link is idle; afterTick runs after every tick. False
    // when a stop signal (or the tick limit) ended it first.
    [[nodiscard]] bool RunUntilIdle(const std::function<void()> &afterTick = {});
    [[nodiscard]] std::uint64_t tickCount() const { return m_ticks; }
    [[nodiscard]] std::chrono::steady_clock::duration tickPeriod() const { return m_tickPeriod; }

    // Why the port went away since it was opened (adapter pulled), once.
    [[nodiscard]] std::optional<std::string> takePortLoss();

    // LinkHost
    void NormaliseImage() override;
    void TakePage() override {}
    void ShowPage() override {}
    [[nodiscard]] link::MonitorInputs monitorInputs() const override;

private:
    bool m_appReady;  // first member: the port below needs the application
    std::uint8_t m_language;
    std::chrono::steady_clock::duration m_tickPeriod;
    std::chrono::steady_clock::time_point m_nextTick;
    std::uint64_t m_ticks = 0;
    bool m_extendedMonitor = false;
    bool m_opened = false;
    model::ConfigImage m_image{};
    serial::SerialPort m_port;
    link::DeviceLink m_link;
};

}  // namespace korvane::cli
