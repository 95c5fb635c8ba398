#pragma once

// The software back buffer and its drawing primitives. Every colour of the
// game is a grey, so a bitmap holds one byte per pixel (0 black .. 255 white).
// The primitives choose exactly the pixels the Windows drawing calls they
// stand in for choose (one-pixel cosmetic pen, hollow brush), and clipping to
// the bitmap never changes which pixels are chosen inside it. All backends
// share this code, so every platform shows the same pixels.

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/geometry.h"

namespace platform {

// A width x height grid of grey levels, row-major, top row first.
class Bitmap {
public:
    // Returns nothing when the size is not positive or the memory cannot be
    // had; a new bitmap is all black.
    static std::unique_ptr<Bitmap> Create(std::int32_t width, std::int32_t height);

    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    std::uint8_t at(std::int32_t x, std::int32_t y) const { return pixels_[index(x, y)]; }
    std::uint8_t& at(std::int32_t x, std::int32_t y) { return pixels_[index(x, y)]; }
    const std::vector<std::uint8_t>& pixels() const { return pixels_; }
    bool contains(std::int32_t x, std::int32_t y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_;
    }

private:
    Bitmap(std::int32_t width, std::int32_t height, std::vector<std::uint8_t> pixels)
        : width_(width), height_(height), pixels_(std::move(pixels)) {}
    std::size_t index(std::int32_t x, std::int32_t y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    std::int32_t width_;
    std::int32_t height_;
    std::vector<std::uint8_t> pixels_;
};

// A solid one-pixel pen of one grey. The stock white pen is Pen{255}.
struct Pen {
    std::uint8_t grey = 255;
    friend bool operator==(const Pen&, const Pen&) = default;
};
inline constexpr Pen WhitePen{255};

// How a pen's grey is combined with the pixel below: overwrite (the window
// system's default) or exclusive-or.
enum class MixMode : std::uint8_t { CopyPen, XorPen };

// The drawing state over one selected bitmap: pen, mix mode and the current
// position of MoveToEx/LineTo. Every primitive returns the smallest rectangle
// holding the pixels it wrote (empty when it wrote none), so the caller can
// mark that area of the window for repainting.
class DrawContext {
public:
    // Selects a bitmap to draw into and returns the one selected before
    // (none at first). Drawing without a bitmap writes nothing.
    Bitmap* SelectBitmap(Bitmap* bitmap);
    Bitmap* bitmap() const { return bitmap_; }

    // Selects a pen and returns the one selected before.
    Pen SelectPen(Pen pen);
    Pen pen() const { return pen_; }

    // Sets the mix mode and returns the previous one.
    MixMode SetMixMode(MixMode mode);
    MixMode mixMode() const { return mode_; }

    // Moves the current position without drawing.
    void MoveToEx(std::int32_t x, std::int32_t y);
    // Draws from the current position to (x, y), leaving out the end pixel,
    // and makes (x, y) the current position.
    Rect LineTo(std::int32_t x, std::int32_t y);
    // Draws the closed outline through the points: each edge, the closing one
    // included, as an independent line. Fewer than two points draw nothing.
    Rect Polygon(std::span<const Point> points);
    // Draws the hollow outline of columns left..right-1 and rows top..bottom-1
    // (the corners are sorted first).
    Rect Rectangle(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
    // Combines one pixel with the grey by the mix mode; outside the bitmap
    // nothing happens.
    Rect SetPixelV(std::int32_t x, std::int32_t y, std::uint8_t grey);
    // Fills the rectangle with one grey (the black brush of the window class).
    Rect FillRect(const Rect& rect, std::uint8_t grey);
    // Inverting copy: destination pixel (dx + i, dy + j) is exclusive-ored with
    // source pixel (sx + i, sy + j) for 0 <= i < width, 0 <= j < height.
    // Pixels whose source or destination lies outside its bitmap are left as
    // they are; nothing shifts.
    Rect BitBltInvert(std::int32_t dx, std::int32_t dy, std::int32_t width, std::int32_t height,
                      const Bitmap& source, std::int32_t sx, std::int32_t sy);

private:
    Bitmap* bitmap_ = nullptr;
    Pen pen_ = WhitePen;
    MixMode mode_ = MixMode::CopyPen;
    Point position_{};
};

}  // namespace platform
