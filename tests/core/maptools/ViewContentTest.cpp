#include "maptools/ViewContent.h"

#include "../pages/TestImage.h"

#include "pages/Pages.h"

#include <gtest/gtest.h>

namespace korvane::maptools {
namespace {

namespace Offset = model::Offset;
using pages::test::DefaultImage;

link::MonitorValues Running(std::uint16_t rpm)
{
    link::MonitorValues monitor;
    monitor.rpm = rpm;
    monitor.throttlePercent = 35;  // row 6 (40 %)
    monitor.iapPercent = 72;       // row 3 (70 %)
    monitor.throttleMapsInUse = 1;
    monitor.coolantTemp = 150;     // 50 C: the 50 C row
    monitor.airTemp = 100;         // 0 C: the -10 C row
    monitor.startTimeCounter = 120;  // 12 s: between the 2nd and 3rd time point
    return monitor;
}

ViewContent Content(const model::ConfigImage &image, std::uint8_t page, const link::MonitorValues &monitor)
{
    return ContentOfPage(image, pages::ComputeMarker(image, monitor, page), page, 0);
}

TEST(ViewContent, AMapPageShowsItsOwnMapOverItsOwnAxisAndRows)
{
    for (std::uint8_t page = 0; page < pages::MapPageCount; ++page) {
        SCOPED_TRACE(int(page));
        model::ConfigImage image = DefaultImage();
        const std::size_t base = pages::MapBaseOf(page);
        for (std::size_t k = 0; k < 150; ++k)
            image[base + k] = static_cast<std::uint8_t>((k * 7 + page) % 60);
        for (std::size_t c = 0; c < 15; ++c)
            image[Offset::AdvRpm + 15 * page + c] = static_cast<std::uint8_t>(10 + 5 * c + page);
        const bool iap = page == pages::InjIapPage;
        link::MonitorValues monitor = Running(static_cast<std::uint16_t>(3000 + 100 * page));
        monitor.throttleMapsInUse = iap ? 0 : 1;
        const ViewContent content = Content(image, page, monitor);
        ASSERT_TRUE(content.surface.has_value());
        EXPECT_TRUE(content.plots.empty());
        const SurfaceContent &s = *content.surface;
        EXPECT_EQ(PageOf(s.sheet), page);
        for (std::size_t k = 0; k < 150; ++k)
            EXPECT_EQ(s.value(k / 15, k % 15), image[base + k]) << k;
        for (std::size_t c = 0; c < 15; ++c)
            EXPECT_EQ(s.rpm[c], (10 + 5 * c + page) * 100) << c;
        EXPECT_EQ(s.rowPositions.front(), iap ? 30 : 0);
        EXPECT_EQ(s.rowPositions.back(), 100);
        EXPECT_EQ(s.rowAxis, iap ? "Manifold pressure [%]" : "Throttle [%]");
        ASSERT_TRUE(s.marks.cell.has_value());
        EXPECT_EQ(s.marks.cell->column, 4u);
        EXPECT_EQ(s.marks.cell->row, iap ? 3u : 6u);
    }
    // The injection maps are marked only while the unit uses them, no map
    // while the engine stands.
    const model::ConfigImage image = DefaultImage();
    EXPECT_FALSE(Content(image, pages::InjIapPage, Running(3000)).surface->marks.cell.has_value());
    EXPECT_FALSE(Content(image, pages::AdvancePage, Running(0)).surface->marks.cell.has_value());
}

TEST(ViewContent, CurvePagesShowTheirCurvesAgainstTheirOwnAxes)
{
    model::ConfigImage image = DefaultImage();
    for (std::size_t i = 0; i < 15; ++i) {
        image[Offset::PosARpm + i] = static_cast<std::uint8_t>(10 + i);  // 1000 .. 2400 rpm
        image[Offset::PosBRpm + i] = static_cast<std::uint8_t>(20 + i);  // 2000 .. 3400 rpm
        image[Offset::PosAValue + i] = static_cast<std::uint8_t>(i);
        image[Offset::PosBValue + i] = static_cast<std::uint8_t>(100 - i);
        image[Offset::ServoRpm + i] = static_cast<std::uint8_t>(30 + 2 * i);
        image[Offset::ServoVolt + i] = static_cast<std::uint8_t>(50 + i);
    }
    const ViewContent positions = Content(image, pages::PolohaPage, Running(2000));
    ASSERT_EQ(positions.plots.size(), 1u);
    ASSERT_EQ(positions.plots[0].series.size(), 2u);
    const PlotSeries &a = positions.plots[0].series[0];
    const PlotSeries &b = positions.plots[0].series[1];
    EXPECT_EQ(a.x.front(), 1000);
    EXPECT_EQ(b.x.front(), 2000);
    EXPECT_EQ(a.y[3], 15);       // 5 degrees a step
    EXPECT_EQ(b.y[3], 97 * 5);
    EXPECT_EQ(a.marked, 10u);    // 2000 rpm on each curve's own axis
    EXPECT_EQ(b.marked, 0u);
    EXPECT_FALSE(positions.surface.has_value());

    const ViewContent servo = Content(image, pages::ServoPage, Running(4000));
    ASSERT_EQ(servo.plots.size(), 1u);
    ASSERT_EQ(servo.plots[0].series.size(), 1u);
    EXPECT_EQ(servo.plots[0].series[0].x[5], 4000);
    EXPECT_EQ(servo.plots[0].series[0].y[5], 55 * 20);  // mV
    EXPECT_EQ(servo.plots[0].series[0].marked, 5u);
}

TEST(ViewContent, CorrectionsShowTemperatureCorrectionsAndTheStartCorrectionSteps)
{
    model::ConfigImage image = DefaultImage();
    for (std::size_t k = 0; k < 5; ++k) {
        image[Offset::CoolantCorr + k] = static_cast<std::uint8_t>(101 + k);
        image[Offset::AirCorr + k] = static_cast<std::uint8_t>(111 + k);
    }
    const std::uint8_t times[] = {5, 10, 15, 20};
    const std::uint8_t values[] = {200, 150, 100, 50};  // 300 % .. 150 %
    for (std::size_t k = 0; k < 4; ++k) {
        image[Offset::StartCorrTime + k] = times[k];
        image[Offset::StartCorrValue + k] = values[k];
    }
    const ViewContent content = Content(image, pages::KorekcePage, Running(3000));
    ASSERT_EQ(content.plots.size(), 2u);
    const Plot &temperatures = content.plots[0];
    ASSERT_EQ(temperatures.series.size(), 2u);
    EXPECT_EQ(temperatures.series[0].x, (std::vector<double>{-10, 20, 50, 80, 110}));
    EXPECT_EQ(temperatures.series[0].y, (std::vector<double>{101, 102, 103, 104, 105}));
    EXPECT_EQ(temperatures.series[1].y, (std::vector<double>{111, 112, 113, 114, 115}));
    EXPECT_EQ(temperatures.series[0].marked, 2u);  // coolant 50 C
    EXPECT_EQ(temperatures.series[1].marked, 0u);  // air 0 C
    const Plot &start = content.plots[1];
    ASSERT_EQ(start.series.size(), 1u);
    EXPECT_EQ(start.series[0].x, (std::vector<double>{0, 5, 10, 15, 20}));
    EXPECT_EQ(start.series[0].y, (std::vector<double>{300, 250, 200, 150, 100}));
    EXPECT_EQ(start.series[0].marked, 2u);
}

TEST(ViewContent, OtherPagesHaveANoteOnly)
{
    for (const std::uint8_t page : {pages::RuznePage, pages::GasPage, pages::LadeniPage}) {
        const ViewContent content = Content(DefaultImage(), page, Running(3000));
        EXPECT_FALSE(content.surface.has_value()) << int(page);
        EXPECT_TRUE(content.plots.empty()) << int(page);
        EXPECT_EQ(content.note, "This page has no map or curve to show.");
        EXPECT_EQ(ContentOfPage(DefaultImage(), {}, page, 3).note, "Tato stránka nemá mapu ani křivku k zobrazení.");
    }
}

}  // namespace
}  // namespace korvane::maptools
