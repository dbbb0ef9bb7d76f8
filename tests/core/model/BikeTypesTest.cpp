#include "model/BikeTypes.h"
#include "model/ValueLimits.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace korvane::model {
namespace {

ConfigImage Defaults(std::uint8_t bikeType, DefaultSetSelector &selector, std::uint8_t fill = 0)
{
    ConfigImage image;
    image.bytes.fill(fill);
    image[Offset::BikeType] = bikeType;
    BuildDefaults(image, selector);
    return image;
}

ConfigImage Defaults(std::uint8_t bikeType)
{
    DefaultSetSelector selector;
    return Defaults(bikeType, selector);
}

std::vector<int> Bytes(const ConfigImage &image, std::size_t offset, std::size_t count)
{
    return {image.bytes.begin() + offset, image.bytes.begin() + offset + count};
}

// An independent transcription of the per-model limits and misc defaults, in
// shown units, with the derived bytes 126 and 111.
struct ModelRow {
    int item, code, typeConstant, typeFlag;
    int tps0, tps100, startLim, ignLim, injLim, shiftLight;
    int baseAdvance, startInjection, pulses, fallSensor, blocking;
};

constexpr ModelRow Models[] = {
    {0, 0, 75, 1, 650, 4030, 8000, 11000, 11300, 9000, 15, 10, 2, 1, 0},
    {1, 1, 65, 0, 340, 4730, 7000, 10800, 11100, 8800, 0, 10, 2, 1, 0},
    {2, 24, 70, 0, 480, 4480, 7000, 10000, 10300, 8000, 0, 20, 1, 1, 0},
    {3, 2, 65, 0, 500, 4420, 10000, 14000, 14300, 12000, 11, 10, 2, 1, 0},
    {4, 3, 70, 0, 500, 4420, 10000, 14000, 14300, 12000, 11, 10, 2, 1, 0},
    {5, 28, 70, 0, 500, 4420, 10000, 14000, 14300, 12000, 11, 10, 2, 1, 0},
    {6, 4, 65, 0, 500, 4420, 9000, 12000, 12300, 10000, 10, 10, 2, 1, 0},
    {7, 21, 70, 0, 500, 4420, 9000, 12400, 12700, 12000, 11, 10, 2, 1, 0},
    {8, 22, 65, 0, 500, 4420, 8000, 10500, 10800, 9000, 10, 10, 2, 1, 0},
    {9, 5, 70, 0, 500, 4420, 8000, 11000, 11300, 9000, 5, 10, 2, 1, 0},
    {10, 6, 85, 0, 1100, 4300, 10000, 14000, 14300, 12000, 11, 10, 1, 1, 0},
    {11, 7, 70, 0, 1030, 4300, 10000, 14000, 14300, 12000, 13, 10, 2, 0, 0},
    {12, 19, 65, 0, 1030, 4300, 10000, 14000, 14300, 12000, 13, 10, 2, 0, 0},
    {13, 8, 65, 0, 670, 4020, 9000, 12000, 12300, 10000, 8, 12, 1, 0, 0},
    {14, 9, 65, 0, 1080, 4190, 8000, 11000, 11300, 9000, 8, 10, 2, 0, 0},
    {15, 10, 65, 0, 1080, 4190, 8000, 11000, 11300, 9000, 8, 10, 2, 0, 0},
    {16, 11, 85, 0, 1100, 4300, 10000, 14000, 14300, 12000, 10, 10, 1, 1, 0},
    {17, 20, 85, 0, 1100, 4300, 10000, 14000, 14300, 12000, 13, 10, 1, 0, 0},
    {18, 12, 85, 0, 1100, 4300, 9500, 13600, 13900, 11600, 10, 12, 1, 1, 0},
    {19, 23, 85, 0, 1100, 4300, 9500, 13600, 13900, 11600, 13, 12, 1, 0, 0},
    {20, 13, 85, 0, 1100, 4300, 9000, 12000, 12300, 10000, 12, 13, 1, 1, 0},
    {21, 14, 85, 0, 1100, 4300, 9000, 12000, 12300, 10000, 13, 13, 1, 0, 0},
    {22, 26, 85, 0, 1100, 4450, 9000, 12000, 12300, 10000, 15, 13, 1, 0, 0},
    {23, 15, 85, 0, 1100, 4300, 7500, 10500, 10800, 8500, 12, 13, 1, 0, 0},
    {24, 16, 75, 0, 1100, 4300, 8000, 10000, 10300, 9000, 0, 10, 1, 1, 0},
    {25, 25, 75, 1, 1100, 4300, 8000, 10000, 10300, 9000, 0, 10, 1, 1, 0},
    {26, 17, 35, 0, 660, 3890, 8000, 12000, 12300, 10000, 7, 10, 2, 0, 0},
    {27, 27, 35, 0, 660, 3890, 8000, 12000, 12300, 10000, 7, 10, 2, 0, 0},
    {28, 18, 50, 0, 660, 3890, 8000, 15000, 15300, 13000, 12, 10, 2, 0, 0},
};

TEST(BikeTypes, EveryModelGetsItsLimitsMiscAndDerivedBytes)
{
    ASSERT_EQ(std::size(Models), BikeCount);
    for (const ModelRow &m : Models) {
        SCOPED_TRACE(testing::Message() << "item " << m.item);
        const auto code = ComboToBikeType(m.item);
        ASSERT_TRUE(code.has_value());
        ASSERT_EQ(*code, m.code);

        const ConfigImage image = Defaults(*code);
        EXPECT_EQ(image[Offset::BikeType], m.code);
        EXPECT_EQ(image[Offset::TypeConstant], m.typeConstant);
        EXPECT_EQ(image[Offset::TypeFlag], m.typeFlag);
        EXPECT_EQ(image[Offset::Tps0Voltage], m.tps0 / 10);
        EXPECT_EQ(image[Offset::Tps100Voltage], (m.tps100 - 2500) / 10);
        EXPECT_EQ(image[Offset::StartLimiter], m.startLim / 100);
        EXPECT_EQ(image[Offset::IgnitionLimiter], m.ignLim / 100);
        EXPECT_EQ(image[Offset::InjectionLimiter], m.injLim / 100);
        EXPECT_EQ(image[Offset::ShiftLight], m.shiftLight / 100);
        EXPECT_EQ(image[Offset::BaseAdvance], m.baseAdvance);
        EXPECT_EQ(image[Offset::StartInjection], m.startInjection);
        EXPECT_EQ(image[Offset::PulsesPerRev], m.pulses);
        EXPECT_EQ(image[Offset::ActFallSensor], m.fallSensor);
        EXPECT_EQ(image[Offset::BlockingEnable], m.blocking);
    }
}

TEST(BikeTypes, ItemsAndCodesMapOneToOne)
{
    std::set<int> codes;
    for (int item = 0; item < static_cast<int>(BikeCount); ++item) {
        const auto code = ComboToBikeType(item);
        ASSERT_TRUE(code.has_value());
        codes.insert(*code);
        EXPECT_EQ(BikeTypeToCombo(*code), item);
    }
    EXPECT_EQ(codes.size(), BikeCount);
    EXPECT_EQ(*codes.rbegin(), MaxBikeType);

    EXPECT_FALSE(ComboToBikeType(-1).has_value());  // no item selected
    EXPECT_FALSE(ComboToBikeType(29).has_value());
    EXPECT_FALSE(BikeTypeToCombo(29).has_value());
    EXPECT_FALSE(BikeTypeToCombo(255).has_value());
}

TEST(BikeTypes, ListTextsKeepTheirBlanks)
{
    const auto texts = BikeListTexts();
    EXPECT_EQ(texts[0], "Aprilia RSV MILLE               98-");
    EXPECT_EQ(texts[2], "HD V-rod");
    EXPECT_EQ(texts[8], "Honda CBR 1100 XX               ");
    EXPECT_EQ(texts[10], "Kawasaki  ZX 6R PCE        02");
    EXPECT_EQ(texts[13], "Kawasaki  ZX10 R              04   ");
    EXPECT_EQ(texts[22], "Suzuki GSX-R1000             05");
    EXPECT_EQ(texts[28], "Yamaha YZF-R6                 03-");
    EXPECT_EQ(std::set<std::string_view>(texts.begin(), texts.end()).size(), BikeCount);
}

TEST(BikeTypes, DefaultsWriteEveryFieldAndNothingElse)
{
    // Two different fills: a byte that still differs afterwards was not written.
    DefaultSetSelector selector;
    const ConfigImage a = Defaults(11, selector, 0xA5);
    const ConfigImage b = Defaults(11, selector, 0x5A);

    std::set<std::size_t> untouched;
    for (std::size_t i = 0; i < ImageSize; ++i) {
        if (a[i] != b[i]) {
            untouched.insert(i);
        }
    }
    std::set<std::size_t> expected;
    auto addRange = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i <= to; ++i) {
            expected.insert(i);
        }
    };
    addRange(0, 99);  // header
    addRange(101, 101);
    addRange(106, 106);
    addRange(148, 148);
    addRange(157, 189);
    addRange(200, 219);
    addRange(385, 399);
    addRange(1150, 1199);
    EXPECT_EQ(untouched, expected);
    EXPECT_EQ(a[Offset::BikeType], 11);
}

