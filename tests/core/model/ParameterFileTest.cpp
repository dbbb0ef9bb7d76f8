#include "model/ParameterFile.h"

#include "model/BikeTypes.h"
#include "model/ValueLimits.h"

#include "FileLayout.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace korvane::model {
namespace {

constexpr const char *Version = "TREMOLAX_KEY 35\r\n";

using test::CarriedByFile;

bool Read(const std::string &text, ConfigImage &image, bool &extMonitor)
{
    std::istringstream in(text, std::ios::binary);
    return ReadParameterFile(in, image, extMonitor);
}

std::string Write(const ConfigImage &image, bool extMonitor)
{
    std::ostringstream out(std::ios::binary);
    WriteParameterFile(out, image, extMonitor);
    return out.str();
}

ConfigImage RandomImage(std::mt19937 &random)
{
    ConfigImage image;
    for (auto &byte : image.bytes) {
        byte = static_cast<std::uint8_t>(random());
    }
    return image;
}

ConfigImage DefaultImage11()
{
    ConfigImage image{};
    image[Offset::BikeType] = StartupBikeType;
    DefaultSetSelector selector;
    BuildDefaults(image, selector);
    NormaliseImage(image);
    return image;
}

// ------------------------------------------------------------------ layout

TEST(ParameterFileWrite, DefaultFileMatchesHandCheckedFileByteForByte)
{
    const std::string expected = test::ReadWholeFile(KORVANE_TEST_DATA_DIR "/bike11-default.ign");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(Write(DefaultImage11(), false), expected);
}

TEST(ParameterFileWrite, LineLayoutOfSignedFlagAndMapItems)
{
    ConfigImage image = DefaultImage11();
    image[Offset::RpmCorrection] = 80;  // -20
    image[Offset::AccelThreshold] = 10;
    image[Offset::AccelSize] = 10;
    image[Offset::ActFallSensor] = 7;   // any non-zero byte is a set flag
    image[Offset::BlockingEnable] = 1;
    image[Offset::N2oEnable] = 1;
    image[Offset::GearDisplay] = 2;
    const std::string text = Write(image, true);

    EXPECT_EQ(text.rfind("TREMOLAX_KEY    35 \r\n\r\nBIKE         ", 0), 0u);
    EXPECT_NE(text.find("\r\nRPM              1   -20 \r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nEXT_MON          1\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nACCEL          100   500 \r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nACT_BLOK         1     1\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nN2O              1    20 "), std::string::npos);
    EXPECT_NE(text.find("\r\nDISPLAY          0    1\r\n\r\nTUNING       "), std::string::npos);
    EXPECT_NE(text.find("\r\nACT_N2O          1\r\n\r\nRPM_IGN       1000 "), std::string::npos);
    EXPECT_NE(text.find("\r\n             \r\nRPM_JET_14A   "), std::string::npos);
    EXPECT_NE(text.find("\r\n             \r\nPOSITION_A    "), std::string::npos);
    EXPECT_NE(text.find(" 110 \r\n\r\nSERVO_ENABLE     1\r\nSERVO_HYSTER   200 "), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 6), " 1000 ") << "no line break after the last value";
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ASSERT_EQ(text[i - 1], '\r') << "bare LF at " << i;
        }
    }
}

// -------------------------------------------------------------- round trip

TEST(ParameterFileRoundTrip, RestoresEveryCarriedFieldAndNothingElse)
{
    std::mt19937 random(1234);
    const std::vector<std::size_t> flags{Offset::ActTachoLambda, Offset::ServoEnable, Offset::BlockingEnable,
                                         Offset::N2oEnable,      Offset::ActFallSensor, Offset::ActClutch,
                                         Offset::ActN2o,         Offset::ActStartLimiter, Offset::GearDisplay,
                                         Offset::TempDisplay};
    for (int round = 0; round < 200; ++round) {
        ConfigImage source = RandomImage(random);
        NormaliseImage(source);
        for (const std::size_t flag : flags) {
            source[flag] = source[flag] != 0 ? 1 : 0;  // the file carries flags as 0 or 1
        }
        const bool extMonitor = (random() & 1) != 0;

        const ConfigImage before = RandomImage(random);
        ConfigImage target = before;
        bool readExtMonitor = !extMonitor;
        ASSERT_TRUE(Read(Write(source, extMonitor), target, readExtMonitor));

        EXPECT_EQ(readExtMonitor, extMonitor);
        for (std::size_t offset = 0; offset < ImageSize; ++offset) {
            const std::uint8_t expected = CarriedByFile(offset) ? source[offset] : before[offset];
            ASSERT_EQ(int{target[offset]}, int{expected}) << "byte " << offset << " in round " << round;
        }
    }
}

