// Hit counts and the trail follow the live marker's rule cell for cell.

#include "LogTestSupport.h"

#include "logs/HitCounts.h"
#include "pages/Pages.h"

#include <gtest/gtest.h>

namespace korvane::logs {
namespace {

using test::BuildFrame;
using test::Engine;

link::MonitorValues ValuesOf(const Engine &engine)
{
    return MarkerValues(link::DecodeMonitorNumbers(BuildFrame(engine)));
}

TEST(HitCounts, CountTheFramesTheMarkerPutOnEachCell)
{
    const model::ConfigImage image = test::TypeImage();
    const std::vector<Engine> frames{
        {.rpm = 3000, .throttle = 20},                        // throttle maps
        {.rpm = 3000, .throttle = 20},
        {.rpm = 3000, .throttle = 20, .markerOff = true},     // the unit marks nothing
        {.rpm = 0, .throttle = 20},                           // engine stopped
        {.rpm = 3000, .iap = 60, .throttleMaps = false},      // the IAP map
    };
    HitCounts hits;
    for (const Engine &engine : frames) {
        hits.Add(image, ValuesOf(engine));
    }
    for (std::uint8_t page = 0; page < pages::MapPageCount; ++page) {
        HitCounts::Page expected{};
        for (const Engine &engine : frames) {
            if (const auto cell = pages::ComputeMarker(image, ValuesOf(engine), page).cell) {
                ++expected[std::size_t{cell->row} * model::MapColumns + cell->column];
            }
        }
        EXPECT_EQ(hits.page(page), expected) << "page " << int{page};
    }
    const auto cell = pages::ComputeMarker(image, ValuesOf(frames[0]), pages::Inj14APage).cell;
    ASSERT_TRUE(cell);
    EXPECT_EQ(hits.count(pages::Inj14APage, cell->row, cell->column), 2u);
    EXPECT_EQ(hits.maximum(pages::AdvancePage), 3u) << "the advance map is marked on either maps";
    EXPECT_EQ(hits.frames(), frames.size());
    hits.Reset();
    EXPECT_EQ(hits.maximum(pages::AdvancePage), 0u);
}

TEST(Trail, HoldsTheCellsOfTheLastFiveSecondsWithTheirAge)
{
    const model::ConfigImage image = test::TypeImage();
    const auto cellAt = [&](int rpm) {
        return MarkedCellsOf(image, ValuesOf({.rpm = rpm}));
    };
    const auto column = [&](int rpm) { return cellAt(rpm)[pages::AdvancePage]->column; };
    Trail trail;
    trail.Add(0.0, cellAt(2000));
    trail.Add(1.0, cellAt(3000));
    trail.Add(2.0, cellAt(2000));  // back to the first cell
    trail.Add(3.0, cellAt(4000));

    const auto now = trail.cells(pages::AdvancePage, 3.5);
    ASSERT_EQ(now.size(), 3u) << "each cell once";
    EXPECT_EQ(now[0].cell.column, column(3000));
    EXPECT_DOUBLE_EQ(now[0].age, 1.5) << "left at 2.0";
    EXPECT_EQ(now[1].cell.column, column(2000));
    EXPECT_DOUBLE_EQ(now[1].age, 0.5) << "its youngest visit counts";
    EXPECT_EQ(now[2].cell.column, column(4000));
    EXPECT_DOUBLE_EQ(now[2].age, 0.0) << "marked now";

    const auto later = trail.cells(pages::AdvancePage, 7.2);
    ASSERT_EQ(later.size(), 2u) << "the cell left at 2.0 has faded out";
    EXPECT_TRUE(trail.cells(pages::InjIapPage, 3.5).empty()) << "the throttle maps were in use";
}

}  // namespace
}  // namespace korvane::logs
