#include "objects/collision.h"

void DetectCollisions() {
    // Only asteroids, the ship, shots and the saucer collide, and none of
    // those kinds exists yet: every pair passes through every other.
}