// -------------------------------------------------------------- version key

TEST(ParameterFileRead, VersionKeyIsSearchedForAnywhereInTheFile)
{
    const ConfigImage start = DefaultImage11();
    struct Case {
        const char *text;
        bool accepted;
    };
    const Case cases[] = {
        {"comment words 35 first\r\nTREMOLAX_KEY 35 BIKE 7", true},
        {"TREMOLAX_KEY 34 BIKE 3 TREMOLAX_KEY 35 BIKE 7", true},
        {"TREMOLAX_KEY TREMOLAX_KEY 35 BIKE 7", true},       // a non-number is searched on
        {"TREMOLAX_KEY 65571 BIKE 7", true},                 // 35 modulo 65536
        {"TREMOLAX_KEY\t\n 35\n\nBIKE\n7", true},
        {"TREMOLAX_KEY 34 BIKE 7", false},
        {"tremolax_key 35 BIKE 7", false},
        {"TREMOLAX_KEYS 35 BIKE 7", false},
        {"TREMOLAX_KEY 35x BIKE 7", false},
        {"BIKE 7 EXT_MON 1", false},
        {"TREMOLAX_KEY", false},
        {"", false},
    };
    for (const Case &c : cases) {
        ConfigImage image = start;
        bool extMonitor = false;
        EXPECT_EQ(Read(c.text, image, extMonitor), c.accepted) << c.text;
        if (c.accepted) {
            EXPECT_EQ(image[Offset::BikeType], 7) << c.text;
        } else {
            EXPECT_EQ(image, start) << c.text;
            EXPECT_FALSE(extMonitor) << c.text;
        }
    }
}

TEST(ParameterFileRead, OnlyTheKeysPresentChangeTheImage)
{
    const ConfigImage start = DefaultImage11();
    ConfigImage image = start;
    bool extMonitor = true;
    ASSERT_TRUE(Read(std::string(Version) + "BIKE 7", image, extMonitor));
    ConfigImage expected = start;
    expected[Offset::BikeType] = 7;
    EXPECT_EQ(image, expected);
    EXPECT_TRUE(extMonitor) << "EXT_MON absent: the check box keeps its state";
}

// ------------------------------------------------------------ value rules

TEST(ParameterFileRead, ScalesOffsetsAndWrapAround)
{
    ConfigImage image = DefaultImage11();
    bool extMonitor = true;
    ASSERT_TRUE(Read(std::string(Version) +
                         "RPM 1 -20\r\nTPS 300 4900\r\nACCEL 100 500\r\nLIMITER 30000 9000 9000\r\n"
                         "CHOKE 1 2 3 4 150 100 355 99\r\nEXT_MON 65536\r\nBIKE -1\r\nCOOLING 65578",
                     image, extMonitor));
    EXPECT_EQ(image[Offset::PulsesPerRev], 1);
    EXPECT_EQ(image[Offset::RpmCorrection], 80);
    EXPECT_EQ(image[Offset::Tps0Voltage], 30);
    EXPECT_EQ(image[Offset::Tps100Voltage], 240);
    EXPECT_EQ(image[Offset::AccelThreshold], 10);
    EXPECT_EQ(image[Offset::AccelSize], 10);
    EXPECT_EQ(image[Offset::StartLimiter], 44);  // 300 modulo 256
    EXPECT_EQ(image[Offset::IgnitionLimiter], 90);
    EXPECT_EQ(image[Offset::InjectionLimiter], 90);
    EXPECT_EQ(image[Offset::StartCorrValue + 0], 50);
    EXPECT_EQ(image[Offset::StartCorrValue + 1], 0);
    EXPECT_EQ(image[Offset::StartCorrValue + 2], 255);
    EXPECT_EQ(image[Offset::StartCorrValue + 3], 255);  // 99 - 100
    EXPECT_FALSE(extMonitor) << "65536 is 0 modulo 65536";
    EXPECT_EQ(image[Offset::BikeType], 255) << "-1 is 65535";
    EXPECT_EQ(image[Offset::WarningTemp], 42) << "65578 is 42 modulo 65536";

    NormaliseImage(image);
    EXPECT_EQ(image[Offset::StartLimiter], 44);

    ASSERT_TRUE(Read(std::string(Version) + "TPS 300 2500", image, extMonitor));
    EXPECT_EQ(image[Offset::Tps100Voltage], 0);

    const std::string text = Write(image, false);
    EXPECT_NE(text.find("\r\nACCEL          100   500 \r\n"), std::string::npos);
}

