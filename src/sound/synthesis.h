#pragma once

// The generators of the synthesised sounds: tone sweeps (a sine whose pitch
// and loudness glide from a start value to an end value) and noise bursts
// (random samples whose spread glides), as unsigned 8-bit samples centred on
// 127, 11000 a second. Every sample is the same on every run and every
// platform.

#include <cstdint>
#include <span>

// Samples per second of every synthesised sound (not 11025).
inline constexpr std::int32_t SynthesisRate = 11000;

// The samples of a sound lasting `durationMs`: eleven a millisecond and one
// more (100 ms give 1101). Zero or less for a negative duration.
std::int64_t SampleCount(std::int32_t durationMs);

// Fills `samples` with a tone gliding from startHz towards endHz and from
// startAmplitude towards endAmplitude (the full swing, clamped to 127); the
// end values themselves are never reached. The frequencies must lie in
// 1..11000 Hz, so that a period is at least one sample, and there may be at
// most 110,000 samples.
void FillTone(std::span<std::uint8_t> samples, std::int32_t startHz, std::int32_t endHz,
              std::int32_t startAmplitude, std::int32_t endAmplitude);

// Fills `samples` with noise whose largest distance from 127 glides from
// startAmplitude - 1 towards endAmplitude - 1, drawing on the game's random
// generator (two numbers a sample while the amplitude is at least 1, one
// after).
void FillNoise(std::span<std::uint8_t> samples, std::int32_t startAmplitude,
               std::int32_t endAmplitude);
