#pragma once

// The three steps that read a RIFF WAVE file held in memory, over the mmio
// calls of platform/riff_file.h: open it and read its format, find its data
// chunk, read its data. Each returns 0 on success, one of the codes below,
// or the nonzero result of an mmio call unchanged. Used by the wave loader.

#include <cstdint>
#include <memory>
#include <span>

#include "platform/riff_file.h"
#include "platform/sound.h"

// The parser's own result codes.
inline constexpr std::uint32_t WaveCannotOpen = 0xE100;  // the file cannot be opened
// Not a RIFF WAVE file, a format chunk under 16 bytes, or the format's
// extra bytes cut short.
inline constexpr std::uint32_t WaveNotWave = 0xE101;
inline constexpr std::uint32_t WaveFormatCutShort =
    0xE102;                                            // the 16 format bytes or the extra count
inline constexpr std::uint32_t WaveNoMemory = 0xE000;  // no memory for the format's extra bytes
inline constexpr std::uint32_t WaveDataCutShort =
    0xE103;  // the data ended before the bytes asked for

// Closes an open file when it goes.
struct RiffFileCloser {
    void operator()(platform::RiffFile* file) const { platform::CloseRiff(file); }
};
using RiffFileHandle = std::unique_ptr<platform::RiffFile, RiffFileCloser>;

// The format read from the file: the record and, for formats other than
// PCM, the extra bytes that follow it (format.extraSize of them).
struct WaveFormatBlock {
    platform::WaveFormat format;
    std::unique_ptr<std::uint8_t[]> extra;
    std::span<const std::uint8_t> extraBytes() const { return {extra.get(), format.extraSize}; }
};

// Opens the file and reads its format. On success hands back the open file
// (at the end of the format chunk), the format and the RIFF chunk; on
// failure neither a file nor a format.
std::uint32_t OpenWaveFile(std::span<const std::uint8_t> bytes, RiffFileHandle& file,
                           WaveFormatBlock& format, platform::ChunkInfo& riff);

// Finds the "data" chunk inside the RIFF chunk and leaves the file at its data.
std::uint32_t FindDataChunk(platform::RiffFile& file, const platform::ChunkInfo& riff,
                            platform::ChunkInfo& data);

// Reads up to `bytes` bytes of the data chunk into `destination` (as many as
// the chunk still holds, which lowers data.size by that many); bytesRead
// tells how many, 0 on failure.
std::uint32_t ReadWaveData(platform::RiffFile& file, std::uint32_t bytes, std::uint8_t* destination,
                           platform::ChunkInfo& data, std::uint32_t& bytesRead);
