// Polygon and Rectangle outlines: each edge drawn as its own line, the
// degenerate shapes, clipping and what the calls report.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "drawing_test_support.h"
#include "platform/drawing.h"

namespace {

using drawing_test::AllInside;
using drawing_test::AsLit;
using drawing_test::Black;
using drawing_test::BoundingBox;
using drawing_test::Clear;
using drawing_test::ContextOn;
using drawing_test::Lit;
using drawing_test::LitPixels;
using drawing_test::RandomSource;
using platform::MixMode;
using platform::Point;
using platform::Rect;

// Draws the closed outline edge by edge with MoveToEx/LineTo.
void DrawEdges(platform::DrawContext& dc, const std::vector<Point>& points) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point to = points[(i + 1) % points.size()];
        dc.MoveToEx(points[i].x, points[i].y);
        dc.LineTo(to.x, to.y);
    }
}

std::vector<Point> RandomPolygon(RandomSource& random, std::int64_t low, std::int64_t high) {
    std::vector<Point> points(static_cast<std::size_t>(random.Uniform(2, 12)));
    for (Point& p : points) p = random.PointIn(low, high);
    return points;
}

// In both mix modes a polygon is its edges drawn as independent lines: under
// exclusive-or the pixels of an even number of edges cancel (acute vertices,
// spikes, crossings), under copy the result is their union.
TEST(Polygon, IsItsEdgesDrawnAsIndependentLines) {
    RandomSource random(10);
    auto polygon = Black(48, 48);
    auto edges = Black(48, 48);
    for (const MixMode mode : {MixMode::XorPen, MixMode::CopyPen}) {
        for (int i = 0; i < 1000; ++i) {
            const std::vector<Point> points = RandomPolygon(random, 0, 47);
            Clear(*polygon);
            Clear(*edges);
            platform::DrawContext polygonDc = ContextOn(*polygon, 255, mode);
            platform::DrawContext edgesDc = ContextOn(*edges, 255, mode);
            const Rect touched = polygonDc.Polygon(points);
            DrawEdges(edgesDc, points);
            const std::vector<Lit> lit = LitPixels(*polygon);
            ASSERT_EQ(lit, LitPixels(*edges)) << "polygon " << i;
            ASSERT_TRUE(AllInside(lit, touched)) << "polygon " << i;
            if (mode == MixMode::CopyPen) {
                ASSERT_EQ(touched, BoundingBox(lit));
            }
        }
    }
}

struct PolygonCase {
    const char* name;
    std::vector<Point> points;
    std::vector<Point> xorPixels;
    std::vector<Point> copyPixels;
};

// Failures name the case rather than dump its bytes.
void PrintTo(const PolygonCase& c, std::ostream* out) { *out << c.name; }

const std::vector<PolygonCase>& PolygonCases() {
    static const std::vector<PolygonCase> cases{
        {"noPoints", {}, {}, {}},
        {"onePoint", {{3, 3}}, {}, {}},
        // There and back: only the two ends survive exclusive-or.
        {"twoPoints", {{1, 1}, {4, 2}}, {{1, 1}, {4, 2}}, {{1, 1}, {2, 1}, {3, 2}, {4, 2}}},
        {"allPointsEqual", {{5, 5}, {5, 5}, {5, 5}}, {}, {}},
        // The repeated points add zero-length edges, which draw nothing.
        {"repeatedPoints",
         {{1, 1}, {1, 1}, {4, 1}, {4, 1}, {4, 3}},
         {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {2, 2}, {3, 2}, {4, 2}, {4, 3}},
         {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {2, 2}, {3, 2}, {4, 2}, {4, 3}}},
    };
    return cases;
}

class PolygonShapes : public testing::TestWithParam<PolygonCase> {};