TEST(BikeTypes, ConstantsAreTheSameForEveryType)
{
    const struct {
        std::size_t offset;
        int value;
    } constants[] = {
        {Offset::StartCorrTime + 0, 5},   {Offset::StartCorrTime + 1, 10},
        {Offset::StartCorrTime + 2, 15},  {Offset::StartCorrTime + 3, 20},
        {Offset::StartCorrValue + 0, 150}, {Offset::StartCorrValue + 1, 50},
        {Offset::StartCorrValue + 2, 30}, {Offset::StartCorrValue + 3, 10},
        {Offset::WarningTemp, 90},        {Offset::AccelThreshold, 30},
        {Offset::AccelSize, 84},          {Offset::RpmCorrection, 100},
        {Offset::JetMode, 1},             {Offset::IapToTps, 5},
        {Offset::ClutchTime, 10},         {Offset::ClutchPause, 50},
        {Offset::N2oEnable, 0},           {Offset::N2o1, 20},
        {Offset::N2o2, 60},               {Offset::N2oDelay, 20},
        {Offset::N2oBuildUp, 30},         {Offset::Retard1, 0},
        {Offset::Retard2, 0},             {Offset::RetardDelay, 20},
        {Offset::RetardBuildUp, 30},      {Offset::TempDisplay, 0},
        {Offset::TuneLambda, 80},         {Offset::TuneHyster, 5},
        {Offset::TuneRpm, 10},            {Offset::TuneTps, 1},
        {Offset::TuneTime, 10},           {Offset::ActStartLimiter, 1},
        {Offset::ActClutch, 1},           {Offset::ActTachoLambda, 1},
        {Offset::ActN2o, 1},              {Offset::ServoHysteresis, 40},
    };
    for (std::uint8_t code = 0; code <= MaxBikeType; ++code) {
        SCOPED_TRACE(testing::Message() << "code " << int(code));
        DefaultSetSelector selector;
        const ConfigImage image = Defaults(code, selector, 0xEE);
        for (const auto &c : constants) {
            EXPECT_EQ(image[c.offset], c.value) << "offset " << c.offset;
        }
        for (std::size_t map : {Offset::Jet14AMap, Offset::Jet23AMap, Offset::JetIapMap}) {
            EXPECT_EQ(Bytes(image, map, MapCells), std::vector<int>(MapCells, 100));
        }
        const bool gear = code == 26;
        EXPECT_EQ(image[Offset::ServoEnable], gear ? 0 : 1);
        EXPECT_EQ(image[Offset::GearDisplay], gear ? 1 : 0);
    }
}

