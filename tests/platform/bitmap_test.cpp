// Making bitmaps, grey pens under both mix modes, single pixels, fills and
// the inverting copy, and exclusive-or pictures undone by drawing them again.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <vector>

#include "drawing_test_support.h"
#include "platform/drawing.h"

namespace {

using drawing_test::AsLit;
using drawing_test::Black;
using drawing_test::ContextOn;
using drawing_test::Lit;
using drawing_test::LitPixels;
using drawing_test::RandomSource;
using platform::MixMode;
using platform::Point;
using platform::Rect;

constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();

void Fill(platform::Bitmap& bitmap, std::uint8_t grey) {
    std::fill_n(&bitmap.at(0, 0), bitmap.pixels().size(), grey);
}

void Scramble(platform::Bitmap& bitmap, RandomSource& random) {
    for (std::int32_t y = 0; y < bitmap.height(); ++y) {
        for (std::int32_t x = 0; x < bitmap.width(); ++x) {
            bitmap.at(x, y) = static_cast<std::uint8_t>(random.Uniform(0, 255));
        }
    }
}

TEST(Bitmap, IsMadeBlackInTheSizeAsked) {
    auto bitmap = platform::Bitmap::Create(7, 3);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->width(), 7);
    EXPECT_EQ(bitmap->height(), 3);
    EXPECT_EQ(bitmap->pixels(), std::vector<std::uint8_t>(21, 0));
}

TEST(Bitmap, RefusesSizesItCannotHold) {
    struct Size {
        std::int32_t width;
        std::int32_t height;
    };
    for (const Size size : {Size{0, 5}, Size{5, 0}, Size{-1, 5}, Size{5, kIntMin},
                            Size{2147483646, 2147483646}, Size{kIntMax, kIntMax}}) {
        EXPECT_EQ(platform::Bitmap::Create(size.width, size.height), nullptr)
            << size.width << " x " << size.height;
    }
}

struct GreyCase {
    const char* name;
    MixMode mode;
    std::uint8_t below;
    std::uint8_t pen;
    std::uint8_t result;
};

// Failures name the case rather than dump its bytes.
void PrintTo(const GreyCase& c, std::ostream* out) { *out << c.name; }

// Measured on the window system: exclusive-or works per grey level, copy
// overwrites.
const std::vector<GreyCase>& GreyCases() {
    static const std::vector<GreyCase> cases{
        {"whiteOverBlack", MixMode::XorPen, 0, 255, 255},
        {"whiteOverWhite", MixMode::XorPen, 255, 255, 0},
        {"pen191Over175", MixMode::XorPen, 175, 191, 16},
        {"pen63Over255", MixMode::XorPen, 255, 63, 192},
        {"pen127OverItself", MixMode::XorPen, 127, 127, 0},
        {"pen0x12Over0x80", MixMode::XorPen, 0x80, 0x12, 0x92},
        {"copyOverwrites", MixMode::CopyPen, 175, 191, 191},
        {"copyBlack", MixMode::CopyPen, 63, 0, 0},
    };
    return cases;
}

class GreyPens : public testing::TestWithParam<GreyCase> {};

enum class Primitive { Line, Rectangle, Pixel };

// Lines, outlines and single pixels all combine the same way; under
// exclusive-or a second drawing restores the grey below.
TEST_P(GreyPens, CombineWithTheGreyBelow) {
    const GreyCase& c = GetParam();
    auto bitmap = Black(8, 8);
    for (const Primitive primitive : {Primitive::Line, Primitive::Rectangle, Primitive::Pixel}) {
        Fill(*bitmap, c.below);
        platform::DrawContext dc = ContextOn(*bitmap, c.pen, c.mode);
        const auto draw = [&] {
            switch (primitive) {
                case Primitive::Line:
                    dc.MoveToEx(1, 2);
                    dc.LineTo(6, 2);
                    break;
                case Primitive::Rectangle:
                    // One row: under exclusive-or only its two end pixels stay.
                    dc.Rectangle(1, 2, 7, 3);
                    break;
                case Primitive::Pixel:
                    dc.SetPixelV(1, 2, c.pen);
                    break;
            }
        };
        const int which = static_cast<int>(primitive);
        draw();
        EXPECT_EQ(bitmap->at(1, 2), c.result) << "primitive " << which;
        EXPECT_EQ(bitmap->at(1, 3), c.below) << "primitive " << which;
        draw();
        const std::uint8_t twice = c.mode == MixMode::XorPen ? c.below : c.pen;
        EXPECT_EQ(bitmap->at(1, 2), twice) << "primitive " << which;
    }
}

