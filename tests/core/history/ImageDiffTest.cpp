#include "history/ImageDiff.h"
#include "history/ParameterNames.h"

#include "model/BikeTypes.h"
#include "model/ValueLimits.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>

namespace korvane::history {
namespace {

namespace Offset = model::Offset;
using model::ConfigImage;
using model::MapCell;

// The start-up model's legal parameters, with a known engine speed (6000 rpm)
// in column 7 of every map axis.
ConfigImage BaseImage()
{
    ConfigImage image;
    image[Offset::BikeType] = model::StartupBikeType;
    model::DefaultSetSelector selector;
    model::BuildDefaults(image, selector);
    model::ApplyTypeSettings(image);
    model::NormaliseImage(image);
    for (std::size_t page = 0; page < model::MapPageCount; ++page) {
        image[model::AxisOfMapPage(page) + 7] = 60;
    }
    image[MapCell(Offset::JetBMap, 0, 0)] = 150;
    image[Offset::PositionARef] = 1;
    image[Offset::StartLimiter] = 90;
    image[Offset::JetMode] = 0;
    return image;
}

struct SingleChange {
    const char *what;
    std::function<void(ConfigImage &)> change;
    std::uint8_t page;
    EntryKind kind;
    std::string_view control;
    std::string parameter;
    std::string a, b;
    int delta;  // when the kind has one
    int row, column;
    std::vector<std::uint16_t> offsets;
};

TEST(ImageDiff, NamesEachKindOfEditorWithItsValues)
{
    const ConfigImage base = BaseImage();
    const int axis3 = base[Offset::AdvRpm + 2] * 100;
    const SingleChange cases[] = {
        {"map cell", [](ConfigImage &i) { i[MapCell(Offset::Jet14AMap, 6, 7)] += 3; }, 1, EntryKind::MapCell,
         "UpDownMapCell", "Injection - 14 6000 rpm / 40 %", std::to_string(base[MapCell(Offset::Jet14AMap, 6, 7)]),
         std::to_string(base[MapCell(Offset::Jet14AMap, 6, 7)] + 3), 3, 6, 7, {MapCell(Offset::Jet14AMap, 6, 7)}},
        {"pressure row on Inj-IAP", [](ConfigImage &i) { i[MapCell(Offset::JetIapMap, 0, 7)] ^= 1; }, 4,
         EntryKind::MapCell, "UpDownMapCell", "Injection - IAP 6000 rpm / 30 %", "", "", 0, 0, 7,
         {MapCell(Offset::JetIapMap, 0, 7)}},
        {"cell above the editor's maximum", [](ConfigImage &i) { i[MapCell(Offset::JetBMap, 0, 0)] = 180; }, 3,
         EntryKind::MapCell, "UpDownMapCell", "", "150", "180", 30, 0, 0, {Offset::JetBMap}},
        {"axis point", [](ConfigImage &i) { i[Offset::AdvRpm + 2] += 1; }, 0, EntryKind::Value, "UpDownMapRpm",
         "Advance RPM, Point 3", std::to_string(axis3), std::to_string(axis3 + 100), 100, -1, 2, {Offset::AdvRpm + 2}},
        {"scaled scalar", [](ConfigImage &i) { i[Offset::StartLimiter] = 95; }, 7, EntryKind::Value, "UpDownOmez1",
         "Start limiter [rpm]", "9000", "9500", 500, -1, -1, {Offset::StartLimiter}},
        {"offset scalar in a group", [](ConfigImage &i) { i[Offset::Tps100Voltage] = 17; }, 7, EntryKind::Value,
         "UpDownTps100", "TPS, 100% [mv]", "", "2670", 0, -1, -1, {Offset::Tps100Voltage}},
        {"check box", [](ConfigImage &i) { i[Offset::N2oEnable] = 5; }, 9, EntryKind::Check, "CheckBoxGas",
         "N2O Enabled", "not ticked", "ticked (5)", 0, -1, -1, {Offset::N2oEnable}},
        {"radio group", [](ConfigImage &i) { i[Offset::PositionARef] = 2; }, 5, EntryKind::Choice,
         "RadioGroupPolohaA", "Position of Injection A, Position of", "Centre", "End", 0, -1, -1,
         {Offset::PositionARef}},
        {"jet mode", [](ConfigImage &i) { i[Offset::JetMode] = 1; }, 1, EntryKind::Choice, "Menu_Jet123Mode",
         "Jet 14-23", "Separate", "Coupled", 0, -1, -1, {Offset::JetMode}},
        {"model with its type bytes",
         [](ConfigImage &i) {
             i[Offset::BikeType] = 26;
             model::ApplyTypeSettings(i);
         },
         7, EntryKind::Model, "ComboBoxBike", "Motorbike Type", "Suzuki GSX-R600 01-03", "Suzuki GSX-R1000 05", 0, -1, -1,
         {Offset::BikeType, Offset::TypeFlag, Offset::TypeConstant}},
        {"temperature correction", [](ConfigImage &i) { i[Offset::AirCorr + 1] += 2; }, 8, EntryKind::Value,
         "UpDownKorVzduch", "Temperature Corrections, Inlet Air 20 °C", "", "", 2, -1, 1, {Offset::AirCorr + 1}},
        {"stray byte", [](ConfigImage &i) { i[160] = 7; }, OtherBytesPage, EntryKind::Byte, "", "byte 160", "0", "7",
         7, -1, -1, {160}},
    };
    for (const SingleChange &c : cases) {
        ConfigImage changed = base;
        c.change(changed);
        const auto entries = ImageDiff(base, changed);
        ASSERT_EQ(entries.size(), 1u) << c.what;
        const DiffEntry &e = entries.front();
        EXPECT_EQ(e.page, c.page) << c.what;
        EXPECT_EQ(e.kind, c.kind) << c.what;
        EXPECT_EQ(e.control, c.control) << c.what;
        if (!c.parameter.empty()) {
            EXPECT_EQ(e.parameter, c.parameter) << c.what;
        }
        if (!c.a.empty()) {
            EXPECT_EQ(e.a, c.a) << c.what;
        }
        if (!c.b.empty()) {
            EXPECT_EQ(e.b, c.b) << c.what;
        }
        if (e.hasDelta() && c.delta != 0) {
            EXPECT_EQ(e.delta(), c.delta) << c.what;
        }
        EXPECT_EQ(e.row, c.row) << c.what;
        EXPECT_EQ(e.column, c.column) << c.what;
        EXPECT_EQ(std::vector<std::uint16_t>(e.coveredOffsets().begin(), e.coveredOffsets().end()), c.offsets)
            << c.what;
    }
}

TEST(ImageDiff, HeaderComparedOnlyWhenAsked)
{
    const ConfigImage base = BaseImage();
    ConfigImage other = base;
    other[Offset::BuildDay] = 17;
    EXPECT_TRUE(ImageDiff(base, other).empty());
    const auto entries = ImageDiff(base, other, {0, true});
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].parameter, "byte 4");
    EXPECT_TRUE(ImageDiff(base, base, {0, true}).empty());
}

