// The printout's header line, its scaling and its table of hidden controls.

#include "printout/HiddenControls.h"
#include "printout/PrintHeader.h"
#include "printout/PrintScale.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace korvane::printout {
namespace {

TEST(PrintScale, FitsWideTallAndExactPictures)
{
    struct Case {
        const char *what;
        int pictureWidth, pictureHeight, pageWidth, pageHeight;
        PrintSize expected;
    };
    const Case cases[] = {
        // 1011 x 759 on A4 portrait at 600 dpi: wider than the page, fills its width.
        {"wide", 1011, 759, 4760, 6779, {4760, 3574}},  // 759 * 4760 / 1011 = 3573.6
        {"tall", 300, 1000, 4760, 6779, {2034, 6779}},  // 300 * 6779 / 1000 = 2033.7
        {"exact ratio", 500, 700, 1000, 1400, {1000, 1400}},
        {"same size", 1000, 1400, 1000, 1400, {1000, 1400}},
        {"empty picture", 0, 759, 4760, 6779, {}},
        {"empty page", 1011, 759, 4760, 0, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const PrintSize size = FitToPage(c.pictureWidth, c.pictureHeight, c.pageWidth, c.pageHeight);
        EXPECT_EQ(size.width, c.expected.width);
        EXPECT_EQ(size.height, c.expected.height);
        EXPECT_LE(size.width, c.pageWidth);
        EXPECT_LE(size.height, c.pageHeight);
    }
}

TEST(PrintHeader, LanguageTextThenDateFourBlanksAndTime)
{
    EXPECT_EQ(PrintHeaderText(0, "07.12.2026", "14:31:00"),
              "Date and time of printing:  07.12.2026    14:31:00");
    EXPECT_EQ(PrintHeaderText(3, "7. 12. 2026", "14:31:00"), "Datum a čas tisku:  7. 12. 2026    14:31:00");
}

TEST(PrintHeader, TimeFormatLosesOnlyItsTimeZone)
{
    const std::pair<const char *, const char *> cases[] = {
        {"HH:mm:ss t", "HH:mm:ss"},
        {"h:mm:ss AP t", "h:mm:ss AP"},
        {"t HH:mm:ss", "HH:mm:ss"},
        {"HH:mm:ss (tttt)", "HH:mm:ss"},
        {"tah:mm:ss", "ah:mm:ss"},
        {"H 'h' mm 'min' ss 's' t", "H 'h' mm 'min' ss 's'"},
        {"HH:mm:ss 'at' t", "HH:mm:ss 'at'"},
        {"HH:mm:ss", "HH:mm:ss"},
    };
    for (const auto &[format, expected] : cases)
        EXPECT_EQ(TimeFormatWithoutZone(format), expected) << format;
}

TEST(HiddenControls, NamesAreUniqueAndRunsCounted)
{
    std::set<std::string_view> names;
    int runs = 0;
    for (const HiddenControl &control : PrintHiddenControls()) {
        EXPECT_TRUE(names.insert(control.name).second) << control.name;
        runs += control.count;
    }
    // 15 + 150 + 15 map controls, six 15-point curve rows, two 5-point rows,
    // and 57 single controls.
    EXPECT_EQ(runs, 180 + 90 + 10 + 57);
}

}  // namespace
}  // namespace korvane::printout
