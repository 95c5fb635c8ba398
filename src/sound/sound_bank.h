#pragma once

// The game's sounds: made once at start-up into the sound bank, afterwards
// only started and stopped, and only while sound is on.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/sound.h"

// Every start and stop of a bank sound happens only while this is set; the S
// key toggles it.
extern bool SoundOn;
// The bank was built; without it the S key does nothing.
extern bool SoundAvailable;

// The buffer of each pool played last (0..15). Each play moves its pool on
// first, so the first play after start-up uses buffer 1.
extern std::int32_t FireSoundIndex;
extern std::int32_t BangSoundIndex;

// The single sounds of the bank (the shot and explosion pools aside).
enum class BankSound { BeatHigh, BeatLow, Hyperspace, Saucer, Thrust };

// Opens the sound device and makes every buffer of the bank, in a fixed
// order, from the random generator's first state; true only when all of them
// were made (the first failure ends the build). Called once by start-up
// right after the main window exists.
bool BuildSoundBank();
// Releases the sound device and with it every buffer. Called by teardown.
void DestroySoundBank();

// Plays a bank sound once (or on in a loop), or stops it. A sound that is
// still sounding goes on from where it is. The callers check SoundOn.
void PlaySound(BankSound sound);
void PlaySoundLooping(BankSound sound);
void StopSound(BankSound sound);

// Plays the next buffer of the shot or explosion pool, so that up to 16 of
// them overlap. While sound is off nothing plays and the pool stays put.
void PlayFireSound();
void PlayBangSound();

// The S key: sound off, or back on (resuming the saucer's siren and the
// thrust where they belong).
void ToggleSound();

// Every slot of the bank in the order it is built, named as its dump file is
// ("BeatHighSound", "BangSound0" ... "ThrustSound"); a slot not made has no
// buffer. For the simulator's dump and tests.
struct BankSlot {
    std::string name;
    const platform::AudioBuffer* buffer = nullptr;
};
std::vector<BankSlot> BankSlots();
