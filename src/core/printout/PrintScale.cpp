#include "printout/PrintScale.h"

#include <cstdint>

namespace korvane::printout {

namespace {

// a * b / c rounded to nearest, for positive values; 64-bit so that a
// 1200 dpi page times a large picture cannot overflow.
int ScaledRounded(int a, int b, int c)
{
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    return static_cast<int>((product + c / 2) / c);
}

}  // namespace

PrintSize FitToPage(int pictureWidth, int pictureHeight, int pageWidth, int pageHeight)
{
    if (pictureWidth <= 0 || pictureHeight <= 0 || pageWidth <= 0 || pageHeight <= 0)
        return {};
    const int widthAtPageHeight = ScaledRounded(pictureWidth, pageHeight, pictureHeight);
    if (widthAtPageHeight < pageWidth)
        return {widthAtPageHeight, pageHeight};
    return {pageWidth, ScaledRounded(pictureHeight, pageWidth, pictureWidth)};
}

}  // namespace korvane::printout
