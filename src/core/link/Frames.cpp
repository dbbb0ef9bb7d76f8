#include "link/Frames.h"

#include <algorithm>

namespace korvane::link {

std::uint8_t CheckByte(std::span<const std::uint8_t> first101)
{
    std::uint8_t check = 0xFF;
    for (std::uint8_t byte : first101.first(std::min(first101.size(), FrameSize - 1))) {
        check ^= byte;
    }
    return check;
}

bool FrameCheckOk(std::span<const std::uint8_t, FrameSize> frame)
{
    std::uint8_t sum = 0xFF;
    for (std::uint8_t byte : frame) {
        sum ^= byte;
    }
    return sum == 0;
}

RequestFrame BuildRequestFrame(std::uint8_t blockByte, TransferMode mode, const model::ConfigImage &image)
{
    RequestFrame frame{};
    frame[0] = blockByte;
    const std::size_t block = blockByte & 0x3F;
    // A read asks with an empty data field; so would a block byte past the
    // image, which no state of the link produces.
    if (mode != TransferMode::Read && block < model::BlockCount) {
        const auto data = image.block(block);
        std::copy(data.begin(), data.end(), frame.begin() + 1);
    }
    frame[FrameSize - 1] = CheckByte(frame);
    return frame;
}

PollFrame BuildPollFrame()
{
    PollFrame frame{};
    frame[0] = PollByte;
    frame[FrameSize - 1] = CheckByte(frame);
    return frame;
}

}  // namespace korvane::link
