// Paths, regions, and scaling or rotating about a centre.

#include "tests/gdiplus/gdip_test_support.h"

#include <cmath>

using namespace gdip_test;

namespace {

bool HasPoint(const std::vector<PointRecord>& points, float x, float y) {
    return std::any_of(points.begin(), points.end(),
                       [&](const PointRecord& p) { return std::fabs(p.x - x) < 0.01f && std::fabs(p.y - y) < 0.01f; });
}

// Where a 90-degree arc of the corner box (bx, by, cw, ch) starting at
// `start` degrees begins and ends.
std::vector<PointRecord> ArcEnds(float bx, float by, float cw, float ch, float start) {
    const float cx = bx + cw / 2, cy = by + ch / 2;
    std::vector<PointRecord> ends;
    for (float a : {start, start + 90}) {
        const double t = a * 3.14159265358979 / 180;
        ends.push_back({cx + static_cast<float>(cw / 2 * std::cos(t)), cy + static_cast<float>(ch / 2 * std::sin(t))});
    }
    return ends;
}

TEST(GdipPaths, RoundRectangleCornerBoxes) {
    struct Case {
        const char* name;
        float x, y, width, height;
        int roundness;
        float cornerWidth, cornerHeight;  // what the roundness must give
    };
    const Case cases[] = {
        {"r = 10", 0, 0, 200, 50, 10, 20, 5},
        {"r = 0 acts as 1", 10, 20, 400, 300, 0, 4, 3},
        {"r = 250 acts as 100", 0, 0, 400, 300, 250, 400, 300},
        {"width 9 truncates to 0", 5, 5, 9, 50, 10, 0, 5},
    };
    for (const Case& c : cases) {
        GraphicsPath path;
        ASSERT_TRUE(path.CreatePath());
        EXPECT_TRUE(path.AddRoundRectangle(c.x, c.y, c.width, c.height, c.roundness)) << c.name;
        PathDataRecord data;
        ASSERT_TRUE(path.GetPathData(data)) << c.name;
        ASSERT_EQ(data.count, static_cast<std::int32_t>(data.points.size())) << c.name;
        ASSERT_EQ(data.types.size(), data.points.size()) << c.name;
        EXPECT_EQ(data.types.back() & Gdiplus::PathPointTypeCloseSubpath, Gdiplus::PathPointTypeCloseSubpath)
            << c.name;

        const float right = c.x + c.width - c.cornerWidth, bottom = c.y + c.height - c.cornerHeight;
        const struct {
            float bx, by, start;
        } corners[] = {{right, c.y, 270}, {right, bottom, 0}, {c.x, bottom, 90}, {c.x, c.y, 180}};
        const auto first = ArcEnds(right, c.y, c.cornerWidth, c.cornerHeight, 270);
        EXPECT_NEAR(data.points[0].x, first[0].x, 0.01) << c.name;
        EXPECT_NEAR(data.points[0].y, first[0].y, 0.01) << c.name;
        for (const auto& corner : corners) {
            for (const PointRecord& p : ArcEnds(corner.bx, corner.by, c.cornerWidth, c.cornerHeight, corner.start))
                EXPECT_TRUE(HasPoint(data.points, p.x, p.y)) << c.name << ": no point at " << p.x << "," << p.y;
        }
        for (const PointRecord& p : data.points) {
            EXPECT_GE(p.x, c.x - 0.01f) << c.name;
            EXPECT_LE(p.x, c.x + c.width + 0.01f) << c.name;
        }
    }
}

TEST(GdipPaths, AnEmptyPathHasNoPointsToGive) {
    GraphicsPath path;
    ASSERT_TRUE(path.CreatePath());
    std::vector<PointRecord> points = {{7, 7}};
    EXPECT_FALSE(path.GetPathPoints(points));
    ASSERT_EQ(points.size(), 1u);  // untouched
    EXPECT_FLOAT_EQ(points[0].x, 7);

    PathDataRecord data;
    data.points = {{1, 1}};
    data.types = {1};
    EXPECT_FALSE(path.GetPathData(data));
    EXPECT_TRUE(data.points.empty());
    EXPECT_TRUE(data.types.empty());

    // With a count the caller decides how many to fetch.
    ASSERT_TRUE(path.AddPathLine(1, 2, 3, 4));
    ASSERT_TRUE(path.GetPathPoints(points, 2));
    ASSERT_EQ(points.size(), 2u);
    EXPECT_FLOAT_EQ(points[1].x, 3);
    EXPECT_FLOAT_EQ(points[1].y, 4);
}

TEST(GdipTransforms, ScaleAndRotateAboutACentreInEitherOrder) {
    // The existing transform moves everything 100 to the right; the new one
    // acts about (10, 10) before it (order 0) or after it (order 1).
    struct Case {
        const char* name;
        bool rotate;
        float amount;
        int order;
        PointRecord expected;  // where world (20, 10) lands on the device
    };
    const Case cases[] = {
        {"scale 2, prepended", false, 2, 0, {130, 10}},
        {"scale 2, appended", false, 2, 1, {230, 10}},
        {"scale 1 changes nothing", false, 1, 1, {120, 10}},
        {"rotate 90, prepended", true, 90, 0, {110, 20}},
        {"rotate 90, appended", true, 90, 1, {10, 120}},
    };
    for (const Case& c : cases) {
        Canvas canvas(4, 4);
        ASSERT_TRUE(canvas.graphics.TranslateWorldTransform(100, 0));
        const PointRecord centre{10, 10};
        EXPECT_TRUE(c.rotate ? canvas.graphics.RotateWorldTransformAt(c.amount, centre, c.order)
                             : canvas.graphics.ScaleWorldTransformAt(c.amount, c.amount, centre, c.order))
            << c.name;
        std::vector<PointRecord> points = {{20, 10}};
        ASSERT_TRUE(canvas.graphics.TransformPoints(Gdiplus::CoordinateSpaceDevice, Gdiplus::CoordinateSpaceWorld,
                                                    points));
        EXPECT_NEAR(points[0].x, c.expected.x, 0.01) << c.name;
        EXPECT_NEAR(points[0].y, c.expected.y, 0.01) << c.name;
    }
}

TEST(GdipTransforms, PenTransformsAboutACentreUseThePensOwnCalls) {
    Pen pen;
    ASSERT_TRUE(pen.CreatePen1(kBlack, 1));
    ASSERT_TRUE(pen.ScalePenTransformAt(2, 3, PointRecord{10, 10}, 0));
    Matrix matrix;
    ASSERT_TRUE(matrix.CreateMatrix());
    ASSERT_TRUE(pen.GetPenTransform(matrix));
    const auto m = matrix.GetMatrixElements();
    // x' = 2x - 10, y' = 3y - 20: scaled about (10, 10).
    EXPECT_FLOAT_EQ(m[0], 2);
    EXPECT_FLOAT_EQ(m[3], 3);
    EXPECT_FLOAT_EQ(m[4], -10);
    EXPECT_FLOAT_EQ(m[5], -20);
}

TEST(GdipRegions, ScansOfTwoRectangles) {
    Region region;
    ASSERT_TRUE(region.CreateRegionRect(RectRecord{0, 0, 10, 10}));
    ASSERT_TRUE(region.CombineRegionRect(RectRecord{20, 0, 10, 10}, Gdiplus::CombineModeUnion));
    Matrix identity;
    ASSERT_TRUE(identity.CreateMatrix());
    std::vector<RectRecord> scans;
    ASSERT_EQ(region.GetRegionScans(identity, scans), 2);
    ASSERT_EQ(scans.size(), 2u);
    EXPECT_FLOAT_EQ(scans[0].width, 10);
    EXPECT_FLOAT_EQ(scans[1].x, 20);

    // Without a mode the rectangles intersect.
    ASSERT_TRUE(region.CombineRegionRect(RectRecord{5, 0, 20, 10}));
    ASSERT_EQ(region.GetRegionScans(identity, scans), 2);
    EXPECT_FLOAT_EQ(scans[0].x, 5);
    EXPECT_FLOAT_EQ(scans[0].width, 5);

    Region empty;
    std::vector<RectRecord> untouched = {{1, 2, 3, 4}};
    EXPECT_EQ(empty.GetRegionScans(identity, untouched), 0);
    ASSERT_EQ(untouched.size(), 1u);
    EXPECT_FLOAT_EQ(untouched[0].width, 3);
}

}  // namespace
