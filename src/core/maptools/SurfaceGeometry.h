#pragma once

// The geometry of the 3D map view and of the curve plots, free of any
// toolkit: where a point of the map lands on the screen for a view angle, the
// order in which the surface's quads are painted, and the scales and tick
// steps of the axes.
//
// The model lives in a box: x across the columns (-1 at the first column, +1
// at the last), y into the depth (-DepthRatio at the first row, which is
// nearest the viewer, +DepthRatio at the last) and z up (0 at the bottom of
// the value scale, HeightRatio at its top). The projection is parallel, so
// the surface keeps its proportions whatever the angle.
//
// Screen coordinates here run right and up; the view flips y for pixels.

#include <cstddef>
#include <vector>

namespace korvane::maptools {

// Degrees. Yaw turns the viewer around the map: 0 looks straight along the
// rows from the first row, positive moves the viewer towards the last column.
// Pitch raises the viewer: 0 looks level at the map's edge, 90 from above.
struct ViewAngle {
    int yaw = 0;
    int pitch = 0;
    friend bool operator==(const ViewAngle &, const ViewAngle &) = default;
};

// Beyond these the axis labels would read backwards or the surface would be
// seen edge-on.
inline constexpr int MaxYaw = 80;
inline constexpr int MinPitch = 10;
inline constexpr int MaxPitch = 90;
// From the front left and a little above: rpm runs left to right, the rows
// rise into the depth, and a rising map shows its whole slope.
inline constexpr ViewAngle DefaultViewAngle{-30, 35};

[[nodiscard]] ViewAngle ClampAngle(ViewAngle angle);

inline constexpr double DepthRatio = 0.7;
inline constexpr double HeightRatio = 0.75;

struct Point3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

struct ScreenPoint {
    double right = 0;
    double up = 0;
    double depth = 0;  // along the line of sight; larger is farther
};

[[nodiscard]] ScreenPoint Project(Point3 point, ViewAngle angle);

// The model point of grid vertex (row, column) of a rows x columns grid at
// height fraction (0..1 of the value scale).
[[nodiscard]] Point3 GridPoint(std::size_t rows, std::size_t columns, std::size_t row, std::size_t column,
                               double height);

// A quad of the mesh by its corner of lowest row and column.
struct QuadIndex {
    std::size_t row = 0;
    std::size_t column = 0;
    friend bool operator==(const QuadIndex &, const QuadIndex &) = default;
};

// Every quad of the mesh of a rows x columns grid of vertices, farthest
// first: painted in this order, nearer quads cover farther ones. A height
// field seen from above hides only what lies farther along the ground, so
// the order depends on the angle, not on the values.
[[nodiscard]] std::vector<QuadIndex> FarToNear(std::size_t rows, std::size_t columns, ViewAngle angle);

// Pixel placement of the projection: x = centreX + scale * right,
// y = baseY - scale * up (pixels grow downwards).
struct ScreenFit {
    double scale = 1;
    double centreX = 0;
    double baseY = 0;
    [[nodiscard]] double x(const ScreenPoint &p) const { return centreX + scale * p.right; }
    [[nodiscard]] double y(const ScreenPoint &p) const { return baseY - scale * p.up; }
};

// The largest fit of the model box into the rectangle that does not change
// its size while the map turns (only the pitch changes it).
[[nodiscard]] ScreenFit FitBox(ViewAngle angle, double left, double top, double width, double height);

// A linear axis from low to high with ticks every step; low and high are
// multiples of step.
struct AxisScale {
    double low = 0;
    double high = 1;
    double step = 1;
    friend bool operator==(const AxisScale &, const AxisScale &) = default;
};

// The smallest step of 1, 2 or 5 times a power of ten that divides span into
// at most maxIntervals parts.
[[nodiscard]] double NiceStep(double span, int maxIntervals);
// A scale with a nice step that covers low..high in at most maxIntervals
// steps. A single value gets a scale of one step around it.
[[nodiscard]] AxisScale NiceScale(double low, double high, int maxIntervals);
// low, low + step, ..., high.
[[nodiscard]] std::vector<double> TickValues(const AxisScale &scale);
// value on the scale placed between pixel positions atLow and atHigh.
[[nodiscard]] double ToPixel(const AxisScale &scale, double value, double atLow, double atHigh);

}  // namespace korvane::maptools