TEST_P(PolygonShapes, DrawTheirEdgesInBothMixModes) {
    const PolygonCase& c = GetParam();
    for (const MixMode mode : {MixMode::XorPen, MixMode::CopyPen}) {
        auto bitmap = Black(8, 8);
        platform::DrawContext dc = ContextOn(*bitmap, 255, mode);
        const Rect touched = dc.Polygon(c.points);
        const std::vector<Lit> lit = LitPixels(*bitmap);
        EXPECT_EQ(lit, AsLit(mode == MixMode::XorPen ? c.xorPixels : c.copyPixels, 255))
            << (mode == MixMode::XorPen ? "exclusive-or" : "copy");
        EXPECT_TRUE(AllInside(lit, touched));
        if (mode == MixMode::CopyPen) {
            EXPECT_EQ(touched, BoundingBox(lit));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Outlines, PolygonShapes, testing::ValuesIn(PolygonCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Polygon, LeavesTheCurrentPositionAlone) {
    auto bitmap = Black(8, 8);
    platform::DrawContext dc = ContextOn(*bitmap);
    dc.MoveToEx(0, 0);
    const std::array<Point, 3> triangle{Point{5, 5}, Point{7, 5}, Point{6, 7}};
    dc.Polygon(triangle);
    Clear(*bitmap);
    dc.LineTo(2, 0);
    EXPECT_EQ(LitPixels(*bitmap), AsLit({{0, 0}, {1, 0}}, 255));
}

struct RectangleCase {
    const char* name;
    Rect corners;  // as passed, possibly swapped
    std::vector<Point> xorPixels;
    std::vector<Point> copyPixels;
};

void PrintTo(const RectangleCase& c, std::ostream* out) { *out << c.name; }

// The outline of columns left..right-1 and rows top..bottom-1.
std::vector<Point> Outline(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) {
    std::vector<Point> points;
    for (std::int32_t y = t; y < b; ++y) {
        for (std::int32_t x = l; x < r; ++x) {
            if (x == l || x == r - 1 || y == t || y == b - 1) points.push_back({x, y});
        }
    }
    return points;
}

const std::vector<RectangleCase>& RectangleCases() {
    static const std::vector<RectangleCase> cases{
        {"twoByTwo", {1, 1, 3, 3}, Outline(1, 1, 3, 3), Outline(1, 1, 3, 3)},
        {"threeByThree", {1, 1, 4, 4}, Outline(1, 1, 4, 4), Outline(1, 1, 4, 4)},
        {"tenByFive", {2, 3, 12, 8}, Outline(2, 3, 12, 8), Outline(2, 3, 12, 8)},
        {"swappedCorners", {12, 8, 2, 3}, Outline(2, 3, 12, 8), Outline(2, 3, 12, 8)},
        {"zeroWidth", {4, 1, 4, 9}, {}, {}},
        {"zeroHeight", {1, 4, 9, 4}, {}, {}},
        {"oneByOne", {4, 4, 5, 5}, {}, {}},
        // One column or one row: its edges go there and back.
        {"oneColumn", {3, 2, 4, 7}, {{3, 2}, {3, 6}}, Outline(3, 2, 4, 7)},
        {"oneRow", {2, 3, 7, 4}, {{2, 3}, {6, 3}}, Outline(2, 3, 7, 4)},
    };
    return cases;
}

class RectangleShapes : public testing::TestWithParam<RectangleCase> {};

TEST_P(RectangleShapes, DrawTheirOutlineInBothMixModes) {
    const RectangleCase& c = GetParam();
    for (const MixMode mode : {MixMode::XorPen, MixMode::CopyPen}) {
        auto bitmap = Black(16, 16);
        platform::DrawContext dc = ContextOn(*bitmap, 255, mode);
        const Rect touched =
            dc.Rectangle(c.corners.left, c.corners.top, c.corners.right, c.corners.bottom);
        const std::vector<Lit> lit = LitPixels(*bitmap);
        EXPECT_EQ(lit, AsLit(mode == MixMode::XorPen ? c.xorPixels : c.copyPixels, 255))
            << (mode == MixMode::XorPen ? "exclusive-or" : "copy");
        EXPECT_TRUE(AllInside(lit, touched));
        if (mode == MixMode::CopyPen) {
            EXPECT_EQ(touched, BoundingBox(lit));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Outlines, RectangleShapes, testing::ValuesIn(RectangleCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Rectangle, PixelCountsOfTheMeasuredSizes) {
    struct Count {
        std::int32_t width;
        std::int32_t height;
        std::size_t pixels;
    };
    for (const Count c : {Count{2, 2, 4}, Count{3, 3, 8}, Count{10, 5, 26}}) {
        auto bitmap = Black(16, 16);
        platform::DrawContext dc = ContextOn(*bitmap);
        dc.Rectangle(1, 1, 1 + c.width, 1 + c.height);
        EXPECT_EQ(LitPixels(*bitmap).size(), c.pixels) << c.width << " x " << c.height;
    }
}

// Outlines drawn into a small bitmap give exactly the pixels of the same
// outlines drawn whole into a large bitmap where they are not clipped.
TEST(Outlines, ClippingKeepsExactlyTheVisiblePixels) {
    RandomSource random(11);
    constexpr std::int32_t kWidth = 32;
    constexpr std::int32_t kHeight = 24;
    constexpr std::int32_t kMargin = 40;
    constexpr std::int32_t kLargeSize = kWidth + 2 * kMargin;
    auto small = Black(kWidth, kHeight);
    auto large = Black(kLargeSize, kLargeSize);
    platform::DrawContext smallDc = ContextOn(*small);
    platform::DrawContext largeDc = ContextOn(*large);
    for (int i = 0; i < 1500; ++i) {
        Clear(*small);
        Clear(*large);
        std::vector<Point> points = RandomPolygon(random, -kMargin, kWidth + kMargin - 1);
        Rect touched;
        if (i % 2 == 0) {
            touched = smallDc.Polygon(points);
            for (Point& p : points) p = {p.x + kMargin, p.y + kMargin};
            largeDc.Polygon(points);
        } else {
            const Point a = points[0];
            const Point b = points[1];
            touched = smallDc.Rectangle(a.x, a.y, b.x, b.y);
            largeDc.Rectangle(a.x + kMargin, a.y + kMargin, b.x + kMargin, b.y + kMargin);
        }
        std::vector<Lit> visible;
        for (const Lit& p : LitPixels(*large)) {
            const Lit q{p.x - kMargin, p.y - kMargin, p.value};
            if (small->contains(q.x, q.y)) visible.push_back(q);
        }
        const std::vector<Lit> lit = LitPixels(*small);
        ASSERT_EQ(lit, visible) << "shape " << i;
        ASSERT_TRUE(AllInside(lit, touched)) << "shape " << i;
    }
}

TEST(Outlines, FarOutsideTheBitmapDrawOnlyTheirVisibleEdges) {
    constexpr std::int32_t kFar = 1 << 30;
    auto bitmap = Black(8, 8);
    platform::DrawContext dc = ContextOn(*bitmap);
    // A huge rectangle whose left edge runs down column 2 and whose top edge
    // runs along row 3; every other edge is far away.
    const Rect touched = dc.Rectangle(2, 3, kFar, kFar);
    std::vector<Point> expected;
    for (std::int32_t x = 2; x < 8; ++x) expected.push_back({x, 3});
    for (std::int32_t y = 4; y < 8; ++y) expected.push_back({2, y});
    EXPECT_EQ(LitPixels(*bitmap), AsLit(expected, 255));
    EXPECT_EQ(touched, (Rect{2, 3, 8, 8}));

    Clear(*bitmap);
    const std::array<Point, 3> aroundTheBitmap{Point{-kFar, -kFar}, Point{kFar, -kFar},
                                               Point{0, kFar}};
    EXPECT_EQ(dc.Polygon(aroundTheBitmap), Rect{});
    EXPECT_EQ(LitPixels(*bitmap), std::vector<Lit>{});
}

}  // namespace
