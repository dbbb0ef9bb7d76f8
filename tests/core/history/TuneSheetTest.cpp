#include "history/TuneSheet.h"

#include "model/BikeTypes.h"
#include "model/ValueLimits.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace korvane::history {
namespace {

namespace Offset = model::Offset;
using model::ConfigImage;

ConfigImage Image(std::uint8_t jetMode, std::uint8_t servo, std::uint8_t n2o)
{
    ConfigImage image;
    image[Offset::BikeType] = model::StartupBikeType;
    model::DefaultSetSelector selector;
    model::BuildDefaults(image, selector);
    model::NormaliseImage(image);
    image[Offset::JetMode] = jetMode;
    image[Offset::ServoEnable] = servo;
    image[Offset::N2oEnable] = n2o;
    return image;
}

const SheetSection *Section(const TuneSheet &sheet, std::uint8_t page)
{
    const auto found = std::find_if(sheet.sections.begin(), sheet.sections.end(),
                                    [&](const SheetSection &s) { return s.page == page; });
    return found == sheet.sections.end() ? nullptr : &*found;
}

std::size_t ValueCells(const SheetSection &section)
{
    std::size_t count = 0;
    for (const SheetTable &table : section.tables)
        for (const auto &row : table.rows)
            count += static_cast<std::size_t>(std::count_if(row.begin(), row.end(), [](const SheetCell &c) {
                return !c.heading;
            }));
    return count;
}

TEST(TuneSheet, OneSectionPerVisiblePageWithTheVisibleEditors)
{
    const struct {
        std::uint8_t jetMode, servo, n2o;
        std::vector<std::uint8_t> pages;
        std::size_t servoValues, n2oValues;
    } cases[] = {
        {0, 1, 1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 15 + 15 + 1 + 1, 1 + 8},
        {2, 0, 0, {0, 1, 3, 4, 5, 6, 7, 8, 9}, 1, 1},
    };
    for (const auto &c : cases) {
        SheetRequest request;
        request.image = Image(c.jetMode, c.servo, c.n2o);
        const TuneSheet sheet = BuildTuneSheet(request);
        std::vector<std::uint8_t> pages;
        for (const SheetSection &section : sheet.sections) pages.push_back(section.page);
        EXPECT_EQ(pages, c.pages);
        EXPECT_EQ(ValueCells(*Section(sheet, 6)), c.servoValues);
        EXPECT_EQ(ValueCells(*Section(sheet, 9)), c.n2oValues);
        EXPECT_TRUE(sheet.summaryTitle.empty());
    }
}

TEST(TuneSheet, MapsAndCurvesAreTablesWithTheirAxes)
{
    SheetRequest request;
    request.image = Image(0, 1, 0);
    request.image[Offset::JetIapRpm + 3] = 45;
    request.image[model::MapCell(Offset::JetIapMap, 2, 3)] = 123;
    const TuneSheet sheet = BuildTuneSheet(request);

    const SheetTable &map = Section(sheet, 4)->tables.front();
    ASSERT_EQ(map.rows.size(), 11u);
    for (const auto &row : map.rows) ASSERT_EQ(row.size(), 16u);
    EXPECT_EQ(map.rows[0][4].text, "4500");
    EXPECT_TRUE(map.rows[0][4].heading);
    EXPECT_EQ(map.rows[3][0].text, "60 %");
    EXPECT_EQ(map.rows[3][4].text, "123");

    const SheetTable &servo = Section(sheet, 6)->tables.front();
    EXPECT_EQ(servo.title, "Servo");
    ASSERT_EQ(servo.rows.size(), 3u);
    EXPECT_EQ(servo.rows[0].size(), 16u);
    EXPECT_EQ(servo.rows[2][0].text, "[mV]");

    const auto &korekce = Section(sheet, 8)->tables;
    const auto found = std::find_if(korekce.begin(), korekce.end(),
                                    [](const SheetTable &t) { return t.title == "Starting Corrections"; });
    ASSERT_NE(found, korekce.end());
    const SheetTable &start = *found;
    EXPECT_EQ(start.rows[1][1].text, "0") << "the fixed first time";
    EXPECT_EQ(start.rows[1][2].text, "5");
    EXPECT_EQ(start.rows[2][5].text, "100") << "the fixed last correction";
}

TEST(TuneSheet, AgainstAnotherSetMarksTheDifferencesAndSumsThemUpFirst)
{
    SheetRequest request;
    request.image = Image(0, 0, 0);
    request.against = request.image;
    (*request.against)[Offset::AdvRpm] += 1;
    (*request.against)[model::MapCell(Offset::AdvMap, 9, 14)] += 2;
    (*request.against)[Offset::ActClutch] ^= 1;
    request.againstName = "b.ign";
    const TuneSheet sheet = BuildTuneSheet(request);

    EXPECT_EQ(sheet.summaryTitle, "Differences: 3");
    EXPECT_EQ(sheet.summary.rows.size(), 4u);
    EXPECT_EQ(sheet.header.back().value, "b.ign");

    const SheetTable &map = Section(sheet, 0)->tables.front();
    std::size_t flagged = 0;
    for (const auto &row : map.rows)
        flagged += static_cast<std::size_t>(std::count_if(row.begin(), row.end(), [](const SheetCell &c) {
            return c.differs;
        }));
    EXPECT_EQ(flagged, 2u);
    EXPECT_TRUE(map.rows[10][15].differs);
    EXPECT_EQ(std::stoi(map.rows[10][15].other), std::stoi(map.rows[10][15].text) + 2);
    EXPECT_EQ(std::stoi(map.rows[0][1].other), std::stoi(map.rows[0][1].text) + 100);
}

}  // namespace
}  // namespace korvane::history
