#include "SimFrame.h"

namespace korvane::unitsim {

std::uint8_t FrameCheckValue(std::span<const std::uint8_t, FrameSize> frame)
{
    std::uint8_t check = 0xFF;
    for (std::size_t i = 0; i + 1 < FrameSize; ++i) {
        check ^= frame[i];
    }
    return check;
}

bool FrameIsSound(std::span<const std::uint8_t, FrameSize> frame)
{
    return FrameCheckValue(frame) == frame[FrameSize - 1];
}

void SealFrame(Frame &frame)
{
    frame[FrameSize - 1] = FrameCheckValue(frame);
}

Frame MakeBlockFrame(std::uint8_t first, std::span<const std::uint8_t, BlockSize> block)
{
    Frame frame{};
    frame[0] = first;
    for (std::size_t i = 0; i < BlockSize; ++i) {
        frame[1 + i] = block[i];
    }
    SealFrame(frame);
    return frame;
}

}  // namespace korvane::unitsim
