#pragma once

// Text in the pixel font: measuring, placing and drawing strings and
// fixed-width numbers. Glyphs are combined with the back buffer by
// exclusive-or, so drawing the same text twice at the same place removes it.

#include <cstdint>
#include <optional>
#include <string_view>

// Glyph index 0..37 of a character (A-Z, 0-9, space, full stop), or none.
std::optional<std::int32_t> GlyphIndex(char character);

// The width in pixels DrawString covers; characters without a glyph add
// nothing, and any non-empty string measures one less than its glyph columns.
std::int32_t TextWidth(std::string_view text);

// Draws the string with its first glyph's top-left pixel at (x, y).
void DrawString(std::int32_t x, std::int32_t y, std::string_view text);

// Draws the string horizontally centred in the window, top row at y.
void DrawStringCentred(std::int32_t y, std::string_view text);

// Exactly `count` decimal characters with leading zeros, then a NUL; a value
// that needs more digits starts with a character that has no glyph.
void FormatDigits(std::int32_t value, std::int32_t count, char* output);

// The most digits DrawNumber writes (a 32-bit value has at most ten).
inline constexpr std::int32_t MaxNumberDigits = 10;

// Draws the value as `count` digits with leading zeros.
void DrawNumber(std::int32_t x, std::int32_t y, std::int32_t value, std::int32_t count);
