#include "sound/sound_bank.h"

// Both start set and are overwritten by the result of BuildSoundBank before
// any sound could play.
bool SoundOn = true;
bool SoundAvailable = true;

// The platform layer has no sound output yet, so the bank cannot be built:
// the game runs silent, as it does on a machine without a sound device.

bool BuildSoundBank() { return false; }

void DestroySoundBank() {}

void PlaySound(BankSound) {}
void PlaySoundLooping(BankSound) {}
void StopSound(BankSound) {}

void ToggleSound() {
    if (!SoundAvailable) return;
    SoundOn = !SoundOn;
}
