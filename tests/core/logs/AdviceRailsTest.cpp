// The advisor's locked cells as [Advisor] keeps them, and the restore point
// the rails are measured from.

#include "logs/AdviceRails.h"

#include "history/RestorePoints.h"

#include "../model/TempDir.h"
#include "LogTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>

namespace korvane::logs {
namespace {

TEST(LockedCells, OnlyAdvisedCellsAreReadAndTheyWriteBackInOrder)
{
    const struct {
        const char *text;
        const char *kept;
    } cases[] = {
        {"", ""},
        {"1:3:7,1:3:8", "1:3:7,1:3:8"},
        {" 4:9:14 , 2:0:0", "2:0:0,4:9:14"},
        // The advance map and Inj-B get no advice; out of range; not numbers.
        {"0:1:1,3:1:1,1:10:0,1:0:15,5:0:0,-1:0:0", ""},
        {"1:2,x:1:1,1:1:1:1,,1:1:z,2:5:5", "2:5:5"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(FormatLockedCells(ParseLockedCells(c.text)), c.kept) << c.text;
        settings::IniFile ini;
        WriteLockedCells(ini, ParseLockedCells(c.text));
        EXPECT_EQ(FormatLockedCells(ReadLockedCells(ini)), c.kept) << c.text;
    }
}

TEST(RailBase, TheNewestReadPointOfTheSameTypeIsTheBase)
{
    model::test::TempDir dir;
    EXPECT_FALSE(NewestReadPoint(dir / "missing", model::StartupBikeType));

    const std::chrono::system_clock::time_point noon{std::chrono::hours(24 * 20000 + 12)};
    const auto write = [&](history::PointKind kind, int minutes, std::uint8_t bikeType, std::uint8_t mark) {
        history::NewPoint point;
        point.kind = kind;
        point.image = test::TypeImage(bikeType);
        point.image[model::Offset::Jet14AMap] = mark;
        point.time = noon + std::chrono::minutes(minutes);
        return history::WriteRestorePoint(dir.path(), point).path;
    };
    write(history::PointKind::Read, 0, model::StartupBikeType, 10);
    const auto newestRead = write(history::PointKind::Read, 1, model::StartupBikeType, 11);
    write(history::PointKind::Program, 2, model::StartupBikeType, 12);  // not a read
    write(history::PointKind::Read, 3, 3, 13);                         // another motorcycle

    const auto base = NewestReadPoint(dir.path(), model::StartupBikeType);
    ASSERT_TRUE(base);
    EXPECT_EQ(base->point, newestRead);
    EXPECT_EQ(base->image[model::Offset::Jet14AMap], 11);
    EXPECT_EQ(NewestReadPoint(dir.path(), 3)->image[model::Offset::Jet14AMap], 13);
    EXPECT_FALSE(NewestReadPoint(dir.path(), 4));
}

}  // namespace
}  // namespace korvane::logs
