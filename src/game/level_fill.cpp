#include "game/level_fill.h"

std::int32_t AsteroidMassTotal = 0;
std::int32_t AsteroidMassLeft = 0;

namespace {

constexpr std::int32_t FirstLevelMass = 240;
constexpr std::int32_t MassPerLevel = 80;

}  // namespace

void StartLevel(std::int32_t n) {
    const std::int32_t mass = FirstLevelMass + MassPerLevel * n;
    AsteroidMassTotal = mass;
    AsteroidMassLeft = mass;
    // The asteroids themselves arrive with the asteroid kind.
}
