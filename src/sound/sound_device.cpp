#include "sound/sound_device.h"

#include <algorithm>
#include <limits>

#include "sound/synthesis.h"

namespace {

// The output format asked of the device.
constexpr platform::WaveFormat PrimaryFormat{
    .formatTag = platform::WaveFormatPcm,
    .channels = 2,
    .samplesPerSecond = 44100,
    .averageBytesPerSecond = 176400,
    .blockAlign = 4,
    .bitsPerSample = 16,
};

// The format of every synthesised buffer.
constexpr platform::WaveFormat SynthesisFormat{
    .formatTag = platform::WaveFormatPcm,
    .channels = 1,
    .samplesPerSecond = SynthesisRate,
    .averageBytesPerSecond = SynthesisRate,
    .blockAlign = 1,
    .bitsPerSample = 8,
};

constexpr std::int32_t LowestToneHz = 1;
constexpr std::int32_t HighestToneHz = SynthesisRate;  // a period of one sample
// The tone's phase stays within the range its sine is exact for.
constexpr std::int32_t LongestToneMs = 10000;

bool IsAudibleTone(std::int32_t hz) { return hz >= LowestToneHz && hz <= HighestToneHz; }

}  // namespace

SoundDevice::SoundDevice() {
    device_ = platform::OpenAudioDevice();
    if (device_ == nullptr) return;
    // Refused, the device stays, disabled, until the destructor releases it.
    if (!platform::SetPriorityLevel(*device_)) return;
    // A device without a primary buffer, or one that keeps its own format,
    // plays all the same.
    platform::BufferDescription primary;
    primary.flags = platform::BufferFlags::Primary;
    primary_ = platform::CreateAudioBuffer(*device_, primary);
    if (primary_ != nullptr) platform::SetAudioFormat(*primary_, PrimaryFormat);
    enabled_ = true;
}

SoundDevice::~SoundDevice() { platform::ReleaseAudioDevice(device_); }

platform::AudioBuffer* SoundDevice::CreateBuffer(std::uint32_t bytes) {
    if (!enabled_) return nullptr;
    platform::BufferDescription description;
    description.flags = platform::BufferFlags::Static | platform::BufferFlags::GlobalFocus;
    description.bytes = bytes;
    description.format = &SynthesisFormat;
    return platform::CreateAudioBuffer(*device_, description);
}

namespace {

// Makes a buffer of `count` samples and fills it through a lock, as one
// piece from its start.
template <typename Fill>
platform::AudioBuffer* MakeFilled(SoundDevice& device, std::int64_t count, Fill fill) {
    if (count < 1 || count > std::numeric_limits<std::uint32_t>::max()) return nullptr;
    const auto bytes = static_cast<std::uint32_t>(count);
    platform::AudioBuffer* buffer = device.CreateBuffer(bytes);
    if (buffer == nullptr) return nullptr;
    platform::LockedRegions regions;
    if (!platform::LockAudioBuffer(*buffer, 0, bytes, platform::LockFlags::FromWriteCursor,
                                   regions) ||
        regions.firstBytes < bytes) {
        return nullptr;
    }
    fill(std::span<std::uint8_t>(regions.first, bytes));
    if (!platform::UnlockAudioBuffer(*buffer, regions)) return nullptr;
    return buffer;
}

}  // namespace

platform::AudioBuffer* SoundDevice::MakeTone(std::int32_t durationMs, std::int32_t startHz,
                                             std::int32_t endHz, std::int32_t startAmplitude,
                                             std::int32_t endAmplitude) {
    if (!IsAudibleTone(startHz) || !IsAudibleTone(endHz) || durationMs > LongestToneMs) {
        return nullptr;
    }
    return MakeFilled(*this, SampleCount(durationMs), [&](std::span<std::uint8_t> samples) {
        FillTone(samples, startHz, endHz, startAmplitude, endAmplitude);
    });
}

platform::AudioBuffer* SoundDevice::MakeNoise(std::int32_t durationMs, std::int32_t startAmplitude,
                                              std::int32_t endAmplitude) {
    return MakeFilled(*this, SampleCount(durationMs), [&](std::span<std::uint8_t> samples) {
        FillNoise(samples, startAmplitude, endAmplitude);
    });
}
