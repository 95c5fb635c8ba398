#pragma once

// The mixer of the backends without a sound system of their own (sdl and
// headless): static buffers of unsigned 8-bit mono samples at any rate,
// resampled to the output rate, summed and clipped into 16-bit frames.
//
// The game thread makes, fills, plays and stops buffers; the audio thread
// mixes. They share only each buffer's play state, an atomic, and the count
// of buffers, which grows only once a buffer is complete. A buffer is filled
// before its first play and never again (the buffers are static), so the
// audio thread never reads samples that are being written. Nothing is
// allocated or locked while mixing.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "platform/sound.h"

namespace platform {

enum class PlayState : std::uint8_t { Stopped, Once, Looping };

// A buffer of the mixer: its samples, made once, and where it stands.
struct AudioBuffer {
    bool primary = false;
    std::unique_ptr<std::uint8_t[]> samples;
    std::uint32_t size = 0;        // bytes, one per sample
    std::uint32_t sampleRate = 0;  // samples per second
    // Set by the first play; from then on the buffer cannot be locked.
    bool played = false;
    std::atomic<PlayState> state{PlayState::Stopped};
    // Where the next frame comes from: a whole sample, and the way on to the
    // next one in units of 1 / output rate. Only the mixing thread moves them.
    std::uint32_t position = 0;
    std::uint32_t phase = 0;
    std::span<const std::uint8_t> bytes() const { return {samples.get(), size}; }
};

class AudioMixer {
  public:
    // Buffers beyond this many are refused; the game makes 36.
    static constexpr std::size_t Capacity = 64;

    // The output: 16-bit frames of `channels` samples, `rate` frames a second.
    AudioMixer(std::uint32_t rate, int channels) : outputRate_(rate), outputChannels_(channels) {
        primary_.primary = true;
    }

    std::uint32_t outputRate() const { return outputRate_; }
    int outputChannels() const { return outputChannels_; }

    // The calls of platform/sound.h on this mixer.
    AudioBuffer* CreateBuffer(const BufferDescription& description);
    bool SetFormat(AudioBuffer& primary, const WaveFormat& format) const;
    static bool Lock(AudioBuffer& buffer, std::uint32_t offset, std::uint32_t bytes,
                     LockFlags flags, LockedRegions& regions);
    static bool Unlock(AudioBuffer& buffer, const LockedRegions& regions);
    static bool Play(AudioBuffer& buffer, PlayFlags flags);
    static bool Stop(AudioBuffer& buffer);

    // The audio thread: writes `frames` frames of interleaved samples in the
    // output format, the sum of every sounding buffer.
    void Mix(std::int16_t* out, std::size_t frames);

  private:
    static constexpr std::size_t ChunkFrames = 512;

    void MixBuffer(AudioBuffer& buffer, std::size_t frames);

    std::uint32_t outputRate_;
    int outputChannels_;
    AudioBuffer primary_;
    std::array<std::unique_ptr<AudioBuffer>, Capacity> buffers_;
    std::atomic<std::size_t> count_{0};
    std::array<std::int32_t, ChunkFrames> sum_{};
};

}  // namespace platform
