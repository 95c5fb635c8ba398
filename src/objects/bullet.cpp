#include "objects/bullet.h"

#include <array>

#include "app/main_window.h"

namespace {

constexpr double ShotSpeed = 12.0;
constexpr std::int32_t LastFlyingAge = 40;  // the shot dies in its 41st update
constexpr std::array<WorldPoint, 1> ShotShape{{{0, 0}}};

}  // namespace

Bullet::Bullet(WorldPoint muzzle, std::int32_t direction) : Entity(EntityKind::Bullet, ShotShape) {
    positionX = muzzle.x;
    positionY = muzzle.y;
    heading = direction;
    velocityX = ShotSpeed * CosTable[direction];
    velocityY = ShotSpeed * SinTable[direction];
}

void Bullet::update() {
    Entity::update();
    if (age >= LastFlyingAge) alive = false;
    ++age;
}
