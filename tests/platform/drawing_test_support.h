#pragma once

// Helpers for the drawing tests: reading the pixels of a bitmap back, the
// window system's line rule written out independently of the rasteriser
// (the incremental form, and the closed form for one pixel), and a seeded
// random source so failures repeat.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <ostream>
#include <random>
#include <vector>

#include "platform/drawing.h"
#include "platform/geometry.h"

// Failures show points and rectangles as coordinates rather than bytes.
namespace platform {
inline void PrintTo(const Point& p, std::ostream* out) { *out << '(' << p.x << ',' << p.y << ')'; }
inline void PrintTo(const Rect& r, std::ostream* out) {
    *out << "{" << r.left << ',' << r.top << " .. " << r.right << ',' << r.bottom << '}';
}
}  // namespace platform

namespace drawing_test {

// One non-black pixel.
struct Lit {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint8_t value = 0;
    friend bool operator==(const Lit&, const Lit&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Lit& p) {
        return out << '(' << p.x << ',' << p.y << ")=" << int{p.value};
    }
};

// The non-black pixels in row-major order.
inline std::vector<Lit> LitPixels(const platform::Bitmap& bitmap) {
    std::vector<Lit> lit;
    const std::vector<std::uint8_t>& pixels = bitmap.pixels();
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        if (pixels[i] == 0) continue;
        const auto width = static_cast<std::size_t>(bitmap.width());
        lit.push_back(Lit{static_cast<std::int32_t>(i % width),
                          static_cast<std::int32_t>(i / width), pixels[i]});
    }
    return lit;
}

// Makes every pixel black again.
inline void Clear(platform::Bitmap& bitmap) {
    std::fill_n(&bitmap.at(0, 0), bitmap.pixels().size(), std::uint8_t{0});
}

