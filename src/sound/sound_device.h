#pragma once

// The sound device: opens the platform's sound output for the main window
// and makes the bank's buffers on it (empty ones, tones, noise bursts and the
// recorded siren). It owns the output and every buffer made on it; all of
// them go when it is destroyed.

#include <cstdint>

#include "platform/sound.h"

class SoundDevice {
  public:
    // Opens the default device with the priority level and, where it can,
    // the 44100 Hz 16-bit stereo output format. Whether that worked is not
    // reported: a device that did not open makes no buffers.
    SoundDevice();
    virtual ~SoundDevice();
    SoundDevice(const SoundDevice&) = delete;
    SoundDevice& operator=(const SoundDevice&) = delete;

    // A new static buffer of `bytes` unsigned 8-bit mono samples at 11000 Hz
    // that keeps sounding while the window is in the background; none when
    // the device did not open or refuses it.
    platform::AudioBuffer* CreateBuffer(std::uint32_t bytes);

    // A buffer filled with a tone sweep or a noise burst (sound/synthesis.h);
    // none when the buffer cannot be made or filled, or a tone lies outside
    // 1..11000 Hz or lasts longer than ten seconds.
    platform::AudioBuffer* MakeTone(std::int32_t durationMs, std::int32_t startHz,
                                    std::int32_t endHz, std::int32_t startAmplitude,
                                    std::int32_t endAmplitude);
    platform::AudioBuffer* MakeNoise(std::int32_t durationMs, std::int32_t startAmplitude,
                                     std::int32_t endAmplitude);

    // A buffer holding the whole sound of the "WAVE" resource `id`, in the
    // format stored with it; none when it cannot be found, read or copied.
    platform::AudioBuffer* LoadWaveSound(std::uint16_t id);

  private:
    // Buffers are made only while this is set.
    bool enabled_ = false;
    platform::AudioDevice* device_ = nullptr;
    platform::AudioBuffer* primary_ = nullptr;
};

// The device the game makes: the sound device as it is.
class GameSoundDevice final : public SoundDevice {};
