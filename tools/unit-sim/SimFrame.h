#pragma once

// Frames as the unit sees them. Built here on purpose rather than borrowed from
// the tool, so that a framing fault shared by both cannot pass unnoticed.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace korvane::unitsim {

inline constexpr std::size_t FrameSize = 102;
inline constexpr std::size_t BlockSize = 100;
inline constexpr std::size_t BlockCount = 12;
inline constexpr std::size_t MemorySize = BlockSize * BlockCount;

using Frame = std::array<std::uint8_t, FrameSize>;
using Block = std::array<std::uint8_t, BlockSize>;

inline constexpr std::uint8_t PollRequest = 0x30;
inline constexpr std::uint8_t MonitorAnswer = 0xB0;
inline constexpr std::uint8_t ProgramFirst = 0x00;
inline constexpr std::uint8_t ReadFirst = 0x40;
inline constexpr std::uint8_t AnswerBit = 0x80;

// The value byte 101 must hold: 0xFF XOR bytes 0..100.
[[nodiscard]] std::uint8_t FrameCheckValue(std::span<const std::uint8_t, FrameSize> frame);
// True when 0xFF XOR all 102 bytes gives 0.
[[nodiscard]] bool FrameIsSound(std::span<const std::uint8_t, FrameSize> frame);
// Writes the check byte into byte 101.
void SealFrame(Frame &frame);
// first, the 100 bytes of block, check byte.
[[nodiscard]] Frame MakeBlockFrame(std::uint8_t first, std::span<const std::uint8_t, BlockSize> block);

}  // namespace korvane::unitsim