TEST(ParameterFileRead, KeysInAnyOrderRepeatedAliasedAndMapsBrokenAnywhere)
{
    ConfigImage image = DefaultImage11();
    bool extMonitor = false;
    std::string text = std::string(Version) + "BIKE 3 unknown 99 words BIKE 4 bike 9\nIGN_1";
    for (int k = 0; k < 150; ++k) {
        text += k % 7 == 0 ? '\n' : ' ';
        text += std::to_string(k % 61);
    }
    text += "\nRPM_IGN_1 1000 2000\n3000 4000 5000 6000 7000 8000 9000 10000 11000 12000 13000 14000 15000";
    text += "\nRPM_JET_B 100 200 300 400 500 600 700 800 900 1000 1100 1200 1300 1400 1599";
    ASSERT_TRUE(Read(text, image, extMonitor));

    EXPECT_EQ(image[Offset::BikeType], 4) << "the last BIKE wins; lower case is no key";
    for (int k = 0; k < 150; ++k) {
        ASSERT_EQ(image[Offset::AdvMap + k], k % 61) << k;
    }
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(image[Offset::AdvRpm + i], 10 * (i + 1));
        EXPECT_EQ(image[Offset::JetBRpm + i], i + 1) << "1599 / 100 truncates to 15";
    }
}

// ------------------------------------------------------------- bad input

TEST(ParameterFileRead, NonNumberLeavesTheRestOfTheKeyAndIsReadAsTheNextWord)
{
    const ConfigImage start = DefaultImage11();
    ConfigImage image = start;
    bool extMonitor = false;
    ASSERT_TRUE(Read(std::string(Version) + "LIMITER 5000 abc 7000 TPS 200 BIKE 9 12x RPM - 3 +4", image,
                     extMonitor));
    EXPECT_EQ(image[Offset::StartLimiter], 50);
    EXPECT_EQ(image[Offset::IgnitionLimiter], start[Offset::IgnitionLimiter]);
    EXPECT_EQ(image[Offset::InjectionLimiter], start[Offset::InjectionLimiter]);
    EXPECT_EQ(image[Offset::Tps0Voltage], 20);
    EXPECT_EQ(image[Offset::Tps100Voltage], start[Offset::Tps100Voltage]) << "BIKE is read as the next key";
    EXPECT_EQ(image[Offset::BikeType], 9);
    EXPECT_EQ(image[Offset::PulsesPerRev], start[Offset::PulsesPerRev]) << "a lone minus is no number";
    EXPECT_EQ(image[Offset::RpmCorrection], start[Offset::RpmCorrection]);
}

TEST(ParameterFileRead, FileEndingInsideAKeyKeepsTheValuesReadSoFar)
{
    const ConfigImage start = DefaultImage11();
    ConfigImage image = start;
    bool extMonitor = false;
    ASSERT_TRUE(Read(std::string(Version) + "JET_B 1 2 3", image, extMonitor));
    EXPECT_EQ(image[Offset::JetBMap + 0], 1);
    EXPECT_EQ(image[Offset::JetBMap + 2], 3);
    EXPECT_EQ(image[Offset::JetBMap + 3], start[Offset::JetBMap + 3]);
    EXPECT_EQ(image[Offset::JetBMap + 149], start[Offset::JetBMap + 149]);
}

TEST(ParameterFileRead, OverlongWordsMatchNoKeyAndLongNumbersKeepTheirLowBits)
{
    const ConfigImage start = DefaultImage11();
    ConfigImage image = start;
    bool extMonitor = false;
    const std::string overlongKey = "BIKE" + std::string(400, ' ' + 1);  // "BIKE!!!..."
    const std::string hugeWord(2'000'000, 'x');
    const std::string zeros(5000, '0');
    ASSERT_TRUE(Read(std::string(Version) + hugeWord + " " + overlongKey + " 5 COOLING " + zeros + "65578 START_JET -" +
                         zeros + "1 MODE " + std::string(300, '9'),
                     image, extMonitor));
    EXPECT_EQ(image[Offset::BikeType], start[Offset::BikeType]);
    EXPECT_EQ(image[Offset::WarningTemp], 42);
    EXPECT_EQ(image[Offset::StartInjection], 255);
    // 10^300 - 1 is 65535 modulo 65536 (10^300 is a multiple of 2^16).
    EXPECT_EQ(image[Offset::JetMode], 255);

    ConfigImage untouched = start;
    EXPECT_FALSE(Read("TREMOLAX_KEY" + std::string(300, 'Y') + " 35 BIKE 1", untouched, extMonitor));
    EXPECT_EQ(untouched, start);
}

}  // namespace
}  // namespace korvane::model
