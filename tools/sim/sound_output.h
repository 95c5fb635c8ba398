#pragma once

// What the simulator writes of the game's sound: the bank's buffers, and
// what the virtual sound device played.

#include <string>

// Writes every buffer of the built bank, in bank order, as raw sample bytes
// into `folder` (made if missing): BeatHighSound.u8, BeatLowSound.u8,
// BangSound0.u8 ... ThrustSound.u8. False, saying why on stderr, when the
// bank is not complete or a file cannot be written.
bool DumpSoundBank(const std::string& folder);

// Writes what the virtual device has played so far as a 44100 Hz 16-bit mono
// WAVE file. False, saying why on stderr, when it cannot be written.
bool WriteHeardSound(const std::string& path);
