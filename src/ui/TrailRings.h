#pragma once

// The trail of the live marker on the map grid: a fading ring around each
// cell the marker visited in the last seconds. The ring lies in the gap
// around the cell's editor and is painted by the grid's own background, so
// the green fill of the marked cell and the values stay as they are, and no
// editor repaints for it.
//
// Ages come in buckets of one second: 0 the newest and darkest, 4 the
// faintest; darkness alone tells the age, in greyscale as well.

#include <QRect>
#include <QRegion>

#include <array>
#include <cstdint>

class QPainter;

namespace korvane::ui {

inline constexpr int TrailBuckets = 5;
inline constexpr int TrailRingWidth = 2;
inline constexpr std::uint8_t NoTrail = 0xFF;
using TrailAges = std::array<std::uint8_t, 150>;  // row by row; NoTrail or 0..TrailBuckets - 1

// The ring around an editor's rectangle, as a region to repaint.
[[nodiscard]] QRegion TrailRingRegion(const QRect &editor);
void PaintTrailRing(QPainter &painter, const QRect &editor, std::uint8_t bucket);

}  // namespace korvane::ui
