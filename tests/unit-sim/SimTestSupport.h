#pragma once

// Small helpers shared by the simulated unit's tests.

#include "SimFrame.h"
#include "SimMemory.h"

#include <cstdint>
#include <span>
#include <vector>

namespace korvane::unitsim::test {

// A request as the tool sends it: command, 100 data bytes, check byte.
inline Frame Request(std::uint8_t command, std::span<const std::uint8_t> data = {})
{
    Frame frame{};
    frame[0] = command;
    for (std::size_t i = 0; i < data.size() && i < BlockSize; ++i) {
        frame[1 + i] = data[i];
    }
    std::uint8_t check = 0xFF;
    for (std::size_t i = 0; i + 1 < FrameSize; ++i) {
        check ^= frame[i];
    }
    frame[FrameSize - 1] = check;
    return frame;
}

// 0xFF XOR every byte of the frame; 0 for a sound frame.
inline std::uint8_t XorAll(std::span<const std::uint8_t> frame)
{
    std::uint8_t x = 0xFF;
    for (std::uint8_t b : frame) {
        x ^= b;
    }
    return x;
}

inline std::uint16_t Word(std::span<const std::uint8_t> frame, std::size_t offset)
{
    return static_cast<std::uint16_t>(frame[offset] | (frame[offset + 1] << 8));
}

inline std::vector<std::uint8_t> Bytes(const Frame &frame)
{
    return {frame.begin(), frame.end()};
}

}  // namespace korvane::unitsim::test
