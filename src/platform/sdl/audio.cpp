// Sound output on SDL: the shared mixer behind one SDL audio device. SDL
// calls the mixer from its own audio thread; the game's plays and stops reach
// it through the buffers' atomic play states, so neither side ever waits for
// the other.

#include <SDL.h>

#include <memory>
#include <new>

#include "platform/audio_mixer.h"
#include "platform/sound.h"

namespace platform {

struct AudioDevice {
    SDL_AudioDeviceID id = 0;
    // Made once the device is open, in the format it took, before it runs.
    std::unique_ptr<AudioMixer> mixer;
};

namespace {

// The game's primary format: 44100 Hz, 16-bit stereo. A device that wants
// another rate or channel count gets it; the sample type stays 16-bit and
// SDL converts it where the device needs that.
constexpr int OutputRate = 44100;
constexpr Uint8 OutputChannels = 2;
// 10 ms a period: a shot or a stop is heard within that.
constexpr Uint16 PeriodFrames = 441;

// The one open device, for the calls that reach it through a buffer.
AudioDevice* openDevice = nullptr;

void SDLCALL MixInto(void* userdata, Uint8* stream, int length) {
    AudioMixer& mixer = *static_cast<AudioDevice*>(userdata)->mixer;
    const std::size_t frameBytes =
        sizeof(std::int16_t) * static_cast<std::size_t>(mixer.outputChannels());
    mixer.Mix(reinterpret_cast<std::int16_t*>(stream),
              static_cast<std::size_t>(length) / frameBytes);
}

void CloseAndFree(AudioDevice* device) {
    if (device->id != 0) SDL_CloseAudioDevice(device->id);
    delete device;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace

AudioDevice* OpenAudioDevice() {
    if (openDevice != nullptr || SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
    auto* device = new (std::nothrow) AudioDevice;
    if (device == nullptr) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = OutputRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = OutputChannels;
    wanted.samples = PeriodFrames;
    wanted.callback = MixInto;
    wanted.userdata = device;
    SDL_AudioSpec obtained{};
    constexpr int Changes = SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE;
    // No sound card, no sound server: this fails, and the game is silent.
    device->id = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, Changes);
    if (device->id != 0) {
        device->mixer.reset(new (std::nothrow) AudioMixer(static_cast<std::uint32_t>(obtained.freq),
                                                          obtained.channels));
    }
    if (!device->mixer) {
        CloseAndFree(device);
        return nullptr;
    }
    // A device opens paused; from here on the callback mixes.
    SDL_PauseAudioDevice(device->id, 0);
    openDevice = device;
    return device;
}

bool SetPriorityLevel(AudioDevice&) {
    // SDL shares the device with other programs at every level; the output
    // format is fixed when the device opens.
    return true;
}

AudioBuffer* CreateAudioBuffer(AudioDevice& device, const BufferDescription& description) {
    return device.mixer->CreateBuffer(description);
}

bool SetAudioFormat(AudioBuffer& primary, const WaveFormat& format) {
    return openDevice != nullptr && openDevice->mixer->SetFormat(primary, format);
}

bool LockAudioBuffer(AudioBuffer& buffer, std::uint32_t offset, std::uint32_t bytes,
                     LockFlags flags, LockedRegions& regions) {
    return AudioMixer::Lock(buffer, offset, bytes, flags, regions);
}

bool UnlockAudioBuffer(AudioBuffer& buffer, const LockedRegions& regions) {
    return AudioMixer::Unlock(buffer, regions);
}

bool PlayAudioBuffer(AudioBuffer& buffer, PlayFlags flags) {
    return AudioMixer::Play(buffer, flags);
}

bool StopAudioBuffer(AudioBuffer& buffer) { return AudioMixer::Stop(buffer); }

void ReleaseAudioDevice(AudioDevice* device) {
    if (device == nullptr) return;
    // Closing waits for a running callback, so the mixer goes after it.
    if (device == openDevice) openDevice = nullptr;
    CloseAndFree(device);
}

}  // namespace platform
