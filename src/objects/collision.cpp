#include "objects/collision.h"

#include "app/object_list.h"
#include "objects/saucer.h"
#include "objects/ship.h"

namespace {

bool IsInvulnerableShip(const Entity& e) {
    return e.kind == EntityKind::Ship && static_cast<const Ship&>(e).invulnerable;
}

bool IsFadingSaucer(const Entity& e) {
    return e.kind == EntityKind::Saucer &&
           static_cast<const Saucer&>(e).brightness < SolidSaucerBrightness;
}

platform::Point TruncatedPoint(const Entity& shot) {
    const WorldPoint& p = shot.worldPoints[0];
    return platform::Point{static_cast<std::int32_t>(p.x), static_cast<std::int32_t>(p.y)};
}

// The cheap test on whole-unit rectangles, then the outline test. Only the
// later object's vertices are tested against the earlier one's outline.
bool Touch(const Entity& a, const Entity& b) {
    if (b.kind == EntityKind::Bullet) {
        return platform::PtInRect(a.worldBounds, TruncatedPoint(b)) &&
               OutlineContains(a, b.worldPoints[0]);
    }
    if (a.kind == EntityKind::Bullet) {
        return platform::PtInRect(b.worldBounds, TruncatedPoint(a)) &&
               OutlineContains(b, a.worldPoints[0]);
    }
    platform::Rect overlap;
    if (!platform::IntersectRect(overlap, a.worldBounds, b.worldBounds)) return false;
    for (const WorldPoint& vertex : b.worldPoints) {
        if (OutlineContains(a, vertex)) return true;
    }
    return false;
}

}  // namespace

bool MayCollide(const Entity& a, const Entity& b) {
    if (a.kind == EntityKind::Debris || b.kind == EntityKind::Debris) return false;
    if (a.kind == b.kind) return false;
    if (IsInvulnerableShip(a) || IsInvulnerableShip(b)) return false;
    if (IsFadingSaucer(a) || IsFadingSaucer(b)) return false;
    return true;
}

bool OutlineContains(const Entity& entity, WorldPoint point) {
    const std::size_t n = entity.worldPoints.size();
    if (n == 0) return false;
    bool inside = false;
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const WorldPoint& vi = entity.worldPoints[i];
        const WorldPoint& vj = entity.worldPoints[j];
        if ((vi.y <= point.y && point.y < vj.y) || (vj.y <= point.y && point.y < vi.y)) {
            const double crossing = vi.x + (vj.x - vi.x) * (point.y - vi.y) / (vj.y - vi.y);
            if (point.x < crossing) inside = !inside;
        }
    }
    return inside;
}

void DetectCollisions() {
    // Objects already marked dead stay in the pass, so one shot can destroy
    // several overlapping objects and several shots can die in one.
    for (std::size_t i = 0; i < ObjectList.size(); ++i) {
        Entity& a = *ObjectList[i];
        for (std::size_t j = i + 1; j < ObjectList.size(); ++j) {
            Entity& b = *ObjectList[j];
            if (!MayCollide(a, b) || !Touch(a, b)) continue;
            a.alive = false;
            b.alive = false;
        }
    }
}
