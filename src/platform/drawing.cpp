#include "platform/drawing.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <new>
#include <utility>

namespace platform {

namespace {

// The largest bitmap we agree to make: a 32768 x 32768 buffer, far beyond any
// screen. Refusing bigger sizes up front keeps a mistaken size from
// exhausting memory and keeps the size computation from overflowing.
constexpr std::size_t kMaxPixelCount = std::size_t{1} << 30;

// A line may run across the whole 32-bit coordinate range, so its step count
// and deltas take 33 bits and their products in the rounding rule take 66:
// those products are formed in 128 bits.
using Wide = __int128;

// ceil(numerator / denominator) for a positive denominator.
std::int64_t CeilDiv(Wide numerator, Wide denominator) {
    Wide quotient = numerator / denominator;  // truncates towards zero
    if (numerator % denominator > 0) ++quotient;
    return static_cast<std::int64_t>(quotient);
}

void Combine(std::uint8_t& pixel, std::uint8_t grey, MixMode mode) {
    pixel = mode == MixMode::XorPen ? static_cast<std::uint8_t>(pixel ^ grey) : grey;
}

// The smallest k in [first, last) for which the monotonic predicate holds
// (false for small k, true from some k on), or last when it never does.
template <typename Predicate>
std::int64_t FirstWhere(std::int64_t first, std::int64_t last, Predicate holds) {
    // Most lines are not clipped at all; they settle here without a search.
    if (first == last || holds(first)) return first;
    if (!holds(last - 1)) return last;
    // Now holds(first) is false and holds(last - 1) is true.
    ++first;
    --last;
    while (first < last) {
        const std::int64_t middle = first + (last - first) / 2;
        if (holds(middle)) {
            last = middle;
        } else {
            first = middle + 1;
        }
    }
    return first;
}

// A line seen along its major axis, the one that advances by one every pixel.
// Pixel k (0 <= k < steps) sits at major0 + k * majorStep on that axis and,
// on the minor axis, at the exact line's position rounded to the nearest
// integer, exact halves going to the smaller coordinate.
struct MajorMinorLine {
    std::int64_t major0 = 0;
    std::int64_t majorStep = 1;  // +1 or -1
    std::int64_t minor0 = 0;
    std::int64_t minorDelta = 0;  // signed, |minorDelta| <= steps
    std::int64_t steps = 0;

