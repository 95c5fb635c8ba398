#pragma once

// The game's pixel font: capital letters, digits, space and full stop, five
// pixels high, side by side in one strip with a blank column after each
// glyph. The font strip resource is generated from this table, and text is
// measured with it.

#include <array>
#include <cstdint>
#include <string_view>

struct Glyph {
    char character;
    std::int32_t width;
    // Top row first; '#' is a glyph pixel, '.' the background.
    std::array<std::string_view, 5> rows;
};

inline constexpr std::int32_t GlyphHeight = 5;
inline constexpr std::size_t GlyphCount = 38;

inline constexpr std::array<Glyph, GlyphCount> Glyphs{{
    {'A', 3, {"###", "#.#", "###", "#.#", "#.#"}},
    {'B', 3, {"###", "#.#", "##.", "#.#", "###"}},
    {'C', 2, {"##", "#.", "#.", "#.", "##"}},
    {'D', 3, {"##.", "#.#", "#.#", "#.#", "##."}},
    {'E', 2, {"##", "#.", "##", "#.", "##"}},
    {'F', 2, {"##", "#.", "##", "#.", "#."}},
    {'G', 3, {"###", "#..", "#.#", "#.#", "###"}},
    {'H', 3, {"#.#", "#.#", "###", "#.#", "#.#"}},
    {'I', 1, {"#", "#", "#", "#", "#"}},
    {'J', 3, {"..#", "..#", "..#", "#.#", "###"}},
    {'K', 3, {"#.#", "#.#", "##.", "#.#", "#.#"}},
    {'L', 2, {"#.", "#.", "#.", "#.", "##"}},
    {'M', 5, {"#...#", "##.##", "#.#.#", "#...#", "#...#"}},
    {'N', 4, {"#..#", "##.#", "#.##", "#..#", "#..#"}},
    {'O', 3, {"###", "#.#", "#.#", "#.#", "###"}},
    {'P', 3, {"###", "#.#", "###", "#..", "#.."}},
    {'Q', 3, {"###", "#.#", "#.#", "###", "###"}},
    {'R', 3, {"###", "#.#", "###", "##.", "#.#"}},
    {'S', 2, {"##", "#.", "##", ".#", "##"}},
    {'T', 3, {"###", ".#.", ".#.", ".#.", ".#."}},
    {'U', 3, {"#.#", "#.#", "#.#", "#.#", "###"}},
    {'V', 3, {"#.#", "#.#", "#.#", "#.#", ".#."}},
    {'W', 5, {"#...#", "#...#", "#.#.#", "##.##", "#...#"}},
    {'X', 3, {"#.#", "#.#", ".#.", "#.#", "#.#"}},
    {'Y', 3, {"#.#", "#.#", ".#.", ".#.", ".#."}},
    {'Z', 3, {"###", "..#", ".#.", "#..", "###"}},
    {'0', 3, {"###", "#.#", "#.#", "#.#", "###"}},
    {'1', 1, {"#", "#", "#", "#", "#"}},
    {'2', 2, {"##", ".#", "##", "#.", "##"}},
    {'3', 2, {"##", ".#", "##", ".#", "##"}},
    {'4', 3, {"#.#", "#.#", "###", "..#", "..#"}},
    {'5', 2, {"##", "#.", "##", ".#", "##"}},
    {'6', 3, {"###", "#..", "###", "#.#", "###"}},
    {'7', 2, {"##", ".#", ".#", ".#", ".#"}},
    {'8', 3, {"###", "#.#", "###", "#.#", "###"}},
    {'9', 3, {"###", "#.#", "###", "..#", "###"}},
    {' ', 1, {".", ".", ".", ".", "."}},
    {'.', 1, {".", ".", ".", ".", "#"}},
}};

// The strip column where each glyph starts: the widths and blank columns of
// the glyphs in front of it.
inline constexpr std::array<std::int32_t, GlyphCount> GlyphColumns = [] {
    std::array<std::int32_t, GlyphCount> columns{};
    std::int32_t column = 0;
    for (std::size_t g = 0; g < GlyphCount; ++g) {
        columns[g] = column;
        column += Glyphs[g].width + 1;
    }
    return columns;
}();

inline constexpr std::int32_t FontStripWidth = GlyphColumns.back() + Glyphs.back().width + 1;
static_assert(FontStripWidth == 140);