TEST(ImageDiff, GroupsByPageInTabOrderWithOtherBytesLast)
{
    const ConfigImage base = BaseImage();
    ConfigImage other = base;
    other[1199] ^= 1;
    other[Offset::N2oEnable] ^= 1;
    other[MapCell(Offset::Jet14AMap, 0, 0)] ^= 1;
    other[Offset::JetMode] = 2;
    other[MapCell(Offset::AdvMap, 9, 14)] ^= 1;
    other[Offset::AdvRpm] += 1;
    const auto entries = ImageDiff(base, other);
    std::vector<std::string_view> order;
    for (const DiffEntry &e : entries) order.push_back(e.control);
    EXPECT_EQ(order, (std::vector<std::string_view>{"UpDownMapRpm", "UpDownMapCell", "Menu_Jet123Mode",
                                                    "UpDownMapCell", "CheckBoxGas", ""}));
    EXPECT_EQ(EntriesOfPage(entries, 1).size(), 2u);
    EXPECT_TRUE(EntriesOfPage(entries, 5).empty());
    ASSERT_NE(FindEntry(entries, 0, "UpDownMapCell", 149), nullptr);
    EXPECT_EQ(FindEntry(entries, 0, "UpDownMapCell", 148), nullptr);
}

// Every differing byte is reported exactly once, so taking all entries over
// makes the two sets equal, and taking one page's entries changes that page only.
TEST(ImageDiff, TakingTheOtherValuesCoversEveryDifferingByteOnce)
{
    std::mt19937 random(14);
    for (int round = 0; round < 20; ++round) {
        ConfigImage a;
        ConfigImage b;
        for (std::size_t i = 0; i < model::ImageSize; ++i) {
            a[i] = static_cast<std::uint8_t>(random());
            b[i] = random() % 3 == 0 ? a[i] : static_cast<std::uint8_t>(random());
        }
        const auto entries = ImageDiff(a, b, {0, true});
        std::multiset<std::uint16_t> covered;
        for (const DiffEntry &e : entries) covered.insert(e.coveredOffsets().begin(), e.coveredOffsets().end());
        for (std::uint16_t offset : covered) EXPECT_EQ(covered.count(offset), 1u) << offset;

        ConfigImage partly = a;
        ApplyOther(partly, b, EntriesOfPage(entries, 9));
        EXPECT_TRUE(ImageDiff(partly, b, {0, true}).size() == entries.size() - EntriesOfPage(entries, 9).size());
        ApplyOther(a, b, entries);
        EXPECT_EQ(a, b);
    }
}

