#pragma once

// Whether a window rectangle stored by an earlier run can be used again: it
// must be of a workable size and show enough of itself on one of the screens
// present now (a screen unplugged since would leave the window out of reach).

#include <cstdint>
#include <span>

namespace korvane::settings {

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

inline constexpr std::int32_t MinimumWindowWidth = 320;
inline constexpr std::int32_t MinimumWindowHeight = 240;
// A piece of this size on a screen is enough to grab and move the window.
inline constexpr std::int32_t MinimumVisibleWidth = 64;
inline constexpr std::int32_t MinimumVisibleHeight = 32;

[[nodiscard]] bool IsUsableWindowRect(const Rect &stored, std::span<const Rect> screens);

}  // namespace korvane::settings
