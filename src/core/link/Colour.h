#pragma once

namespace korvane::link {

// Colours of status and live-data labels; Normal is the system window face.
enum class Colour { Normal, Red, Yellow, Aqua, Lime, Fuchsia, Blue, White, Black, Desktop, Green };

}  // namespace korvane::link
