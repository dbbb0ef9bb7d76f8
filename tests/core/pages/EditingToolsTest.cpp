#include "pages/EditingTools.h"

#include "TestImage.h"
#include "pages/Pages.h"

#include <gtest/gtest.h>

namespace korvane::pages {
namespace {

using test::Changed;
using test::DefaultImage;
namespace Offset = model::Offset;

link::MonitorValues Engine(std::uint16_t rpm)
{
    link::MonitorValues values;
    values.rpm = rpm;
    values.throttlePercent = 100;
    values.iapPercent = 100;
    values.throttleMapsInUse = 1;
    return values;
}

std::set<std::size_t> MapBytes(std::uint8_t page)
{
    std::set<std::size_t> bytes;
    for (std::size_t k = 0; k < model::MapCells; ++k)
        bytes.insert(MapBaseOf(page) + k);
    return bytes;
}

TEST(EditingTools, MinusPlusActOnTheGreenCellOrTheWholeMap)
{
    for (const std::uint8_t page : {AdvancePage, InjBPage, InjIapPage}) {
        model::ConfigImage image = DefaultImage();
        ToolFlags flags;
        // Engine stopped, "All" unticked: no green cell, nothing happens.
        EXPECT_FALSE(StepAtOperatingPoint(image, page, Step::Plus, flags, Engine(0)));
        EXPECT_EQ(image.bytes, DefaultImage().bytes);

        // Running: only the cell of the last row and column.
        image[Offset::AdvRpm + 15 * page + 14] = 100;
        image[MapBaseOf(page) + 149] = 7;
        link::MonitorValues running = Engine(25000);
        running.throttleMapsInUse = page == InjIapPage ? 0 : 1;
        model::ConfigImage before = image;
        ASSERT_TRUE(StepAtOperatingPoint(image, page, Step::Minus, flags, running));
        EXPECT_EQ(Changed(before, image), (std::set<std::size_t>{MapBaseOf(page) + std::size_t{149}}));
        EXPECT_EQ(image[MapBaseOf(page) + 149], 6);

        // "All" raises every cell below the ceiling, engine running or not.
        image[MapBaseOf(page)] = MapCellCeiling;
        flags.maps[page] = 1;
        before = image;
        ASSERT_TRUE(StepAtOperatingPoint(image, page, Step::Plus, flags, Engine(0)));
        std::set<std::size_t> raised = MapBytes(page);
        raised.erase(MapBaseOf(page));
        EXPECT_EQ(Changed(before, image), raised) << int(page);
        EXPECT_EQ(image[MapBaseOf(page)], MapCellCeiling);
    }
}

TEST(EditingTools, NoCellIsChangedWhileTheUnitMarksNone)
{
    model::ConfigImage image = DefaultImage();
    link::MonitorValues off = Engine(3000);
    off.mapMarkerOff = 1;
    link::MonitorValues iapInUse = Engine(3000);
    iapInUse.throttleMapsInUse = 0;
    EXPECT_FALSE(StepAtOperatingPoint(image, AdvancePage, Step::Plus, {}, off));
    EXPECT_FALSE(StepAtOperatingPoint(image, InjBPage, Step::Plus, {}, iapInUse));
    EXPECT_TRUE(StepAtOperatingPoint(image, InjIapPage, Step::Plus, {}, iapInUse));
}

TEST(EditingTools, OtherPagesAndOtherMapsStayUntouched)
{
    for (std::uint8_t mode = 0; mode <= 3; ++mode) {
        for (std::uint8_t page = 0; page < PageCount; ++page) {
            if (page == Inj14APage || page == PolohaPage || page == ServoPage)
                continue;
            model::ConfigImage image = DefaultImage(mode);
            const model::ConfigImage before = image;
            ToolFlags flags;
            flags.maps.fill(1);
            StepAtOperatingPoint(image, page, Step::Plus, flags, Engine(3000));
            StepMapColumn(image, page, 3, Step::Minus);
            const std::set<std::size_t> changed = Changed(before, image);
            const bool lockedOrNoMap = !IsMapPage(page) || (page == Inj23APage && mode == 1);
            if (lockedOrNoMap)
                EXPECT_TRUE(changed.empty()) << int(page) << " mode " << int(mode);
            else
                for (const std::size_t offset : changed)
                    EXPECT_TRUE(MapBytes(page).contains(offset)) << int(page) << " mode " << int(mode);
        }
    }
}

TEST(EditingTools, PartnerFollowsTheJetMode)
{
    // Coupled: both columns move, each within its own limits.
    model::ConfigImage coupled = DefaultImage(1);
    for (std::size_t row = 0; row < 10; ++row) {
        coupled[Offset::Jet14AMap + 15 * row + 4] = 100;
        coupled[Offset::Jet23AMap + 15 * row + 4] = 120;
    }
    coupled[Offset::Jet23AMap + 4] = MapCellCeiling;
    ASSERT_TRUE(StepMapColumn(coupled, Inj14APage, 4, Step::Plus));
    for (std::size_t row = 0; row < 10; ++row) {
        EXPECT_EQ(coupled[Offset::Jet14AMap + 15 * row + 4], 101);
        EXPECT_EQ(coupled[Offset::Jet23AMap + 15 * row + 4], row == 0 ? MapCellCeiling : 121);
    }

    // "14 = 23": the touched partner cells equal the Inj-14A cells.
    model::ConfigImage equal = DefaultImage(2);
    equal[Offset::Jet23AMap + 20] = 3;
    equal[Offset::Jet14AMap + 20] = MapCellCeiling;
    ToolFlags flags;
    flags.maps[Inj14APage] = 1;
    ASSERT_TRUE(StepAtOperatingPoint(equal, Inj14APage, Step::Plus, flags, Engine(0)));
    EXPECT_TRUE(std::equal(equal.bytes.begin() + Offset::Jet14AMap, equal.bytes.begin() + Offset::Jet23AMap,
                           equal.bytes.begin() + Offset::Jet23AMap));

    // A mode byte above 2 couples nothing.
    model::ConfigImage odd = DefaultImage(7);
    const model::ConfigImage before = odd;
    StepMapColumn(odd, Inj14APage, 0, Step::Minus);
    for (const std::size_t offset : Changed(before, odd))
        EXPECT_TRUE(MapBytes(Inj14APage).contains(offset));
}

TEST(EditingTools, CurveStepsKeepTheirLimits)
{
    model::ConfigImage image = DefaultImage();
    for (std::size_t i = 0; i < 15; ++i) {
        image[Offset::ServoVolt + i] = static_cast<std::uint8_t>(i == 0 ? 1 : 249);
        image[Offset::PosAValue + i] = static_cast<std::uint8_t>(i == 0 ? 0 : 240);
    }
    const model::ConfigImage before = image;
    StepCurve(image, Curve::Servo, Step::Minus, true, 0);
    StepCurve(image, Curve::Servo, Step::Plus, true, 0);
    EXPECT_EQ(image[Offset::ServoVolt], 2);  // 1 may rise, never fall
    EXPECT_EQ(image[Offset::ServoVolt + 1], 249);
    StepCurve(image, Curve::PositionA, Step::Plus, false, 3);
    EXPECT_EQ(image[Offset::PosAValue + 3], 240);
    StepCurve(image, Curve::PositionB, Step::Minus, false, 3);
    EXPECT_EQ(image[Offset::PosBValue + 3], before[Offset::PosBValue + 3] - 1);
    StepCurve(image, Curve::PositionA, Step::Minus, true, 0);
    EXPECT_EQ(image[Offset::PosAValue], 0);
    EXPECT_EQ(image[Offset::PosAValue + 14], 239);
}

TEST(EditingTools, ThrottleCalibrationTakesOnlyVoltagesInRange)
{
    const struct {
        bool full;
        std::uint16_t mv;
        std::optional<std::uint8_t> stored;
    } cases[] = {{true, 2500, 0},    {true, 4900, 240},  {true, 4910, std::nullopt}, {true, 0, std::nullopt},
                 {false, 300, 30},   {false, 2500, 250}, {false, 299, std::nullopt}, {false, 0, std::nullopt}};
    for (const auto &c : cases) {
        model::ConfigImage image = DefaultImage();
        const model::ConfigImage before = image;
        const bool acted = c.full ? CalibrateTps100(image, c.mv) : CalibrateTps0(image, c.mv);
        const std::size_t offset = c.full ? Offset::Tps100Voltage : Offset::Tps0Voltage;
        EXPECT_EQ(acted, c.stored.has_value()) << c.mv;
        EXPECT_EQ(image[offset], c.stored.value_or(before[offset])) << c.mv;
    }
}

TEST(EditingTools, JetModesCopyAxisAndCells)
{
    model::ConfigImage image = DefaultImage();
    image[Offset::Jet14ARpm + 2] = 77;
    image[Offset::Jet14AMap + 9] = 55;
    ApplyJetMode(image, JetMode::Coupled);
    EXPECT_EQ(image[Offset::JetMode], 1);
    EXPECT_EQ(image[Offset::Jet23ARpm + 2], 77);
    EXPECT_NE(image[Offset::Jet23AMap + 9], 55);
    ApplyJetMode(image, JetMode::Equal);
    EXPECT_EQ(image[Offset::Jet23AMap + 9], 55);
    const model::ConfigImage before = image;
    ApplyJetMode(image, JetMode::Separate);
    EXPECT_EQ(Changed(before, image), (std::set<std::size_t>{Offset::JetMode}));
}

}  // namespace
}  // namespace korvane::pages
