#pragma once

// Every moving thing on the playfield is an Entity: a shape of a few
// vertices around a centre, moved once per frame tick, drawn into the back
// buffer by exclusive-or (so drawing the same picture again erases it) and
// wrapped around the edges of the square playfield.
//
// The playfield runs from -500 to +500 world units on both axes, x to the
// right and y downward. The frame tick drives each object through erase
// (toggleDraw), update and redraw (toggleDraw); a dead one is removed from
// the object list, told onDestroyed, and deleted.

#include <cstdint>
#include <memory>
#include <new>
#include <span>
#include <vector>

#include "platform/geometry.h"

enum class EntityKind : std::int32_t {
    Asteroid = 0,
    Debris = 1,
    Saucer = 2,
    Ship = 3,
    Bullet = 4,
};

struct WorldPoint {
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const WorldPoint&, const WorldPoint&) = default;
};

// The pixel a world coordinate is drawn at in the window of WindowSize pixels.
std::int32_t WorldToPixel(double world);

class Entity {
public:
    Entity(const Entity&) = delete;
    Entity& operator=(const Entity&) = delete;

    // The six operations, in the order the game's design fixes.
    virtual ~Entity() = default;
    // True for objects drawn as single pixels instead of a closed outline.
    virtual bool drawsAsPoints() const { return false; }
    // An explosion and a debris cloud, except for debris and shots.
    virtual void onDestroyed();
    // Draws the pixel points into the back buffer.
    virtual void drawShape();
    // Draws (or erases) the object by exclusive-or, with copies at the
    // opposite edges while it straddles them; the first call only primes it.
    virtual void toggleDraw();
    // One tick of motion, rotation, transformation and wrap-around.
    virtual void update();

    std::int32_t pointCount() const { return static_cast<std::int32_t>(modelPoints.size()); }

    // The fields, in the order of the game's design. The three point arrays
    // always have pointCount() elements.
    bool alive = true;
    std::vector<platform::Point> screenPoints;  // pixel of each vertex, set by toggleDraw
    double velocityX = 0.0;
    EntityKind kind;
    double velocityY = 0.0;
    std::vector<WorldPoint> worldPoints;        // vertices turned and placed, set by update
    platform::Rect worldBounds{};               // integer bounds of worldPoints
    platform::Rect screenBounds{};              // bounds of screenPoints grown by one pixel
    bool primed = false;
    std::vector<WorldPoint> modelPoints;        // the shape around the centre at heading 0
    double positionX = 0.0;
    double positionY = 0.0;
    std::int32_t spin = 0;                      // degrees added to heading each tick
    std::int32_t heading = 0;                   // whole degrees 0..359

protected:
    Entity(EntityKind entityKind, std::span<const WorldPoint> model);

    // Adds spin to heading, kept within 0..359.
    void turn();
    // Turns and places the model at the position, computes worldBounds and
    // wraps the whole shape once it has left the field across an edge.
    void placeAndWrap();

    // The base toggleDraw, with the grey pen of that level selected for its
    // duration when `inGrey` is set (objects that fade in or pulse).
    void toggleDrawInGrey(bool inGrey, int grey);
};

// Creates an object, or nothing when memory runs out; no exception escapes.
template <typename T, typename... Args>
std::unique_ptr<T> TryCreate(Args&&... args) {
    try {
        return std::unique_ptr<T>(new T(std::forward<Args>(args)...));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
