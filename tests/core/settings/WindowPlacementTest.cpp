#include "settings/WindowPlacement.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace korvane::settings {
namespace {

TEST(WindowPlacement, AStoredRectMustBeWorkableAndReachable)
{
    constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
    const std::array<Rect, 2> screens{{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}}};
    const struct {
        Rect rect;
        bool usable;
    } cases[] = {
        {{454, 139, 1011, 801}, true},
        {{2000, 100, 1011, 801}, true},       // on the second screen
        {{-900, -700, 1011, 801}, true},      // a corner in view
        {{-960, -780, 1011, 801}, false},     // 51 x 21 pixels in view
        {{3200, 0, 1011, 801}, false},        // right of every screen
        {{0, 1080, 1011, 801}, false},        // below the first screen
        {{100, 100, 319, 801}, false},        // too narrow
        {{100, 100, 1011, 239}, false},       // too low
        {{100, 100, 0, 0}, false},
        {{100, 100, -1011, 801}, false},
        {{Max, Max, Max, Max}, false},
        {{Min, Min, Max, Max}, false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(IsUsableWindowRect(c.rect, screens), c.usable)
            << c.rect.left << ',' << c.rect.top << ' ' << c.rect.width << 'x' << c.rect.height;
    }
    EXPECT_FALSE(IsUsableWindowRect({0, 0, 1011, 801}, {})) << "no screen at all";
}

}  // namespace
}  // namespace korvane::settings
