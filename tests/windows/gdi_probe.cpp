// Draws the raster tool's cases with the window system's own drawing calls
// and prints the pixels they leave, in the raster tool's output format, so
// the two can be compared line by line.
//
// Each case gets a memory device context holding a black 32-bit top-down DIB
// section of its size, the exclusive-or mix mode (R2_XORPEN), the hollow
// brush and a one-pixel solid pen of the case's grey, as the game draws:
//   line    MoveToEx + LineTo       polygon  Polygon
//   rect    Rectangle               pixel    SetPixelV
//   blit    BitBlt with SRCINVERT from the font strip, bitmap 101 of this
//           program's resources, loaded as the 4-bit DIB section it is
// Every grey pen and the strip's black and white give r = g = b, so the red
// channel is printed; a pixel whose channels differ, or whose top byte is
// set, stops the run with status 2, since then the cases cannot be compared.
// Malformed lines are reported and skipped as the raster tool does (status 1).

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "platform/win32/win32.h"
#include "raster_case.h"

namespace {

constexpr WORD kFontStripResource = 101;
constexpr WORD kTrueColourBits = 32;
constexpr WORD kFontStripBits = 4;
constexpr int kExitMalformed = 1;
constexpr int kExitIncomparable = 2;

// The standard 16-colour palette, as 0xRRGGBB, that the font strip's indices
// must map to.
constexpr std::array<std::uint32_t, 16> kStandardPalette{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

// Stops the run: the cases drawn so far cannot be trusted.
[[noreturn]] void Fail(int status, const std::string& message) {
    std::cout.flush();
    std::cerr << "zumiasteroids-gdi-probe: " << message << '\n';
    std::exit(status);
}

// Deletes a GDI object when it goes out of scope.
class GdiObject {
public:
    explicit GdiObject(HGDIOBJ handle) : handle_(handle) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() {
        if (handle_ != nullptr) DeleteObject(handle_);
    }
    HGDIOBJ get() const { return handle_; }

private:
    HGDIOBJ handle_ = nullptr;
};

// A memory device context; puts back what was selected into it and deletes
// it when it goes out of scope, before the objects it held are deleted.
class MemoryContext {
public:
    MemoryContext() : handle_(CreateCompatibleDC(nullptr)) {
        if (handle_ == nullptr) Fail(kExitIncomparable, "CreateCompatibleDC failed");
    }
    MemoryContext(const MemoryContext&) = delete;
    MemoryContext& operator=(const MemoryContext&) = delete;
    ~MemoryContext() {
        for (auto it = replaced_.rbegin(); it != replaced_.rend(); ++it) SelectObject(handle_, *it);
        DeleteDC(handle_);
    }
    HDC get() const { return handle_; }
    void Select(HGDIOBJ object) {
        const HGDIOBJ previous = SelectObject(handle_, object);
        if (previous == nullptr) Fail(kExitIncomparable, "SelectObject failed");
        replaced_.push_back(previous);
    }

private:
    HDC handle_ = nullptr;
    std::vector<HGDIOBJ> replaced_;
};

// The font strip selected into a memory context of its own.
class FontStrip {
public:
    // Loads the strip on first use; fails the run when it is not the 4-bit
    // DIB section with the standard palette that the game's text is drawn from.
    HDC Get() {
        if (!strip_) Load();
        return context_.get();
    }

private:
    void Load() {
        strip_ = std::make_unique<GdiObject>(LoadImageA(GetModuleHandleA(nullptr),
                                                        MAKEINTRESOURCEA(kFontStripResource),
                                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        if (strip_->get() == nullptr) Fail(kExitIncomparable, "cannot load bitmap 101");
        DIBSECTION section{};
        if (GetObjectA(strip_->get(), sizeof(section), &section) != sizeof(section) ||
            section.dsBm.bmBitsPixel != kFontStripBits) {
            Fail(kExitIncomparable, "bitmap 101 is not a 4-bit DIB section");
        }
        context_.Select(strip_->get());
        std::array<RGBQUAD, kStandardPalette.size()> colours{};
        if (GetDIBColorTable(context_.get(), 0, colours.size(), colours.data()) != colours.size()) {
            Fail(kExitIncomparable, "bitmap 101 has no 16-colour table");
        }
        for (std::size_t i = 0; i < colours.size(); ++i) {
            const std::uint32_t rgb = std::uint32_t{colours[i].rgbRed} << 16 |
                                      std::uint32_t{colours[i].rgbGreen} << 8 | colours[i].rgbBlue;
            if (rgb != kStandardPalette[i]) {
                Fail(kExitIncomparable,
                     "bitmap 101's colour " + std::to_string(i) + " is not the standard palette's");
            }
        }
    }

    std::unique_ptr<GdiObject> strip_;
    MemoryContext context_;  // declared after the strip, so it lets go of it first
};

COLORREF Grey(std::uint8_t grey) { return RGB(grey, grey, grey); }

// Draws the primitive into the context, whose bitmap is black, with the
// exclusive-or mix mode and the hollow brush already selected.
void Draw(const raster::Primitive& primitive, MemoryContext& dc, FontStrip& font) {
    const auto withPen = [&](std::uint8_t grey, auto draw) {
        const GdiObject pen(CreatePen(PS_SOLID, 1, Grey(grey)));
        if (pen.get() == nullptr) Fail(kExitIncomparable, "CreatePen failed");
        const HGDIOBJ previous = SelectObject(dc.get(), pen.get());
        draw();
        SelectObject(dc.get(), previous);
    };
    std::visit(
        [&](const auto& shape) {
            using Shape = std::decay_t<decltype(shape)>;
            if constexpr (std::is_same_v<Shape, raster::LineCase>) {
                withPen(shape.grey, [&] {
                    MoveToEx(dc.get(), shape.from.x, shape.from.y, nullptr);
                    LineTo(dc.get(), shape.to.x, shape.to.y);
                });
            } else if constexpr (std::is_same_v<Shape, raster::PolygonCase>) {
                std::vector<POINT> points;
                for (const platform::Point& p : shape.points) points.push_back(POINT{p.x, p.y});
                withPen(shape.grey,
                        [&] { Polygon(dc.get(), points.data(), static_cast<int>(points.size())); });
            } else if constexpr (std::is_same_v<Shape, raster::RectCase>) {
                withPen(shape.grey, [&] {
                    Rectangle(dc.get(), shape.left, shape.top, shape.right, shape.bottom);
                });
            } else if constexpr (std::is_same_v<Shape, raster::PixelCase>) {
                SetPixelV(dc.get(), shape.at.x, shape.at.y, Grey(shape.grey));
            } else {
                BitBlt(dc.get(), shape.destination.x, shape.destination.y, shape.width,
                       shape.height, font.Get(), shape.source.x, shape.source.y, SRCINVERT);
            }
        },
        primitive);
}

// Draws one case and appends its output line; returns false, with a reason,
// when its bitmap cannot be made.
bool RunCase(const raster::Case& drawn, long number, FontStrip& font, std::string& output,
             std::string& reason) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = drawn.width;
    format.bmiHeader.biHeight = -drawn.height;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = kTrueColourBits;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const GdiObject bitmap(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap.get() == nullptr || bits == nullptr) {
        reason = "cannot make a " + std::to_string(drawn.width) + " x " +
                 std::to_string(drawn.height) + " bitmap";
        return false;
    }
    const auto width = static_cast<std::size_t>(drawn.width);
    const auto height = static_cast<std::size_t>(drawn.height);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    std::fill_n(pixels, width * height, 0u);
    {
        MemoryContext dc;
        dc.Select(bitmap.get());
        dc.Select(GetStockObject(NULL_BRUSH));
        SetROP2(dc.get(), R2_XORPEN);
        Draw(drawn.primitive, dc, font);
        GdiFlush();
    }

    bool first = true;
    for (std::size_t y = 0; y < height; ++y) {
        for (std::size_t x = 0; x < width; ++x) {
            const std::uint32_t value = pixels[y * width + x];
            if (value == 0) continue;
            const std::uint32_t red = value >> 16 & 0xFF;
            if (value >> 24 != 0 || (value >> 8 & 0xFF) != red || (value & 0xFF) != red) {
                char hex[16];
                std::snprintf(hex, sizeof(hex), "0x%08X", static_cast<unsigned>(value));
                Fail(kExitIncomparable, "line " + std::to_string(number) + ": pixel " +
                                            std::to_string(x) + "," + std::to_string(y) + " is " +
                                            hex + ", not a grey");
            }
            raster::AppendPixel(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y),
                                static_cast<std::uint8_t>(red), first, output);
            first = false;
        }
    }
    output += '\n';
    return true;
}

}  // namespace

int main() {
    FontStrip font;
    const int status = raster::DrawEveryCase(
        "zumiasteroids-gdi-probe",
        [&font](const raster::Case& drawn, long number, std::string& output, std::string& reason) {
            return RunCase(drawn, number, font, output, reason);
        });
    return status == 0 ? 0 : kExitMalformed;
}
