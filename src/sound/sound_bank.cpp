#include "sound/sound_bank.h"

#include "objects/saucer.h"
#include "objects/ship.h"

// Both start set and are overwritten by the result of BuildSoundBank before
// any sound could play.
bool SoundOn = true;
bool SoundAvailable = true;

// The platform layer has no sound output yet, so the bank cannot be built:
// the game runs silent, as it does on a machine without a sound device.

bool BuildSoundBank() { return false; }

void DestroySoundBank() {}

namespace {

constexpr int PoolSize = 16;

// The pool buffer played last; the index moves on before each play, so the
// first play after start-up uses buffer 1.
int FirePoolIndex = 0;
int BangPoolIndex = 0;

int NextInPool(int index) { return (index + 1) % PoolSize; }

}  // namespace

void PlayFireSound() {
    if (!SoundOn) return;
    FirePoolIndex = NextInPool(FirePoolIndex);
}

void PlayBangSound() {
    if (!SoundOn) return;
    BangPoolIndex = NextInPool(BangPoolIndex);
}

void PlaySound(BankSound) {}
void PlaySoundLooping(BankSound) {}
void StopSound(BankSound) {}

void ToggleSound() {
    if (!SoundAvailable) return;
    SoundOn = !SoundOn;
    if (!SoundOn) {
        StopSound(BankSound::Saucer);
        StopSound(BankSound::Thrust);
        return;
    }
    // Back on: the loops that belong to what is happening now resume.
    if (CurrentSaucer != nullptr) PlaySoundLooping(BankSound::Saucer);
    if (CurrentShip != nullptr && CurrentShip->thrusting) PlaySoundLooping(BankSound::Thrust);
}
