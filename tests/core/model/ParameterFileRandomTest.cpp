// Feeds random and mangled files to the parameter file and snapshot readers:
// nothing may crash, bytes the file does not carry must stay, and the
// normalised result must always satisfy the value limits.

#include "model/ParameterFile.h"
#include "model/Snapshot.h"
#include "model/ValueLimits.h"

#include "FileLayout.h"
#include "ImageInvariants.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

namespace korvane::model {
namespace {

constexpr std::array<std::string_view, 46> Words{
    "TREMOLAX_KEY", "BIKE",        "LIMITER",    "RPM",        "EXT_MON",      "BASE_ADV",    "IAP_TO_TPS",
    "MODE",         "ACT_BLOK",    "ACT_CLUTCH", "ACT_LIM1",   "ACT_RPM",      "ACT_N2O",     "RPM_IGN",
    "RPM_IGN_1",    "IGN",         "IGN_1",      "RPM_JET_14A", "JET_14A",     "RPM_JET_23A", "JET_23A",
    "RPM_JET_B",    "JET_B",       "RPM_JET_IAP", "JET_IAP",    "POSITION_A",   "POSITION_B",  "TPS",
    "ACCEL",        "START_JET",   "COOLING",    "WATER_TEMP", "AIR_TEMP",     "CHOKE",       "SERVO_ENABLE",
    "SERVO_HYSTER", "RPM_SERVO",   "VOLT_SERVO", "CLUTCH",     "PILOT_LIGHT",  "N2O",         "RETARD",
    "DISPLAY",      "TUNING",      "35",         "abc"};

class Fuzzer {
public:
    explicit Fuzzer(unsigned seed) : m_random(seed) {}

    std::size_t below(std::size_t n) { return n == 0 ? 0 : m_random() % n; }
    std::uint8_t byte() { return static_cast<std::uint8_t>(m_random()); }

    ConfigImage randomImage()
    {
        ConfigImage image;
        for (auto &b : image.bytes) {
            b = byte();
        }
        return image;
    }

    std::string validFile()
    {
        ConfigImage image = randomImage();
        NormaliseImage(image);
        std::ostringstream out(std::ios::binary);
        WriteParameterFile(out, image, (m_random() & 1) != 0);
        return out.str();
    }

    std::string randomBytes()
    {
        std::string text(below(3000), '\0');
        for (char &c : text) {
            c = static_cast<char>(byte());
        }
        return text;
    }

    // Keys, numbers of every kind and junk, after a valid version key.
    std::string tokenSoup()
    {
        std::string text = "TREMOLAX_KEY 35\n";
        const std::size_t count = below(400);
        for (std::size_t i = 0; i < count; ++i) {
            text += token();
            text += " \t\r\n"[below(4)];
        }
        return text;
    }

    std::string mutate(std::string text)
    {
        const std::size_t rounds = 1 + below(5);
        for (std::size_t r = 0; r < rounds; ++r) {
            const std::size_t at = below(text.size() + 1);
            switch (below(7)) {
            case 0:  // flip bytes
                for (std::size_t k = below(20); k > 0 && !text.empty(); --k) {
                    text[below(text.size())] = static_cast<char>(byte());
                }
                break;
            case 1:
                text.resize(at);
                break;
            case 2:
                text.erase(at, below(500));
                break;
            case 3: {
                const std::size_t from = below(text.size() + 1);
                text.insert(at, text.substr(from, below(2000)));
                break;
            }
            default:
                text.insert(at, std::string(1, ' ').append(token()).append(1, ' '));
                break;
            }
        }
        return text;
    }

private:
    std::string token()
    {
        switch (below(8)) {
        case 0:
            return std::string(Words[below(Words.size())]);
        case 1:
            return std::to_string(static_cast<int>(m_random() % 200000) - 100000);
        case 2:  // very long digit strings, sometimes signed
            return std::string(below(2) != 0 ? "-" : "") + std::string(1 + below(3000), static_cast<char>('0' + below(10)));
        case 3:  // huge words
            return std::string(1 + below(20000), below(2) != 0 ? 'K' : '7');
        case 4: {
            static constexpr std::array<std::string_view, 8> Junk{"-", "+", "--5", "12x", "0x10", "1e3", "+-1", "\x01"};
            return std::string(Junk[below(Junk.size())]);
        }
        case 5:
            return std::string(Words[below(Words.size())]) + std::string(300, 'Q');
        default:
            return std::to_string(below(70000));
        }
    }

    std::mt19937 m_random;
};

void CheckParameterReader(const std::string &text, Fuzzer &fuzzer)
{
    const ConfigImage before = fuzzer.randomImage();
    ConfigImage image = before;
    const bool extBefore = (fuzzer.byte() & 1) != 0;
    bool extMonitor = extBefore;

    std::istringstream in(text, std::ios::binary);
    const bool matched = ReadParameterFile(in, image, extMonitor);
    if (!matched) {
        ASSERT_EQ(image, before);
        ASSERT_EQ(extMonitor, extBefore);
    }
    for (std::size_t offset = 0; offset < ImageSize; ++offset) {
        if (!test::CarriedByFile(offset)) {
            ASSERT_EQ(image[offset], before[offset]) << "byte " << offset << " changed";
        }
    }
    NormaliseImage(image);
    ASSERT_TRUE(test::SatisfiesValueLimits(image));
}

void CheckSnapshotReader(const std::string &text, Fuzzer &fuzzer)
{
    ConfigImage image = fuzzer.randomImage();
    AllFlags flags{};
    std::istringstream in(text, std::ios::binary);
    ASSERT_LE(ReadSnapshot(in, image, flags), ImageSize + flags.size());
    NormaliseImage(image);
    ASSERT_TRUE(test::SatisfiesValueLimits(image));
}

TEST(ParameterFileRandom, ReadersSurviveMangledInputAndKeepTheLimits)
{
    Fuzzer fuzzer(20240601);
    std::string valid = fuzzer.validFile();
    std::size_t accepted = 0;
    for (int i = 0; i < 3000; ++i) {
        if (i % 100 == 0) {
            valid = fuzzer.validFile();
        }
        std::string text;
        switch (i % 4) {
        case 0: text = fuzzer.randomBytes(); break;
        case 1: text = fuzzer.tokenSoup(); break;
        default: text = fuzzer.mutate(valid); break;
        }
        ASSERT_NO_FATAL_FAILURE(CheckParameterReader(text, fuzzer)) << "case " << i;
        ASSERT_NO_FATAL_FAILURE(CheckSnapshotReader(text, fuzzer)) << "case " << i;

        ConfigImage probe{};
        bool ext = false;
        std::istringstream in(text, std::ios::binary);
        accepted += ReadParameterFile(in, probe, ext) ? 1 : 0;
    }
    // The mangled files must mostly still be read, or the body is not exercised.
    EXPECT_GT(accepted, 1000u);
}

}  // namespace
}  // namespace korvane::model