// The same pixels, each with the given value, sorted row-major as LitPixels.
inline std::vector<Lit> AsLit(std::vector<platform::Point> points, std::uint8_t value) {
    std::vector<Lit> lit;
    for (const platform::Point& p : points) lit.push_back(Lit{p.x, p.y, value});
    std::sort(lit.begin(), lit.end(),
              [](const Lit& a, const Lit& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    return lit;
}

// The smallest rectangle around the pixels (empty when there are none).
inline platform::Rect BoundingBox(const std::vector<Lit>& lit) {
    platform::Rect box;
    for (const Lit& p : lit) box = platform::UnionRect(box, {p.x, p.y, p.x + 1, p.y + 1});
    return box;
}

// True when every pixel lies in the rectangle.
inline bool AllInside(const std::vector<Lit>& lit, const platform::Rect& rect) {
    for (const Lit& p : lit) {
        if (!platform::PtInRect(rect, {p.x, p.y})) return false;
    }
    return true;
}

// A black bitmap; the test stops when it cannot be made.
inline std::unique_ptr<platform::Bitmap> Black(std::int32_t width, std::int32_t height) {
    std::unique_ptr<platform::Bitmap> bitmap = platform::Bitmap::Create(width, height);
    EXPECT_NE(bitmap, nullptr) << width << " x " << height;
    return bitmap;
}

// A drawing context on the bitmap with the given pen and mix mode.
inline platform::DrawContext ContextOn(platform::Bitmap& bitmap, std::uint8_t grey = 255,
                                       platform::MixMode mode = platform::MixMode::XorPen) {
    platform::DrawContext dc;
    dc.SelectBitmap(&bitmap);
    dc.SelectPen(platform::Pen{grey});
    dc.SetMixMode(mode);
    return dc;
}

// The pixels of the line from a to b by the window system's incremental
// rule: error -n, add twice the minor delta after each pixel, take the minor
// step when the error is above zero (positive minor direction) or at least
// zero (negative minor direction).
inline std::vector<platform::Point> BresenhamLine(platform::Point a, platform::Point b) {
    const std::int64_t dx = std::int64_t{b.x} - a.x;
    const std::int64_t dy = std::int64_t{b.y} - a.y;
    const std::int64_t adx = dx < 0 ? -dx : dx;
    const std::int64_t ady = dy < 0 ? -dy : dy;
    const bool xMajor = adx >= ady;
    const std::int64_t n = xMajor ? adx : ady;
    const std::int64_t minorMagnitude = xMajor ? ady : adx;
    const std::int64_t minorDelta = xMajor ? dy : dx;
    const std::int64_t sx = dx < 0 ? -1 : 1;
    const std::int64_t sy = dy < 0 ? -1 : 1;
    std::int64_t x = a.x;
    std::int64_t y = a.y;
    std::int64_t error = -n;
    std::vector<platform::Point> points;
    for (std::int64_t k = 0; k < n; ++k) {
        points.push_back({static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)});
        error += 2 * minorMagnitude;
        const bool minorStep = minorDelta > 0 ? error > 0 : error >= 0;
        if (minorStep && minorDelta != 0) {
            error -= 2 * n;
            if (xMajor) {
                y += sy;
            } else {
                x += sx;
            }
        }
        if (xMajor) {
            x += sx;
        } else {
            y += sy;
        }
    }
    return points;
}

// Where the line from a to b has its pixel on the given major coordinate, by
// the closed form: minor = minor0 + ceil((2 * minorDelta * k - n) / (2 * n)).
// Nothing when no pixel of the line (end pixel excluded) is on it.
inline std::optional<platform::Point> ClosedFormPixelAt(platform::Point a, platform::Point b,
                                                        std::int64_t major) {
    const std::int64_t dx = std::int64_t{b.x} - a.x;
    const std::int64_t dy = std::int64_t{b.y} - a.y;
    const std::int64_t adx = dx < 0 ? -dx : dx;
    const std::int64_t ady = dy < 0 ? -dy : dy;
    const bool xMajor = adx >= ady;
    const std::int64_t n = xMajor ? adx : ady;
    if (n == 0) return std::nullopt;
    const std::int64_t majorDelta = xMajor ? dx : dy;
    const std::int64_t minorDelta = xMajor ? dy : dx;
    const std::int64_t major0 = xMajor ? a.x : a.y;
    const std::int64_t minor0 = xMajor ? a.y : a.x;
    const std::int64_t k = majorDelta < 0 ? major0 - major : major - major0;
    if (k < 0 || k >= n) return std::nullopt;
    const __int128 numerator = __int128{2} * minorDelta * k - n;
    const __int128 denominator = __int128{2} * n;
    const __int128 ceiling = numerator / denominator + (numerator % denominator > 0 ? 1 : 0);
    const __int128 minor = minor0 + ceiling;
    if (minor < std::numeric_limits<std::int32_t>::min() ||
        minor > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    const auto m = static_cast<std::int32_t>(major);
    const auto n32 = static_cast<std::int32_t>(minor);
    return xMajor ? platform::Point{m, n32} : platform::Point{n32, m};
}

// The pixels the line from a to b leaves in a width x height bitmap, by the
// closed form evaluated at every major coordinate of the bitmap.
inline std::vector<Lit> ClosedFormInside(platform::Point a, platform::Point b, std::int32_t width,
                                         std::int32_t height, std::uint8_t value) {
    const std::int64_t dx = std::int64_t{b.x} - a.x;
    const std::int64_t dy = std::int64_t{b.y} - a.y;
    const bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    std::vector<platform::Point> points;
    for (std::int32_t major = 0; major < (xMajor ? width : height); ++major) {
        const std::optional<platform::Point> p = ClosedFormPixelAt(a, b, major);
        if (p && p->x >= 0 && p->y >= 0 && p->x < width && p->y < height) points.push_back(*p);
    }
    return AsLit(points, value);
}

// Random coordinates from a fixed seed, so a failing case can be repeated.
class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed) : engine_(seed) {}

    std::int32_t Uniform(std::int64_t low, std::int64_t high) {
        return static_cast<std::int32_t>(
            std::uniform_int_distribution<std::int64_t>(low, high)(engine_));
    }
    platform::Point PointIn(std::int64_t low, std::int64_t high) {
        return {Uniform(low, high), Uniform(low, high)};
    }

private:
    std::mt19937_64 engine_;
};

}  // namespace drawing_test
