#include "maptools/SurfaceGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace korvane::maptools {
namespace {

double Radians(int degrees) { return degrees * std::numbers::pi / 180.0; }

// Distance from the viewer along the ground only: what decides which quad of
// a height field can hide which.
double GroundDepth(double x, double y, ViewAngle angle)
{
    const double yaw = Radians(angle.yaw);
    return -x * std::sin(yaw) + y * std::cos(yaw);
}

double Position(std::size_t index, std::size_t count)
{
    return count < 2 ? 0.0 : -1.0 + 2.0 * static_cast<double>(index) / static_cast<double>(count - 1);
}

}  // namespace

ViewAngle ClampAngle(ViewAngle angle)
{
    return {std::clamp(angle.yaw, -MaxYaw, MaxYaw), std::clamp(angle.pitch, MinPitch, MaxPitch)};
}

ScreenPoint Project(Point3 point, ViewAngle angle)
{
    const double yaw = Radians(angle.yaw);
    const double pitch = Radians(angle.pitch);
    const double right = point.x * std::cos(yaw) + point.y * std::sin(yaw);
    const double ground = GroundDepth(point.x, point.y, angle);
    return {right, point.z * std::cos(pitch) + ground * std::sin(pitch),
            ground * std::cos(pitch) - point.z * std::sin(pitch)};
}

Point3 GridPoint(std::size_t rows, std::size_t columns, std::size_t row, std::size_t column, double height)
{
    return {Position(column, columns), Position(row, rows) * DepthRatio, height * HeightRatio};
}

std::vector<QuadIndex> FarToNear(std::size_t rows, std::size_t columns, ViewAngle angle)
{
    struct Keyed {
        double depth;
        QuadIndex quad;
    };
    std::vector<Keyed> keyed;
    if (rows < 2 || columns < 2)
        return {};
    keyed.reserve((rows - 1) * (columns - 1));
    for (std::size_t r = 0; r + 1 < rows; ++r) {
        for (std::size_t c = 0; c + 1 < columns; ++c) {
            const Point3 a = GridPoint(rows, columns, r, c, 0);
            const Point3 b = GridPoint(rows, columns, r + 1, c + 1, 0);
            keyed.push_back({GroundDepth((a.x + b.x) / 2, (a.y + b.y) / 2, angle), {r, c}});
        }
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed &l, const Keyed &r) { return l.depth > r.depth; });
    std::vector<QuadIndex> order;
    order.reserve(keyed.size());
    for (const Keyed &k : keyed)
        order.push_back(k.quad);
    return order;
}

ScreenFit FitBox(ViewAngle angle, double left, double top, double width, double height)
{
    // The box's ground lies within this circle, so turning never grows it.
    const double radius = std::hypot(1.0, DepthRatio);
    const double pitch = Radians(angle.pitch);
    const double above = radius * std::sin(pitch) + HeightRatio * std::cos(pitch);
    const double below = radius * std::sin(pitch);
    ScreenFit fit;
    fit.scale = std::max(0.0, std::min(width / (2 * radius), height / (above + below)));
    fit.centreX = left + width / 2;
    fit.baseY = top + (height - fit.scale * (above + below)) / 2 + fit.scale * above;
    return fit;
}

double NiceStep(double span, int maxIntervals)
{
    const double raw = std::abs(span) / std::max(1, maxIntervals);
    if (!(raw > 0) || !std::isfinite(raw))
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0}) {
        // A hair of tolerance: 0.3 / 3 must give 0.1, not 0.2.
        if (m * power >= raw * (1 - 1e-9))
            return m * power;
    }
    return 10 * power;
}

AxisScale NiceScale(double low, double high, int maxIntervals)
{
    if (high < low)
        std::swap(low, high);
    maxIntervals = std::max(1, maxIntervals);
    double step = NiceStep(high - low, maxIntervals);
    if (high == low) {
        step = NiceStep(std::max(1.0, std::abs(low)), maxIntervals);
        return {std::floor(low / step) * step, std::floor(low / step) * step + step, step};
    }
    // Rounding the ends out can add an interval; then the next step is taken.
    for (;;) {
        const double from = std::floor(low / step + 1e-9) * step;
        const double to = std::ceil(high / step - 1e-9) * step;
        if (std::lround((to - from) / step) <= maxIntervals)
            return {from, to, step};
        step = NiceStep(step * 1.5, 1);
    }
}

std::vector<double> TickValues(const AxisScale &scale)
{
    std::vector<double> ticks;
    if (!(scale.step > 0))
        return ticks;
    const long count = std::lround((scale.high - scale.low) / scale.step);
    for (long i = 0; i <= count; ++i) {
        double value = scale.low + static_cast<double>(i) * scale.step;
        if (std::abs(value) < scale.step * 1e-9)
            value = 0;  // no "-0"
        ticks.push_back(value);
    }
    return ticks;
}

double ToPixel(const AxisScale &scale, double value, double atLow, double atHigh)
{
    if (scale.high == scale.low)
        return atLow;
    return atLow + (value - scale.low) / (scale.high - scale.low) * (atHigh - atLow);
}

}  // namespace korvane::maptools
