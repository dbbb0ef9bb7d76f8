#include "link/Frames.h"

#include <gtest/gtest.h>

namespace korvane::link {
namespace {

void ExpectZeroData(const Frame &frame)
{
    for (std::size_t i = 1; i <= FrameDataSize; ++i) {
        ASSERT_EQ(frame[i], 0) << "byte " << i;
    }
}

model::ConfigImage Patterned()
{
    model::ConfigImage image;
    for (std::size_t j = 0; j < model::ImageSize; ++j) {
        image[j] = static_cast<std::uint8_t>(j * 31 + 5);
    }
    return image;
}

TEST(Frames, PollFrameIsPollByteZerosAndCheck)
{
    const PollFrame frame = BuildPollFrame();
    EXPECT_EQ(frame[0], 0x30);
    ExpectZeroData(frame);
    EXPECT_EQ(frame[101], 0xCF);
}

TEST(Frames, ReadRequestsCarryNoDataWhateverTheImage)
{
    const model::ConfigImage image = Patterned();

    const RequestFrame block0 = BuildRequestFrame(0x40, TransferMode::Read, image);
    EXPECT_EQ(block0[0], 0x40);
    ExpectZeroData(block0);
    EXPECT_EQ(block0[101], 0xBF);

    const RequestFrame block3 = BuildRequestFrame(0x43, TransferMode::Read, image);
    EXPECT_EQ(block3[0], 0x43);
    ExpectZeroData(block3);
    EXPECT_EQ(block3[101], 0xBC);
}

TEST(Frames, ProgramAndVerifyRequestsCarryTheImageBlock)
{
    const model::ConfigImage image = Patterned();

    const RequestFrame program = BuildRequestFrame(0x07, TransferMode::Program, image);
    const RequestFrame verify = BuildRequestFrame(0x45, TransferMode::Verify, image);
    for (std::size_t i = 0; i < FrameDataSize; ++i) {
        ASSERT_EQ(program[1 + i], image[700 + i]);
        ASSERT_EQ(verify[1 + i], image[500 + i]);
    }
    EXPECT_EQ(program[0], 0x07);
    EXPECT_EQ(verify[0], 0x45);
    EXPECT_TRUE(FrameCheckOk(program));
    EXPECT_TRUE(FrameCheckOk(verify));
}

TEST(Frames, CheckRejectsAnyChangedByte)
{
    RequestFrame frame = BuildRequestFrame(0x02, TransferMode::Program, Patterned());
    ASSERT_TRUE(FrameCheckOk(frame));
    for (std::size_t i : {std::size_t{0}, std::size_t{55}, std::size_t{101}}) {
        RequestFrame spoilt = frame;
        spoilt[i] ^= 0x10;
        EXPECT_FALSE(FrameCheckOk(spoilt)) << "byte " << i;
    }
    EXPECT_EQ(CheckByte(frame), frame[101]);
}

}  // namespace
}  // namespace korvane::link
