#include "model/ValueLimits.h"

#include "ImageInvariants.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

namespace korvane::model {
namespace {

using test::SatisfiesValueLimits;

constexpr std::array<std::size_t, 8> Axes{Offset::AdvRpm,   Offset::Jet14ARpm, Offset::Jet23ARpm,
                                          Offset::JetBRpm,  Offset::JetIapRpm, Offset::ServoRpm,
                                          Offset::PosARpm,  Offset::PosBRpm};

ConfigImage Filled(std::uint8_t value)
{
    ConfigImage image;
    image.bytes.fill(value);
    return image;
}

ConfigImage Normalised(ConfigImage image)
{
    NormaliseImage(image);
    return image;
}

// Every byte that some rule may change; all others must pass through untouched.
std::vector<bool> GovernedBytes()
{
    std::vector<bool> governed(ImageSize, false);
    for (const std::size_t offset :
         {Offset::StartLimiter, Offset::IgnitionLimiter, Offset::InjectionLimiter, Offset::Tps0Voltage,
          Offset::Tps100Voltage, Offset::StartInjection, Offset::ShiftLight, Offset::N2o1, Offset::N2o2,
          Offset::N2oBuildUp, Offset::N2oDelay, Offset::Retard1, Offset::Retard2, Offset::RetardBuildUp,
          Offset::RetardDelay, Offset::ServoEnable, Offset::GearDisplay}) {
        governed[offset] = true;
    }
    for (std::size_t k = 0; k < StartCorrPoints; ++k) {
        governed[Offset::StartCorrTime + k] = true;
        governed[Offset::StartCorrValue + k] = true;
    }
    for (std::size_t offset = Offset::ServoRpm; offset < Offset::JetIapRpm + CurvePoints; ++offset) {
        governed[offset] = true;
    }
    for (std::size_t offset = Offset::AdvMap; offset < Offset::JetIapMap + MapCells; ++offset) {
        governed[offset] = true;
    }
    return governed;
}

void ExpectRisingFrom(const ConfigImage &image, std::size_t start, std::size_t count, int first)
{
    for (std::size_t i = 0; i < count; ++i) {
        EXPECT_EQ(image[start + i], first + static_cast<int>(i)) << "byte " << start + i;
    }
}

TEST(NormaliseImage, AllZeroImage)
{
    const ConfigImage image = Normalised(Filled(0));
    EXPECT_TRUE(SatisfiesValueLimits(image));

    ConfigImage expected = Filled(0);
    expected[Offset::StartLimiter] = 10;
    expected[Offset::IgnitionLimiter] = 10;
    expected[Offset::InjectionLimiter] = 10;
    expected[Offset::ShiftLight] = 10;
    for (const std::size_t axis : Axes) {
        for (std::size_t i = 0; i < CurvePoints; ++i) {
            expected[axis + i] = static_cast<std::uint8_t>(3 + i);
        }
    }
    for (std::size_t i = 0; i < CurvePoints; ++i) {
        expected[Offset::ServoVolt + i] = 1;
    }
    for (std::size_t k = 0; k < StartCorrPoints; ++k) {
        expected[Offset::StartCorrTime + k] = static_cast<std::uint8_t>(k);
    }
    expected[Offset::N2oBuildUp] = 1;
    expected[Offset::RetardBuildUp] = 1;
    EXPECT_EQ(image, expected);
}

TEST(NormaliseImage, AllOnesImage)
{
    const ConfigImage image = Normalised(Filled(255));
    EXPECT_TRUE(SatisfiesValueLimits(image));

    ConfigImage expected = Filled(255);
    for (const std::size_t offset : {Offset::StartLimiter, Offset::IgnitionLimiter, Offset::InjectionLimiter,
                                     Offset::ShiftLight, Offset::Tps0Voltage, Offset::Tps100Voltage}) {
        expected[offset] = 250;
    }
    for (const std::size_t axis : Axes) {
        for (std::size_t i = 0; i < CurvePoints; ++i) {
            expected[axis + i] = static_cast<std::uint8_t>(236 + i);
        }
    }
    for (std::size_t i = 0; i < CurvePoints; ++i) {
        expected[Offset::ServoVolt + i] = 1;
        expected[Offset::PosAValue + i] = 240;
        expected[Offset::PosBValue + i] = 240;
    }
    for (std::size_t k = 0; k < MapCells; ++k) {
        expected[Offset::AdvMap + k] = 60;
    }
    for (std::size_t offset = Offset::Jet14AMap; offset < Offset::JetIapMap + MapCells; ++offset) {
        expected[offset] = 250;
    }
    for (std::size_t k = 0; k < StartCorrPoints; ++k) {
        expected[Offset::StartCorrTime + k] = static_cast<std::uint8_t>(247 + k);
        expected[Offset::StartCorrValue + k] = 250;
    }
    expected[Offset::StartInjection] = 50;
    expected[Offset::N2o1] = 100;
    expected[Offset::N2o2] = 100;
    expected[Offset::Retard1] = 25;
    expected[Offset::Retard2] = 25;
    for (const std::size_t offset :
         {Offset::N2oBuildUp, Offset::N2oDelay, Offset::RetardBuildUp, Offset::RetardDelay}) {
        expected[offset] = 200;
    }
    expected[Offset::ServoEnable] = 1;
    expected[Offset::GearDisplay] = 0;
    EXPECT_EQ(image, expected);
}

TEST(NormaliseImage, LimitersFollowTheStartLimiterAfterTheirOwnBounds)
{
    ConfigImage image;
    image[Offset::StartLimiter] = 120;
    image[Offset::IgnitionLimiter] = 100;
    image[Offset::InjectionLimiter] = 200;
    NormaliseImage(image);
    EXPECT_EQ(image[Offset::StartLimiter], 120);
    EXPECT_EQ(image[Offset::IgnitionLimiter], 120);
    EXPECT_EQ(image[Offset::InjectionLimiter], 200);

    image[Offset::StartLimiter] = 3;
    image[Offset::IgnitionLimiter] = 5;
    image[Offset::InjectionLimiter] = 251;
    NormaliseImage(image);
    EXPECT_EQ(image[Offset::StartLimiter], 10);
    EXPECT_EQ(image[Offset::IgnitionLimiter], 10);
    EXPECT_EQ(image[Offset::InjectionLimiter], 250);
}

TEST(NormaliseImage, AxesAreBoundedThenMadeStrictlyRising)
{
    for (const std::size_t axis : Axes) {
        ConfigImage flat = Filled(0);
        for (std::size_t i = 0; i < CurvePoints; ++i) {
            flat[axis + i] = 10;
        }
        NormaliseImage(flat);
        ExpectRisingFrom(flat, axis, CurvePoints, 10);

        // Element 0 is raised to 3 by the bounds before the order repair runs.
        ConfigImage low = Filled(0);
        low[axis] = 2;
        low[axis + 1] = 3;
        NormaliseImage(low);
        EXPECT_EQ(low[axis], 3);
        EXPECT_EQ(low[axis + 1], 4);

        // A falling axis: each element is first capped at i + 236.
        ConfigImage falling = Filled(0);
        for (std::size_t i = 0; i < CurvePoints; ++i) {
            falling[axis + i] = static_cast<std::uint8_t>(250 - i);
        }
        NormaliseImage(falling);
        ExpectRisingFrom(falling, axis, CurvePoints, 236);
    }

    // A rising axis already within bounds is kept, gaps included.
    ConfigImage gaps = Filled(0);
    const std::array<std::uint8_t, CurvePoints> axis{5, 9, 20, 30, 40, 50, 60, 70, 80, 90, 100, 120, 140, 180, 250};
    for (std::size_t i = 0; i < CurvePoints; ++i) {
        gaps[Offset::JetBRpm + i] = axis[i];
    }
    NormaliseImage(gaps);
    for (std::size_t i = 0; i < CurvePoints; ++i) {
        EXPECT_EQ(gaps[Offset::JetBRpm + i], axis[i]);
    }
}

TEST(NormaliseImage, ServoVoltOutOfRangeResetsToOne)
{
    ConfigImage image = Filled(0);
    image[Offset::ServoVolt + 0] = 250;
    image[Offset::ServoVolt + 1] = 249;
    image[Offset::ServoVolt + 2] = 0;
    image[Offset::ServoVolt + 3] = 1;
    image[Offset::ServoVolt + 4] = 255;
    image[Offset::ServoVolt + 5] = 120;
    NormaliseImage(image);
    EXPECT_EQ(image[Offset::ServoVolt + 0], 1);
    EXPECT_EQ(image[Offset::ServoVolt + 1], 249);
    EXPECT_EQ(image[Offset::ServoVolt + 2], 1);
    EXPECT_EQ(image[Offset::ServoVolt + 3], 1);
    EXPECT_EQ(image[Offset::ServoVolt + 4], 1);
    EXPECT_EQ(image[Offset::ServoVolt + 5], 120);
}

TEST(NormaliseImage, StartCorrectionTimesRiseFromTheirBounds)
{
    ConfigImage image = Filled(0);
    for (std::size_t k = 0; k < StartCorrPoints; ++k) {
        image[Offset::StartCorrTime + k] = 5;
    }
    NormaliseImage(image);
    ExpectRisingFrom(image, Offset::StartCorrTime, StartCorrPoints, 5);

    image[Offset::StartCorrTime + 0] = 255;
    image[Offset::StartCorrTime + 1] = 10;
    image[Offset::StartCorrTime + 2] = 249;
    image[Offset::StartCorrTime + 3] = 251;
    NormaliseImage(image);
    ExpectRisingFrom(image, Offset::StartCorrTime, StartCorrPoints, 247);
}

TEST(NormaliseImage, NitrousAndRetardOrderAfterTheirCeilings)
{
    ConfigImage image = Filled(0);
    image[Offset::N2o1] = 80;
    image[Offset::N2o2] = 50;
    image[Offset::Retard1] = 20;
    image[Offset::Retard2] = 12;
    NormaliseImage(image);
    EXPECT_EQ(image[Offset::N2o1], 50);
    EXPECT_EQ(image[Offset::N2o2], 50);
    EXPECT_EQ(image[Offset::Retard1], 12);
    EXPECT_EQ(image[Offset::Retard2], 12);

    // The second value is capped first, so the first follows the capped value.
    image[Offset::N2o1] = 200;
    image[Offset::N2o2] = 150;
    image[Offset::Retard1] = 40;
    image[Offset::Retard2] = 30;
    NormaliseImage(image);
    EXPECT_EQ(image[Offset::N2o1], 100);
    EXPECT_EQ(image[Offset::N2o2], 100);
    EXPECT_EQ(image[Offset::Retard1], 25);
    EXPECT_EQ(image[Offset::Retard2], 25);

    image[Offset::N2o1] = 30;
    image[Offset::N2o2] = 150;
    NormaliseImage(image);
    EXPECT_EQ(image[Offset::N2o1], 30);
    EXPECT_EQ(image[Offset::N2o2], 100);
}

TEST(NormaliseImage, ServoAndGearDisplayAreNeverBothSet)
{
    ConfigImage image = Filled(0);
    image[Offset::ServoEnable] = 1;
    image[Offset::GearDisplay] = 1;
    image[Offset::BikeType] = 26;
    NormaliseImage(image);
    EXPECT_EQ(image[Offset::ServoEnable], 0);
    EXPECT_EQ(image[Offset::GearDisplay], 1);

    image[Offset::ServoEnable] = 7;
    image[Offset::GearDisplay] = 2;
    image[Offset::BikeType] = 11;
    NormaliseImage(image);
    EXPECT_EQ(image[Offset::ServoEnable], 1);
    EXPECT_EQ(image[Offset::GearDisplay], 0);

    // Only one set: kept as it is, whatever its value.
    image[Offset::ServoEnable] = 0;
    image[Offset::GearDisplay] = 5;
    NormaliseImage(image);
    EXPECT_EQ(image[Offset::ServoEnable], 0);
    EXPECT_EQ(image[Offset::GearDisplay], 5);
}

TEST(NormaliseImage, ShellValuesAreReplacedOnlyAboveTheirRange)
{
    struct Case {
        std::uint8_t language, port, expectedLanguage, expectedPort;
    };
    for (const Case c : {Case{7, 0, 0, 0}, Case{3, 10, 3, 10}, Case{4, 11, 0, 1}, Case{255, 255, 0, 1},
                         Case{0, 1, 0, 1}}) {
        ConfigImage image = Filled(255);
        std::uint8_t language = c.language;
        std::uint8_t port = c.port;
        NormaliseImage(image, language, port);
        EXPECT_EQ(language, c.expectedLanguage) << int{c.language};
        EXPECT_EQ(port, c.expectedPort) << int{c.port};
        EXPECT_EQ(image, Normalised(Filled(255)));
    }
}

TEST(NormaliseImage, RandomImagesEndValidUnchangedOutsideTheRulesAndStable)
{
    std::mt19937 random(20240611u);
    std::uniform_int_distribution<int> byte(0, 255);
    // Values near both ends hit the bounds and ties far more often than
    // uniform bytes do.
    std::uniform_int_distribution<int> edge(-12, 12);
    const auto skewedByte = [&]() {
        const int offset = edge(random);
        return static_cast<std::uint8_t>(offset >= 0 ? offset : 256 + offset);
    };
    const std::vector<bool> governed = GovernedBytes();

    for (int round = 0; round < 2000; ++round) {
        ConfigImage original;
        const bool skewed = round % 2 == 1;
        for (auto &b : original.bytes) {
            b = skewed && random() % 2 == 0 ? skewedByte() : static_cast<std::uint8_t>(byte(random));
        }
        if (round % 4 == 0) {
            original[Offset::BikeType] = 26;
        }

        ConfigImage once = original;
        std::uint8_t language = static_cast<std::uint8_t>(byte(random));
        std::uint8_t port = static_cast<std::uint8_t>(byte(random));
        NormaliseImage(once, language, port);
        ASSERT_TRUE(SatisfiesValueLimits(once)) << "round " << round;
        ASSERT_LE(language, 3);
        ASSERT_LE(port, 10);

        for (std::size_t offset = 0; offset < ImageSize; ++offset) {
            if (!governed[offset]) {
                ASSERT_EQ(once[offset], original[offset]) << "byte " << offset << " round " << round;
            }
        }

        ConfigImage twice = once;
        std::uint8_t language2 = language;
        std::uint8_t port2 = port;
        NormaliseImage(twice, language2, port2);
        ASSERT_EQ(twice, once) << "round " << round;
        ASSERT_EQ(language2, language);
        ASSERT_EQ(port2, port);

        ASSERT_EQ(Normalised(original), once) << "overloads differ, round " << round;
    }
}

TEST(ImageInvariants, RejectsImagesThatBreakARule)
{
    const ConfigImage valid = Normalised(Filled(0));
    ASSERT_TRUE(SatisfiesValueLimits(valid));

    const auto broken = [&valid](std::size_t offset, std::uint8_t value) {
        ConfigImage image = valid;
        image[offset] = value;
        return SatisfiesValueLimits(image);
    };
    EXPECT_FALSE(broken(Offset::StartLimiter, 9));
    EXPECT_FALSE(broken(Offset::AdvRpm + 3, 5));  // equal to its predecessor
    EXPECT_FALSE(broken(Offset::ServoVolt, 0));
    EXPECT_FALSE(broken(Offset::AdvMap + 149, 61));
    EXPECT_FALSE(broken(Offset::JetIapMap + 149, 251));
    EXPECT_FALSE(broken(Offset::StartCorrTime + 1, 0));
    EXPECT_FALSE(broken(Offset::N2o1, 1));
    EXPECT_FALSE(broken(Offset::RetardBuildUp, 0));
    EXPECT_TRUE(broken(Offset::JetIapMap + 150, 255));  // byte 1150 has no meaning

    ConfigImage both = valid;
    both[Offset::ServoEnable] = 1;
    both[Offset::GearDisplay] = 1;
    EXPECT_FALSE(SatisfiesValueLimits(both));
}

}  // namespace
}  // namespace korvane::model
