#include "objects/saucer.h"

#include <array>

#include "app/main_window.h"
#include "app/object_list.h"
#include "app/random.h"
#include "app/timers.h"
#include "objects/asteroid.h"
#include "objects/bullet.h"
#include "objects/ship.h"
#include "sound/sound_bank.h"

Saucer* CurrentSaucer = nullptr;

namespace {

// Dome on top (vertices 0, 1, 2, 7), widest at 3 and 6, flat base (4, 5);
// at heading 270 vertex (u, v) lies at (u, -v) from the centre.
constexpr std::array<WorldPoint, 8> SaucerShape{
    {{-15, 20}, {15, 20}, {17, 10}, {30, 0}, {17, -10}, {-17, -10}, {-30, 0}, {-17, 10}}};
constexpr std::int32_t SaucerHeading = 270;
constexpr double SmallSaucerScale = 0.5;
constexpr std::size_t MuzzleVertex = 3;  // its u is the muzzle's distance from the centre
// The two inner lines of the picture, between these pixel points.
constexpr std::array<std::pair<std::size_t, std::size_t>, 2> InnerLines{{{2, 7}, {3, 6}}};

constexpr double SaucerSpeed = 3.0;
constexpr int TurnChoices = 180;
constexpr std::int32_t TurnOffset = 90;
constexpr std::int32_t SmallestTurn = 40;
constexpr int TurnDelayChoices = 1000;
constexpr std::uint32_t ShortestTurnDelayMs = 1000;
constexpr std::uint32_t ShotPeriodMs = 800;
constexpr int ArrivalChoices = 4;
constexpr std::uint32_t ShortestArrivalSeconds = 5;
constexpr std::uint32_t MsPerSecond = 1000;
constexpr std::int32_t FullBrightness = 255;

}  // namespace

std::uint32_t DrawSaucerArrivalMs() {
    return (static_cast<std::uint32_t>(rng::rand() % ArrivalChoices) + ShortestArrivalSeconds) *
           MsPerSecond;
}

std::int32_t CourseChange(std::int32_t t) {
    const std::int32_t d = t - TurnOffset;
    if (d >= 0 && d <= SmallestTurn) return SmallestTurn;
    if (d >= -SmallestTurn && d < 0) return -SmallestTurn;
    return d;
}

Saucer::Saucer() : Entity(EntityKind::Saucer, SaucerShape) {
    const WorldPoint centre = RandomSpawnPoint();
    positionX = centre.x;
    positionY = centre.y;
    heading = SaucerHeading;
}

void SpawnSaucer() {
    // No saucer before the player has fired with the current ship; the timer
    // stays armed and tries again.
    if (CurrentShip == nullptr || CurrentShip->invulnerable) return;
    std::unique_ptr<Saucer> saucer = TryCreate<Saucer>();
    if (!saucer) return;
    StopTimer(TimerId::SaucerArrival);
    CurrentSaucer = saucer.get();
    saucer->brightness = 1;
    saucer->course = rng::rand() % DegreesPerTurn;
    saucer->isLarge = rng::rand() % 2 == 0;
    if (!saucer->isLarge) {
        for (WorldPoint& m : saucer->modelPoints) {
            m.x *= SmallSaucerScale;
            m.y *= SmallSaucerScale;
        }
    }
    saucer->changeCourse();
    if (SoundOn) PlaySoundLooping(BankSound::Saucer);
    StartTimer(TimerId::SaucerShot, ShotPeriodMs);
    AddObject(std::move(saucer));
}

void Saucer::changeCourse() {
    std::int32_t next = course + CourseChange(rng::rand() % TurnChoices);
    if (next < 0) next += DegreesPerTurn;
    next %= DegreesPerTurn;
    // Sine and cosine change roles here: course 0 moves down the screen.
    velocityX = SaucerSpeed * SinTable[next];
    velocityY = SaucerSpeed * CosTable[next];
    StopTimer(TimerId::SaucerTurn);
    StartTimer(TimerId::SaucerTurn,
               static_cast<std::uint32_t>(rng::rand() % TurnDelayChoices) + ShortestTurnDelayMs);
    course = next;
}

void SaucerTurn() {
    if (CurrentSaucer != nullptr) CurrentSaucer->changeCourse();
}

void SaucerFire() {
    if (CurrentSaucer == nullptr || CurrentSaucer->brightness < SolidSaucerBrightness) return;
    const Saucer& saucer = *CurrentSaucer;
    const std::int32_t direction = rng::rand() % DegreesPerTurn;
    PlayFireSound();
    // The shot starts outside the outline; the saucer does not aim.
    const double r = saucer.modelPoints[MuzzleVertex].x;
    const WorldPoint muzzle{saucer.positionX + r * CosTable[direction],
                            saucer.positionY + r * SinTable[direction]};
    AddObject(TryCreate<Bullet>(muzzle, direction));
}

void Saucer::update() {
    Entity::update();
    if (brightness < FullBrightness) ++brightness;
}

void Saucer::toggleDraw() { toggleDrawInGrey(brightness < FullBrightness, brightness); }

void Saucer::drawShape() {
    // The inner lines are part of the picture: drawn the same way for every
    // copy at an edge and for every erase.
    Entity::drawShape();
    for (const auto& [from, to] : InnerLines) {
        BackBufferDC.MoveToEx(screenPoints[from].x, screenPoints[from].y);
        BackBufferDC.LineTo(screenPoints[to].x, screenPoints[to].y);
    }
}

void Saucer::onDestroyed() {
    StopTimer(TimerId::SaucerTurn);
    StopTimer(TimerId::SaucerShot);
    StartTimer(TimerId::SaucerArrival, DrawSaucerArrivalMs());
    Entity::onDestroyed();
    if (SoundOn) StopSound(BankSound::Saucer);
    CurrentSaucer = nullptr;
}
