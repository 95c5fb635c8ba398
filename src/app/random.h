#pragma once

// The game's one random generator, the same on every platform: a 32-bit
// linear congruential generator whose seed is 1 at program start. Start-up
// seeds it from the calendar time once the sound bank has been built.

#include <cstdint>

namespace rng {

// Sets the seed.
void srand(std::uint32_t seed);

// The next number, 0..32767.
int rand();

}  // namespace rng
