#include "app/random.h"

namespace rng {
namespace {

constexpr std::uint32_t Multiplier = 214013;
constexpr std::uint32_t Increment = 2531011;
constexpr int ResultShift = 16;
constexpr std::uint32_t ResultMask = 0x7FFF;

std::uint32_t Seed = 1;

}  // namespace

void srand(std::uint32_t seed) { Seed = seed; }

int rand() {
    Seed = Seed * Multiplier + Increment;  // modulo 2^32 by unsigned wrap-around
    return static_cast<int>((Seed >> ResultShift) & ResultMask);
}

}  // namespace rng
