#pragma once

// A shot, the ship's or the saucer's: a single point that flies straight at
// 12 world units per tick for 41 updates and then vanishes.

#include <cstdint>

#include "objects/entity.h"

class Bullet final : public Entity {
public:
    Bullet(WorldPoint muzzle, std::int32_t direction);

    bool drawsAsPoints() const override { return true; }
    void update() override;

    std::int32_t age = 0;  // updates lived
};
