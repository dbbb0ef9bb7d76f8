#include "maptools/Operations.h"

#include "../pages/TestImage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace korvane::maptools {
namespace {

namespace Offset = model::Offset;
using pages::test::Changed;
using pages::test::DefaultImage;

// Image byte of a cell; the axis byte of a column (100 rpm units).
std::uint8_t &Cell(model::ConfigImage &image, SheetId sheet, CellPos cell)
{
    return image[CellBinding(sheet).offset + cell.row * ColumnCount + cell.column];
}
std::uint8_t &Axis(model::ConfigImage &image, SheetId sheet, std::size_t column)
{
    return image[AxisBinding(sheet).offset + column];
}

// A clean table: every cell 0, the axis 10, 20, 30 ... (1000 rpm apart).
model::ConfigImage Blank(SheetId sheet, std::uint8_t jetMode = 0)
{
    model::ConfigImage image = DefaultImage(jetMode);
    for (std::size_t row = 0; row < RowCount(sheet); ++row) {
        for (std::size_t column = 0; column < ColumnCount; ++column) {
            Cell(image, sheet, {row, column}) = sheet == SheetId::Servo ? 1 : 0;
        }
    }
    for (std::size_t column = 0; column < ColumnCount; ++column) {
        Axis(image, sheet, column) = static_cast<std::uint8_t>(10 * (column + 1));
    }
    return image;
}

struct Expect {
    CellPos cell;
    int value;  // editor units
};

struct Case {
    const char *name;
    SheetId sheet;
    std::function<void(model::ConfigImage &)> setUp;  // bytes
    std::function<EditResult(const model::ConfigImage &)> run;
    std::vector<Expect> expected;
    std::size_t limited;
};

void Check(const Case &c)
{
    model::ConfigImage image = Blank(c.sheet);
    c.setUp(image);
    const EditResult result = c.run(image);
    ASSERT_EQ(result.status, EditStatus::Done) << c.name;
    for (const Expect &e : c.expected) {
        EXPECT_EQ(CellValue(result.image, c.sheet, e.cell), e.value)
            << c.name << " at " << e.cell.row << ":" << e.cell.column;
    }
    EXPECT_EQ(result.limited, c.limited) << c.name;
}

TEST(Interpolate, UsesTheRealAxesRoundsHalvesAwayAndKeepsTheEnds)
{
    const Selection firstThree{0, 0, 0, 2};
    const Case cases[] = {
        {"1000/1500/3000 rpm hold 20, ?, 40", SheetId::Advance,
         [](auto &im) { Axis(im, SheetId::Advance, 0) = 10, Axis(im, SheetId::Advance, 1) = 15,
                        Axis(im, SheetId::Advance, 2) = 30, Cell(im, SheetId::Advance, {0, 0}) = 20,
                        Cell(im, SheetId::Advance, {0, 2}) = 40; },
         [&](auto &im) { return InterpolateCells(im, SheetId::Advance, firstThree); },
         {{{0, 0}, 20}, {{0, 1}, 25}, {{0, 2}, 40}}, 0},
        {"far end not above the near end: evenly spaced", SheetId::Advance,
         [](auto &im) { Axis(im, SheetId::Advance, 0) = 30, Axis(im, SheetId::Advance, 1) = 15,
                        Axis(im, SheetId::Advance, 2) = 30, Cell(im, SheetId::Advance, {0, 0}) = 20,
                        Cell(im, SheetId::Advance, {0, 2}) = 40; },
         [&](auto &im) { return InterpolateCells(im, SheetId::Advance, firstThree); },
         {{{0, 1}, 30}}, 0},
        {"axis point beyond the far end counts as that end", SheetId::Advance,
         [](auto &im) { Axis(im, SheetId::Advance, 1) = 40, Cell(im, SheetId::Advance, {0, 0}) = 20,
                        Cell(im, SheetId::Advance, {0, 2}) = 40; },
         [&](auto &im) { return InterpolateCells(im, SheetId::Advance, firstThree); },
         {{{0, 1}, 40}}, 0},
        {"down by the throttle breakpoints 0, 2, 5, 10, 20 %", SheetId::Advance,
         [](auto &im) { Cell(im, SheetId::Advance, {0, 3}) = 0, Cell(im, SheetId::Advance, {4, 3}) = 40; },
         [](auto &im) { return InterpolateCells(im, SheetId::Advance, {0, 3, 4, 3}); },
         {{{1, 3}, 4}, {{2, 3}, 10}, {{3, 3}, 20}, {{4, 3}, 40}}, 0},
        {"Inj-IAP down by the pressure breakpoints 30, 50, 60 %", SheetId::InjIap,
         [](auto &im) { Cell(im, SheetId::InjIap, {0, 0}) = 0, Cell(im, SheetId::InjIap, {2, 0}) = 60; },
         [](auto &im) { return InterpolateCells(im, SheetId::InjIap, {0, 0, 2, 0}); },
         {{{1, 0}, 40}}, 0},
        {"5 x 4 rectangle: bilinear from the corners", SheetId::Advance,
         [](auto &im) { Axis(im, SheetId::Advance, 3) = 50, Cell(im, SheetId::Advance, {0, 0}) = 10,
                        Cell(im, SheetId::Advance, {0, 3}) = 40, Cell(im, SheetId::Advance, {4, 0}) = 30,
                        Cell(im, SheetId::Advance, {4, 3}) = 60, Cell(im, SheetId::Advance, {2, 2}) = 59; },
         [](auto &im) { return InterpolateCells(im, SheetId::Advance, {0, 0, 4, 3}); },
         // (2,1): across 0.25, down 0.25: 17.5 and 37.5 give 22.5, rounded up.
         {{{2, 1}, 23}, {{4, 1}, 38}, {{0, 2}, 25}, {{2, 2}, 30}, {{0, 3}, 40}, {{4, 0}, 30}}, 0},
        {"positions: to the nearest 5 degrees", SheetId::PositionA,
         [](auto &im) { Cell(im, SheetId::PositionA, {0, 0}) = 0, Cell(im, SheetId::PositionA, {0, 2}) = 5; },
         [&](auto &im) { return InterpolateCells(im, SheetId::PositionA, firstThree); },
         {{{0, 1}, 15}}, 0},  // 12.5 degrees
    };
    for (const Case &c : cases) {
        Check(c);
    }
}

TEST(Operations, SetAddScaleSmoothRoundAndCountLimitedCells)
{
    const auto put = [](SheetId sheet, CellPos cell, std::uint8_t byte) {
        return [=](model::ConfigImage &im) { Cell(im, sheet, cell) = byte; };
    };
    const Selection block{1, 1, 2, 2};
    const Case cases[] = {
        {"set beyond the advance range", SheetId::Advance, put(SheetId::Advance, {0, 0}, 0),
         [&](auto &im) { return SetCells(im, SheetId::Advance, block, 70); }, {{{1, 1}, 60}, {{0, 0}, 0}}, 4},
        {"Inj-B keeps its editor's maximum", SheetId::InjB, put(SheetId::InjB, {0, 0}, 0),
         [](auto &im) { return SetCells(im, SheetId::InjB, {0, 0, 0, 1}, 120); }, {{{0, 1}, 100}}, 2},
        {"set on positions rounds to 5 degrees", SheetId::PositionA, put(SheetId::PositionA, {0, 0}, 0),
         [](auto &im) { return SetCells(im, SheetId::PositionA, {0, 0, 0, 0}, 127); }, {{{0, 0}, 125}}, 0},
        {"add at the top is limited", SheetId::Advance, put(SheetId::Advance, {1, 1}, 60),
         [&](auto &im) { return AddSteps(im, SheetId::Advance, block, 1); }, {{{1, 1}, 60}, {{2, 2}, 1}}, 1},
        {"shift-minus below zero", SheetId::Advance, put(SheetId::Advance, {1, 1}, 5),
         [&](auto &im) { return AddSteps(im, SheetId::Advance, {1, 1, 1, 1}, -10); }, {{{1, 1}, 0}}, 1},
        {"a servo step is 20 mV", SheetId::Servo, put(SheetId::Servo, {0, 4}, 10),
         [](auto &im) { return AddSteps(im, SheetId::Servo, {0, 4, 0, 4}, 2); }, {{{0, 4}, 240}}, 0},
        {"scale 101 % of 50 rounds the half up", SheetId::Advance, put(SheetId::Advance, {1, 1}, 50),
         [](auto &im) { return ScaleCells(im, SheetId::Advance, {1, 1, 1, 1}, 101); }, {{{1, 1}, 51}}, 0},
        {"scale 103 % of 25", SheetId::Advance, put(SheetId::Advance, {1, 1}, 25),
         [](auto &im) { return ScaleCells(im, SheetId::Advance, {1, 1, 1, 1}, 103); }, {{{1, 1}, 26}}, 0},
        {"scale 98.5 % of 200", SheetId::Inj14A, put(SheetId::Inj14A, {1, 1}, 200),
         [](auto &im) { return ScaleCells(im, SheetId::Inj14A, {1, 1, 1, 1}, 98.5); }, {{{1, 1}, 197}}, 0},
        {"scale beyond the range", SheetId::Advance, put(SheetId::Advance, {1, 1}, 50),
         [](auto &im) { return ScaleCells(im, SheetId::Advance, {1, 1, 1, 1}, 150); }, {{{1, 1}, 60}}, 1},
        {"smooth a corner: two neighbours", SheetId::Advance,
         [](auto &im) { Cell(im, SheetId::Advance, {0, 1}) = 10, Cell(im, SheetId::Advance, {1, 0}) = 30; },
         [](auto &im) { return SmoothCells(im, SheetId::Advance, {0, 0, 0, 0}); }, {{{0, 0}, 5}}, 0},
        {"smooth uses the values from before, neighbours outside the selection too", SheetId::Advance,
         put(SheetId::Advance, {5, 5}, 40),
         [](auto &im) { return SmoothCells(im, SheetId::Advance, {5, 5, 5, 6}); },
         {{{5, 5}, 30}, {{5, 6}, 3}, {{4, 5}, 0}}, 0},  // 2.5 rounds up
        {"smooth a curve: left and right only", SheetId::PositionB,
         [](auto &im) { Cell(im, SheetId::PositionB, {0, 3}) = 20, Cell(im, SheetId::PositionB, {0, 4}) = 4; },
         [](auto &im) { return SmoothCells(im, SheetId::PositionB, {0, 4, 0, 4}); }, {{{0, 4}, 30}}, 0},
    };
    for (const Case &c : cases) {
        Check(c);
    }
}

TEST(Operations, Inj14AMovesItsPartnerAsTheEditorsDo)
{
    struct PartnerCase {
        std::uint8_t jetMode;
        std::uint8_t own;
        std::uint8_t partner;
        std::uint8_t partnerAfter;
    };
    // Coupled keeps the difference (255 above the ceiling, as the take-over
    // leaves it for the normalisation); "14 = 23" copies; Separate ignores it.
    for (const PartnerCase c : {PartnerCase{1, 100, 120, 130}, PartnerCase{1, 100, 250, 255},
                                PartnerCase{2, 100, 7, 110}, PartnerCase{0, 100, 7, 7}}) {
        model::ConfigImage image = Blank(SheetId::Inj14A, c.jetMode);
        Cell(image, SheetId::Inj14A, {3, 4}) = c.own;
        Cell(image, SheetId::Inj23A, {3, 4}) = c.partner;
        const EditResult result = AddSteps(image, SheetId::Inj14A, Selection::Cell({3, 4}), 10);
        EXPECT_EQ(result.image[Offset::Jet23AMap + 3 * 15 + 4], c.partnerAfter) << int(c.jetMode);
        if (c.jetMode == 2) {
            EXPECT_TRUE(std::equal(result.image.bytes.begin() + Offset::Jet14ARpm,
                                   result.image.bytes.begin() + Offset::Jet23ARpm,
                                   result.image.bytes.begin() + Offset::Jet23ARpm));
        }
    }

    // A typed header on Coupled Inj-14A lowers the partner's point as much.
    model::ConfigImage image = Blank(SheetId::Inj14A, 1);
    Axis(image, SheetId::Inj23A, 4) = 52;
    const EditResult axis = SetAxisPoint(image, SheetId::Inj14A, 4, 4540);
    EXPECT_EQ(axis.image[Offset::Jet14ARpm + 4], 45);
    EXPECT_EQ(axis.image[Offset::Jet23ARpm + 4], 47);
}

TEST(Operations, RefusedOperationsLeaveTheImageAsItWas)
{
    const model::ConfigImage coupled = Blank(SheetId::Inj23A, 1);
    const model::ConfigImage plain = Blank(SheetId::Advance);
    const std::vector<std::pair<EditResult, EditStatus>> refused{
        {SetCells(coupled, SheetId::Inj23A, {0, 0, 0, 0}, 5), EditStatus::Locked},
        {SmoothCells(coupled, SheetId::Inj23A, WholeSheet(SheetId::Inj23A)), EditStatus::Locked},
        {SetAxisPoint(coupled, SheetId::Inj23A, 0, 900), EditStatus::Locked},
        {AddSteps(plain, SheetId::Advance, {0, 0, 10, 0}, 1), EditStatus::OutsideSheet},
        {AddSteps(plain, SheetId::PositionA, {0, 0, 1, 0}, 1), EditStatus::OutsideSheet},
        {SetAxisPoint(plain, SheetId::Advance, 15, 900), EditStatus::OutsideSheet},
        {ScaleCells(plain, SheetId::Advance, {0, 0, 0, 0}, std::nan("")), EditStatus::InvalidValue},
    };
    for (std::size_t i = 0; i < refused.size(); ++i) {
        EXPECT_EQ(refused[i].first.status, refused[i].second) << i;
        EXPECT_TRUE(refused[i].first.image == coupled || refused[i].first.image == plain) << i;
    }
    EXPECT_FALSE(IsReadOnly(Blank(SheetId::Inj23A, 2), SheetId::Inj23A));
}

TEST(Operations, WriteOnlyTheCellsTheyChangeAndOnlyTheirOwnMap)
{
    // A stored byte beyond its editor's maximum survives, as with the spin editors.
    model::ConfigImage image = Blank(SheetId::InjB, 2);
    Cell(image, SheetId::InjB, {1, 1}) = 150;
    const EditResult result = SetCells(image, SheetId::InjB, {0, 0, 1, 0}, 9);
    EXPECT_EQ(Changed(image, result.image), (std::set<std::size_t>{Offset::JetBMap, Offset::JetBMap + 15}));

    // Typed headers round to 100 rpm and stay within the editor's range.
    EXPECT_EQ(SetAxisPoint(image, SheetId::Servo, 2, 1550).image[Offset::ServoRpm + 2], 16);
    EXPECT_EQ(SetAxisPoint(image, SheetId::Servo, 2, 100).limited, 1U);
}

TEST(Sheets, MarksFollowTheOperatingPointOfThePageOnView)
{
    pages::Marker marker;
    marker.cell = pages::MapCell{4, 7};
    marker.axisColumn = 7;
    marker.rowLabel = 4;
    marker.polohaBColumn = 2;
    EXPECT_EQ(MarksOf(marker, SheetId::InjIap), (SheetMarks{CellPos{4, 7}, 7, 4}));
    EXPECT_EQ(MarksOf(marker, SheetId::PositionB), (SheetMarks{CellPos{0, 2}, 2, std::nullopt}));
    EXPECT_EQ(MarksOf(marker, SheetId::PositionA), SheetMarks{});
}

}  // namespace
}  // namespace korvane::maptools
