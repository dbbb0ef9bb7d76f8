#include "settings/SnapshotFile.h"

#include "../model/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace korvane::settings {
namespace {

std::string Numbers(int count, int value)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += std::to_string(value) + (i % 10 == 9 ? "\r\n" : " ");
    }
    return text;
}

TEST(SnapshotFile, AnImageIsRestoredWholeOrNotAtAll)
{
    const struct {
        std::string text;
        SnapshotRestore result;
        std::uint8_t image0;
        model::AllFlags flags;
    } cases[] = {
        {Numbers(150, 9), SnapshotRestore::Incomplete, 0xAA, {1, 1, 1, 1, 1}},
        {Numbers(1199, 9), SnapshotRestore::Incomplete, 0xAA, {1, 1, 1, 1, 1}},
        {Numbers(600, 9) + "x " + Numbers(700, 9), SnapshotRestore::Incomplete, 0xAA, {1, 1, 1, 1, 1}},
        {"", SnapshotRestore::Incomplete, 0xAA, {1, 1, 1, 1, 1}},
        {Numbers(1200, 9), SnapshotRestore::Restored, 9, {1, 1, 1, 1, 1}},
        {Numbers(1202, 0), SnapshotRestore::Restored, 0, {0, 0, 1, 1, 1}},
        {Numbers(1205, 300), SnapshotRestore::Restored, 44, {44, 44, 44, 44, 44}},
    };
    for (const auto &c : cases) {
        model::ConfigImage image;
        image.bytes.fill(0xAA);
        model::AllFlags flags{1, 1, 1, 1, 1};
        std::istringstream in(c.text);
        EXPECT_EQ(RestoreSnapshot(in, image, flags), c.result) << c.text.size();
        EXPECT_EQ(image[0], c.image0);
        EXPECT_EQ(image[1199], c.image0);
        EXPECT_EQ(flags, c.flags);
    }
}

TEST(SnapshotFile, SavedSnapshotComesBackAndAMissingFileChangesNothing)
{
    const model::test::TempDir dir;
    model::ConfigImage image;
    for (std::size_t i = 0; i < model::ImageSize; ++i) {
        image[i] = static_cast<std::uint8_t>(i);
    }
    ASSERT_TRUE(SaveSnapshot(dir / "new" / "_Korvane.ini", image, {1, 0, 0, 1, 0}));
    model::ConfigImage read{};
    model::AllFlags flags{};
    EXPECT_EQ(RestoreSnapshot(dir / "new" / "_Korvane.ini", read, flags), SnapshotRestore::Restored);
    EXPECT_EQ(read, image);
    EXPECT_EQ(flags, (model::AllFlags{1, 0, 0, 1, 0}));
    EXPECT_EQ(RestoreSnapshot(dir / "absent", read, flags), SnapshotRestore::Missing);
    EXPECT_EQ(read, image);
}

TEST(SnapshotFile, AFolderInPlaceOfTheFilesIsNoSnapshotAndNoMarker)
{
    const model::test::TempDir dir;
    model::ConfigImage image{};
    model::AllFlags flags{};
    EXPECT_NE(RestoreSnapshot(dir.path(), image, flags), SnapshotRestore::Restored);
    EXPECT_FALSE(model::ReadDiagnosticMarker(dir.path()));
}

}  // namespace
}  // namespace korvane::settings
