#include "sound/sound_bank.h"

#include <array>
#include <memory>
#include <new>

#include "objects/saucer.h"
#include "objects/ship.h"
#include "platform/resources.h"
#include "sound/sound_device.h"

// Both start set and are overwritten by the result of BuildSoundBank before
// any sound could play.
bool SoundOn = true;
bool SoundAvailable = true;
std::int32_t FireSoundIndex = 0;
std::int32_t BangSoundIndex = 0;

namespace {

constexpr std::size_t PoolSize = 16;

// The synthesised sounds: a tone sweeps from its start to its end frequency
// and amplitude, a noise burst from its start to its end amplitude. Tone
// amplitudes above 127 are clamped to 127.
struct Tone {
    std::int32_t durationMs, startHz, endHz, startAmplitude, endAmplitude;
};
struct Noise {
    std::int32_t durationMs, startAmplitude, endAmplitude;
};
constexpr Tone BeatHighTone{100, 150, 150, 200, 200};
constexpr Tone BeatLowTone{100, 140, 140, 200, 200};
constexpr Noise BangNoise{500, 120, 0};
constexpr Tone FireTone{250, 750, 300, 120, 0};
constexpr Tone HyperspaceTone{1000, 150, 650, 200, 200};
constexpr Noise ThrustNoise{150, 7, 6};
using Pool = std::array<platform::AudioBuffer*, PoolSize>;

// The buffers, each made by the device and owned by it.
struct Bank {
    platform::AudioBuffer* beatHigh = nullptr;
    platform::AudioBuffer* beatLow = nullptr;
    Pool bang{};
    Pool fire{};
    platform::AudioBuffer* hyperspace = nullptr;
    platform::AudioBuffer* saucer = nullptr;
    platform::AudioBuffer* thrust = nullptr;
};

Bank SoundBank;
std::unique_ptr<SoundDevice> Device;

platform::AudioBuffer* Make(SoundDevice& device, const Tone& tone) {
    return device.MakeTone(tone.durationMs, tone.startHz, tone.endHz, tone.startAmplitude,
                           tone.endAmplitude);
}

platform::AudioBuffer* Make(SoundDevice& device, const Noise& noise) {
    return device.MakeNoise(noise.durationMs, noise.startAmplitude, noise.endAmplitude);
}

// Stores a new buffer in its slot; false when there is none.
bool Made(platform::AudioBuffer*& slot, platform::AudioBuffer* buffer) {
    slot = buffer;
    return buffer != nullptr;
}

template <typename Make>
bool MadeAll(Pool& pool, Make make) {
    for (platform::AudioBuffer*& slot : pool) {
        if (!Made(slot, make())) return false;
    }
    return true;
}

platform::AudioBuffer* BufferOf(BankSound sound) {
    switch (sound) {
        case BankSound::BeatHigh:
            return SoundBank.beatHigh;
        case BankSound::BeatLow:
            return SoundBank.beatLow;
        case BankSound::Hyperspace:
            return SoundBank.hyperspace;
        case BankSound::Saucer:
            return SoundBank.saucer;
        case BankSound::Thrust:
            return SoundBank.thrust;
    }
    return nullptr;
}

void Play(platform::AudioBuffer* buffer, platform::PlayFlags flags) {
    if (buffer != nullptr) platform::PlayAudioBuffer(*buffer, flags);
}

// Moves the pool on, then plays the buffer it comes to.
void PlayNextInPool(const Pool& pool, std::int32_t& index) {
    if (!SoundOn) return;
    index = (index + 1) % static_cast<std::int32_t>(PoolSize);
    Play(pool[static_cast<std::size_t>(index)], platform::PlayFlags::Once);
}

}  // namespace

bool BuildSoundBank() {
    Device.reset(new (std::nothrow) GameSoundDevice);
    if (!Device) return false;
    SoundDevice& device = *Device;
    // The order is part of the game: every noise burst draws on the random
    // generator in turn, from its first state.
    return Made(SoundBank.beatHigh, Make(device, BeatHighTone)) &&
           Made(SoundBank.beatLow, Make(device, BeatLowTone)) &&
           MadeAll(SoundBank.bang, [&] { return Make(device, BangNoise); }) &&
           MadeAll(SoundBank.fire, [&] { return Make(device, FireTone); }) &&
           Made(SoundBank.hyperspace, Make(device, HyperspaceTone)) &&
           Made(SoundBank.saucer, device.LoadWaveSound(platform::SirenWaveResource)) &&
           Made(SoundBank.thrust, Make(device, ThrustNoise));
}

void DestroySoundBank() {
    Device.reset();
    SoundBank = Bank{};
}

void PlayFireSound() { PlayNextInPool(SoundBank.fire, FireSoundIndex); }
void PlayBangSound() { PlayNextInPool(SoundBank.bang, BangSoundIndex); }

void PlaySound(BankSound sound) { Play(BufferOf(sound), platform::PlayFlags::Once); }
void PlaySoundLooping(BankSound sound) { Play(BufferOf(sound), platform::PlayFlags::Looping); }

void StopSound(BankSound sound) {
    if (platform::AudioBuffer* buffer = BufferOf(sound)) platform::StopAudioBuffer(*buffer);
}

void ToggleSound() {
    if (!SoundAvailable) return;
    SoundOn = !SoundOn;
    if (!SoundOn) {
        StopSound(BankSound::Saucer);
        StopSound(BankSound::Thrust);
        return;
    }
    // Back on: the loops that belong to what is happening now resume.
    if (CurrentSaucer != nullptr) PlaySoundLooping(BankSound::Saucer);
    if (CurrentShip != nullptr && CurrentShip->thrusting) PlaySoundLooping(BankSound::Thrust);
}

std::vector<BankSlot> BankSlots() {
    std::vector<BankSlot> slots{{"BeatHighSound", SoundBank.beatHigh},
                                {"BeatLowSound", SoundBank.beatLow}};
    for (std::size_t i = 0; i < PoolSize; ++i) {
        slots.push_back({"BangSound" + std::to_string(i), SoundBank.bang[i]});
    }
    for (std::size_t i = 0; i < PoolSize; ++i) {
        slots.push_back({"FireSound" + std::to_string(i), SoundBank.fire[i]});
    }
    slots.push_back({"HyperspaceSound", SoundBank.hyperspace});
    slots.push_back({"SaucerSound", SoundBank.saucer});
    slots.push_back({"ThrustSound", SoundBank.thrust});
    return slots;
}
