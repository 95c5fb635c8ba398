#pragma once

// The game's sounds: made once at start-up into the sound bank, afterwards
// only started and stopped, and only while sound is on.

// Every start and stop of a bank sound happens only while this is set; the S
// key toggles it.
extern bool SoundOn;
// The bank was built; without it the S key does nothing.
extern bool SoundAvailable;

// The single sounds of the bank (the shot and explosion pools aside).
enum class BankSound { BeatHigh, BeatLow, Hyperspace, Saucer, Thrust };

// Builds every buffer of the bank; true only when all of them were made.
// Called once by start-up right after the main window exists.
bool BuildSoundBank();
// Releases the sound device. Called by teardown.
void DestroySoundBank();

// Plays a bank sound once (or on in a loop), or stops it. A sound that is
// still sounding goes on from where it is.
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