INSTANTIATE_TEST_SUITE_P(Drawing, GreyPens, testing::ValuesIn(GreyCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SetPixelV, ReportsItsPixelAndIgnoresPixelsOutside) {
    auto bitmap = Black(4, 3);
    platform::DrawContext dc = ContextOn(*bitmap);
    EXPECT_EQ(dc.SetPixelV(3, 2, 9), (Rect{3, 2, 4, 3}));
    for (const Point p : {Point{-1, 0}, Point{0, -1}, Point{4, 0}, Point{0, 3},
                          Point{kIntMin, kIntMin}, Point{kIntMax, kIntMax}}) {
        EXPECT_EQ(dc.SetPixelV(p.x, p.y, 255), Rect{}) << p.x << "," << p.y;
    }
    EXPECT_EQ(LitPixels(*bitmap), (std::vector<Lit>{{3, 2, 9}}));
}

TEST(FillRect, OverwritesInEitherModeClippedToTheBitmap) {
    struct FillCase {
        Rect rect;
        Rect filled;
    };
    for (const MixMode mode : {MixMode::XorPen, MixMode::CopyPen}) {
        for (const FillCase c : {
                 FillCase{{1, 1, 3, 2}, {1, 1, 3, 2}},                          // inside
                 FillCase{{-5, 2, 2, 99}, {0, 2, 2, 4}},                        // over two edges
                 FillCase{{kIntMin, kIntMin, kIntMax, kIntMax}, {0, 0, 5, 4}},  // everything
                 FillCase{{3, 1, 1, 3}, {}},                                    // left past right
                 FillCase{{2, 2, 2, 3}, {}},                                    // no width
                 FillCase{{5, 0, 9, 4}, {}},  // just past the right edge
             }) {
            auto bitmap = Black(5, 4);
            Fill(*bitmap, 200);
            platform::DrawContext dc = ContextOn(*bitmap, 255, mode);
            EXPECT_EQ(dc.FillRect(c.rect, 7), c.filled);
            for (std::int32_t y = 0; y < 4; ++y) {
                for (std::int32_t x = 0; x < 5; ++x) {
                    const bool inside = platform::PtInRect(c.filled, {x, y});
                    ASSERT_EQ(bitmap->at(x, y), inside ? 7 : 200) << x << "," << y;
                }
            }
        }
    }
}

// A 4 x 3 source whose pixels are all different.
std::unique_ptr<platform::Bitmap> NumberedSource() {
    auto source = Black(4, 3);
    for (std::int32_t y = 0; y < 3; ++y) {
        for (std::int32_t x = 0; x < 4; ++x) {
            source->at(x, y) = static_cast<std::uint8_t>(1 + x + 4 * y);
        }
    }
    return source;
}

TEST(BitBltInvert, ExclusiveOrsTheSourceInEitherMode) {
    auto source = NumberedSource();
    for (const MixMode mode : {MixMode::XorPen, MixMode::CopyPen}) {
        auto bitmap = Black(8, 8);
        Fill(*bitmap, 0xF0);
        platform::DrawContext dc = ContextOn(*bitmap, 255, mode);
        EXPECT_EQ(dc.BitBltInvert(2, 3, 4, 3, *source, 0, 0), (Rect{2, 3, 6, 6}));
        for (std::int32_t y = 0; y < 8; ++y) {
            for (std::int32_t x = 0; x < 8; ++x) {
                const bool covered = x >= 2 && x < 6 && y >= 3 && y < 6;
                const std::uint8_t expected =
                    covered ? static_cast<std::uint8_t>(0xF0 ^ source->at(x - 2, y - 3)) : 0xF0;
                ASSERT_EQ(bitmap->at(x, y), expected) << x << "," << y;
            }
        }
        dc.BitBltInvert(2, 3, 4, 3, *source, 0, 0);
        EXPECT_EQ(bitmap->pixels(), std::vector<std::uint8_t>(64, 0xF0));
    }
}

// A destination pixel whose source lies outside the source, or which lies
// outside the destination itself, is left alone; the rest do not shift.
TEST(BitBltInvert, ClipsToBothBitmapsWithoutShifting) {
    struct BlitCase {
        const char* name;
        std::int32_t dx, dy, width, height, sx, sy;
        Rect touched;
    };
    auto source = NumberedSource();
    for (const BlitCase c : {
             BlitCase{"sourceLeftOfItsBitmap", 1, 1, 4, 3, -2, 0, {3, 1, 5, 4}},
             BlitCase{"sourcePastItsBottom", 1, 1, 4, 3, 0, 1, {1, 1, 5, 3}},
             BlitCase{"destinationOffTopLeft", -1, -2, 4, 3, 0, 0, {0, 0, 3, 1}},
             BlitCase{"destinationOffBottomRight", 4, 4, 4, 3, 0, 0, {4, 4, 5, 5}},
             BlitCase{"widerThanTheSource", 0, 0, 9, 1, 1, 2, {0, 0, 3, 1}},
             BlitCase{"farAway", kIntMax, kIntMax, 4, 3, 0, 0, {}},
             BlitCase{"hugeSourceOffset", 0, 0, kIntMax, kIntMax, kIntMin, kIntMin, {}},
             BlitCase{"negativeSize", 1, 1, -3, -3, 0, 0, {}},
         }) {
        auto bitmap = Black(5, 5);
        platform::DrawContext dc = ContextOn(*bitmap);
        EXPECT_EQ(dc.BitBltInvert(c.dx, c.dy, c.width, c.height, *source, c.sx, c.sy), c.touched)
            << c.name;
        for (std::int32_t y = 0; y < 5; ++y) {
            for (std::int32_t x = 0; x < 5; ++x) {
                const std::int64_t sx = std::int64_t{x} - c.dx + c.sx;
                const std::int64_t sy = std::int64_t{y} - c.dy + c.sy;
                const bool fromSource = platform::PtInRect(c.touched, {x, y});
                const std::uint8_t expected = fromSource ? source->at(static_cast<std::int32_t>(sx),
                                                                      static_cast<std::int32_t>(sy))
                                                         : 0;
                ASSERT_EQ(bitmap->at(x, y), expected) << c.name << " at " << x << "," << y;
            }
        }
    }
}

// Copying a bitmap onto an overlapping part of itself reads every source
// pixel as it was before the copy began, whichever way the parts overlap.
TEST(BitBltInvert, OntoItselfReadsTheSourceBeforeChangingIt) {
    RandomSource random(20);
    for (const Point offset : {Point{1, 0}, Point{-1, 0}, Point{0, 1}, Point{0, -1}, Point{2, 3},
                               Point{-2, 3}, Point{2, -3}, Point{-2, -3}, Point{0, 0}}) {
        auto bitmap = Black(9, 9);
        Scramble(*bitmap, random);
        const std::vector<std::uint8_t> before = bitmap->pixels();
        platform::DrawContext dc = ContextOn(*bitmap);
        dc.BitBltInvert(2 + offset.x, 2 + offset.y, 5, 5, *bitmap, 2, 2);
        for (std::int32_t y = 0; y < 9; ++y) {
            for (std::int32_t x = 0; x < 9; ++x) {
                const std::int32_t i = x - 2 - offset.x;
                const std::int32_t j = y - 2 - offset.y;
                std::uint8_t expected = before[static_cast<std::size_t>(y * 9 + x)];
                if (i >= 0 && i < 5 && j >= 0 && j < 5) {
                    expected ^= before[static_cast<std::size_t>((2 + j) * 9 + 2 + i)];
                }
                ASSERT_EQ(bitmap->at(x, y), expected)
                    << "offset " << offset.x << "," << offset.y << " at " << x << "," << y;
            }
        }
    }
}

TEST(DrawContext, WithoutABitmapDrawsNothing) {
    auto source = NumberedSource();
    platform::DrawContext dc;
    dc.SetMixMode(MixMode::XorPen);
    const std::array<Point, 3> triangle{Point{0, 0}, Point{3, 0}, Point{0, 3}};
    EXPECT_EQ(dc.Polygon(triangle), Rect{});
    EXPECT_EQ(dc.Rectangle(0, 0, 3, 3), Rect{});
    EXPECT_EQ(dc.SetPixelV(0, 0, 255), Rect{});
    EXPECT_EQ(dc.FillRect({0, 0, 3, 3}, 255), Rect{});
    EXPECT_EQ(dc.BitBltInvert(0, 0, 4, 3, *source, 0, 0), Rect{});
}

// Every picture of the game is drawn by exclusive-or and erased by drawing it
// again, so a second drawing must restore every byte, over any background
// and however far the shapes reach outside the bitmap.
TEST(ExclusiveOr, DrawingAPictureTwiceRestoresTheBitmap) {
    RandomSource random(21);
    constexpr std::int32_t kWidth = 37;
    constexpr std::int32_t kHeight = 29;
    constexpr std::int32_t kReach = 1 << 28;
    auto source = NumberedSource();
    auto bitmap = Black(kWidth, kHeight);
    Scramble(*bitmap, random);
    const std::vector<std::uint8_t> background = bitmap->pixels();

    struct Shape {
        int kind;
        std::uint8_t grey;
        std::vector<Point> points;
    };
    std::vector<Shape> picture;
    for (int i = 0; i < 400; ++i) {
        // Mostly near the bitmap, sometimes anywhere up to far outside it.
        const std::int64_t reach = i % 5 == 0 ? kReach : 50;
        Shape shape{random.Uniform(0, 4), static_cast<std::uint8_t>(random.Uniform(1, 255)), {}};
        const auto count = static_cast<std::size_t>(random.Uniform(2, 8));
        for (std::size_t k = 0; k < count; ++k) {
            shape.points.push_back(random.PointIn(-reach, reach));
        }
        picture.push_back(shape);
    }
    platform::DrawContext dc = ContextOn(*bitmap);
    const auto draw = [&] {
        for (const Shape& s : picture) {
            dc.SelectPen(platform::Pen{s.grey});
            const Point a = s.points[0];
            const Point b = s.points[1];
            switch (s.kind) {
                case 0:
                    dc.MoveToEx(a.x, a.y);
                    for (const Point& p : s.points) dc.LineTo(p.x, p.y);
                    break;
                case 1:
                    dc.Polygon(s.points);
                    break;
                case 2:
                    dc.Rectangle(a.x, a.y, b.x, b.y);
                    break;
                case 3:
                    dc.SetPixelV(a.x % kWidth, b.x % kHeight, s.grey);
                    break;
                default:
                    dc.BitBltInvert(a.x % kWidth, a.y % kHeight, 4, 3, *source, b.x % 3, b.y % 3);
                    break;
            }
        }
    };
    draw();
    ASSERT_NE(bitmap->pixels(), background);
    draw();
    EXPECT_EQ(bitmap->pixels(), background);
}

}  // namespace
