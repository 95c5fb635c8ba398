// Sound output on the headless backend: the shared mixer, run on the virtual
// clock. Before every call the mixer catches up with virtual time, so each
// play and stop takes effect exactly when the program makes it, and what
// would have been heard piles up for tests to read.

#include <memory>

#include "platform/audio_mixer.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_audio.h"

namespace platform {

struct AudioDevice {
    AudioMixer mixer{headless::HeardSampleRate, 1};
    std::int64_t openedAt = 0;
    std::vector<std::int16_t> heard;
};

namespace headless {
namespace {

constexpr std::int64_t MsPerSecond = 1000;

bool deviceAvailable = false;
std::unique_ptr<AudioDevice> device;

// Mixes everything up to the present virtual time.
void CatchUp() {
    if (!device) return;
    const std::int64_t elapsed = Now() - device->openedAt;
    const auto due = static_cast<std::size_t>(elapsed * HeardSampleRate / MsPerSecond);
    if (due <= device->heard.size()) return;
    const std::size_t start = device->heard.size();
    device->heard.resize(due);
    device->mixer.Mix(device->heard.data() + start, due - start);
}

}  // namespace

bool SoundDeviceOpen() { return device != nullptr; }
std::int64_t SoundDeviceOpenedAt() { return device ? device->openedAt : 0; }

const std::vector<std::int16_t>& HeardSound() {
    static const std::vector<std::int16_t> nothing;
    CatchUp();
    return device ? device->heard : nothing;
}

std::span<const std::uint8_t> BufferSamples(const AudioBuffer& buffer) { return buffer.bytes(); }
std::uint32_t BufferSampleRate(const AudioBuffer& buffer) { return buffer.sampleRate; }

bool BufferSounding(const AudioBuffer& buffer) {
    CatchUp();
    return buffer.state.load() != PlayState::Stopped;
}

bool BufferLooping(const AudioBuffer& buffer) {
    CatchUp();
    return buffer.state.load() == PlayState::Looping;
}

void ResetSound(bool available) {
    device.reset();
    deviceAvailable = available;
}

}  // namespace headless

using headless::CatchUp;

AudioDevice* OpenAudioDevice() {
    // One device at a time, as the game asks for it once.
    if (!headless::deviceAvailable || headless::device) return nullptr;
    headless::device = std::make_unique<AudioDevice>();
    headless::device->openedAt = headless::Now();
    return headless::device.get();
}

bool SetPriorityLevel(AudioDevice&) { return true; }

AudioBuffer* CreateAudioBuffer(AudioDevice& device, const BufferDescription& description) {
    CatchUp();
    return device.mixer.CreateBuffer(description);
}

bool SetAudioFormat(AudioBuffer& primary, const WaveFormat& format) {
    return headless::device && headless::device->mixer.SetFormat(primary, format);
}

bool LockAudioBuffer(AudioBuffer& buffer, std::uint32_t offset, std::uint32_t bytes,
                     LockFlags flags, LockedRegions& regions) {
    return AudioMixer::Lock(buffer, offset, bytes, flags, regions);
}

bool UnlockAudioBuffer(AudioBuffer& buffer, const LockedRegions& regions) {
    return AudioMixer::Unlock(buffer, regions);
}

bool PlayAudioBuffer(AudioBuffer& buffer, PlayFlags flags) {
    CatchUp();
    return AudioMixer::Play(buffer, flags);
}

bool StopAudioBuffer(AudioBuffer& buffer) {
    CatchUp();
    return AudioMixer::Stop(buffer);
}

void ReleaseAudioDevice(AudioDevice* released) {
    if (released != nullptr && released == headless::device.get()) headless::device.reset();
}

}  // namespace platform
