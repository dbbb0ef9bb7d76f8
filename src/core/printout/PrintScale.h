#pragma once

// How large the picture of the window is printed: proportionally, as large
// as the page allows, in printer pixels.

namespace korvane::printout {

struct PrintSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PrintSize &, const PrintSize &) = default;
};

// A picture relatively wider than the page fills the page width, a taller
// one the page height; quotients round to the nearest printer pixel. An
// empty picture or page gives an empty size.
[[nodiscard]] PrintSize FitToPage(int pictureWidth, int pictureHeight, int pageWidth, int pageHeight);

}  // namespace korvane::printout