TEST(BikeTypes, ServoCurveComesFromTheServoTableAndAxesFromTheSpeedTable)
{
    const ConfigImage image = Defaults(0);
    // Servo speeds start at 1200 rpm for code 0 only; the map axes keep their own table.
    EXPECT_EQ(Bytes(image, Offset::ServoRpm, 15),
              (std::vector<int>{12, 20, 30, 40, 60, 70, 80, 90, 100, 110, 120, 130, 140, 150, 160}));
    const std::vector<int> axis{10, 20, 30, 40, 50, 55, 60, 65, 70, 75, 80, 90, 100, 110, 120};
    for (std::size_t offset : {Offset::AdvRpm, Offset::Jet14ARpm, Offset::Jet23ARpm, Offset::JetBRpm,
                               Offset::JetIapRpm, Offset::PosARpm, Offset::PosBRpm}) {
        EXPECT_EQ(Bytes(image, offset, 15), axis) << "offset " << offset;
    }
    // mV / 20, truncating: 2450 -> 122.
    EXPECT_EQ(Bytes(image, Offset::ServoVolt, 15),
              (std::vector<int>{100, 105, 110, 115, 120, 122, 125, 127, 130, 132, 135, 137, 140, 142, 145}));
    EXPECT_EQ(Defaults(1)[Offset::ServoRpm], 10);

    // "then 480 twelve times": 2700, 4520, 4520, 480... mV.
    const ConfigImage code22 = Defaults(22);
    EXPECT_EQ(Bytes(code22, Offset::ServoVolt, 15),
              (std::vector<int>{135, 226, 226, 24, 24, 24, 24, 24, 24, 24, 24, 24, 24, 24, 24}));
}

