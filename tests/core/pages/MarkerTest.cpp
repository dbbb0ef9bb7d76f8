#include "pages/Marker.h"

#include "TestImage.h"
#include "pages/Pages.h"

#include <gtest/gtest.h>


namespace korvane::pages {
namespace {

using test::DefaultImage;

// Axis points 1000, 1200, 1400 ... rpm on every curve and map.
model::ConfigImage EvenAxes()
{
    model::ConfigImage image = DefaultImage();
    namespace Offset = model::Offset;
    for (const std::size_t axis : {Offset::ServoRpm, Offset::PosARpm, Offset::PosBRpm, Offset::AdvRpm,
                                   Offset::Jet14ARpm, Offset::Jet23ARpm, Offset::JetBRpm, Offset::JetIapRpm})
        for (std::size_t i = 0; i < 15; ++i)
            image[axis + i] = static_cast<std::uint8_t>(10 + 2 * i);
    return image;
}

link::MonitorValues Running(std::uint16_t rpm, std::uint8_t throttle = 50, std::uint8_t iap = 50)
{
    link::MonitorValues values;
    values.rpm = rpm;
    values.throttlePercent = throttle;
    values.iapPercent = iap;
    values.throttleMapsInUse = 1;
    return values;
}

TEST(MarkerSearch, MidpointsGoToTheHigherColumnOrRow)
{
    const model::ConfigImage image = EvenAxes();
    const std::span<const std::uint8_t> axis(image.bytes.data() + model::Offset::AdvRpm, 15);
    EXPECT_EQ(ColumnSearch(axis, 1099), 0);
    EXPECT_EQ(ColumnSearch(axis, 1100), 1);
    EXPECT_EQ(ColumnSearch(axis, 0), 0);
    EXPECT_EQ(ColumnSearch(axis, 65535), 14);

    const struct {
        const std::array<std::uint8_t, 10> &table;
        int value;
        int row;
    } rows[] = {{TpsBreakpoints, 3, 1}, {TpsBreakpoints, 4, 2},   {TpsBreakpoints, 100, 9},
                {IapBreakpoints, 39, 0}, {IapBreakpoints, 40, 1}, {IapBreakpoints, 0, 0}};
    for (const auto &row : rows)
        EXPECT_EQ(RowSearch(row.table, row.value), row.row) << row.value;
}

TEST(Marker, MapCellFollowsTheMapTheUnitUses)
{
    const model::ConfigImage image = EvenAxes();
    const struct {
        std::uint8_t page;
        std::uint16_t rpm;
        std::uint8_t throttleMaps;
        std::uint8_t markerOff;
        bool cell;
    } cases[] = {
        {AdvancePage, 1100, 0, 0, true}, {Inj14APage, 1100, 0, 0, false}, {Inj23APage, 1100, 0, 0, false},
        {InjBPage, 1100, 0, 0, false},   {InjIapPage, 1100, 0, 0, true},  {InjIapPage, 1100, 1, 0, false},
        {Inj14APage, 1100, 1, 0, true},  {AdvancePage, 1100, 1, 1, false}, {AdvancePage, 0, 1, 0, false},
    };
    for (const auto &c : cases) {
        link::MonitorValues monitor = Running(c.rpm, 3, 40);
        monitor.throttleMapsInUse = c.throttleMaps;
        monitor.mapMarkerOff = c.markerOff;
        const Marker marker = ComputeMarker(image, monitor, c.page);
        constexpr std::uint8_t row = 1;  // throttle 3 % and IAP 40 % both give row 1
        EXPECT_EQ(marker.rowLabel, std::optional<std::uint8_t>(row)) << int(c.page);
        EXPECT_EQ(marker.axisColumn.has_value(), c.rpm != 0) << int(c.page);
        EXPECT_EQ(marker.cell, c.cell ? std::optional<MapCell>(MapCell{row, 1}) : std::nullopt) << int(c.page);
    }
    // The row of the IAP page is the pressure row even where the throttle row differs.
    const Marker iap = ComputeMarker(image, Running(1100, 100, 39), InjIapPage);
    EXPECT_EQ(iap.rowLabel, std::optional<std::uint8_t>(0));
    EXPECT_EQ(iap.tpsRow, 9);
}

TEST(Marker, CurvesMarkAColumnEvenWithTheEngineStopped)
{
    const model::ConfigImage image = EvenAxes();
    const Marker stopped = ComputeMarker(image, Running(0), PolohaPage);
    EXPECT_EQ(stopped.polohaAColumn, std::optional<std::uint8_t>(0));
    EXPECT_EQ(stopped.polohaBColumn, std::optional<std::uint8_t>(0));
    EXPECT_FALSE(stopped.rowLabel.has_value());
    EXPECT_EQ(ComputeMarker(image, Running(2300), ServoPage).servoColumn, std::optional<std::uint8_t>(7));
    EXPECT_EQ(ComputeMarker(image, Running(2300), RuznePage), Marker{});
}

TEST(Marker, CorrectionRowsAndStartStep)
{
    model::ConfigImage image = DefaultImage();
    const std::uint8_t times[] = {5, 10, 15, 20};
    std::copy(std::begin(times), std::end(times), image.bytes.begin() + model::Offset::StartCorrTime);
    const struct {
        std::uint8_t temperature;  // degrees + 100
        std::optional<std::uint8_t> row;
    } temperatures[] = {{104, 0}, {105, 1}, {180, 3}, {224, 4}, {225, std::nullopt}, {0, 0}};
    for (const auto &t : temperatures) {
        link::MonitorValues monitor;
        monitor.coolantTemp = t.temperature;
        monitor.airTemp = t.temperature;
        const Marker marker = ComputeMarker(image, monitor, KorekcePage);
        EXPECT_EQ(marker.coolantRow, t.row) << int(t.temperature);
        EXPECT_EQ(marker.airRow, t.row) << int(t.temperature);
    }
    // Tenths of a second since the start against the points 0, 5, 10, 15, 20 s.
    const struct {
        std::uint16_t counter;
        std::uint8_t step;
    } steps[] = {{0, 0}, {25, 0}, {26, 1}, {74, 1}, {75, 2}, {174, 3}, {175, 4}, {65535, 4}};
    for (const auto &s : steps) {
        link::MonitorValues monitor;
        monitor.startTimeCounter = s.counter;
        EXPECT_EQ(ComputeMarker(image, monitor, KorekcePage).startStep, std::optional<std::uint8_t>(s.step))
            << s.counter;
    }
}

}  // namespace
}  // namespace korvane::pages
