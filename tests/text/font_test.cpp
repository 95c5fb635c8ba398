#include <gtest/gtest.h>

#include <array>
#include <string>

#include "text/font.h"
#include "text_fixture.h"

namespace {

TEST(TextWidthTest, MeasuresGlyphsAndTheirGaps) {
    struct Case {
        const char* text;
        std::int32_t width;
    };
    for (const Case c : {Case{"PRESS FIRE", 30}, Case{"HIGH SCORES", 35}, Case{"ENTER YOUR NAME", 56},
                         Case{"", 0}, Case{"lower", -1}, Case{"A", 3}, Case{"M.", 7},
                         Case{"A-B", 7}}) {
        EXPECT_EQ(TextWidth(c.text), c.width) << '"' << c.text << '"';
    }
}

TEST(GlyphIndexTest, LettersDigitsSpaceAndFullStop) {
    EXPECT_EQ(GlyphIndex('A'), 0);
    EXPECT_EQ(GlyphIndex('Z'), 25);
    EXPECT_EQ(GlyphIndex('0'), 26);
    EXPECT_EQ(GlyphIndex('9'), 35);
    EXPECT_EQ(GlyphIndex(' '), 36);
    EXPECT_EQ(GlyphIndex('.'), 37);
    for (const char c : {'a', '-', '/', '\0', ':'}) EXPECT_FALSE(GlyphIndex(c).has_value()) << c;
}

TEST(FormatDigitsTest, FixedWidthWithLeadingZeros) {
    struct Case {
        std::int32_t value, count;
        const char* text;
    };
    for (const Case c : {Case{1000, 6, "001000"}, Case{0, 6, "000000"}, Case{7, 1, "7"},
                         Case{42, 2, "42"}, Case{123, 0, ""}}) {
        std::array<char, 16> out{};
        FormatDigits(c.value, c.count, out.data());
        EXPECT_STREQ(out.data(), c.text) << c.value << " in " << c.count;
    }
    // Seven digits in six: the first character has no glyph, the rest are
    // the value's last five digits.
    std::array<char, 16> out{};
    FormatDigits(1234567, 6, out.data());
    EXPECT_EQ(out[0], '0' + 12);
    EXPECT_FALSE(GlyphIndex(out[0]).has_value());
    EXPECT_STREQ(out.data() + 1, "34567");
}

class FontTest : public TextTest {
protected:
    void SetUp() override {
        TextTest::SetUp();
        StartBlank();
    }
};

// The font as a player sees it: character, width, five rows.
struct ExpectedGlyph {
    char character;
    const char* rows[5];
};
const ExpectedGlyph Font[] = {
    {'A', {"###", "#.#", "###", "#.#", "#.#"}},   {'B', {"###", "#.#", "##.", "#.#", "###"}},
    {'C', {"##", "#.", "#.", "#.", "##"}},        {'D', {"##.", "#.#", "#.#", "#.#", "##."}},
    {'E', {"##", "#.", "##", "#.", "##"}},        {'F', {"##", "#.", "##", "#.", "#."}},
    {'G', {"###", "#..", "#.#", "#.#", "###"}},   {'H', {"#.#", "#.#", "###", "#.#", "#.#"}},
    {'I', {"#", "#", "#", "#", "#"}},             {'J', {"..#", "..#", "..#", "#.#", "###"}},
    {'K', {"#.#", "#.#", "##.", "#.#", "#.#"}},   {'L', {"#.", "#.", "#.", "#.", "##"}},
    {'M', {"#...#", "##.##", "#.#.#", "#...#", "#...#"}},
    {'N', {"#..#", "##.#", "#.##", "#..#", "#..#"}},
    {'O', {"###", "#.#", "#.#", "#.#", "###"}},   {'P', {"###", "#.#", "###", "#..", "#.."}},
    {'Q', {"###", "#.#", "#.#", "###", "###"}},   {'R', {"###", "#.#", "###", "##.", "#.#"}},
    {'S', {"##", "#.", "##", ".#", "##"}},        {'T', {"###", ".#.", ".#.", ".#.", ".#."}},
    {'U', {"#.#", "#.#", "#.#", "#.#", "###"}},   {'V', {"#.#", "#.#", "#.#", "#.#", ".#."}},
    {'W', {"#...#", "#...#", "#.#.#", "##.##", "#...#"}},
    {'X', {"#.#", "#.#", ".#.", "#.#", "#.#"}},   {'Y', {"#.#", "#.#", ".#.", ".#.", ".#."}},
    {'Z', {"###", "..#", ".#.", "#..", "###"}},   {'0', {"###", "#.#", "#.#", "#.#", "###"}},
    {'1', {"#", "#", "#", "#", "#"}},             {'2', {"##", ".#", "##", "#.", "##"}},
    {'3', {"##", ".#", "##", ".#", "##"}},        {'4', {"#.#", "#.#", "###", "..#", "..#"}},
    {'5', {"##", "#.", "##", ".#", "##"}},        {'6', {"###", "#..", "###", "#.#", "###"}},
    {'7', {"##", ".#", ".#", ".#", ".#"}},        {'8', {"###", "#.#", "###", "#.#", "###"}},
    {'9', {"###", "#.#", "###", "..#", "###"}},   {' ', {".", ".", ".", ".", "."}},
    {'.', {".", ".", ".", ".", "#"}},
};

TEST_F(FontTest, EveryGlyphDrawsItsPixelsAndABlankColumn) {
    for (const ExpectedGlyph& glyph : Font) {
        ClearBackBuffer();
        const std::int32_t x0 = 10;
        const std::int32_t y0 = 20;
        DrawString(x0, y0, std::string(1, glyph.character));
        const auto width = static_cast<std::int32_t>(std::string(glyph.rows[0]).size());
        int lit = 0;
        for (std::int32_t row = 0; row < 5; ++row) {
            for (std::int32_t col = 0; col < width; ++col) {
                const bool on = glyph.rows[row][col] == '#';
                EXPECT_EQ(BackBitmap->at(x0 + col, y0 + row), on ? 255 : 0)
                    << glyph.character << " row " << row << " column " << col;
                lit += on ? 1 : 0;
            }
        }
        int total = 0;
        for (const std::uint8_t p : BackBitmap->pixels()) total += p != 0 ? 1 : 0;
        EXPECT_EQ(total, lit) << glyph.character << ": nothing outside the glyph";
        EXPECT_EQ(TextWidth(std::string(1, glyph.character)), width);
    }
}

TEST_F(FontTest, DrawingAStringTwiceRestoresTheBuffer) {
    BackBufferDC.FillRect(platform::Rect{0, 0, 64, 64}, 0x5A);
    const auto before = Snapshot();
    for (const char* text : {"PRESS FIRE", "SCORE 1234", "A.B C", "lower and UPPER", ""}) {
        DrawString(-3, 60, text);  // partly outside the window too
        DrawString(-3, 60, text);
        DrawStringCentred(30, text);
        DrawStringCentred(30, text);
        EXPECT_EQ(Snapshot(), before) << text;
    }
}

TEST_F(FontTest, CentredStringsSitWhereTheWindowsCentreIs) {
    struct Case {
        const char* text;
        std::int32_t x;
    };
    for (const Case c : {Case{"PRESS FIRE", 17}, Case{"GAME OVER", 15}, Case{"lower", 32}}) {
        ClearBackBuffer();
        DrawStringCentred(40, c.text);
        const auto drawn = Snapshot();
        ClearBackBuffer();
        DrawString(c.x, 40, c.text);
        EXPECT_EQ(Snapshot(), drawn) << c.text;
    }
}

TEST_F(FontTest, NumbersShowWithoutTheirLeadingDigitsWhenTooLong) {
    DrawNumber(5, 5, 1234567, 6);
    const auto drawn = Snapshot();
    ClearBackBuffer();
    DrawString(5, 5, "34567");
    EXPECT_EQ(Snapshot(), drawn);
}

}  // namespace