TEST(BikeTypes, Code17ServoSpeedsRiseOnlyAfterNormalisation)
{
    ConfigImage image = Defaults(17);
    EXPECT_EQ(Bytes(image, Offset::ServoRpm, 15),
              (std::vector<int>{3, 4, 41, 46, 65, 60, 75, 83, 90, 105, 120, 130, 140, 150, 160}));
    NormaliseImage(image);
    EXPECT_EQ(Bytes(image, Offset::ServoRpm, 15),
              (std::vector<int>{3, 4, 41, 46, 65, 66, 75, 83, 90, 105, 120, 130, 140, 150, 160}));
}

TEST(BikeTypes, Item22TakesTheFullAdvanceMapAndTheGearDisplay)
{
    const auto code = ComboToBikeType(22);
    ASSERT_EQ(code, 26);
    ConfigImage image = Defaults(*code);
    EXPECT_EQ(image[Offset::ServoEnable], 0);
    EXPECT_EQ(image[Offset::GearDisplay], 1);
    EXPECT_EQ(image[MapCell(Offset::AdvMap, 0, 4)], 82);
    EXPECT_EQ(Bytes(image, MapCell(Offset::AdvMap, 9, 0), 15),
              (std::vector<int>{15, 22, 29, 34, 36, 38, 40, 38, 40, 36, 35, 32, 32, 32, 32}));
    // Map B is zero up to row 4.
    EXPECT_EQ(Bytes(image, Offset::JetBMap, 75), std::vector<int>(75, 0));
    EXPECT_EQ(Bytes(image, MapCell(Offset::JetBMap, 9, 0), 15),
              (std::vector<int>{0, 0, 0, 4, 13, 42, 51, 62, 73, 80, 79, 79, 79, 79, 79}));

    NormaliseImage(image);
    EXPECT_EQ(Bytes(image, MapCell(Offset::AdvMap, 0, 0), 15),
              (std::vector<int>{8, 22, 37, 55, 60, 60, 60, 60, 60, 60, 60, 60, 60, 60, 60}));
    EXPECT_EQ(Bytes(image, MapCell(Offset::AdvMap, 1, 0), 15),
              (std::vector<int>{8, 22, 42, 50, 55, 60, 60, 60, 60, 60, 60, 60, 60, 60, 60}));
    EXPECT_EQ(Bytes(image, MapCell(Offset::AdvMap, 2, 0), 15),
              (std::vector<int>{8, 24, 37, 40, 43, 51, 54, 55, 56, 56, 56, 56, 56, 56, 56}));
    EXPECT_EQ(image[Offset::GearDisplay], 1);
    EXPECT_EQ(image[Offset::ServoEnable], 0);
}

