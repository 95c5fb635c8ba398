#pragma once

// Points and rectangles as the window system measures them, and the few
// rectangle helpers the game uses. Right and bottom are exclusive.

#include <cstdint>

namespace platform {

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// True when the rectangle holds no pixel (right <= left or bottom <= top).
bool IsRectEmpty(const Rect& r);

// Grows the rectangle by dx on the left and right and by dy on top and bottom.
void InflateRect(Rect& r, std::int32_t dx, std::int32_t dy);

// Moves the rectangle by (dx, dy).
void OffsetRect(Rect& r, std::int32_t dx, std::int32_t dy);

// The overlap of a and b; returns false, with out set empty, when they share
// no pixel (rectangles that only touch along an edge do not overlap).
bool IntersectRect(Rect& out, const Rect& a, const Rect& b);

// The smallest rectangle holding both; an empty rectangle adds nothing.
Rect UnionRect(const Rect& a, const Rect& b);

// True when left <= x < right and top <= y < bottom.
bool PtInRect(const Rect& r, Point p);

}  // namespace platform
