#pragma once

// The 102-byte frames of the serial link: byte 0 command/block, bytes 1..100
// data, byte 101 a check byte such that 0xFF XOR all 102 bytes gives 0.

#include "model/ConfigImage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace korvane::link {

inline constexpr std::size_t FrameSize = 102;
inline constexpr std::size_t FrameDataSize = 100;
using Frame = std::array<std::uint8_t, FrameSize>;
using RequestFrame = Frame;
using ResponseFrame = Frame;
using PollFrame = Frame;
using MonitorFrame = Frame;

inline constexpr std::uint8_t PollByte = 0x30;
inline constexpr std::uint8_t ReadBase = 0x40;
inline constexpr std::uint8_t AnswerBit = 0x80;
inline constexpr std::uint8_t MonitorByte = 0xB0;

enum class TransferMode : std::uint8_t { Idle = 0, Program = 1, Verify = 2, Read = 3 };

// 0xFF XOR bytes 0..100: the value byte 101 must hold.
[[nodiscard]] std::uint8_t CheckByte(std::span<const std::uint8_t> first101);
// True when 0xFF XOR all 102 bytes gives 0.
[[nodiscard]] bool FrameCheckOk(std::span<const std::uint8_t, FrameSize> frame);

// Request for blockByte: image block (blockByte & 0x3F) in Program and Verify,
// 100 zero bytes in Read.
[[nodiscard]] RequestFrame BuildRequestFrame(std::uint8_t blockByte, TransferMode mode,
                                             const model::ConfigImage &image);
[[nodiscard]] PollFrame BuildPollFrame();

}  // namespace korvane::link