TEST(BikeTypes, OtherTypesRepeatOneAdvanceRow)
{
    const ConfigImage image = Defaults(18);
    const std::vector<int> row{14, 22, 38, 39, 38, 39, 40, 38, 35, 34, 32, 32, 32, 30, 28};
    for (std::size_t r = 0; r < MapRows; ++r) {
        EXPECT_EQ(Bytes(image, MapCell(Offset::AdvMap, r, 0), 15), row) << "row " << r;
    }
}

TEST(BikeTypes, HdVrodDefaults)
{
    const auto code = ComboToBikeType(2);
    ASSERT_EQ(code, 24);
    const ConfigImage image = Defaults(*code);
    EXPECT_EQ(image[Offset::StartInjection], 20);
    EXPECT_EQ(image[Offset::PulsesPerRev], 1);
    EXPECT_EQ(image[Offset::StartLimiter], 70);
    EXPECT_EQ(image[Offset::TypeConstant], 70);
    // Position A "as code 0", but with the references of its own.
    const ConfigImage code0 = Defaults(0);
    EXPECT_EQ(Bytes(image, Offset::PosAValue, 15), Bytes(code0, Offset::PosAValue, 15));
    EXPECT_EQ(image[Offset::PositionARef], 0);
    EXPECT_EQ(code0[Offset::PositionARef], 1);
}

TEST(BikeTypes, Tps100IsStoredAboveItsOffset)
{
    EXPECT_EQ(Defaults(0)[Offset::Tps100Voltage], 153);  // 4030 mV
}

TEST(BikeTypes, PositionsOfSharedAndDerivedTables)
{
    auto positions = [](const ConfigImage &image) {
        std::vector<int> all{image[Offset::PositionARef], image[Offset::PositionBRef]};
        const auto a = Bytes(image, Offset::PosAValue, 15);
        const auto b = Bytes(image, Offset::PosBValue, 15);
        all.insert(all.end(), a.begin(), a.end());
        all.insert(all.end(), b.begin(), b.end());
        return all;
    };
    const auto item20 = positions(Defaults(*ComboToBikeType(20)));
    EXPECT_EQ(item20, positions(Defaults(14)));
    EXPECT_EQ(item20, positions(Defaults(15)));
    EXPECT_EQ(item20[2], 234 / 5);

    // Where B is not listed it equals A; where listed it differs.
    const ConfigImage code16 = Defaults(16);
    EXPECT_EQ(Bytes(code16, Offset::PosAValue, 15),
              (std::vector<int>{110, 110, 110, 74, 74, 74, 74, 74, 74, 74, 74, 74, 74, 74, 74}));
    EXPECT_EQ(Bytes(code16, Offset::PosBValue, 15), Bytes(code16, Offset::PosAValue, 15));
    const ConfigImage code19 = Defaults(19);
    EXPECT_EQ(Bytes(code19, Offset::PosAValue, 15), Bytes(Defaults(7), Offset::PosAValue, 15));
    EXPECT_EQ(Bytes(code19, Offset::PosBValue, 15),
              (std::vector<int>{88, 88, 88, 88, 88, 82, 76, 53, 30, 24, 19, 19, 19, 18, 17}));
    EXPECT_EQ(code19[Offset::PositionBRef], 2);
}

TEST(BikeTypes, DefaultsNeedNoRepairExceptWhereTheTablesAskForIt)
{
    // Codes 17 and 27 carry a falling servo speed, code 26 advances above 60;
    // everything else is already within the limits.
    for (std::uint8_t code = 0; code <= MaxBikeType; ++code) {
        const ConfigImage built = Defaults(code);
        ConfigImage normalised = built;
        NormaliseImage(normalised);
        const bool expectRepair = code == 17 || code == 27 || code == 26;
        EXPECT_EQ(built != normalised, expectRepair) << "code " << int(code);
    }
}

