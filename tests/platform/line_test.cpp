// MoveToEx/LineTo: which pixels a line chooses, how clipping keeps them, and
// what the call reports.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <limits>
#include <vector>

#include "drawing_test_support.h"
#include "platform/drawing.h"

namespace {

using drawing_test::AsLit;
using drawing_test::Black;
using drawing_test::BoundingBox;
using drawing_test::BresenhamLine;
using drawing_test::Clear;
using drawing_test::ClosedFormInside;
using drawing_test::ContextOn;
using drawing_test::Lit;
using drawing_test::LitPixels;
using drawing_test::RandomSource;
using platform::Point;
using platform::Rect;

constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();

// Draws one line from a to b with the white exclusive-or pen on a black
// bitmap and returns what it reports.
Rect DrawLine(platform::Bitmap& bitmap, Point a, Point b, std::uint8_t grey = 255) {
    platform::DrawContext dc = ContextOn(bitmap, grey);
    dc.MoveToEx(a.x, a.y);
    return dc.LineTo(b.x, b.y);
}

struct LineCase {
    const char* name;
    Point from;
    Point to;
    std::vector<Point> pixels;
};

// Failures name the case rather than dump its bytes.
void PrintTo(const LineCase& c, std::ostream* out) { *out << c.name; }

// A line from the middle of the 64 x 64 bitmap by (dx, dy), with its pixels
// given relative to its start.
LineCase FromMiddle(const char* name, Point delta, const std::vector<Point>& relative) {
    constexpr Point kMiddle{32, 32};
    LineCase c{name, kMiddle, {kMiddle.x + delta.x, kMiddle.y + delta.y}, {}};
    for (const Point& p : relative) c.pixels.push_back({kMiddle.x + p.x, kMiddle.y + p.y});
    return c;
}

// Lines into every octant, along the axes and diagonals, and the lines with
// exact halves, which round towards the smaller coordinate in every
// direction; then the three lines measured on the window system.
const std::vector<LineCase>& LineCases() {
    static const std::vector<LineCase> cases{
        FromMiddle("xMajorRightDown", {5, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}),
        FromMiddle("xMajorRightUp", {5, -2}, {{0, 0}, {1, 0}, {2, -1}, {3, -1}, {4, -2}}),
        FromMiddle("xMajorLeftDown", {-5, 2}, {{0, 0}, {-1, 0}, {-2, 1}, {-3, 1}, {-4, 2}}),
        FromMiddle("xMajorLeftUp", {-5, -2}, {{0, 0}, {-1, 0}, {-2, -1}, {-3, -1}, {-4, -2}}),
        FromMiddle("yMajorDownRight", {2, 5}, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}),
        FromMiddle("yMajorDownLeft", {-2, 5}, {{0, 0}, {0, 1}, {-1, 2}, {-1, 3}, {-2, 4}}),
        FromMiddle("yMajorUpRight", {2, -5}, {{0, 0}, {0, -1}, {1, -2}, {1, -3}, {2, -4}}),
        FromMiddle("yMajorUpLeft", {-2, -5}, {{0, 0}, {0, -1}, {-1, -2}, {-1, -3}, {-2, -4}}),
        FromMiddle("horizontal", {3, 0}, {{0, 0}, {1, 0}, {2, 0}}),
        FromMiddle("vertical", {0, -3}, {{0, 0}, {0, -1}, {0, -2}}),
        FromMiddle("diagonal", {3, 3}, {{0, 0}, {1, 1}, {2, 2}}),
        FromMiddle("antiDiagonal", {-3, 3}, {{0, 0}, {-1, 1}, {-2, 2}}),
        FromMiddle("oneStep", {1, 0}, {{0, 0}}),
        FromMiddle("zeroLength", {0, 0}, {}),
        FromMiddle("tieRightDown", {4, 1}, {{0, 0}, {1, 0}, {2, 0}, {3, 1}}),
        FromMiddle("tieRightUp", {4, -1}, {{0, 0}, {1, 0}, {2, -1}, {3, -1}}),
        FromMiddle("tieLeftDown", {-4, 1}, {{0, 0}, {-1, 0}, {-2, 0}, {-3, 1}}),
        FromMiddle("tieLeftUp", {-4, -1}, {{0, 0}, {-1, 0}, {-2, -1}, {-3, -1}}),
        FromMiddle("tieDownRight", {1, 4}, {{0, 0}, {0, 1}, {0, 2}, {1, 3}}),
        FromMiddle("tieDownLeft", {-1, 4}, {{0, 0}, {0, 1}, {-1, 2}, {-1, 3}}),
        FromMiddle("tieUpRight", {1, -4}, {{0, 0}, {0, -1}, {0, -2}, {1, -3}}),
        FromMiddle("tieUpLeft", {-1, -4}, {{0, 0}, {0, -1}, {-1, -2}, {-1, -3}}),
        {"measuredRight", {31, 30}, {33, 31}, {{31, 30}, {32, 30}}},
        {"measuredLeft", {31, 30}, {29, 29}, {{31, 30}, {30, 29}}},
        {"measuredDown", {31, 30}, {30, 32}, {{31, 30}, {30, 31}}},
    };
    return cases;
}

