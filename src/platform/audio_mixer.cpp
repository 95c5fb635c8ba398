#include "platform/audio_mixer.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <new>

namespace platform {
namespace {

// The sizes and rates a buffer may have (DSBSIZE_MIN, DSBSIZE_MAX,
// DSBFREQUENCY_MIN, DSBFREQUENCY_MAX).
constexpr std::uint32_t SmallestBuffer = 4;
constexpr std::uint32_t LargestBuffer = 0x0FFFFFFF;
constexpr std::uint32_t LowestRate = 100;
constexpr std::uint32_t HighestRate = 100000;

// Unsigned 8-bit samples are silent at 128; one step is 256 in 16 bits.
constexpr int SilentSample = 128;
constexpr int SampleScale = 256;
constexpr std::uint16_t OutputBits = 16;

bool IsMixable(const WaveFormat& format) {
    return format.formatTag == WaveFormatPcm && format.channels == 1 && format.bitsPerSample == 8 &&
           format.blockAlign == 1 && format.samplesPerSecond >= LowestRate &&
           format.samplesPerSecond <= HighestRate;
}

bool Within(const AudioBuffer& buffer, const std::uint8_t* region, std::uint32_t bytes) {
    if (region == nullptr) return bytes == 0;
    const std::uint8_t* begin = buffer.samples.get();
    return std::less_equal<>{}(begin, region) &&
           static_cast<std::size_t>(region - begin) + bytes <= buffer.size;
}

}  // namespace

AudioBuffer* AudioMixer::CreateBuffer(const BufferDescription& description) {
    if (HasFlag(description.flags, BufferFlags::Primary)) {
        // There is one primary buffer; asking again gives it again.
        if (description.bytes != 0 || description.format != nullptr) return nullptr;
        return &primary_;
    }
    if (description.format == nullptr || !IsMixable(*description.format)) return nullptr;
    if (description.bytes < SmallestBuffer || description.bytes > LargestBuffer) return nullptr;
    const std::size_t slot = count_.load(std::memory_order_relaxed);
    if (slot == Capacity) return nullptr;

    auto buffer = std::unique_ptr<AudioBuffer>(new (std::nothrow) AudioBuffer);
    if (!buffer) return nullptr;
    buffer->samples.reset(new (std::nothrow) std::uint8_t[description.bytes]);
    if (!buffer->samples) return nullptr;
    std::fill_n(buffer->samples.get(), description.bytes, SilentSample);
    buffer->size = description.bytes;
    buffer->sampleRate = description.format->samplesPerSecond;
    buffers_[slot] = std::move(buffer);
    // The mixing thread sees the buffer only once it is complete.
    count_.store(slot + 1, std::memory_order_release);
    return buffers_[slot].get();
}

bool AudioMixer::SetFormat(AudioBuffer& primary, const WaveFormat& format) const {
    // The device was opened in its output format; another one is refused.
    const auto channels = static_cast<std::uint16_t>(outputChannels_);
    return primary.primary && format.formatTag == WaveFormatPcm &&
           format.samplesPerSecond == outputRate_ && format.channels == channels &&
           format.bitsPerSample == OutputBits;
}

bool AudioMixer::Lock(AudioBuffer& buffer, std::uint32_t offset, std::uint32_t bytes,
                      LockFlags flags, LockedRegions& regions) {
    if (buffer.primary || buffer.played || bytes == 0 || bytes > buffer.size) return false;
    // A buffer that has never played has its write cursor at its start.
    const std::uint32_t start = flags == LockFlags::FromWriteCursor ? 0 : offset;
    if (start >= buffer.size) return false;
    const std::uint32_t toEnd = buffer.size - start;
    regions.first = buffer.samples.get() + start;
    regions.firstBytes = std::min(bytes, toEnd);
    regions.second = bytes > toEnd ? buffer.samples.get() : nullptr;
    regions.secondBytes = bytes > toEnd ? bytes - toEnd : 0;
    return true;
}

bool AudioMixer::Unlock(AudioBuffer& buffer, const LockedRegions& regions) {
    return !buffer.primary && Within(buffer, regions.first, regions.firstBytes) &&
           Within(buffer, regions.second, regions.secondBytes);
}

bool AudioMixer::Play(AudioBuffer& buffer, PlayFlags flags) {
    if (buffer.primary) return false;
    buffer.played = true;
    // Whether it was sounding or not, it sounds on from where it stands.
    buffer.state.store(flags == PlayFlags::Looping ? PlayState::Looping : PlayState::Once,
                       std::memory_order_release);
    return true;
}

bool AudioMixer::Stop(AudioBuffer& buffer) {
    if (buffer.primary) return false;
    buffer.state.store(PlayState::Stopped, std::memory_order_release);
    return true;
}

void AudioMixer::MixBuffer(AudioBuffer& buffer, std::size_t frames) {
    PlayState state = buffer.state.load(std::memory_order_acquire);
    if (state == PlayState::Stopped) return;
    const std::uint8_t* samples = buffer.samples.get();
    std::uint32_t position = buffer.position;
    std::uint32_t phase = buffer.phase;
    for (std::size_t f = 0; f < frames; ++f) {
        if (position >= buffer.size) {
            // At the end a looping buffer starts again (a play request may
            // have made it loop since the last look); one played once stops
            // and stands at its start, unless a request changed it meanwhile.
            if (state != PlayState::Looping) state = buffer.state.load(std::memory_order_acquire);
            if (state != PlayState::Looping) {
                buffer.position = 0;
                buffer.phase = 0;
                PlayState once = PlayState::Once;
                buffer.state.compare_exchange_strong(once, PlayState::Stopped);
                return;
            }
            position %= buffer.size;
        }
        // Linear interpolation between this sample and the next one heard.
        const int current = samples[position];
        int next = current;
        if (position + 1 < buffer.size) {
            next = samples[position + 1];
        } else if (state == PlayState::Looping) {
            next = samples[0];
        }
        const std::int64_t rise = std::int64_t{next - current} * SampleScale * phase;
        sum_[f] +=
            (current - SilentSample) * SampleScale + static_cast<std::int32_t>(rise / outputRate_);
        phase += buffer.sampleRate;
        while (phase >= outputRate_) {
            phase -= outputRate_;
            ++position;
        }
    }
    buffer.position = position;
    buffer.phase = phase;
}

void AudioMixer::Mix(std::int16_t* out, std::size_t frames) {
    constexpr std::int32_t Lowest = std::numeric_limits<std::int16_t>::min();
    constexpr std::int32_t Highest = std::numeric_limits<std::int16_t>::max();
    while (frames > 0) {
        const std::size_t chunk = std::min(frames, ChunkFrames);
        std::fill_n(sum_.begin(), chunk, 0);
        const std::size_t count = count_.load(std::memory_order_acquire);
        for (std::size_t i = 0; i < count; ++i) MixBuffer(*buffers_[i], chunk);
        for (std::size_t f = 0; f < chunk; ++f) {
            const auto sample = static_cast<std::int16_t>(std::clamp(sum_[f], Lowest, Highest));
            out = std::fill_n(out, outputChannels_, sample);
        }
        frames -= chunk;
    }
}

}  // namespace platform
