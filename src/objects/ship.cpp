#include "objects/ship.h"

#include <array>
#include <cmath>

#include "app/main_window.h"
#include "app/object_list.h"
#include "app/random.h"
#include "app/timers.h"
#include "objects/bullet.h"
#include "objects/debris.h"
#include "platform/window.h"
#include "sound/sound_bank.h"

Ship* CurrentShip = nullptr;

namespace {

// u sideways, v forward: nose, rear corner, notch in the tail, rear corner.
constexpr std::array<WorldPoint, 4> ShipShape{{{0, 30}, {15, -15}, {0, -5}, {-15, -15}}};
constexpr double NoseDistance = 30.0;  // where shots start

constexpr std::int32_t PulseStep = 5;
constexpr int PulseMiddleGrey = 175;  // the pulse runs from 95 to 255
constexpr int PulseSwing = 80;

constexpr double ThrustPerTick = 0.3;
constexpr double SpeedCap = 40.0;
constexpr double Friction = 0.97;

constexpr std::int32_t HyperspaceStep = 3;   // pixels per tick the squares grow or shrink
constexpr std::int32_t JumpRadius = 100;     // the squares this large: the jump
struct HyperspaceSquare {
    std::int32_t inset;  // pixels inside the largest square
    int grey;
};
constexpr std::array<HyperspaceSquare, 3> HyperspaceSquares{{{0, 63}, {25, 127}, {50, 191}}};
constexpr int FieldChoices = 1000;
constexpr int FieldHalf = 500;

constexpr std::array<std::int32_t, 9> DeathCloudLifeSpans{100, 150, 200, 250, 300,
                                                         350, 400, 450, 500};
constexpr double DeathCloudGrowth = 1.07;
constexpr std::uint32_t RespawnDelayMs = 2000;

}  // namespace

Ship::Ship() : Entity(EntityKind::Ship, ShipShape) { heading = rng::rand() % DegreesPerTurn; }

Ship::~Ship() {
    for (const std::int32_t lifeSpan : DeathCloudLifeSpans) {
        AddObject(TryCreate<Debris>(*this, lifeSpan, DeathCloudGrowth));
    }
    StartTimer(TimerId::Respawn, RespawnDelayMs);
    // A ship deleted without being destroyed (the field cleared under it)
    // must not stay behind as the current ship.
    if (CurrentShip == this) CurrentShip = nullptr;
}

void CreateShip() {
    std::unique_ptr<Ship> ship = TryCreate<Ship>();
    if (!ship) return;
    CurrentShip = ship.get();
    AddObject(std::move(ship));
}

void Ship::applyThrust() {
    if (inHyperspace) return;
    velocityX += ThrustPerTick * CosTable[heading];
    velocityY += ThrustPerTick * SinTable[heading];
    // Only the positive side is capped; friction keeps every speed below 10.
    if (velocityX > SpeedCap) velocityX = SpeedCap;
    if (velocityY > SpeedCap) velocityY = SpeedCap;
}

void Ship::update() {
    if (!inHyperspace) {
        if (invulnerable) pulsePhase += PulseStep;
        Entity::update();
        if (thrusting) applyThrust();  // after this tick's turn; shows in the next tick's motion
        velocityX *= Friction;
        velocityY *= Friction;
        return;
    }

    hyperspaceRadius += hyperspaceOutbound ? HyperspaceStep : -HyperspaceStep;
    if (hyperspaceOutbound) {
        if (hyperspaceRadius < JumpRadius) return;  // standing still, not transformed
        turn();
        positionX = (rng::rand() % FieldChoices) - FieldHalf + velocityX;
        positionY = (rng::rand() % FieldChoices) - FieldHalf + velocityY;
        placeAndWrap();
        hyperspaceOutbound = false;
        return;
    }
    if (hyperspaceRadius > 0) return;
    inHyperspace = false;
    invulnerable = false;
    heading = rng::rand() % DegreesPerTurn;
    Entity::update();
}

void Ship::toggleDraw() {
    if (inHyperspace) {
        if (!primed) {
            primed = true;
            return;
        }
        // Three grey squares around the ship's place, in pixels; they may
        // reach beyond the window. No outline and no copies during the jump.
        const std::int32_t cx = WorldToPixel(positionX);
        const std::int32_t cy = WorldToPixel(positionY);
        for (const HyperspaceSquare& square : HyperspaceSquares) {
            const std::int32_t half = hyperspaceRadius - square.inset;
            const platform::Rect area{cx - half, cy - half, cx + half, cy + half};
            if (area.left >= area.right) continue;
            const platform::Pen kept = BackBufferDC.SelectPen(GreyPens[square.grey]);
            BackBufferDC.Rectangle(area.left, area.top, area.right, area.bottom);
            platform::InvalidateRect(area);
            BackBufferDC.SelectPen(kept);
        }
        return;
    }

    const int pulseGrey =
        PulseMiddleGrey + static_cast<int>(std::trunc(PulseSwing * SinTable[pulsePhase % DegreesPerTurn]));
    toggleDrawInGrey(invulnerable, pulseGrey);
    // Shots and level starts happen between ticks, so these changes show from
    // the erase half of the next tick on: the erase still uses the old pen.
    if (justFired) {
        justFired = false;
        invulnerable = false;
    }
    if (pendingInvulnerable) {
        pendingInvulnerable = false;
        invulnerable = true;
    }
}

void Ship::startHyperspace() {
    if (invulnerable) return;  // also refuses a jump in progress
    if (SoundOn) PlaySound(BankSound::Hyperspace);
    toggleDraw();  // erases the ship; this runs between two ticks, while it is drawn
    velocityX = 0;
    velocityY = 0;
    primed = false;
    spin = 0;
    inHyperspace = true;
    invulnerable = true;
    hyperspaceOutbound = true;
    hyperspaceRadius = 0;
}

void Ship::fire() {
    if (inHyperspace) return;
    PlayFireSound();
    justFired = true;
    // The ship's own velocity is not added: every shot flies at 12 per tick.
    const WorldPoint muzzle{positionX + NoseDistance * CosTable[heading],
                            positionY + NoseDistance * SinTable[heading]};
    AddObject(TryCreate<Bullet>(muzzle, heading));
}

void Ship::onDestroyed() {
    Entity::onDestroyed();
    if (SoundOn) StopSound(BankSound::Thrust);
    CurrentShip = nullptr;
}
