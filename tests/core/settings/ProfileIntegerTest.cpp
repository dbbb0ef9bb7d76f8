#include "settings/ProfileInteger.h"

#include <gtest/gtest.h>

#include <string>

namespace korvane::settings {
namespace {

TEST(ProfileInteger, DecimalAndHexWithinThirtyTwoBitsElseTheFallback)
{
    constexpr std::int32_t F = -77;
    const struct {
        const char *text;
        std::int32_t expected;
    } cases[] = {
        {"0", 0},
        {"1011", 1011},
        {"-5", -5},
        {"+12", 12},
        {"007", 7},
        {"0x3", 3},
        {"0X1f", 31},
        {"$FF", 255},
        {"$ff", 255},
        {"-$10", -16},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"0x7FFFFFFF", 2147483647},
        {"2147483648", F},
        {"-2147483649", F},
        {"0x80000000", F},
        {"99999999999999999999", F},
        {"", F},
        {"-", F},
        {"$", F},
        {"0x", F},
        {"abc", F},
        {"12abc", F},
        {"12 ", F},
        {" 12", F},
        {"1.5", F},
        {"$FG", F},
        {"0xx1", F},
        {"--1", F},
        {"٣", F},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ParseProfileInteger(c.text, F), c.expected) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace korvane::settings
