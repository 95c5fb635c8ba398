#pragma once

// The virtual sound device of the headless backend: the sdl backend's mixer
// with no device behind it, driven by the virtual clock. It exists when the
// run's Settings ask for it; what it would have played can then be read.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/sound.h"

namespace platform::headless {

// What the device plays: one 16-bit channel at this rate.
inline constexpr std::uint32_t HeardSampleRate = 44100;

// Whether the program holds the device open, and the virtual time it was
// opened at.
bool SoundDeviceOpen();
std::int64_t SoundDeviceOpenedAt();

// Everything the device has played from its opening up to now: sample i
// sounded at SoundDeviceOpenedAt() + i / 44.1 ms. Empty while none is open.
const std::vector<std::int16_t>& HeardSound();

// A buffer's samples and its play state, as of now.
std::span<const std::uint8_t> BufferSamples(const AudioBuffer& buffer);
std::uint32_t BufferSampleRate(const AudioBuffer& buffer);
bool BufferSounding(const AudioBuffer& buffer);
bool BufferLooping(const AudioBuffer& buffer);

// Starts the virtual machine's sound: a device opens only if `available`.
// Called by Reset.
void ResetSound(bool available);

}  // namespace platform::headless
