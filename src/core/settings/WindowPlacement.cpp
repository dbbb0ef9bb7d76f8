#include "settings/WindowPlacement.h"

#include <algorithm>

namespace korvane::settings {

namespace {

// Length of the overlap of [a, a + aLength) and [b, b + bLength); 64-bit, as
// stored numbers may be anything up to the 32-bit limits.
std::int64_t Overlap(std::int64_t a, std::int64_t aLength, std::int64_t b, std::int64_t bLength)
{
    return std::min(a + aLength, b + bLength) - std::max(a, b);
}

}  // namespace

bool IsUsableWindowRect(const Rect &stored, std::span<const Rect> screens)
{
    if (stored.width < MinimumWindowWidth || stored.height < MinimumWindowHeight) {
        return false;
    }
    return std::any_of(screens.begin(), screens.end(), [&](const Rect &screen) {
        return Overlap(stored.left, stored.width, screen.left, screen.width) >= MinimumVisibleWidth &&
               Overlap(stored.top, stored.height, screen.top, screen.height) >= MinimumVisibleHeight;
    });
}

}  // namespace korvane::settings
