#pragma once

// Sound output: one device and static buffers, filled once and then only
// played (once or in a loop) and stopped. Each call stands for one call of
// the Windows sound interface, named beside it; the flag values are that
// interface's own. A play request on a buffer that is still sounding lets it
// go on from where it is.

#include <cstdint>
#include <span>

namespace platform {

// The sound device and its buffers. The buffers belong to the device and go
// with it; each backend defines what they are.
struct AudioDevice;
struct AudioBuffer;

// The format record of a buffer (WAVEFORMATEX); extraSize bytes of the
// format's own follow it where a format has them.
struct WaveFormat {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSecond = 0;
    std::uint32_t averageBytesPerSecond = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint16_t extraSize = 0;
};

inline constexpr std::uint16_t WaveFormatPcm = 1;

// Buffer capabilities (DSBCAPS_*).
enum class BufferFlags : std::uint32_t {
    Primary = 0x0001,      // the device's own output buffer; no size and no format
    Static = 0x0002,       // filled once, played many times
    LocSoftware = 0x0008,  // mixed by software
    GlobalFocus = 0x8000,  // keeps sounding while another window has the focus
};
constexpr BufferFlags operator|(BufferFlags a, BufferFlags b) {
    return static_cast<BufferFlags>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}
constexpr bool HasFlag(BufferFlags flags, BufferFlags flag) {
    return (static_cast<std::uint32_t>(flags) & static_cast<std::uint32_t>(flag)) != 0;
}

// What a new buffer is (DSBUFFERDESC).
struct BufferDescription {
    BufferFlags flags = BufferFlags::Static;
    std::uint32_t bytes = 0;
    const WaveFormat* format = nullptr;         // none for the primary buffer
    std::span<const std::uint8_t> formatExtra;  // the format's extraSize bytes
};

// Lock flags (DSBLOCK_*).
enum class LockFlags : std::uint32_t {
    None = 0,
    FromWriteCursor = 0x0001,  // the offset is ignored: the lock starts at the write cursor
};

// The part of a buffer a lock gives: a first region, and a second one from
// the buffer's start when the locked bytes run past its end.
struct LockedRegions {
    std::uint8_t* first = nullptr;
    std::uint32_t firstBytes = 0;
    std::uint8_t* second = nullptr;
    std::uint32_t secondBytes = 0;
};

// Play flags (DSBPLAY_*).
enum class PlayFlags : std::uint32_t {
    Once = 0,
    Looping = 0x0001,
};

// Opens the default sound device (DirectSoundCreate); none when there is no
// sound device. Called when the sound bank is built.
AudioDevice* OpenAudioDevice();

// Asks for the priority level of the main window (SetCooperativeLevel with
// DSSCL_PRIORITY), which lets the game set the output format. False if refused.
bool SetPriorityLevel(AudioDevice& device);

// Creates a buffer (CreateSoundBuffer); none when the device refuses it.
AudioBuffer* CreateAudioBuffer(AudioDevice& device, const BufferDescription& description);

// Sets the output format of the primary buffer (SetFormat). False if refused;
// the device then plays in a format of its own.
bool SetAudioFormat(AudioBuffer& primary, const WaveFormat& format);

// Locks `bytes` bytes from `offset` for writing (Lock). False if refused.
bool LockAudioBuffer(AudioBuffer& buffer, std::uint32_t offset, std::uint32_t bytes,
                     LockFlags flags, LockedRegions& regions);

// Hands back the regions of the last lock, now filled (Unlock).
bool UnlockAudioBuffer(AudioBuffer& buffer, const LockedRegions& regions);

// Starts the buffer from where it stands (Play with reserved 0 and priority
// 0); a buffer that is sounding goes on, once or looping as asked now. A
// buffer that plays to its end stops and stands at its start again.
bool PlayAudioBuffer(AudioBuffer& buffer, PlayFlags flags);

// Stops the buffer where it is (Stop); the next play goes on from there.
bool StopAudioBuffer(AudioBuffer& buffer);

// Releases the device and every buffer made on it (Release). Called at exit.
void ReleaseAudioDevice(AudioDevice* device);

}  // namespace platform
