#include "objects/entity.h"

#include <cmath>

#include "app/main_window.h"
#include "app/object_list.h"
#include "objects/debris.h"
#include "platform/window.h"
#include "sound/sound_bank.h"

namespace {

constexpr double FieldHalf = 500.0;
constexpr double FieldSize = 1000.0;
// A world unit is WindowSize * InverseFieldSize pixels (taken as that
// product, which rounds differently from WindowSize / 1000.0).
constexpr double InverseFieldSize = 0.001;
constexpr std::uint8_t White = 255;

constexpr std::int32_t ExplosionLifeSpan = 50;
constexpr double ExplosionGrowth = 1.03;

// Which way a shape crosses an edge: +1 when a vertex lies before the field's
// start, -1 when one lies at or past its end (the last such vertex decides),
// and whether any vertex lies inside.
struct EdgeTest {
    int direction = 0;
    bool anyInside = false;

    void add(double shifted, double size) {
        if (shifted < 0) {
            direction = +1;
        } else if (shifted >= size) {
            direction = -1;
        } else {
            anyInside = true;
        }
    }
};

std::int32_t Truncate(double value) { return static_cast<std::int32_t>(value); }

}  // namespace

std::int32_t WorldToPixel(double world) {
    return Truncate((world + FieldHalf) * (WindowSize * InverseFieldSize));
}

Entity::Entity(EntityKind entityKind, std::span<const WorldPoint> model)
    : screenPoints(model.size()),
      kind(entityKind),
      worldPoints(model.size()),
      modelPoints(model.begin(), model.end()) {}

void Entity::turn() {
    heading += spin;
    // One correction is enough: every spin is smaller than a full turn.
    if (heading >= DegreesPerTurn) {
        heading -= DegreesPerTurn;
    } else if (heading < 0) {
        heading += DegreesPerTurn;
    }
}

void Entity::placeAndWrap() {
    const double cosH = CosTable[heading];
    const double sinH = SinTable[heading];
    EdgeTest horizontal;
    EdgeTest vertical;
    for (std::size_t k = 0; k < modelPoints.size(); ++k) {
        const WorldPoint& m = modelPoints[k];  // u sideways, v forward
        WorldPoint& w = worldPoints[k];
        w.x = positionX + (m.y * cosH - m.x * sinH);
        w.y = positionY + (m.y * sinH + m.x * cosH);
        if (k == 0) {
            worldBounds = platform::Rect{Truncate(w.x), Truncate(w.y), Truncate(w.x), Truncate(w.y)};
        } else {
            if (w.x < worldBounds.left) worldBounds.left = Truncate(w.x);
            if (w.x > worldBounds.right) worldBounds.right = Truncate(w.x);
            if (w.y < worldBounds.top) worldBounds.top = Truncate(w.y);
            if (w.y > worldBounds.bottom) worldBounds.bottom = Truncate(w.y);
        }
        horizontal.add(w.x + FieldHalf, FieldSize);
        vertical.add(w.y + FieldHalf, FieldSize);
    }

    // The whole shape has left across an edge: it comes back at the other one.
    if (horizontal.direction != 0 && !horizontal.anyInside) {
        const int dx = horizontal.direction;
        positionX += dx * FieldSize;
        for (WorldPoint& w : worldPoints) w.x += dx * FieldSize;
        platform::OffsetRect(worldBounds, Truncate(dx * FieldSize), 0);
        platform::OffsetRect(screenBounds, dx * WindowSize, 0);
        for (platform::Point& p : screenPoints) p.x += dx * WindowSize;
    }
    if (vertical.direction != 0 && !vertical.anyInside) {
        const int dy = vertical.direction;
        positionY += dy * FieldSize;
        for (WorldPoint& w : worldPoints) w.y += dy * FieldSize;
        platform::OffsetRect(worldBounds, 0, Truncate(dy * FieldSize));
        platform::OffsetRect(screenBounds, 0, dy * WindowSize);
        for (platform::Point& p : screenPoints) p.y += dy * WindowSize;
    }
}

void Entity::update() {
    positionX += velocityX;
    positionY += velocityY;
    turn();
    placeAndWrap();
}

void Entity::toggleDraw() {
    // The first call stands for the erase half of the cycle: nothing is drawn yet.
    if (!primed) {
        primed = true;
        return;
    }

    int hx = 0;
    int hy = 0;
    screenBounds = platform::Rect{};
    for (std::size_t k = 0; k < worldPoints.size(); ++k) {
        const platform::Point p{WorldToPixel(worldPoints[k].x), WorldToPixel(worldPoints[k].y)};
        screenPoints[k] = p;
        if (k == 0) {
            screenBounds = platform::Rect{p.x, p.y, p.x, p.y};
        } else {
            screenBounds.left = std::min(screenBounds.left, p.x);
            screenBounds.top = std::min(screenBounds.top, p.y);
            screenBounds.right = std::max(screenBounds.right, p.x);
            screenBounds.bottom = std::max(screenBounds.bottom, p.y);
        }
        if (p.x < 0) {
            hx = +1;
        } else if (p.x >= WindowSize) {
            hx = -1;
        }
        if (p.y < 0) {
            hy = +1;
        } else if (p.y >= WindowSize) {
            hy = -1;
        }
    }
    platform::InflateRect(screenBounds, 1, 1);

    drawShape();
    platform::InvalidateRect(screenBounds);

    // A debris cloud is never shown at the opposite edge.
    if (kind == EntityKind::Debris) return;

    // A shape across an edge shows at once on both sides of the field (and in
    // the opposite corner); the erase call draws the same copies.
    const auto drawCopy = [this](std::int32_t ox, std::int32_t oy) {
        for (platform::Point& p : screenPoints) p = platform::Point{p.x + ox, p.y + oy};
        drawShape();
        platform::Rect copyBounds = screenBounds;
        platform::OffsetRect(copyBounds, ox, oy);
        platform::InvalidateRect(copyBounds);
        for (platform::Point& p : screenPoints) p = platform::Point{p.x - ox, p.y - oy};
    };
    if (hx != 0) drawCopy(hx * WindowSize, 0);
    if (hy != 0) {
        drawCopy(0, hy * WindowSize);
        if (hx != 0) drawCopy(hx * WindowSize, hy * WindowSize);
    }
}

void Entity::toggleDrawInGrey(bool inGrey, int grey) {
    platform::Pen kept{};
    if (inGrey) kept = BackBufferDC.SelectPen(GreyPens[grey]);
    Entity::toggleDraw();
    if (inGrey) BackBufferDC.SelectPen(kept);
}

void Entity::drawShape() {
    if (drawsAsPoints()) {
        for (const platform::Point& p : screenPoints) BackBufferDC.SetPixelV(p.x, p.y, White);
    } else {
        BackBufferDC.Polygon(screenPoints);
    }
}

void Entity::onDestroyed() {
    if (kind == EntityKind::Debris || kind == EntityKind::Bullet) return;
    PlayBangSound();
    AddObject(TryCreate<Debris>(*this, ExplosionLifeSpan, ExplosionGrowth));
}
