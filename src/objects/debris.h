#pragma once

// The picture of an explosion: the vertices of a destroyed object's outline
// as single pixels, drifting apart from its last position and drawing
// together again while they vanish one by one at random. It touches nothing
// and removes itself.

#include <cstdint>

#include "objects/entity.h"

class Debris final : public Entity {
public:
    // A cloud of the source's vertices at three quarters of their distance,
    // in the source's orientation (a random one for the ship's).
    Debris(const Entity& source, std::int32_t lifeSpan, double growth);

    bool drawsAsPoints() const override { return true; }
    void update() override;

    std::int32_t age = 0;       // updates lived
    std::int32_t lifeSpan = 1;  // the larger, the longer the cloud lasts
    double growth = 1.0;        // applied to every vertex after each update, decaying
};
