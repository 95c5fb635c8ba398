#pragma once

// Every moving thing on the playfield is an Entity: drawn and erased by
// exclusive-or, moved once per frame tick. The frame tick drives each one
// through erase (toggleDraw), update and redraw (toggleDraw); a dead one is
// removed from the object list, told onDestroyed, and deleted.

class Entity {
public:
    Entity() = default;
    Entity(const Entity&) = delete;
    Entity& operator=(const Entity&) = delete;

    // The six operations, in the order the game's design fixes.
    virtual ~Entity() = default;
    virtual bool drawsAsPoints() const { return false; }
    virtual void onDestroyed() = 0;
    virtual void drawShape() = 0;
    virtual void toggleDraw() = 0;
    virtual void update() = 0;

    // Cleared by collision detection or by the object's own update; the next
    // frame tick then removes the object.
    bool alive = true;
};
