#include "game/level_fill.h"

#include <algorithm>

#include "app/object_list.h"
#include "app/random.h"
#include "objects/asteroid.h"

std::int32_t AsteroidMassTotal = 0;
std::int32_t AsteroidMassLeft = 0;

namespace {

constexpr std::int32_t FirstLevelMass = 240;
constexpr std::int32_t MassPerLevel = 80;
// While this much is left, pieces of 50..99 are drawn; the rest is one piece.
constexpr std::int32_t DrawnPieceThreshold = 60;
constexpr int PieceChoices = 50;
constexpr std::int32_t SmallestDrawnPiece = 50;
constexpr std::uint8_t NewAsteroidBrightness = 1;

}  // namespace

void StartLevel(std::int32_t n) {
    const std::int32_t mass = FirstLevelMass + MassPerLevel * n;
    AsteroidMassTotal = mass;
    AsteroidMassLeft = mass;
    std::int32_t rest = mass;
    while (rest > 0) {
        const std::int32_t piece =
            rest >= DrawnPieceThreshold
                ? std::min(rng::rand() % PieceChoices + SmallestDrawnPiece, rest)
                : rest;
        // A piece too small to exist is not made, but its mass stays counted.
        if (piece >= SmallestAsteroid) {
            const WorldPoint centre = RandomSpawnPoint();
            AddObject(TryCreate<Asteroid>(nullptr, false, piece, centre, NewAsteroidBrightness));
        }
        rest -= piece;
    }
}
