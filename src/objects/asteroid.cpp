#include "objects/asteroid.h"

#include <array>

#include "app/main_window.h"
#include "app/object_list.h"
#include "app/random.h"
#include "app/timers.h"
#include "game/game_state.h"
#include "game/level_fill.h"

namespace {

constexpr int OutlineVertices = 12;
constexpr int OutlineStepMin = 26;  // degrees between vertices: 26..33
constexpr int OutlineStepChoices = 8;
constexpr int RadiusShrink = 4;     // radii run from size - 4 to size - 4 + size / 2 - 1

constexpr int SpinChoices = 9;      // -4..4 degrees per tick
constexpr int SpinMax = 4;

constexpr int FreshSpeedChoices = 1600;
constexpr double SpeedStep = 0.005;
constexpr double FreshSpeedOffset = 4.0;  // fresh components run from -4.0 to 3.995

constexpr int DeflectionChoices = 60;
constexpr std::int32_t SmallestDeflection = 10;
constexpr int SpeedFactorChoices = 200;
constexpr double SlowestSpeedFactor = 0.5;  // fragments keep 0.5 to 1.495 of the speed

constexpr double MinimumDrift = 0.4;

constexpr std::uint8_t FullBrightness = 255;
constexpr std::uint8_t FadeStep = 2;

constexpr std::int32_t ScoreBase = 100;  // an asteroid scores 100 minus its size
constexpr std::int32_t PointsPerExtraLife = 10000;
constexpr std::uint32_t NextLevelDelayMs = 3000;

constexpr int FieldChoices = 1000;
constexpr int FieldHalf = 500;

bool CoinIsEven() { return rng::rand() % 2 == 0; }

double FreshSpeed() { return SpeedStep * (rng::rand() % FreshSpeedChoices) - FreshSpeedOffset; }

}  // namespace

std::vector<WorldPoint> AsteroidOutline(std::int32_t size, int (*draw)()) {
    std::vector<WorldPoint> outline;
    outline.reserve(OutlineVertices);
    int angle = 0;
    while (static_cast<int>(outline.size()) < OutlineVertices && angle < DegreesPerTurn) {
        const int r = draw() % (size / 2) + size - RadiusShrink;
        // The roles of sine and cosine are exchanged here, so the vertex made
        // at angle a lies in the screen direction a + heading.
        outline.push_back(WorldPoint{r * SinTable[angle], r * CosTable[angle]});
        angle += OutlineStepMin + draw() % OutlineStepChoices;
    }
    return outline;
}

std::int32_t FragmentDeflection(std::int32_t t) {
    if (t >= -SmallestDeflection && t <= 0) return DegreesPerTurn - SmallestDeflection;
    if (t < 0) return t + DegreesPerTurn;
    if (t <= SmallestDeflection) return SmallestDeflection;
    return t;
}

void EnsureMinimumDrift(double& vx, double& vy) {
    if (vx >= 0 && vx < MinimumDrift && vy >= 0 && vy < MinimumDrift) {
        (CoinIsEven() ? vx : vy) = MinimumDrift;
    } else if (vx > -MinimumDrift && vx < 0 && vy > -MinimumDrift && vy < 0) {
        (CoinIsEven() ? vx : vy) = -MinimumDrift;
    }
}

Asteroid::Asteroid(const Asteroid* parent, bool firstFragment, std::int32_t asteroidSize,
                   WorldPoint centre, std::uint8_t startBrightness)
    : Entity(EntityKind::Asteroid, AsteroidOutline(asteroidSize, rng::rand)),
      size(asteroidSize),
      brightness(startBrightness) {
    positionX = centre.x;
    positionY = centre.y;

    int turn = rng::rand() % SpinChoices - SpinMax;
    if (turn == 0) turn = CoinIsEven() ? +1 : -1;
    spin = turn < 0 ? turn + DegreesPerTurn : turn;  // -1 is kept as 359, the same turn
    heading = rng::rand() % DegreesPerTurn;

    if (parent == nullptr) {
        velocityX = FreshSpeed();
        velocityY = FreshSpeed();
    } else {
        const double vx = parent->velocityX;
        const double vy = parent->velocityY;
        const int t = firstFragment ? rng::rand() % DeflectionChoices - DeflectionChoices
                                    : rng::rand() % DeflectionChoices;
        const std::int32_t h = FragmentDeflection(t);
        // Turns the course counter-clockwise on the screen by h degrees.
        velocityX = vx * CosTable[h] + vy * SinTable[h];
        velocityY = vy * CosTable[h] - vx * SinTable[h];
        const double factor = SlowestSpeedFactor + SpeedStep * (rng::rand() % SpeedFactorChoices);
        velocityX *= factor;
        velocityY *= factor;
    }
    EnsureMinimumDrift(velocityX, velocityY);
}

void Asteroid::update() {
    Entity::update();
    if (brightness < FullBrightness) brightness += FadeStep;
}

void Asteroid::toggleDraw() {
    // The brightness changes only between the two calls of a tick, so every
    // erase uses the pen of the picture it removes; at full brightness the
    // back buffer's own white pen draws.
    toggleDrawInGrey(brightness < FullBrightness, brightness);
}

void Asteroid::onDestroyed() {
    Entity::onDestroyed();

    if (!NameEntryActive) {
        const std::int32_t livesEarnedBefore = Score / PointsPerExtraLife;
        Score += ScoreBase - size;
        if (Score / PointsPerExtraLife > livesEarnedBefore) Lives += 1;
    }

    const std::int32_t half = size / 2;
    const std::int32_t quarter = half / 2;
    const std::int32_t first = CoinIsEven() ? half - rng::rand() % quarter
                                            : half + rng::rand() % quarter;
    const std::int32_t second = size - first;

    const WorldPoint centre{positionX, positionY};
    for (const auto& [pieceSize, isFirst] : {std::pair{first, true}, std::pair{second, false}}) {
        if (pieceSize < SmallestAsteroid) {
            AsteroidMassLeft -= pieceSize;  // too small to exist: its mass leaves play
        } else {
            AddObject(TryCreate<Asteroid>(this, isFirst, pieceSize, centre, brightness));
        }
    }

    // This asteroid is already out of the list, so a cleared field shows here.
    if (NoAsteroidsLeft()) StartTimer(TimerId::NextLevel, NextLevelDelayMs);
}

WorldPoint RandomSpawnPoint() {
    const double x = rng::rand() % FieldChoices - FieldHalf;
    const double y = rng::rand() % FieldChoices - FieldHalf;
    return WorldPoint{x, y};
}

bool NoAsteroidsLeft() {
    for (const auto& object : ObjectList) {
        if (object->kind == EntityKind::Asteroid) return false;
    }
    return true;
}
