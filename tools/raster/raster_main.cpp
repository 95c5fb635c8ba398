// Draws primitives read from standard input, each on its own black bitmap
// with the exclusive-or pen, and prints the pixels they leave. It lets the
// rasteriser be compared case by case with another drawing system.
//
// One case a line (coordinates are signed 32-bit and may lie far outside the
// bitmap; grey is 0..255; w and h are 0 or more):
//   W H line x0 y0 x1 y1 grey         MoveToEx(x0, y0), LineTo(x1, y1)
//   W H polygon grey n x0 y0 ... xn-1 yn-1
//   W H rect l t r b grey             Rectangle, hollow
//   W H pixel x y grey                SetPixelV
//   W H blit dx dy sx sy w h          BitBlt with SRCINVERT from the font strip
// A blit inverts the w x h area at (dx, dy) by the w x h area at (sx, sy) of
// the font strip (bitmap 101: white glyphs on black), as the text is drawn;
// only pixels whose source and destination both lie inside their bitmaps
// change.
// For each case one line is printed: the non-black pixels as "x,y,value",
// separated by single spaces, in row-major order (empty when there are none).
// Blank lines are skipped. A malformed line prints nothing on standard output
// and a message naming its line number on standard error; the remaining
// lines are still drawn, and the tool then exits with status 1, so one bad
// case neither hides the results of the others nor goes unnoticed.

#include <memory>
#include <string>
#include <type_traits>
#include <variant>

#include "platform/drawing.h"
#include "platform/resources.h"
#include "raster_case.h"

namespace {

// The font strip, loaded when the first blit needs it.
class FontStrip {
public:
    const platform::Bitmap* Get() {
        if (!tried_) {
            tried_ = true;
            bitmap_ = platform::LoadFontBitmap();
        }
        return bitmap_.get();
    }

private:
    bool tried_ = false;
    std::unique_ptr<platform::Bitmap> bitmap_;
};

// Draws the primitive with the exclusive-or pen; returns false, with a
// reason, when it cannot be drawn.
bool Draw(const raster::Primitive& primitive, platform::DrawContext& dc, FontStrip& font,
          std::string& reason) {
    return std::visit(
        [&](const auto& shape) {
            using Shape = std::decay_t<decltype(shape)>;
            if constexpr (std::is_same_v<Shape, raster::LineCase>) {
                dc.SelectPen(platform::Pen{shape.grey});
                dc.MoveToEx(shape.from.x, shape.from.y);
                dc.LineTo(shape.to.x, shape.to.y);
            } else if constexpr (std::is_same_v<Shape, raster::PolygonCase>) {
                dc.SelectPen(platform::Pen{shape.grey});
                dc.Polygon(shape.points);
            } else if constexpr (std::is_same_v<Shape, raster::RectCase>) {
                dc.SelectPen(platform::Pen{shape.grey});
                dc.Rectangle(shape.left, shape.top, shape.right, shape.bottom);
            } else if constexpr (std::is_same_v<Shape, raster::PixelCase>) {
                dc.SetPixelV(shape.at.x, shape.at.y, shape.grey);
            } else {
                const platform::Bitmap* strip = font.Get();
                if (strip == nullptr) {
                    reason = "cannot load the font strip";
                    return false;
                }
                dc.BitBltInvert(shape.destination.x, shape.destination.y, shape.width, shape.height,
                                *strip, shape.source.x, shape.source.y);
            }
            return true;
        },
        primitive);
}

// Appends the non-black pixels of the bitmap, row by row, to the output.
void AppendPixels(const platform::Bitmap& bitmap, std::string& output) {
    bool first = true;
    for (std::int32_t y = 0; y < bitmap.height(); ++y) {
        for (std::int32_t x = 0; x < bitmap.width(); ++x) {
            const std::uint8_t value = bitmap.at(x, y);
            if (value == 0) continue;
            raster::AppendPixel(x, y, value, first, output);
            first = false;
        }
    }
}

// Draws one case on a black bitmap of its own; on success appends its output line.
bool DrawOnBackBuffer(const raster::Case& drawn, FontStrip& font, std::string& output,
                      std::string& reason) {
    std::unique_ptr<platform::Bitmap> bitmap = platform::Bitmap::Create(drawn.width, drawn.height);
    if (!bitmap) {
        reason = "cannot make a " + std::to_string(drawn.width) + " x " +
                 std::to_string(drawn.height) + " bitmap";
        return false;
    }
    platform::DrawContext dc;
    dc.SelectBitmap(bitmap.get());
    dc.SetMixMode(platform::MixMode::XorPen);
    if (!Draw(drawn.primitive, dc, font, reason)) return false;
    AppendPixels(*bitmap, output);
    output += '\n';
    return true;
}

}  // namespace

int main() {
    FontStrip font;
    return raster::DrawEveryCase(
        "zumiasteroids-raster",
        [&font](const raster::Case& drawn, long, std::string& output, std::string& reason) {
            return DrawOnBackBuffer(drawn, font, output, reason);
        });
}