class LinePixels : public testing::TestWithParam<LineCase> {};

TEST_P(LinePixels, ChoosesExactlyTheseAndReportsTheirBounds) {
    const LineCase& c = GetParam();
    auto bitmap = Black(64, 64);
    const Rect touched = DrawLine(*bitmap, c.from, c.to);
    const std::vector<Lit> lit = LitPixels(*bitmap);
    EXPECT_EQ(lit, AsLit(c.pixels, 255));
    EXPECT_EQ(touched, BoundingBox(lit));
}

INSTANTIATE_TEST_SUITE_P(Lines, LinePixels, testing::ValuesIn(LineCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LineTo, AgreesWithTheIncrementalRuleOnRandomLines) {
    RandomSource random(1);
    // Short lines in a small bitmap meet many exact halves; longer ones
    // exercise the stepping over many pixels.
    struct Size {
        std::int32_t side;
        int lines;
    };
    for (const Size size : {Size{16, 5000}, Size{200, 1000}}) {
        auto bitmap = Black(size.side, size.side);
        for (int i = 0; i < size.lines; ++i) {
            const Point a = random.PointIn(0, size.side - 1);
            const Point b = random.PointIn(0, size.side - 1);
            Clear(*bitmap);
            DrawLine(*bitmap, a, b);
            ASSERT_EQ(LitPixels(*bitmap), AsLit(BresenhamLine(a, b), 255))
                << "(" << a.x << "," << a.y << ") -> (" << b.x << "," << b.y << ")";
        }
    }
}

TEST(LineTo, ALineAndItsReverseTogetherLeaveOnlyTheirEnds) {
    RandomSource random(2);
    auto bitmap = Black(64, 64);
    for (int i = 0; i < 2000; ++i) {
        const Point a = random.PointIn(0, 63);
        const Point b = random.PointIn(0, 63);
        DrawLine(*bitmap, a, b);
        DrawLine(*bitmap, b, a);
        const std::vector<Point> ends = a == b ? std::vector<Point>{} : std::vector<Point>{a, b};
        ASSERT_EQ(LitPixels(*bitmap), AsLit(ends, 255))
            << "(" << a.x << "," << a.y << ") <-> (" << b.x << "," << b.y << ")";
        for (const Point& p : ends) bitmap->at(p.x, p.y) = 0;
    }
}

TEST(LineTo, ChainsFromTheCurrentPositionAndCancelsSharedPixels) {
    auto bitmap = Black(16, 16);
    platform::DrawContext dc = ContextOn(*bitmap);
    dc.MoveToEx(2, 2);
    dc.LineTo(6, 2);
    dc.LineTo(6, 6);
    // Back over the second segment: its pixels cancel except the two ends,
    // since each segment leaves out its own end pixel.
    dc.LineTo(6, 2);
    EXPECT_EQ(LitPixels(*bitmap), AsLit({{2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}, {6, 6}}, 255));
}

// A line drawn into a small bitmap must give exactly the pixels of the same
// line drawn whole into a large bitmap, where it is not clipped at all.
TEST(LineTo, ClippingKeepsExactlyTheVisiblePixels) {
    RandomSource random(3);
    constexpr std::int32_t kWidth = 40;
    constexpr std::int32_t kHeight = 30;
    constexpr std::int32_t kMargin = 60;  // the large bitmap's offset
    constexpr std::int32_t kLargeSize = kWidth + 2 * kMargin;
    auto small = Black(kWidth, kHeight);
    auto large = Black(kLargeSize, kLargeSize);
    for (int i = 0; i < 3000; ++i) {
        // End points off every side and corner, or inside.
        const Point a{random.Uniform(-kMargin, kWidth + kMargin - 1),
                      random.Uniform(-kMargin, kHeight + kMargin - 1)};
        const Point b{random.Uniform(-kMargin, kWidth + kMargin - 1),
                      random.Uniform(-kMargin, kHeight + kMargin - 1)};
        Clear(*small);
        Clear(*large);
        const Rect touched = DrawLine(*small, a, b);
        DrawLine(*large, {a.x + kMargin, a.y + kMargin}, {b.x + kMargin, b.y + kMargin});

        std::vector<Point> visible;
        for (const Lit& p : LitPixels(*large)) {
            const Point q{p.x - kMargin, p.y - kMargin};
            if (small->contains(q.x, q.y)) visible.push_back(q);
        }
        const std::vector<Lit> lit = LitPixels(*small);
        ASSERT_EQ(lit, AsLit(visible, 255))
            << "(" << a.x << "," << a.y << ") -> (" << b.x << "," << b.y << ")";
        ASSERT_EQ(touched, BoundingBox(lit));
    }
}

struct HugeCase {
    const char* name;
    Point from;
    Point to;
    std::vector<Point> pixels;  // in a 64 x 16 bitmap
};

void PrintTo(const HugeCase& c, std::ostream* out) { *out << c.name; }

// Lines across the whole coordinate range, worked out by hand.
const std::vector<HugeCase>& HugeCases() {
    static const std::vector<Point> rowSix = [] {
        std::vector<Point> row;
        for (std::int32_t x = 0; x < 64; ++x) row.push_back({x, 6});
        return row;
    }();
    static const std::vector<Point> diagonal = [] {
        std::vector<Point> points;
        for (std::int32_t i = 0; i < 16; ++i) points.push_back({i, i});
        return points;
    }();
    static const std::vector<Point> antiDiagonal = [] {
        std::vector<Point> points;
        for (std::int32_t x = 0; x < 16; ++x) points.push_back({x, 15 - x});
        return points;
    }();
    static const std::vector<HugeCase> cases{
        // Halfway along, 4k - n just exceeds n, so the rounding gives row 6.
        {"acrossAllColumns", {kIntMin, 5}, {kIntMax, 7}, rowSix},
        {"acrossAllColumnsReversed", {kIntMax, 7}, {kIntMin, 5}, rowSix},
        {"cornerToCorner", {kIntMin, kIntMin}, {kIntMax, kIntMax}, diagonal},
        {"cornerToCornerAcross", {kIntMax, kIntMin + 16}, {kIntMin + 16, kIntMax}, antiDiagonal},
        {"missesTheBitmap", {kIntMax, kIntMin}, {kIntMin, kIntMax}, {}},
        {"farAwayEntirely", {kIntMin, kIntMin}, {kIntMin + 1000, kIntMax}, {}},
    };
    return cases;
}

class HugeLines : public testing::TestWithParam<HugeCase> {};

TEST_P(HugeLines, DrawOnlyTheirVisiblePixels) {
    const HugeCase& c = GetParam();
    auto bitmap = Black(64, 16);
    const Rect touched = DrawLine(*bitmap, c.from, c.to);
    const std::vector<Lit> lit = LitPixels(*bitmap);
    EXPECT_EQ(lit, AsLit(c.pixels, 255));
    EXPECT_EQ(touched, BoundingBox(lit));
}

INSTANTIATE_TEST_SUITE_P(Lines, HugeLines, testing::ValuesIn(HugeCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// Lines that reach far outside the bitmap, checked against the closed form of
// the rule at every column or row of the bitmap. A rasteriser that walked the
// invisible pixels would take seconds for each of these lines.
TEST(LineTo, HugeLinesMatchTheClosedFormQuickly) {
    RandomSource random(4);
    constexpr std::int32_t kWidth = 48;
    constexpr std::int32_t kHeight = 40;
    constexpr std::int64_t kHalfRange = std::int64_t{1} << 30;
    constexpr int kLines = 300;
    auto bitmap = Black(kWidth, kHeight);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kLines; ++i) {
        // Mirrored through a point in or near the bitmap, so the line passes
        // through it; every few lines, a line with random far ends instead.
        const Point centre{random.Uniform(-4, kWidth + 4), random.Uniform(-4, kHeight + 4)};
        Point a = random.PointIn(-kHalfRange, kHalfRange);
        Point b{2 * centre.x - a.x, 2 * centre.y - a.y};
        if (i % 4 == 3) {
            a = random.PointIn(kIntMin, kIntMax);
            b = random.PointIn(kIntMin, kIntMax);
        }
        Clear(*bitmap);
        DrawLine(*bitmap, a, b);
        ASSERT_EQ(LitPixels(*bitmap), ClosedFormInside(a, b, kWidth, kHeight, 255))
            << "(" << a.x << "," << a.y << ") -> (" << b.x << "," << b.y << ")";
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(2));
}

TEST(LineTo, WithoutABitmapOnlyMovesThePosition) {
    platform::DrawContext dc;
    dc.MoveToEx(1, 1);
    EXPECT_EQ(dc.LineTo(5, 5), Rect{});

    auto bitmap = Black(8, 8);
    dc.SelectBitmap(bitmap.get());
    dc.SetMixMode(platform::MixMode::XorPen);
    dc.LineTo(5, 7);
    EXPECT_EQ(LitPixels(*bitmap), AsLit({{5, 5}, {5, 6}}, 255));
}

}  // namespace
