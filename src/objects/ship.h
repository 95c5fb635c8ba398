#pragma once

// The player's ship: a four-vertex arrowhead that turns, thrusts, glides with
// friction, fires and jumps through hyperspace. A new ship is invulnerable
// and pulses grey until its first shot; a dying one bursts into ten debris
// clouds and brings the next ship two seconds later.

#include <cstdint>

#include "objects/entity.h"

class Ship final : public Entity {
public:
    // At the centre of the field with a random heading, invulnerable.
    Ship();
    // Leaves nine more debris clouds and arms the respawn.
    ~Ship() override;

    void onDestroyed() override;
    void toggleDraw() override;
    void update() override;

    // The player's shot from the nose; nothing during a jump.
    void fire();
    // Starts a hyperspace jump, unless the ship is invulnerable.
    void startHyperspace();
    // One tick of thrust along the heading; nothing during a jump.
    void applyThrust();

    bool invulnerable = true;         // collides with nothing, pulses, no jump, no saucer
    bool justFired = false;           // ends the invulnerability at the next draw
    bool inHyperspace = false;
    bool pendingInvulnerable = false; // a new level makes the ship invulnerable at the next draw
    bool hyperspaceOutbound = false;  // the squares grow before the jump, shrink after
    std::int32_t hyperspaceRadius = 0;  // half side of the largest square, in pixels
    std::int32_t pulsePhase = 0;        // degrees; grows while invulnerable
    bool thrusting = false;             // the thrust key is held
};

// The live ship, or none; the object list owns it.
extern Ship* CurrentShip;

// Makes the ship of a game start or a respawn, sets CurrentShip and appends
// it; when memory runs out there is no ship.
void CreateShip();
