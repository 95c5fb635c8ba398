#pragma once

// Reading a RIFF file held in memory, chunk by chunk, with the calls of the
// Windows multimedia file functions (mmio) on a memory file: the wave loader
// walks the siren's resource with them. Each call is named after the mmio
// call it stands for and gives the result codes that call gives.

#include <cstdint>
#include <span>

namespace platform {

// An open memory file; each backend defines it.
struct RiffFile;

// A four-character code as RIFF stores it: the first character lowest.
constexpr std::uint32_t FourCC(char a, char b, char c, char d) {
    return static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b) << 8 |
           static_cast<std::uint8_t>(c) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(d)) << 24;
}

// A chunk as a descent finds it (MMCKINFO).
struct ChunkInfo {
    std::uint32_t id = 0;          // ckid
    std::uint32_t size = 0;        // cksize: bytes of data after the 8-byte header
    std::uint32_t formType = 0;    // fccType of a "RIFF" or "LIST" chunk
    std::uint32_t dataOffset = 0;  // where the chunk's data starts in the file
};

// How a descent looks for its chunk (MMIO_FINDCHUNK and friends).
enum class DescendFlags : std::uint32_t {
    None = 0,            // the chunk at the current position, whatever it is
    FindChunk = 0x0010,  // the next chunk with the id in ChunkInfo::id
};

// The file's I/O buffer as a reader walks it directly (the pchNext and
// pchEndRead of MMIOINFO): the bytes from next up to endRead can be read.
struct RiffBufferState {
    const std::uint8_t* next = nullptr;
    const std::uint8_t* endRead = nullptr;
};

// mmio result codes the memory file gives.
inline constexpr std::uint32_t RiffChunkNotFound = 265;  // MMIOERR_CHUNKNOTFOUND

// Opens the bytes as a file for reading (mmioOpen on a FOURCC_MEM file);
// none on failure. The bytes must outlive the file.
RiffFile* OpenRiffMemory(std::span<const std::uint8_t> bytes);

// Descends into the chunk at the current position, or the next one with the
// given id (within parent, if given): fills chunk and leaves the position at
// the chunk's data (after the form type of a "RIFF" or "LIST" chunk).
// 0 or RiffChunkNotFound (mmioDescend).
std::uint32_t DescendRiff(RiffFile& file, ChunkInfo& chunk, const ChunkInfo* parent,
                          DescendFlags flags);

// Moves past the end of the chunk (and its pad byte) (mmioAscend). 0 on success.
std::uint32_t AscendRiff(RiffFile& file, const ChunkInfo& chunk);

// Reads up to `bytes` bytes; the count read, 0 at the end, -1 on error (mmioRead).
std::int32_t ReadRiff(RiffFile& file, std::uint8_t* destination, std::int32_t bytes);

// Sets the position to `offset` bytes from the file's start; the new position
// or -1 (mmioSeek with SEEK_SET).
std::int32_t SeekRiff(RiffFile& file, std::int32_t offset);

// Takes the I/O buffer for direct reading (mmioGetInfo), refills it once it
// is used up (mmioAdvance with MMIO_READ; at the end of the file next equals
// endRead afterwards), and gives it back with the position the reader
// reached (mmioSetInfo). 0 on success.
std::uint32_t GetRiffBuffer(RiffFile& file, RiffBufferState& state);
std::uint32_t AdvanceRiffBuffer(RiffFile& file, RiffBufferState& state);
std::uint32_t SetRiffBuffer(RiffFile& file, const RiffBufferState& state);

// Closes the file (mmioClose).
void CloseRiff(RiffFile* file);

}  // namespace platform
