#pragma once

// Colour grading of table cells by value. The palette is cividis: a
// sequential blue-to-yellow scale whose lightness rises steadily, so it reads
// the same with the common red-green deficiencies and in greyscale. It spans
// the fixed range of each table's editors (advance 0..60, injection 0..250,
// Inj-B 0..100, positions 0..720, servo 20..4980), not the values present, so
// a colour means the same value on every visit. The text on a cell is black or
// white, whichever contrasts more; either way at least 4.5:1 (WCAG 2).

#include "maptools/Sheets.h"

#include <cstdint>
#include <span>

namespace korvane::maptools {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb White{255, 255, 255};

// The stops of the palette, low end first; colours between them are linear.
[[nodiscard]] std::span<const Rgb> PaletteStops();
// The palette at fraction t of its length (clamped to 0..1).
[[nodiscard]] Rgb PaletteColour(double t);

// The background of a cell of sheet holding value (editor units).
[[nodiscard]] Rgb CellColour(SheetId sheet, int value);
// Black or white, whichever contrasts more with background.
[[nodiscard]] Rgb TextColourOn(Rgb background);

// WCAG 2 relative luminance (0..1) and contrast ratio (1..21).
[[nodiscard]] double RelativeLuminance(Rgb colour);
[[nodiscard]] double ContrastRatio(Rgb a, Rgb b);

}  // namespace korvane::maptools
