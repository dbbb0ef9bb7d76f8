#include "SimFrame.h"
#include "SimLoop.h"
#include "SimMemory.h"
#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace korvane::unitsim {
namespace {

TEST(SimFrame, LiteralRequestsCarryTheExpectedCheckBytes)
{
    const Block zeros{};
    EXPECT_EQ(MakeBlockFrame(0x30, zeros)[101], 0xCF);
    EXPECT_EQ(MakeBlockFrame(0x40, zeros)[101], 0xBF);
    EXPECT_EQ(MakeBlockFrame(0x43, zeros)[101], 0xBC);

    Frame frame = MakeBlockFrame(0x05, zeros);
    frame[50] = 0x81;
    EXPECT_FALSE(FrameIsSound(frame));
    SealFrame(frame);
    EXPECT_TRUE(FrameIsSound(frame));
    EXPECT_EQ(test::XorAll(frame), 0);
}

TEST(SimMemory, MonthCodesAreTheLowByteOfTheAbbreviationSum)
{
    const std::array<const char *, 12> months = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::array<int, 12> codes = {25, 13, 32, 35, 39, 45, 43, 29, 40, 38, 51, 12};
    for (std::size_t m = 0; m < months.size(); ++m) {
        EXPECT_EQ(MonthCode(months[m]), codes[m]) << months[m];
    }
}

TEST(SimMemory, HeaderBlockHoldsNameDateVersionAndText)
{
    HeaderInfo header;
    header.name = "KSUX";  // only three characters fit
    header.number = 7;
    header.day = 25;
    header.month = "Feb";
    header.yearSince2000 = 2;
    header.hour = 16;
    header.minute = 21;
    header.firmwareText = "Test unit";
    const Block block = BuildHeaderBlock(header);
    EXPECT_EQ(std::string(block.begin(), block.begin() + 4), std::string("KSU\x07"));
    EXPECT_EQ(block[4], 25);
    EXPECT_EQ(block[5], 13);
    EXPECT_EQ(block[6], 2);
    EXPECT_EQ(block[7], 16);
    EXPECT_EQ(block[8], 21);
    EXPECT_EQ(block[10], 35);
    EXPECT_EQ(std::string(block.begin() + 16, block.begin() + 25), "Test unit");
    EXPECT_EQ(block[25], 0);

    header.firmwareText.clear();
    EXPECT_EQ(BuildHeaderBlock(header)[16], 0);  // no text: the name and number are shown
}

// The value limits the tool enforces; the unit's own set must already meet
// them, or every read would end in a failing verify.
TEST(SimMemory, DefaultParametersAreWithinTheValueLimits)
{
    const Memory m = BuildDefaultMemory(HeaderInfo{});
    EXPECT_EQ(m[Field::LayoutVersion], 35);

    auto inRange = [&](std::size_t at, int low, int high) {
        EXPECT_GE(m[at], low) << "byte " << at;
        EXPECT_LE(m[at], high) << "byte " << at;
    };
    inRange(103, 10, 250);
    inRange(104, m[103], 250);
    inRange(156, m[103], 250);
    inRange(107, 10, 250);
    inRange(122, 0, 250);
    inRange(123, 0, 250);
    inRange(128, 0, 50);
    inRange(131, 0, 100);
    inRange(130, 0, m[131]);
    inRange(132, 1, 200);
    inRange(133, 0, 200);
    inRange(135, 0, 25);
    inRange(134, 0, m[135]);
    inRange(136, 1, 200);
    inRange(137, 0, 200);
    EXPECT_FALSE(m[112] != 0 && m[149] != 0) << "servo and gear display both set";
    for (std::size_t k = 0; k < 4; ++k) {
        inRange(140 + k, static_cast<int>(k), static_cast<int>(k) + 247);
        inRange(144 + k, 0, 250);
        if (k > 0) {
            EXPECT_GT(m[140 + k], m[139 + k]);
        }
    }
    for (std::size_t axis : {220u, 250u, 280u, 310u, 325u, 340u, 355u, 370u}) {
        for (std::size_t i = 0; i < CurvePoints; ++i) {
            inRange(axis + i, static_cast<int>(i) + 3, static_cast<int>(i) + 236);
            if (i > 0) {
                EXPECT_GT(m[axis + i], m[axis + i - 1]) << "axis " << axis;
            }
        }
    }
    for (std::size_t i = 0; i < CurvePoints; ++i) {
        inRange(235 + i, 1, 249);
        inRange(265 + i, 0, 240);
        inRange(295 + i, 0, 240);
    }
    for (std::size_t k = 0; k < 150; ++k) {
        inRange(400 + k, 0, 60);
    }
    for (std::size_t k = 550; k < 1150; ++k) {
        inRange(k, 0, 250);
    }
    // A usable engine: the maps are not empty.
    EXPECT_GT(m[Field::AdvMap + 5], 0);
    EXPECT_GT(m[Field::Jet14AMap], 0);
}

class MemoryFileTest : public ::testing::Test {
protected:
    void TearDown() override { std::filesystem::remove(m_path); }
    void Write(std::size_t size, std::uint8_t fill, std::size_t zeroPrefix = 0)
    {
        std::ofstream file(m_path, std::ios::binary);
        file << std::string(std::min(size, zeroPrefix), '\0') << std::string(size - std::min(size, zeroPrefix), static_cast<char>(fill));
    }
    std::string m_path = (std::filesystem::temp_directory_path() /
                          ("korvane-sim-image-" + std::to_string(::getpid()) + ".bin"))
                             .string();
};

TEST_F(MemoryFileTest, LoadsExactly1200Bytes)
{
    Write(1200, 0x42);
    std::string error;
    const auto memory = LoadMemoryFile(m_path, error);
    ASSERT_TRUE(memory) << error;
    EXPECT_EQ((*memory)[0], 0x42);
    EXPECT_EQ((*memory)[1199], 0x42);
}

TEST_F(MemoryFileTest, RefusesOtherSizesAndMissingFiles)
{
    std::string error;
    for (std::size_t size : {0u, 1199u, 1201u}) {
        Write(size, 1);
        error.clear();
        EXPECT_FALSE(LoadMemoryFile(m_path, error)) << size;
        EXPECT_NE(error.find("1200"), std::string::npos);
    }
    std::filesystem::remove(m_path);
    EXPECT_FALSE(LoadMemoryFile(m_path, error));
    EXPECT_NE(error.find("cannot open"), std::string::npos);
}

TEST_F(MemoryFileTest, ImageWithoutHeaderGetsTheUnitsHeader)
{
    SimOptions options;
    options.imagePath = m_path;
    std::string error;

    Write(1200, 0x42, 100);
    auto memory = PrepareMemory(options, error);
    ASSERT_TRUE(memory) << error;
    EXPECT_EQ((*memory)[0], 'K');
    EXPECT_EQ((*memory)[Field::LayoutVersion], 35);
    EXPECT_EQ((*memory)[100], 0x42);

    // A header of the image's own is kept, apart from what the options name.
    Write(1200, 0x42);
    options.layoutVersion = 36;
    memory = PrepareMemory(options, error);
    ASSERT_TRUE(memory) << error;
    EXPECT_EQ((*memory)[0], 0x42);
    EXPECT_EQ((*memory)[Field::LayoutVersion], 36);
}

}  // namespace
}  // namespace korvane::unitsim
