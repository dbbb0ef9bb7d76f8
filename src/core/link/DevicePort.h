#pragma once

// The serial port as the link sees it; the Qt adapter and the test fake
// implement it.

#include <cstddef>
#include <cstdint>
#include <span>

namespace korvane::link {

class DevicePort {
public:
    virtual ~DevicePort() = default;

    [[nodiscard]] virtual bool isOpen() const = 0;
    // Bytes waiting in the input queue; never waits. Clears line errors.
    [[nodiscard]] virtual std::size_t bytesWaiting() = 0;
    // Reads up to buffer.size() of the bytes already waiting; never waits.
    virtual std::size_t read(std::span<std::uint8_t> buffer) = 0;
    // Writes one frame and returns when it has left the port (or the port failed).
    virtual void writeFrame(std::span<const std::uint8_t> frame) = 0;
};

}  // namespace korvane::link