    std::int64_t Major(std::int64_t k) const { return major0 + k * majorStep; }
    std::int64_t Minor(std::int64_t k) const {
        return minor0 + CeilDiv(Wide{2} * minorDelta * k - steps, Wide{2} * steps);
    }
};

struct KRange {
    std::int64_t first = 0;
    std::int64_t last = 0;  // exclusive
};

// The pixels k whose major coordinate lies in [0, extent): the major axis
// moves by one per pixel, so this is a plain interval.
KRange MajorRange(const MajorMinorLine& line, std::int64_t extent) {
    KRange range;
    if (line.majorStep > 0) {
        range = {-line.major0, extent - line.major0};
    } else {
        range = {line.major0 - extent + 1, line.major0 + 1};
    }
    range.first = std::max<std::int64_t>(range.first, 0);
    range.last = std::min(range.last, line.steps);
    return range;
}

// Narrows the range to the pixels whose minor coordinate lies in [0, extent).
// The minor coordinate never moves against the sign of minorDelta, so each
// bound is the first k past a threshold and a binary search finds it exactly.
KRange NarrowToMinor(const MajorMinorLine& line, KRange range, std::int64_t extent) {
    if (line.minorDelta >= 0) {
        range.first =
            FirstWhere(range.first, range.last, [&](auto k) { return line.Minor(k) >= 0; });
        range.last =
            FirstWhere(range.first, range.last, [&](auto k) { return line.Minor(k) >= extent; });
    } else {
        range.first =
            FirstWhere(range.first, range.last, [&](auto k) { return line.Minor(k) < extent; });
        range.last = FirstWhere(range.first, range.last, [&](auto k) { return line.Minor(k) < 0; });
    }
    return range;
}

// Draws the line from `from` to `to`, end pixel left out, visiting only the
// pixels that lie inside the bitmap.
Rect DrawSegment(Bitmap& bitmap, Point from, Point to, std::uint8_t grey, MixMode mode) {
    const std::int64_t dx = std::int64_t{to.x} - from.x;
    const std::int64_t dy = std::int64_t{to.y} - from.y;
    const std::int64_t steps = std::max(dx < 0 ? -dx : dx, dy < 0 ? -dy : dy);
    if (steps == 0) return Rect{};

    // Exact diagonals count as x-major; having no ties, they draw the same
    // either way.
    const bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    const std::int64_t width = bitmap.width();
    const std::int64_t height = bitmap.height();
    MajorMinorLine line;
    line.steps = steps;
    if (xMajor) {
        line.major0 = from.x;
        line.majorStep = dx < 0 ? -1 : 1;
        line.minor0 = from.y;
        line.minorDelta = dy;
    } else {
        line.major0 = from.y;
        line.majorStep = dy < 0 ? -1 : 1;
        line.minor0 = from.x;
        line.minorDelta = dx;
    }
    const KRange range =
        NarrowToMinor(line, MajorRange(line, xMajor ? width : height), xMajor ? height : width);
    if (range.first >= range.last) return Rect{};

    // From the first visible pixel on, the rounding rule's division is kept
    // as a quotient (the minor coordinate) and a remainder in
    // [0, denominator), updated exactly at each step in 64 bits: the closed
    // form without a division per pixel.
    const std::int64_t denominator = 2 * steps;
    const std::int64_t numeratorStep = 2 * line.minorDelta;
    std::int64_t minor = line.Minor(range.first);
    std::int64_t remainder =
        static_cast<std::int64_t>(Wide{2} * steps * (minor - line.minor0) -
                                  (Wide{2} * line.minorDelta * range.first - steps));

    const std::int64_t firstMajor = line.Major(range.first);
    const std::int64_t firstMinor = minor;
    const std::ptrdiff_t rowStride = bitmap.width();
    const std::ptrdiff_t majorStride = xMajor ? line.majorStep : line.majorStep * rowStride;
    const std::ptrdiff_t minorUnit = xMajor ? rowStride : 1;
    std::uint8_t* pixel = xMajor ? &bitmap.at(static_cast<std::int32_t>(firstMajor),
                                              static_cast<std::int32_t>(firstMinor))
                                 : &bitmap.at(static_cast<std::int32_t>(firstMinor),
                                              static_cast<std::int32_t>(firstMajor));
    for (std::int64_t k = range.first;;) {
        Combine(*pixel, grey, mode);
        if (++k == range.last) break;
        pixel += majorStride;
        remainder -= numeratorStep;
        // |minorDelta| <= steps, so one correction brings the remainder back.
        if (remainder < 0) {
            remainder += denominator;
            ++minor;
            pixel += minorUnit;
        } else if (remainder >= denominator) {
            remainder -= denominator;
            --minor;
            pixel -= minorUnit;
        }
    }

    const std::int64_t lastMajor = line.Major(range.last - 1);
    const auto [majorLow, majorHigh] = std::minmax(firstMajor, lastMajor);
    const auto [minorLow, minorHigh] = std::minmax(firstMinor, minor);
    // Every coordinate here is inside the bitmap, so it fits 32 bits.
    const auto narrow = [](std::int64_t v) { return static_cast<std::int32_t>(v); };
    if (xMajor) {
        return Rect{narrow(majorLow), narrow(minorLow), narrow(majorHigh + 1),
                    narrow(minorHigh + 1)};
    }
    return Rect{narrow(minorLow), narrow(majorLow), narrow(minorHigh + 1), narrow(majorHigh + 1)};
}

// The part [first, last) of 0 <= i < count whose destination (d + i) and
// source (s + i) both fall in their bitmaps, for one axis of a block copy.
KRange BlockRange(std::int64_t count, std::int64_t d, std::int64_t destinationExtent,
                  std::int64_t s, std::int64_t sourceExtent) {
    return KRange{std::max({std::int64_t{0}, -d, -s}),
                  std::min({count, destinationExtent - d, sourceExtent - s})};
}

}  // namespace

std::unique_ptr<Bitmap> Bitmap::Create(std::int32_t width, std::int32_t height) {
    if (width <= 0 || height <= 0) return nullptr;
    const auto columns = static_cast<std::size_t>(width);
    const auto rows = static_cast<std::size_t>(height);
    if (columns > kMaxPixelCount / rows) return nullptr;

    // The pixel store is a standard vector, whose allocation reports failure
    // only by throwing; that failure stays here as an empty result.
    std::vector<std::uint8_t> pixels;
    try {
        pixels.resize(columns * rows);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    return std::unique_ptr<Bitmap>(new (std::nothrow) Bitmap(width, height, std::move(pixels)));
}

Bitmap* DrawContext::SelectBitmap(Bitmap* bitmap) { return std::exchange(bitmap_, bitmap); }

Pen DrawContext::SelectPen(Pen pen) { return std::exchange(pen_, pen); }

MixMode DrawContext::SetMixMode(MixMode mode) { return std::exchange(mode_, mode); }

void DrawContext::MoveToEx(std::int32_t x, std::int32_t y) { position_ = Point{x, y}; }

Rect DrawContext::LineTo(std::int32_t x, std::int32_t y) {
    const Point from = std::exchange(position_, Point{x, y});
    if (!bitmap_) return Rect{};
    return DrawSegment(*bitmap_, from, position_, pen_.grey, mode_);
}

Rect DrawContext::Polygon(std::span<const Point> points) {
    if (!bitmap_ || points.size() < 2) return Rect{};
    Rect touched;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point to = points[(i + 1) % points.size()];
        touched = UnionRect(touched, DrawSegment(*bitmap_, points[i], to, pen_.grey, mode_));
    }
    return touched;
}

Rect DrawContext::Rectangle(std::int32_t left, std::int32_t top, std::int32_t right,
                            std::int32_t bottom) {
    const auto [l, r] = std::minmax(left, right);
    const auto [t, b] = std::minmax(top, bottom);
    if (l == r || t == b) return Rect{};
    // r > l and b > t, so r - 1 and b - 1 cannot overflow.
    const std::array<Point, 4> corners{Point{l, t}, Point{r - 1, t}, Point{r - 1, b - 1},
                                       Point{l, b - 1}};
    return Polygon(corners);
}

Rect DrawContext::SetPixelV(std::int32_t x, std::int32_t y, std::uint8_t grey) {
    if (!bitmap_ || !bitmap_->contains(x, y)) return Rect{};
    Combine(bitmap_->at(x, y), grey, mode_);
    return Rect{x, y, x + 1, y + 1};
}

Rect DrawContext::FillRect(const Rect& rect, std::uint8_t grey) {
    Rect area;
    if (!bitmap_ || !IntersectRect(area, rect, Rect{0, 0, bitmap_->width(), bitmap_->height()})) {
        return Rect{};
    }
    for (std::int32_t y = area.top; y < area.bottom; ++y) {
        std::fill_n(&bitmap_->at(area.left, y), area.right - area.left, grey);
    }
    return area;
}

Rect DrawContext::BitBltInvert(std::int32_t dx, std::int32_t dy, std::int32_t width,
                               std::int32_t height, const Bitmap& source, std::int32_t sx,
                               std::int32_t sy) {
    if (!bitmap_) return Rect{};
    const KRange columns = BlockRange(width, dx, bitmap_->width(), sx, source.width());
    const KRange rows = BlockRange(height, dy, bitmap_->height(), sy, source.height());
    if (columns.first >= columns.last || rows.first >= rows.last) return Rect{};

    // When a bitmap is copied onto itself, every source pixel must be read
    // before it is overwritten, as the window system does: walk backwards
    // when the source lies before the destination in row-major order.
    const bool backwards = &source == bitmap_ && (sy < dy || (sy == dy && sx < dx));
    const std::int64_t count = columns.last - columns.first;
    const std::uint8_t* sourceBase = source.pixels().data();
    const auto sourceWidth = static_cast<std::size_t>(source.width());
    for (std::int64_t n = 0; n < rows.last - rows.first; ++n) {
        const std::int64_t j = backwards ? rows.last - 1 - n : rows.first + n;
        std::uint8_t* destination = &bitmap_->at(static_cast<std::int32_t>(dx + columns.first),
                                                 static_cast<std::int32_t>(dy + j));
        const std::uint8_t* from = sourceBase + static_cast<std::size_t>(sy + j) * sourceWidth +
                                   static_cast<std::size_t>(sx + columns.first);
        for (std::int64_t m = 0; m < count; ++m) {
            const std::int64_t i = backwards ? count - 1 - m : m;
            destination[i] ^= from[i];
        }
    }
    const auto narrow = [](std::int64_t v) { return static_cast<std::int32_t>(v); };
    return Rect{narrow(dx + columns.first), narrow(dy + rows.first), narrow(dx + columns.last),
                narrow(dy + rows.last)};
}

}  // namespace platform
