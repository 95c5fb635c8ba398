#include "platform/geometry.h"

#include <algorithm>

namespace platform {

bool IsRectEmpty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }

void InflateRect(Rect& r, std::int32_t dx, std::int32_t dy) {
    r.left -= dx;
    r.top -= dy;
    r.right += dx;
    r.bottom += dy;
}

void OffsetRect(Rect& r, std::int32_t dx, std::int32_t dy) {
    r.left += dx;
    r.right += dx;
    r.top += dy;
    r.bottom += dy;
}

bool IntersectRect(Rect& out, const Rect& a, const Rect& b) {
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (IsRectEmpty(r)) {
        out = Rect{};
        return false;
    }
    out = r;
    return true;
}

Rect UnionRect(const Rect& a, const Rect& b) {
    if (IsRectEmpty(a)) return b;
    if (IsRectEmpty(b)) return a;
    return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

bool PtInRect(const Rect& r, Point p) {
    return r.left <= p.x && p.x < r.right && r.top <= p.y && p.y < r.bottom;
}

}  // namespace platform
