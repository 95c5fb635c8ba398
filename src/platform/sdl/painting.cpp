// Painting on SDL: the back buffer's greys are converted to the window
// surface's pixel format, and only the repainted area is sent to the screen.

#include <SDL.h>

#include <algorithm>
#include <array>

#include "platform/sdl/sdl_window.h"
#include "platform/window.h"

namespace platform {
namespace {

constexpr int GreyLevels = 256;

// The window surface's pixel value of each grey, worked out once for the
// surface's format so that painting is a table look-up per pixel.
class GreyPixels {
public:
    void PrepareFor(const SDL_PixelFormat& format) {
        if (format.format == format_) return;
        for (int grey = 0; grey < GreyLevels; ++grey) {
            const auto level = static_cast<Uint8>(grey);
            values_[grey] = SDL_MapRGB(&format, level, level, level);
        }
        format_ = format.format;
    }
    Uint32 operator[](std::uint8_t grey) const { return values_[grey]; }

private:
    std::array<Uint32, GreyLevels> values_{};
    Uint32 format_ = SDL_PIXELFORMAT_UNKNOWN;
};

GreyPixels greyPixels;
// The area PaintFromBitmap drew, for EndPaint to show.
SDL_Rect paintedArea{};

// One row of the area: whole-word pixels of 1, 2 or 4 bytes.
template <typename Pixel>
void CopyRow(const std::uint8_t* from, Uint8* to, int count) {
    auto* pixel = reinterpret_cast<Pixel*>(to);
    for (int i = 0; i < count; ++i) pixel[i] = static_cast<Pixel>(greyPixels[from[i]]);
}

// One row of 3-byte pixels, stored byte by byte in the surface's byte order.
void CopyPackedRow(const std::uint8_t* from, Uint8* to, int count) {
    for (int i = 0; i < count; ++i, to += 3) {
        const Uint32 value = greyPixels[from[i]];
        const Uint8 low = value & 0xFF, middle = (value >> 8) & 0xFF, high = (value >> 16) & 0xFF;
        to[0] = SDL_BYTEORDER == SDL_LIL_ENDIAN ? low : high;
        to[1] = middle;
        to[2] = SDL_BYTEORDER == SDL_LIL_ENDIAN ? high : low;
    }
}

void CopyArea(const Bitmap& source, const Rect& area, SDL_Surface& surface) {
    const int bytesPerPixel = surface.format->BytesPerPixel;
    const int count = area.right - area.left;
    for (std::int32_t y = area.top; y < area.bottom; ++y) {
        const std::uint8_t* from = &source.pixels()[static_cast<std::size_t>(y) * source.width() +
                                                    static_cast<std::size_t>(area.left)];
        Uint8* to = static_cast<Uint8*>(surface.pixels) + y * surface.pitch +
                    area.left * bytesPerPixel;
        switch (bytesPerPixel) {
            case 1: CopyRow<Uint8>(from, to, count); break;
            case 2: CopyRow<Uint16>(from, to, count); break;
            case 3: CopyPackedRow(from, to, count); break;
            default: CopyRow<Uint32>(from, to, count); break;
        }
    }
}

}  // namespace

void PaintFromBitmap(const Bitmap& backBuffer, const Rect& area) {
    SDL_Window* window = sdl::MainWindow().window;
    if (window == nullptr) return;
    // The surface lives as long as the window keeps its size; asking for it
    // again costs nothing then.
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (surface == nullptr) return;
    Rect clipped;
    const Rect reachable{0, 0, std::min(backBuffer.width(), surface->w),
                         std::min(backBuffer.height(), surface->h)};
    if (!IntersectRect(clipped, area, reachable)) return;

    greyPixels.PrepareFor(*surface->format);
    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return;
    CopyArea(backBuffer, clipped, *surface);
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    paintedArea = SDL_Rect{clipped.left, clipped.top, clipped.right - clipped.left,
                           clipped.bottom - clipped.top};
}

void EndPaint() {
    SDL_Window* window = sdl::MainWindow().window;
    if (window != nullptr && paintedArea.w > 0) {
        SDL_UpdateWindowSurfaceRects(window, &paintedArea, 1);
    }
    paintedArea = SDL_Rect{};
}

}  // namespace platform
