#include "SimOptions.h"

#include <gtest/gtest.h>

namespace korvane::unitsim {
namespace {

TEST(SimOptions, ParsesEverySwitch)
{
    const auto parsed = ParseCommandLine({"--link", "/tmp/x", "--path-file=/tmp/p", "--exit-after-seconds", "2.5",
                                          "--image", "img.bin", "--never-answer", "--answer-late", "250",
                                          "--corrupt-every", "3", "--bad-echo", "--layout-version", "34",
                                          "--out-of-limits", "--short-burst", "--disappear-after", "5", "--quiet",
                                          "--saving-ms", "1500", "--firmware-text", "Bench"});
    ASSERT_TRUE(parsed.error.empty()) << parsed.error;
    const SimOptions &o = parsed.options;
    EXPECT_EQ(o.linkPath, "/tmp/x");
    EXPECT_EQ(o.pathFile, "/tmp/p");
    EXPECT_DOUBLE_EQ(o.exitAfterSeconds.value_or(0), 2.5);
    EXPECT_EQ(o.imagePath, "img.bin");
    EXPECT_TRUE(o.faults.neverAnswer);
    EXPECT_EQ(o.faults.answerLateMs, 250u);
    EXPECT_EQ(o.faults.corruptEvery, 3u);
    EXPECT_TRUE(o.faults.badEcho);
    EXPECT_EQ(o.layoutVersion, 34);
    EXPECT_TRUE(o.outOfLimits);
    EXPECT_TRUE(o.faults.shortBurst);
    EXPECT_EQ(o.faults.disappearAfter, 5u);
    EXPECT_TRUE(o.quiet);
    EXPECT_EQ(o.savingMs, 1500u);
    EXPECT_EQ(o.firmwareText, "Bench");
    EXPECT_FALSE(parsed.help);
}

TEST(SimOptions, DefaultsAreAWellBehavedUnit)
{
    const auto parsed = ParseCommandLine({});
    ASSERT_TRUE(parsed.error.empty());
    EXPECT_FALSE(parsed.options.faults.neverAnswer);
    EXPECT_EQ(parsed.options.faults.corruptEvery, 0u);
    EXPECT_EQ(parsed.options.faults.disappearAfter, 0u);
    EXPECT_FALSE(parsed.options.layoutVersion);
    EXPECT_EQ(parsed.options.savingMs, DefaultSavingMs);
}

TEST(SimOptions, RejectsBadUsage)
{
    const std::vector<std::vector<std::string>> bad = {
        {"--bogus"},
        {"stray"},
        {"--link"},
        {"--answer-late", "-5"},
        {"--answer-late", "12ms"},
        {"--corrupt-every", "0"},
        {"--disappear-after", "0"},
        {"--layout-version", "256"},
        {"--exit-after-seconds", "0"},
        {"--exit-after-seconds", "soon"},
        {"--never-answer=yes"},
        {"--firmware-text", std::string(31, 'x')},
    };
    for (const auto &arguments : bad) {
        EXPECT_FALSE(ParseCommandLine(arguments).error.empty()) << arguments.front();
    }
}

TEST(SimOptions, HelpWinsAndDocumentsEveryFault)
{
    EXPECT_TRUE(ParseCommandLine({"--quiet", "--help", "--bogus"}).help);
    EXPECT_TRUE(ParseCommandLine({"--quiet", "--version", "--bogus"}).version);
    const std::string help = HelpText();
    for (const char *option : {"--never-answer", "--answer-late", "--corrupt-every", "--bad-echo",
                               "--layout-version", "--out-of-limits", "--short-burst", "--disappear-after",
                               "--link", "--path-file", "--exit-after-seconds", "--image", "--quiet",
                               "--saving-ms", "--version"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
}

}  // namespace
}  // namespace korvane::unitsim
