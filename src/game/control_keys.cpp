#include "game/control_keys.h"

#include <cstdint>

#include "objects/ship.h"
#include "platform/input.h"
#include "sound/sound_bank.h"

bool FireHeld = false;
bool HyperspaceHeld = false;

namespace {

constexpr std::int32_t TurnPerTick = 5;  // degrees; positive turns clockwise on the screen

bool KeyIsDown(platform::VirtualKey key) {
    return (platform::GetAsyncKeyState(static_cast<std::uint8_t>(key)) & platform::KeyDownBit) != 0;
}

}  // namespace

void TurnKeys() {
    if (CurrentShip == nullptr) return;
    // Both keys are read live, so releasing one of two held arrows turns
    // toward the one still held.
    const bool left = KeyIsDown(platform::VirtualKey::Left);
    const bool right = KeyIsDown(platform::VirtualKey::Right);
    if (left && !right) {
        CurrentShip->spin = -TurnPerTick;
    } else if (right && !left) {
        CurrentShip->spin = TurnPerTick;
    } else {
        CurrentShip->spin = 0;
    }
}

void ThrustKey() {
    const bool up = KeyIsDown(platform::VirtualKey::Up);
    if (CurrentShip == nullptr) return;
    if (up) {
        if (SoundOn) PlaySoundLooping(BankSound::Thrust);
        CurrentShip->thrusting = true;
    } else {
        if (SoundOn) StopSound(BankSound::Thrust);
        CurrentShip->thrusting = false;
    }
}

// A release whose press was never reported acts like a press: only the
// latch decides.
void FireKey(bool down) {
    if (!FireHeld && CurrentShip != nullptr) CurrentShip->fire();
    FireHeld = down;
}

void HyperspaceKey(bool down) {
    if (!HyperspaceHeld && CurrentShip != nullptr) CurrentShip->startHyperspace();
    HyperspaceHeld = down;
}
