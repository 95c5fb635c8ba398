// Painting the Windows game's window from the shared grey back buffer,
// through a device-independent bitmap with a palette of the 256 greys, so
// Windows shows exactly the pixels every other platform shows.

#include <array>
#include <vector>

#include "platform/geometry.h"
#include "platform/win32/win32.h"
#include "platform/window.h"

namespace platform {
namespace {

constexpr int GreyLevels = 256;
constexpr int BitsPerGrey = 8;
// Rows of a device-independent bitmap start on four-byte boundaries.
constexpr std::int32_t RowAlignment = 4;

// A header and palette for an 8-bit top-down bitmap of the greys.
struct GreyBitmapInfo {
    BITMAPINFOHEADER header;
    std::array<RGBQUAD, GreyLevels> palette;
};

GreyBitmapInfo MakeGreyBitmapInfo() {
    GreyBitmapInfo info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biPlanes = 1;
    info.header.biBitCount = BitsPerGrey;
    info.header.biCompression = BI_RGB;
    info.header.biClrUsed = GreyLevels;
    for (int i = 0; i < GreyLevels; ++i) {
        const auto grey = static_cast<BYTE>(i);
        info.palette[i] = RGBQUAD{grey, grey, grey, 0};
    }
    return info;
}

PAINTSTRUCT paint{};
GreyBitmapInfo greyInfo = MakeGreyBitmapInfo();
std::vector<std::uint8_t> rows;  // the paint area's rows, kept between paints

}  // namespace

Rect BeginPaint() {
    ::BeginPaint(win32::MainWindow(), &paint);
    const RECT& area = paint.rcPaint;
    return Rect{area.left, area.top, area.right, area.bottom};
}

void PaintFromBitmap(const Bitmap& backBuffer, const Rect& area) {
    Rect copy;
    if (!IntersectRect(copy, area, Rect{0, 0, backBuffer.width(), backBuffer.height()})) return;
    // Only the area to repaint is copied out, into rows of the bitmap's
    // alignment, so a small change in a large window costs little.
    const std::int32_t width = copy.right - copy.left;
    const std::int32_t height = copy.bottom - copy.top;
    const std::int32_t stride = (width + RowAlignment - 1) / RowAlignment * RowAlignment;
    rows.resize(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height));
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            rows[static_cast<std::size_t>(y) * stride + x] = backBuffer.at(copy.left + x, copy.top + y);
        }
    }
    greyInfo.header.biWidth = width;
    greyInfo.header.biHeight = -height;  // top row first, as in the back buffer
    StretchDIBits(paint.hdc, copy.left, copy.top, width, height, 0, 0, width, height, rows.data(),
                  reinterpret_cast<const BITMAPINFO*>(&greyInfo), DIB_RGB_COLORS, SRCCOPY);
}

void EndPaint() { ::EndPaint(win32::MainWindow(), &paint); }

}  // namespace platform