TEST(BikeTypes, CodeAboveListKeepsThePreviousSet)
{
    DefaultSetSelector selector;
    const ConfigImage code18 = Defaults(18, selector);
    const ConfigImage code40 = Defaults(40, selector);

    ConfigImage expected = code18;
    expected[Offset::BikeType] = 40;
    expected[Offset::TypeConstant] = 70;
    expected[Offset::TypeFlag] = 0;
    EXPECT_EQ(code40, expected);
    EXPECT_FALSE(BikeTypeToCombo(40).has_value());

    // Before any valid code the start-up type's set is in force.
    DefaultSetSelector fresh;
    ConfigImage fromStartup = Defaults(200, fresh);
    fromStartup[Offset::BikeType] = 11;
    ApplyTypeSettings(fromStartup);
    EXPECT_EQ(fromStartup, Defaults(11));

    // A code-25 TypeFlag does not survive a switch to an unknown code.
    const ConfigImage code25 = Defaults(25, selector);
    EXPECT_EQ(code25[Offset::TypeFlag], 1);
    EXPECT_EQ(Defaults(29, selector)[Offset::TypeFlag], 0);
}

TEST(BikeTypes, CodeAboveListAfterCode26ReadsItsMapAsOneRow)
{
    DefaultSetSelector selector;
    const ConfigImage code26 = Defaults(26, selector);
    const ConfigImage code30 = Defaults(30, selector);

    const std::vector<int> firstRow{8, 22, 37, 55, 82, 82, 82, 82, 82, 82, 82, 82, 82, 82, 82};
    for (std::size_t r = 0; r < MapRows; ++r) {
        EXPECT_EQ(Bytes(code30, MapCell(Offset::AdvMap, r, 0), 15), firstRow) << "row " << r;
    }
    // The gear display belongs to code 26 itself, not to its tables.
    EXPECT_EQ(code30[Offset::ServoEnable], 1);
    EXPECT_EQ(code30[Offset::GearDisplay], 0);
    // The rest of the code-26 set is used as it stands.
    EXPECT_EQ(Bytes(code30, Offset::ServoRpm, 15), Bytes(code26, Offset::ServoRpm, 15));
    EXPECT_EQ(Bytes(code30, Offset::AdvRpm, 15), Bytes(code26, Offset::AdvRpm, 15));
    EXPECT_EQ(Bytes(code30, Offset::JetBMap, MapCells), Bytes(code26, Offset::JetBMap, MapCells));
    EXPECT_EQ(code30[Offset::BaseAdvance], 15);
    EXPECT_EQ(code30[Offset::TypeConstant], 70);
}

TEST(BikeTypes, TypeSettingsFollowTheCodeAlone)
{
    ConfigImage image;
    image.bytes.fill(0x33);
    const struct {
        std::uint8_t code;
        int flag, constant;
    } cases[] = {{0, 1, 75}, {25, 1, 75}, {16, 0, 75}, {19, 0, 65}, {26, 0, 85},
                 {27, 0, 35}, {18, 0, 50}, {28, 0, 70}, {29, 0, 70}, {255, 0, 70}};
    for (const auto &c : cases) {
        image[Offset::BikeType] = c.code;
        ApplyTypeSettings(image);
        EXPECT_EQ(image[Offset::TypeFlag], c.flag) << int(c.code);
        EXPECT_EQ(image[Offset::TypeConstant], c.constant) << int(c.code);
    }
    ConfigImage untouched;
    untouched.bytes.fill(0x33);
    untouched[Offset::BikeType] = 255;
    untouched[Offset::TypeFlag] = 0;
    untouched[Offset::TypeConstant] = 70;
    EXPECT_EQ(image, untouched);
}

}  // namespace
}  // namespace korvane::model
