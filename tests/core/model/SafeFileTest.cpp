#include "model/SafeFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace korvane::model {
namespace {

namespace fs = std::filesystem;

TEST(SafeFile, CreatesAndReplacesWithoutLeavingTemporaryFiles)
{
    test::TempDir dir;
    const fs::path target = dir / "params.ign";

    std::string error;
    ASSERT_TRUE(WriteFileAtomically(target, "first\r\n", &error)) << error;
    EXPECT_EQ(test::ReadWholeFile(target), "first\r\n");

    const std::string big(200000, 'z');
    ASSERT_TRUE(WriteFileAtomically(target, big, &error)) << error;
    EXPECT_EQ(test::ReadWholeFile(target), big);

    ASSERT_TRUE(WriteFileAtomically(target, "", &error)) << error;
    EXPECT_EQ(fs::file_size(target), 0u);
    EXPECT_EQ(dir.entryCount(), 1u);
}

TEST(SafeFile, KeepsThePermissionsOfTheReplacedFile)
{
    test::TempDir dir;
    const fs::path target = dir / "params.ign";
    test::WriteWholeFile(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    ASSERT_TRUE(WriteFileAtomically(target, "new"));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(SafeFile, FailureReportsAndLeavesTheOldStateAndNoTemporaryFile)
{
    test::TempDir dir;

    // The target is a folder: writing succeeds, the final rename fails.
    const fs::path folder = dir / "taken";
    fs::create_directory(folder);
    test::WriteWholeFile(folder / "inside.txt", "keep");
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(folder, "data", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(test::ReadWholeFile(folder / "inside.txt"), "keep");
    EXPECT_EQ(dir.entryCount(), 1u) << "temporary file removed";

    // The folder does not exist.
    error.clear();
    EXPECT_FALSE(WriteFileAtomically(dir / "no-such-folder" / "x.ign", "data", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(fs::exists(dir / "no-such-folder"));

    // An existing file whose name leaves no room for a temporary name beside it.
    const fs::path longName = dir / std::string(250, 'n');
    test::WriteWholeFile(longName, "old content");
    EXPECT_FALSE(WriteFileAtomically(longName, "new content"));
    EXPECT_EQ(test::ReadWholeFile(longName), "old content");
    EXPECT_EQ(dir.entryCount(), 2u);
}

}  // namespace
}  // namespace korvane::model
