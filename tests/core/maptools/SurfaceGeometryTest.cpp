#include "maptools/SurfaceGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace korvane::maptools {
namespace {

constexpr std::size_t Rows = 10;
constexpr std::size_t Columns = 15;

ScreenPoint Vertex(std::size_t row, std::size_t column, double height, ViewAngle angle)
{
    return Project(GridPoint(Rows, Columns, row, column, height), angle);
}

TEST(SurfaceGeometry, ProjectionShowsRpmRightwardsValuesUpAndRowsIntoTheDepth)
{
    for (const ViewAngle angle : {ViewAngle{0, 10}, DefaultViewAngle, ViewAngle{-80, 60}, ViewAngle{80, 45},
                                  ViewAngle{25, 89}}) {
        SCOPED_TRACE(testing::Message() << angle.yaw << "/" << angle.pitch);
        // Along the front row the engine speed rises to the right.
        EXPECT_LT(Vertex(0, 0, 0, angle).right, Vertex(0, Columns - 1, 0, angle).right);
        // A higher value stands higher on the screen and nearer the viewer.
        EXPECT_LT(Vertex(4, 7, 0, angle).up, Vertex(4, 7, 1, angle).up);
        EXPECT_GT(Vertex(4, 7, 0, angle).depth, Vertex(4, 7, 1, angle).depth);
        // The last row lies behind the first and, seen from above, above it.
        EXPECT_GT(Vertex(Rows - 1, 7, 0, angle).depth, Vertex(0, 7, 0, angle).depth);
        EXPECT_GT(Vertex(Rows - 1, 7, 0, angle).up, Vertex(0, 7, 0, angle).up);
    }
    // Turning the viewer towards the last column brings that column nearer.
    EXPECT_LT(Vertex(0, Columns - 1, 0, {40, 30}).depth, Vertex(0, 0, 0, {40, 30}).depth);
    EXPECT_GT(Vertex(0, Columns - 1, 0, {-40, 30}).depth, Vertex(0, 0, 0, {-40, 30}).depth);
    // Straight from the front and level, a value rises by its height alone.
    EXPECT_NEAR(Vertex(3, 3, 1, {0, 0}).up - Vertex(3, 3, 0, {0, 0}).up, HeightRatio, 1e-12);
}

TEST(SurfaceGeometry, QuadsComeFarthestFirstForEveryAngle)
{
    struct Case {
        ViewAngle angle;
        QuadIndex first;
        QuadIndex last;
    };
    // Seen from the left the last column's far corner is farthest, from the
    // right the first column's.
    const QuadIndex farRight{Rows - 2, Columns - 2};
    const QuadIndex farLeft{Rows - 2, 0};
    const QuadIndex nearLeft{0, 0};
    const QuadIndex nearRight{0, Columns - 2};
    for (const Case c : {Case{{0, 30}, farLeft, nearRight}, Case{DefaultViewAngle, farRight, nearLeft},
                         Case{{45, 30}, farLeft, nearRight}, Case{{-80, 10}, farRight, nearLeft},
                         Case{{80, 90}, farLeft, nearRight}}) {
        SCOPED_TRACE(testing::Message() << c.angle.yaw << "/" << c.angle.pitch);
        const std::vector<QuadIndex> order = FarToNear(Rows, Columns, c.angle);
        ASSERT_EQ(order.size(), (Rows - 1) * (Columns - 1));
        std::set<std::pair<std::size_t, std::size_t>> seen;
        double previous = INFINITY;
        for (const QuadIndex q : order) {
            EXPECT_TRUE(seen.insert({q.row, q.column}).second) << "twice: " << q.row << "," << q.column;
            // The centre of each quad on the floor is no farther than the one before.
            const ScreenPoint a = Project(GridPoint(Rows, Columns, q.row, q.column, 0), {c.angle.yaw, 0});
            const ScreenPoint b = Project(GridPoint(Rows, Columns, q.row + 1, q.column + 1, 0), {c.angle.yaw, 0});
            const double depth = (a.depth + b.depth) / 2;
            EXPECT_LE(depth, previous + 1e-12);
            previous = depth;
        }
        if (c.angle.yaw != 0) {
            EXPECT_EQ(order.front(), c.first);
            EXPECT_EQ(order.back(), c.last);
        } else {
            EXPECT_EQ(order.front().row, Rows - 2);
            EXPECT_EQ(order.back().row, 0u);
        }
    }
}

TEST(SurfaceGeometry, TheBoxFitsItsRectangleAtEveryAngleAndKeepsItsSizeWhileTurning)
{
    const double left = 30, top = 20, width = 500, height = 300;
    for (int pitch = MinPitch; pitch <= MaxPitch; pitch += 20) {
        const ScreenFit reference = FitBox({0, pitch}, left, top, width, height);
        for (int yaw = -MaxYaw; yaw <= MaxYaw; yaw += 10) {
            const ScreenFit fit = FitBox({yaw, pitch}, left, top, width, height);
            EXPECT_DOUBLE_EQ(fit.scale, reference.scale);
            for (const double x : {-1.0, 1.0})
                for (const double y : {-DepthRatio, DepthRatio})
                    for (const double z : {0.0, HeightRatio}) {
                        const ScreenPoint p = Project({x, y, z}, {yaw, pitch});
                        EXPECT_GE(fit.x(p), left - 1e-9);
                        EXPECT_LE(fit.x(p), left + width + 1e-9);
                        EXPECT_GE(fit.y(p), top - 1e-9);
                        EXPECT_LE(fit.y(p), top + height + 1e-9);
                    }
        }
    }
}

TEST(SurfaceGeometry, AnglesAreClampedToTheViewsLimits)
{
    EXPECT_EQ(ClampAngle({-200, -5}), (ViewAngle{-MaxYaw, MinPitch}));
    EXPECT_EQ(ClampAngle({200, 120}), (ViewAngle{MaxYaw, MaxPitch}));
    EXPECT_EQ(ClampAngle(DefaultViewAngle), DefaultViewAngle);
}

TEST(SurfaceGeometry, TickStepsAreOneTwoOrFiveTimesAPowerOfTen)
{
    struct Case {
        double span;
        int intervals;
        double step;
    };
    for (const Case c : {Case{60, 6, 10}, Case{250, 5, 50}, Case{250, 6, 50}, Case{4960, 5, 1000}, Case{15000, 7, 5000},
                         Case{7, 5, 2}, Case{0.9, 5, 0.2}, Case{0.3, 3, 0.1}, Case{100, 10, 10}, Case{101, 10, 20}}) {
        EXPECT_DOUBLE_EQ(NiceStep(c.span, c.intervals), c.step) << c.span << " in " << c.intervals;
    }
}

TEST(SurfaceGeometry, ScalesCoverTheirValuesOnWholeStepsWithinTheIntervals)
{
    struct Case {
        double low;
        double high;
        int intervals;
        AxisScale scale;
    };
    for (const Case c : {Case{0, 38, 6, {0, 40, 10}}, Case{0, 60, 6, {0, 60, 10}}, Case{3, 57, 6, {0, 60, 10}},
                         Case{1000, 16000, 6, {0, 20000, 5000}}, Case{-10, 110, 7, {-20, 120, 20}},
                         Case{-10, 110, 6, {-50, 150, 50}},
                         Case{95, 112, 4, {95, 115, 5}}, Case{100, 100, 5, {100, 120, 20}}}) {
        const AxisScale scale = NiceScale(c.low, c.high, c.intervals);
        EXPECT_EQ(scale, c.scale) << c.low << ".." << c.high;
        const std::vector<double> ticks = TickValues(scale);
        EXPECT_LE(ticks.size(), static_cast<std::size_t>(c.intervals) + 1);
        EXPECT_LE(ticks.front(), c.low);
        EXPECT_GE(ticks.back(), c.high);
    }
    // A scale through zero gives 0, never -0.
    EXPECT_FALSE(std::signbit(TickValues({-0.3, 0.3, 0.1})[3]));
    EXPECT_DOUBLE_EQ(ToPixel({0, 60, 10}, 15, 400, 100), 325);
}

}  // namespace
}  // namespace korvane::maptools
