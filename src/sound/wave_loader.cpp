// The recorded sound of the bank: a "WAVE" resource parsed where it lies in
// memory and copied into a buffer of its own format. Nothing is written to
// disk, so the load works in any current directory and touches no file of
// the user's.

#include <algorithm>
#include <cstring>
#include <new>

#include "platform/resources.h"
#include "sound/sound_device.h"
#include "sound/wave_parser.h"

namespace {

// Copies the sound into a locked buffer: the first region from the start of
// the sound, the second one (after a wrap) with what follows.
bool CopyInto(platform::AudioBuffer& buffer, std::span<const std::uint8_t> sound) {
    const auto size = static_cast<std::uint32_t>(sound.size());
    platform::LockedRegions regions;
    if (!platform::LockAudioBuffer(buffer, 0, size, platform::LockFlags::None, regions)) {
        return false;
    }
    const std::uint32_t first = std::min(regions.firstBytes, size);
    std::memcpy(regions.first, sound.data(), first);
    if (first < size) {
        std::memcpy(regions.second, sound.data() + first,
                    std::min(regions.secondBytes, size - first));
    }
    return platform::UnlockAudioBuffer(buffer, regions);
}

}  // namespace

platform::AudioBuffer* SoundDevice::LoadWaveSound(std::uint16_t id) {
    if (device_ == nullptr) return nullptr;
    const std::span<const std::uint8_t> resource = platform::FindWaveResource(id);
    if (resource.empty()) return nullptr;

    RiffFileHandle file;
    WaveFormatBlock format;
    platform::ChunkInfo riff;
    platform::ChunkInfo data;
    if (OpenWaveFile(resource, file, format, riff) != 0) return nullptr;
    if (FindDataChunk(*file, riff, data) != 0) return nullptr;

    const std::uint32_t size = data.size;
    const platform::BufferDescription description{
        .flags = platform::BufferFlags::Static | platform::BufferFlags::LocSoftware,
        .bytes = size,
        .format = &format.format,
        .formatExtra = format.extraBytes(),
    };
    platform::AudioBuffer* buffer = platform::CreateAudioBuffer(*device_, description);
    if (buffer == nullptr) return nullptr;

    // A sound that cannot be read or copied in full is no sound: the buffer
    // stays with the device, unplayed, and the bank is not complete.
    const std::unique_ptr<std::uint8_t[]> sound(new (std::nothrow) std::uint8_t[size]);
    if (!sound) return nullptr;
    std::uint32_t read = 0;
    if (ReadWaveData(*file, size, sound.get(), data, read) != 0) return nullptr;
    file.reset();
    if (!CopyInto(*buffer, {sound.get(), read})) return nullptr;
    return buffer;
}
