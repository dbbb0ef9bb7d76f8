#include "maptools/CellColours.h"

#include <gtest/gtest.h>

namespace korvane::maptools {
namespace {

TEST(CellColours, EveryPaletteColourCarriesTextAtLeast4_5To1)
{
    for (int i = 0; i <= 1000; ++i) {
        const Rgb background = PaletteColour(i / 1000.0);
        EXPECT_GE(ContrastRatio(background, TextColourOn(background)), 4.5) << i;
    }
    // The endpoints of the WCAG scale, and the text follows the lightness.
    EXPECT_NEAR(ContrastRatio(Black, White), 21.0, 1e-9);
    EXPECT_EQ(TextColourOn(PaletteStops().front()), White);
    EXPECT_EQ(TextColourOn(PaletteStops().back()), Black);
}

TEST(CellColours, LightnessRisesAlongThePaletteSoGreyscaleKeepsTheOrder)
{
    double previous = -1;
    for (int i = 0; i <= 100; ++i) {
        const double luminance = RelativeLuminance(PaletteColour(i / 100.0));
        EXPECT_GT(luminance, previous) << i;
        previous = luminance;
    }
}

TEST(CellColours, SpanTheFixedRangeOfEachTablesEditors)
{
    struct Case {
        SheetId sheet;
        int low;
        int high;
    };
    for (const Case c : {Case{SheetId::Advance, 0, 60}, Case{SheetId::Inj14A, 0, 250}, Case{SheetId::InjB, 0, 100},
                         Case{SheetId::PositionA, 0, 720}, Case{SheetId::Servo, 20, 4980}}) {
        EXPECT_EQ(CellColour(c.sheet, c.low), PaletteStops().front()) << int(c.sheet);
        EXPECT_EQ(CellColour(c.sheet, c.high), PaletteStops().back()) << int(c.sheet);
        EXPECT_EQ(CellColour(c.sheet, (c.low + c.high) / 2), PaletteColour(0.5)) << int(c.sheet);
    }
}

}  // namespace
}  // namespace korvane::maptools
