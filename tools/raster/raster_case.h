#pragma once

// One line of the raster tool's input: a bitmap size and the primitive drawn
// on it. The raster tool and the Windows program that draws the same cases
// with the window system's own calls both read their cases through this, so
// they cannot disagree about what a line means.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/geometry.h"

namespace raster {

// MoveToEx(from), LineTo(to) with a pen of the grey.
struct LineCase {
    platform::Point from;
    platform::Point to;
    std::uint8_t grey = 0;
};

// Polygon through the points with a pen of the grey.
struct PolygonCase {
    std::uint8_t grey = 0;
    std::vector<platform::Point> points;
};

// Rectangle(left, top, right, bottom) with a pen of the grey.
struct RectCase {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    std::uint8_t grey = 0;
};

// SetPixelV(at, grey).
struct PixelCase {
    platform::Point at;
    std::uint8_t grey = 0;
};

// BitBlt with SRCINVERT of the width x height area at source of the font
// strip to destination.
struct BlitCase {
    platform::Point destination;
    platform::Point source;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

using Primitive = std::variant<LineCase, PolygonCase, RectCase, PixelCase, BlitCase>;

struct Case {
    std::int32_t width = 0;
    std::int32_t height = 0;
    Primitive primitive;
};

// True when the line holds nothing but blanks; such lines are skipped.
bool IsBlank(std::string_view line);

// Reads one non-blank line; returns false, with the reason, when it does not
// describe a case.
bool ParseCase(std::string_view line, Case& out, std::string& reason);

// Appends one pixel to a case's output line, "x,y,value", after a space
// unless it is the first.
void AppendPixel(std::int32_t x, std::int32_t y, std::uint8_t value, bool first,
                 std::string& output);

// Draws one parsed case: appends its output line (pixels and the newline), or
// gives the reason it could not be drawn. The number is the case's line.
using DrawCase = std::function<bool(const Case& drawn, long number, std::string& output,
                                    std::string& reason)>;

// Reads every case from standard input, one a line (blank lines skipped),
// draws each, and prints the output lines in order; a line that cannot be
// read or drawn prints "TOOL: line N: REASON" on standard error instead and
// the rest go on. Returns the exit status: 0 when every line was drawn, else 1.
int DrawEveryCase(const char* tool, const DrawCase& draw);

}  // namespace raster
