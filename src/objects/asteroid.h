#pragma once

// The asteroids that fill each level: an irregular outline of up to twelve
// vertices that drifts, spins and wraps around the field, fades in from
// nearly black to white, and splits in two when destroyed.

#include <cstdint>
#include <vector>

#include "objects/entity.h"

// Asteroids below this size are never made: a piece that small vanishes.
inline constexpr std::int32_t SmallestAsteroid = 12;

class Asteroid final : public Entity {
public:
    // A fresh asteroid (no parent) or a fragment of `parent`; the first of
    // the two fragments veers clockwise, the second counter-clockwise.
    Asteroid(const Asteroid* parent, bool firstFragment, std::int32_t asteroidSize,
             WorldPoint centre, std::uint8_t startBrightness);

    void onDestroyed() override;
    void toggleDraw() override;
    void update() override;

    std::int32_t size = SmallestAsteroid;  // the mass: radius, score and split
    std::uint8_t brightness = 1;           // grey of the outline; 255 is the white pen
};

// A random place in the field, whole numbers from -500 to 499 on both axes.
WorldPoint RandomSpawnPoint();

// True when no asteroid is in the object list (dead ones still count).
bool NoAsteroidsLeft();

// The outline of an asteroid of the given size: twelve vertices at random
// radii and at steps of 26 to 33 degrees, each made with two draws. Should the
// steps pass a full turn before the twelfth vertex (which the game's own
// generator never lets happen), the outline keeps the vertices it has.
std::vector<WorldPoint> AsteroidOutline(std::int32_t size, int (*draw)());

// The degrees by which a fragment's course is turned for its deflection draw
// t (-60..-1 for the first fragment, 0..59 for the second).
std::int32_t FragmentDeflection(std::int32_t t);

// Speeds up an asteroid that would crawl in a straight line near the
// direction of a diagonal: both components of one sign and below 0.4.
void EnsureMinimumDrift(double& vx, double& vy);