// The side-by-side listing holds every editor once, the differences among
// them exactly as ImageDiff reports them, and stray bytes only where they differ.
TEST(ImageDiff, ListingWithEqualEditorsKeepsTheDifferencesInPlace)
{
    const ConfigImage base = BaseImage();
    ConfigImage other = base;
    other[MapCell(Offset::AdvMap, 2, 3)] += 1;
    other[Offset::ActClutch] ^= 1;
    other[1199] ^= 1;
    DiffOptions all;
    all.includeEqual = true;
    const auto listing = ImageDiff(base, other, all);
    const auto differences = ImageDiff(base, other);
    std::vector<const DiffEntry *> differing;
    for (const DiffEntry &e : listing)
        if (e.differs()) differing.push_back(&e);
    ASSERT_EQ(differing.size(), differences.size());
    for (std::size_t i = 0; i < differing.size(); ++i) {
        EXPECT_EQ(differing[i]->parameter, differences[i].parameter);
        EXPECT_EQ(differing[i]->b, differences[i].b);
    }
    EXPECT_EQ(EntriesOfPage(listing, 0).size(), 15u + 150u + 1u);  // axis, cells, base advance
    EXPECT_EQ(EntriesOfPage(listing, OtherBytesPage).size(), 1u);
    EXPECT_FALSE(FindEntry(listing, 7, "UpDownOmez1")->differs());
    EXPECT_EQ(ImageDiff(base, base, all).size(), listing.size() - 1);
}

TEST(ImageDiff, CaptionsFollowTheLanguage)
{
    const ConfigImage base = BaseImage();
    ConfigImage other = base;
    other[MapCell(Offset::Jet14AMap, 6, 7)] += 1;
    other[Offset::StartLimiter] = 95;
    other[Offset::ActClutch] ^= 1;
    const struct {
        std::uint8_t language;
        std::vector<std::string> parameters;
    } cases[] = {
        {0, {"Injection - 14 6000 rpm / 40 %", "Start limiter [rpm]", "Activation by Switch on, Clutch master"}},
        {1, {"Einspritz - 14 6000 U/min / 40 %", "Startbegrenzer [U/min]", "Aktivierung durch Schalter, Clutch master"}},
        {2, {"Injection - 14 6000 tr/min / 40 %", "Limiteur de départ [tr/min]",
             "Activation par interrupteur, Clutch master"}},
        {3, {"Vstřik - 14 6000 ot/min / 40 %", "Startovací omezovač [ot/min]", "Aktivace spínačem, Clutch master"}},
    };
    for (const auto &c : cases) {
        std::vector<std::string> parameters;
        for (const DiffEntry &e : ImageDiff(base, other, {c.language, false})) parameters.push_back(e.parameter);
        EXPECT_EQ(parameters, c.parameters) << int(c.language);
    }
}

TEST(DescribeChange, OneEditorByNameAndValuesSeveralByCount)
{
    ConfigImage before = BaseImage();
    before[Offset::AdvRpm + 5] = 40;
    before[MapCell(Offset::AdvMap, 7, 5)] = 35;
    before[Offset::ServoEnable] = 0;
    before[Offset::JetMode] = 1;
    before[Offset::Jet14ARpm] = 10;
    before[MapCell(Offset::Jet14AMap, 0, 0)] = 100;
    const struct {
        const char *what;
        std::function<void(ConfigImage &)> change;
        std::uint8_t language;
        std::string label;
    } cases[] = {
        {"nothing", [](ConfigImage &) {}, 0, ""},
        {"one cell", [](ConfigImage &i) { i[MapCell(Offset::AdvMap, 7, 5)] = 36; }, 0,
         "Advance 4000 rpm / 60 %: 35 → 36"},
        {"one box, German", [](ConfigImage &i) { i[Offset::ServoEnable] = 1; }, 1,
         "Servo aktiv: nicht angehakt → angehakt"},
        {"a column on one page",
         [](ConfigImage &i) {
             for (std::size_t row = 0; row < 3; ++row) i[MapCell(Offset::Jet14AMap, row, 0)] += 1;
         },
         0, "Injection - 14: 3 changes"},
        {"a cell the coupled map follows",
         [](ConfigImage &i) {
             i[MapCell(Offset::Jet14AMap, 0, 0)] += 2;
             i[MapCell(Offset::Jet23AMap, 0, 0)] += 2;
         },
         0, "Injection - 14 1000 rpm / 0 %: 100 → 102"},
        {"two pages, Czech",
         [](ConfigImage &i) {
             i[Offset::N2o1] += 1;
             i[Offset::Retard1] += 1;
             i[Offset::ClutchTime] += 1;
         },
         3, "Počet změn: 3"},
    };
    for (const auto &c : cases) {
        ConfigImage after = before;
        c.change(after);
        EXPECT_EQ(DescribeChange(before, after, c.language), c.label) << c.what;
    }
}

}  // namespace
}  // namespace korvane::history
