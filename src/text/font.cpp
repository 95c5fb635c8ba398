#include "text/font.h"

#include <algorithm>
#include <array>

#include "app/main_window.h"
#include "platform/window.h"
#include "text/glyphs.h"

namespace {

constexpr std::int32_t DigitGlyphOffset = 22;  // '0' (48) is glyph 26
constexpr std::int32_t LetterGlyphOffset = 65; // 'A' is glyph 0
constexpr std::int32_t SpaceGlyph = 36;
constexpr std::int32_t FullStopGlyph = 37;
constexpr int Radix = 10;

}  // namespace

std::optional<std::int32_t> GlyphIndex(char character) {
    if (character >= '0' && character <= '9') return character - DigitGlyphOffset;
    if (character == ' ') return SpaceGlyph;
    if (character == '.') return FullStopGlyph;
    if (character >= 'A' && character <= 'Z') return character - LetterGlyphOffset;
    return std::nullopt;
}

std::int32_t TextWidth(std::string_view text) {
    std::int32_t width = 0;
    for (const char c : text) {
        if (const auto g = GlyphIndex(c)) width += Glyphs[*g].width + 1;
    }
    // One less for any non-empty string, even one without a single glyph.
    return text.empty() ? width : width - 1;
}

void DrawString(std::int32_t x, std::int32_t y, std::string_view text) {
    for (const char c : text) {
        const auto g = GlyphIndex(c);
        if (!g) continue;
        const std::int32_t w = Glyphs[*g].width;
        // Without the font strip (it could not be loaded) text stays
        // invisible and the game goes on.
        if (FontBitmap) {
            BackBufferDC.BitBltInvert(x, y, w + 1, GlyphHeight, *FontBitmap, GlyphColumns[*g], 0);
        }
        // One column wider than the copy.
        platform::InvalidateRect(platform::Rect{x, y, x + w + 2, y + GlyphHeight});
        x += w + 1;
    }
}

void DrawStringCentred(std::int32_t y, std::string_view text) {
    DrawString((WindowSize - TextWidth(text)) / 2, y, text);
}

void FormatDigits(std::int32_t value, std::int32_t count, char* output) {
    std::int32_t divisor = 1;
    for (std::int32_t i = 1; i < count; ++i) divisor *= Radix;
    for (std::int32_t i = 0; i < count; ++i) {
        const std::int32_t digit = value / divisor;
        output[i] = static_cast<char>('0' + digit);
        value -= digit * divisor;
        divisor /= Radix;
    }
    output[count < 0 ? 0 : count] = '\0';
}

void DrawNumber(std::int32_t x, std::int32_t y, std::int32_t value, std::int32_t count) {
    std::array<char, MaxNumberDigits + 1> digits{};
    FormatDigits(value, std::clamp(count, 0, MaxNumberDigits), digits.data());
    DrawString(x, y, digits.data());
}
