// zumiasteroids-fontgen: writes the font strip resource, a 140 x 5 bitmap of
// 4 bits per pixel with the standard 16-colour palette, from the glyph table
// the game measures its text with. Glyph pixels have colour 15 (white), all
// others colour 0 (black).
//
// Usage: zumiasteroids-fontgen OUTPUT.bmp

#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "text/glyphs.h"

namespace {

constexpr std::uint8_t Background = 0;
constexpr std::uint8_t GlyphPixel = 15;
constexpr std::uint16_t BitsPerPixel = 4;
constexpr std::uint32_t PaletteEntries = 16;
constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::int32_t PixelsPerMetre = 0;  // no preferred resolution

// The standard 16-colour palette, as 0xRRGGBB.
constexpr std::array<std::uint32_t, PaletteEntries> StandardPalette{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// The colour index of every strip pixel, top row first.
std::vector<std::uint8_t> StripPixels() {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(FontStripWidth) * GlyphHeight,
                                     Background);
    for (std::size_t g = 0; g < GlyphCount; ++g) {
        for (std::int32_t row = 0; row < GlyphHeight; ++row) {
            for (std::int32_t col = 0; col < Glyphs[g].width; ++col) {
                if (Glyphs[g].rows[row][col] == '#') {
                    pixels[row * FontStripWidth + GlyphColumns[g] + col] = GlyphPixel;
                }
            }
        }
    }
    return pixels;
}

std::vector<std::uint8_t> EncodeBitmap() {
    const std::vector<std::uint8_t> pixels = StripPixels();
    // Rows are padded to whole 32-bit words and stored bottom row first.
    const std::uint32_t rowBytes = (FontStripWidth * BitsPerPixel + 31) / 32 * 4;
    const std::uint32_t imageSize = rowBytes * GlyphHeight;
    const std::uint32_t pixelOffset = FileHeaderSize + InfoHeaderSize + PaletteEntries * 4;

    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, pixelOffset + imageSize);
    Put32(out, 0);  // reserved
    Put32(out, pixelOffset);

    Put32(out, InfoHeaderSize);
    Put32(out, FontStripWidth);
    Put32(out, GlyphHeight);
    Put16(out, 1);  // planes
    Put16(out, BitsPerPixel);
    Put32(out, 0);  // no compression
    Put32(out, imageSize);
    Put32(out, PixelsPerMetre);
    Put32(out, PixelsPerMetre);
    Put32(out, PaletteEntries);
    Put32(out, 0);  // every colour matters

    for (const std::uint32_t rgb : StandardPalette) {
        out.push_back(static_cast<std::uint8_t>(rgb));        // blue
        out.push_back(static_cast<std::uint8_t>(rgb >> 8));   // green
        out.push_back(static_cast<std::uint8_t>(rgb >> 16));  // red
        out.push_back(0);
    }

    for (std::int32_t row = GlyphHeight - 1; row >= 0; --row) {
        std::vector<std::uint8_t> line(rowBytes, 0);
        for (std::int32_t x = 0; x < FontStripWidth; ++x) {
            const std::uint8_t index = pixels[row * FontStripWidth + x];
            line[x / 2] |= static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
        }
        out.insert(out.end(), line.begin(), line.end());
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zumiasteroids-fontgen OUTPUT.bmp\n");
        return 2;
    }
    const std::vector<std::uint8_t> bitmap = EncodeBitmap();
    std::FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "zumiasteroids-fontgen: cannot create %s\n", argv[1]);
        return 1;
    }
    const bool written = std::fwrite(bitmap.data(), 1, bitmap.size(), file) == bitmap.size();
    if (std::fclose(file) != 0 || !written) {
        std::fprintf(stderr, "zumiasteroids-fontgen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
