#include "maptools/CellColours.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace korvane::maptools {
namespace {

// Cividis at 0, 0.2, 0.4, 0.6, 0.8 and 1.
constexpr std::array<Rgb, 6> Stops{{
    {0, 34, 78},
    {53, 69, 108},
    {102, 105, 112},
    {148, 142, 119},
    {200, 184, 102},
    {254, 232, 56},
}};

std::uint8_t Mix(std::uint8_t a, std::uint8_t b, double f)
{
    return static_cast<std::uint8_t>(std::lround(a + (b - a) * f));
}

double Linear(std::uint8_t channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

std::span<const Rgb> PaletteStops() { return Stops; }

Rgb PaletteColour(double t)
{
    const double position = std::clamp(std::isnan(t) ? 0.0 : t, 0.0, 1.0) * (Stops.size() - 1);
    const std::size_t low = std::min(static_cast<std::size_t>(position), Stops.size() - 2);
    const double f = position - static_cast<double>(low);
    const Rgb &a = Stops[low];
    const Rgb &b = Stops[low + 1];
    return {Mix(a.r, b.r, f), Mix(a.g, b.g, f), Mix(a.b, b.b, f)};
}

Rgb CellColour(SheetId sheet, int value)
{
    const ValueRange range = CellRange(sheet);
    return PaletteColour(static_cast<double>(value - range.min) / (range.max - range.min));
}

Rgb TextColourOn(Rgb background)
{
    return ContrastRatio(background, Black) >= ContrastRatio(background, White) ? Black : White;
}

double RelativeLuminance(Rgb colour)
{
    return 0.2126 * Linear(colour.r) + 0.7152 * Linear(colour.g) + 0.0722 * Linear(colour.b);
}

double ContrastRatio(Rgb a, Rgb b)
{
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace korvane::maptools
