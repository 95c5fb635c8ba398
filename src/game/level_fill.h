#pragma once

// The filling of a level with asteroids, and the two mass counters that let
// the rest of the game see how much of the level is left.

#include <cstdint>

// The asteroid mass the current level started with: 240 + 80 * level.
extern std::int32_t AsteroidMassTotal;
// Mass not yet shot to nothing; paces the background beat.
extern std::int32_t AsteroidMassLeft;

// Fills the field with the asteroids of level n, adding to what is there.
void StartLevel(std::int32_t n);
