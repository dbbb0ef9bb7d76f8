#include "model/Snapshot.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace korvane::model {
namespace {

ConfigImage Filled(std::uint8_t value)
{
    ConfigImage image;
    image.bytes.fill(value);
    return image;
}

std::size_t Read(const std::string &text, ConfigImage &image, AllFlags &flags)
{
    std::istringstream in(text, std::ios::binary);
    return ReadSnapshot(in, image, flags);
}

bool Marker(const std::string &text)
{
    std::istringstream in(text, std::ios::binary);
    return ReadDiagnosticMarker(in);
}

std::vector<std::string> SplitLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

TEST(SnapshotWrite, TenFieldsPerLineAnEmptyLinePerBlockAndFlagsWithoutBreak)
{
    ConfigImage image;
    for (std::size_t i = 0; i < ImageSize; ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7);
    }
    std::ostringstream out(std::ios::binary);
    WriteSnapshot(out, image, AllFlags{1, 0, 1, 0, 255});
    const std::vector<std::string> lines = SplitLines(out.str());

    ASSERT_EQ(lines.size(), 120u + 12u + 1u);
    std::size_t field = 0;
    for (std::size_t line = 0; line < 132; ++line) {
        if (line % 11 == 10) {
            EXPECT_EQ(lines[line], "") << line;
            continue;
        }
        ASSERT_EQ(lines[line].size(), 60u) << line;
        for (std::size_t k = 0; k < 10; ++k, ++field) {
            char expected[8];
            std::snprintf(expected, sizeof expected, "%5u ", unsigned{image[field]});
            ASSERT_EQ(lines[line].substr(6 * k, 6), expected) << "field " << field;
        }
    }
    EXPECT_EQ(field, ImageSize);
    EXPECT_EQ(lines.back(), "    1     0     1     0   255 ");
}

TEST(SnapshotRead, RoundTripRestoresImageAndFlags)
{
    std::mt19937 random(99);
    ConfigImage image;
    for (auto &byte : image.bytes) {
        byte = static_cast<std::uint8_t>(random());
    }
    const AllFlags flags{1, 1, 0, 1, 0};
    std::ostringstream out(std::ios::binary);
    WriteSnapshot(out, image, flags);

    ConfigImage read = Filled(0xAA);
    AllFlags readFlags{9, 9, 9, 9, 9};
    EXPECT_EQ(Read(out.str(), read, readFlags), ImageSize + 5);
    EXPECT_EQ(read, image);
    EXPECT_EQ(readFlags, flags);
}

TEST(SnapshotRead, ShortFileFillsOnlyTheBytesItHolds)
{
    std::string text;
    for (int i = 0; i < 150; ++i) {
        text += i % 10 == 0 ? '\n' : '\t';
        text += std::to_string(i);
    }
    ConfigImage image = Filled(0xAA);
    AllFlags flags{1, 1, 1, 1, 1};
    EXPECT_EQ(Read(text, image, flags), 150u);
    EXPECT_EQ(image[0], 0);
    EXPECT_EQ(image[149], 149);
    EXPECT_EQ(image[150], 0xAA);
    EXPECT_EQ(image[1199], 0xAA);
    EXPECT_EQ(flags, (AllFlags{1, 1, 1, 1, 1}));
}

TEST(SnapshotRead, NumbersAreTakenModulo256AndTheFirstNonNumberStops)
{
    ConfigImage image = Filled(0xAA);
    AllFlags flags{};
    const std::string longDigits = std::string(400, '0') + "300";
    EXPECT_EQ(Read("300 -3 " + longDigits + " +7 abc 5 6", image, flags), 4u);
    EXPECT_EQ(image[0], 44);
    EXPECT_EQ(image[1], 253) << "minus gives the two's complement";
    EXPECT_EQ(image[2], 44);
    EXPECT_EQ(image[3], 7);
    EXPECT_EQ(image[4], 0xAA) << "bytes after a non-number keep their values";
    EXPECT_EQ(image[5], 0xAA);

    image = Filled(0xAA);
    EXPECT_EQ(Read("1 2 3x 4", image, flags), 2u);
    EXPECT_EQ(image[2], 0xAA);
}

TEST(SnapshotRead, NumbersBeyondTheFlagsAreIgnored)
{
    std::string text;
    for (int i = 0; i < 1300; ++i) {
        text += "258 ";
    }
    ConfigImage image;
    AllFlags flags{};
    EXPECT_EQ(Read(text, image, flags), 1205u);
    EXPECT_EQ(image, Filled(2));
    EXPECT_EQ(flags, (AllFlags{2, 2, 2, 2, 2}));
}

TEST(DiagnosticMarker, ExactCaseSensitiveWordAmongOthers)
{
    EXPECT_TRUE(Marker("DIAG_UNLOCK"));
    EXPECT_TRUE(Marker("some words\r\n\tDIAG_UNLOCK more"));
    EXPECT_FALSE(Marker("diag_unlock Diag_Unlock"));
    EXPECT_FALSE(Marker("DIAG_UNLOCKED XDIAG_UNLOCK DIAG_UNLOC"));
    EXPECT_FALSE(Marker(""));
    // A long word is cut when read; its first characters must not count as the marker.
    EXPECT_FALSE(Marker("DIAG_UNLOCK" + std::string(1000, 'A')));
    EXPECT_FALSE(Marker(std::string(255, 'A') + "DIAG_UNLOCK")) << "the tail of a long word is no word of its own";
    EXPECT_TRUE(Marker(std::string(100000, 'A') + " DIAG_UNLOCK"));
}

TEST(DiagnosticMarker, MissingFileIsNoMarker)
{
    test::TempDir dir;
    EXPECT_FALSE(ReadDiagnosticMarker(dir / "missing.txt"));
    test::WriteWholeFile(dir / "marker.txt", "DIAG_UNLOCK\r\n");
    EXPECT_TRUE(ReadDiagnosticMarker(dir / "marker.txt"));
}

}  // namespace
}  // namespace korvane::model
