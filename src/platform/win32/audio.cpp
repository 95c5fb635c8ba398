// Sound output on Windows: DirectSound itself. Each call of sound.h is the
// DirectSound call it is named after, on the default device.

#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <vector>

#include "platform/sound.h"
#include "platform/win32/win32.h"

// After windows.h, whose types they use; WAVEFORMATEX comes with mmsystem.h.
#include <mmsystem.h>
#include <dsound.h>

namespace platform {

struct AudioBuffer {
    IDirectSoundBuffer* buffer = nullptr;
    AudioBuffer() = default;
    AudioBuffer(const AudioBuffer&) = delete;
    AudioBuffer& operator=(const AudioBuffer&) = delete;
    ~AudioBuffer() {
        if (buffer != nullptr) buffer->Release();
    }
};

struct AudioDevice {
    IDirectSound* sound = nullptr;
    // The buffers belong to the device and are released before it.
    std::vector<std::unique_ptr<AudioBuffer>> buffers;
};

namespace {

// A WAVEFORMATEX followed by the format's own extra bytes, as DirectSound
// reads it.
class FormatRecord {
public:
    FormatRecord(const WaveFormat& format, std::span<const std::uint8_t> extra)
        : bytes_(sizeof(WAVEFORMATEX) + extra.size()) {
        WAVEFORMATEX record{};
        record.wFormatTag = format.formatTag;
        record.nChannels = format.channels;
        record.nSamplesPerSec = format.samplesPerSecond;
        record.nAvgBytesPerSec = format.averageBytesPerSecond;
        record.nBlockAlign = format.blockAlign;
        record.wBitsPerSample = format.bitsPerSample;
        record.cbSize = format.extraSize;
        std::memcpy(bytes_.data(), &record, sizeof record);
        if (!extra.empty()) std::memcpy(bytes_.data() + sizeof record, extra.data(), extra.size());
    }
    WAVEFORMATEX* get() { return reinterpret_cast<WAVEFORMATEX*>(bytes_.data()); }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace

AudioDevice* OpenAudioDevice() {
    auto device = std::unique_ptr<AudioDevice>(new (std::nothrow) AudioDevice);
    if (!device) return nullptr;
    // No sound device: this fails, and the game is silent.
    if (FAILED(DirectSoundCreate(nullptr, &device->sound, nullptr))) return nullptr;
    return device.release();
}

bool SetPriorityLevel(AudioDevice& device) {
    return SUCCEEDED(device.sound->SetCooperativeLevel(win32::MainWindow(), DSSCL_PRIORITY));
}

AudioBuffer* CreateAudioBuffer(AudioDevice& device, const BufferDescription& description) {
    // Memory that runs out gives no buffer, as a device that refuses one does;
    // whatever was made by then is given back.
    try {
        auto buffer = std::make_unique<AudioBuffer>();
        std::optional<FormatRecord> format;
        if (description.format != nullptr) {
            format.emplace(*description.format, description.formatExtra);
        }
        DSBUFFERDESC wanted{};
        wanted.dwSize = sizeof wanted;
        wanted.dwFlags = static_cast<DWORD>(description.flags);
        wanted.dwBufferBytes = description.bytes;
        wanted.lpwfxFormat = format ? format->get() : nullptr;
        if (FAILED(device.sound->CreateSoundBuffer(&wanted, &buffer->buffer, nullptr))) {
            return nullptr;
        }
        device.buffers.push_back(std::move(buffer));
        return device.buffers.back().get();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

bool SetAudioFormat(AudioBuffer& primary, const WaveFormat& format) {
    FormatRecord record(format, {});
    return SUCCEEDED(primary.buffer->SetFormat(record.get()));
}

bool LockAudioBuffer(AudioBuffer& buffer, std::uint32_t offset, std::uint32_t bytes,
                     LockFlags flags, LockedRegions& regions) {
    void* first = nullptr;
    void* second = nullptr;
    DWORD firstBytes = 0;
    DWORD secondBytes = 0;
    if (FAILED(buffer.buffer->Lock(offset, bytes, &first, &firstBytes, &second, &secondBytes,
                                   static_cast<DWORD>(flags)))) {
        return false;
    }
    regions = LockedRegions{static_cast<std::uint8_t*>(first), firstBytes,
                            static_cast<std::uint8_t*>(second), secondBytes};
    return true;
}

bool UnlockAudioBuffer(AudioBuffer& buffer, const LockedRegions& regions) {
    return SUCCEEDED(buffer.buffer->Unlock(regions.first, regions.firstBytes, regions.second,
                                           regions.secondBytes));
}

bool PlayAudioBuffer(AudioBuffer& buffer, PlayFlags flags) {
    return SUCCEEDED(buffer.buffer->Play(0, 0, static_cast<DWORD>(flags)));
}

bool StopAudioBuffer(AudioBuffer& buffer) { return SUCCEEDED(buffer.buffer->Stop()); }

void ReleaseAudioDevice(AudioDevice* device) {
    if (device == nullptr) return;
    device->buffers.clear();
    device->sound->Release();
    delete device;
}

}  // namespace platform
