// The memory files of the sdl and headless backends: the mmio calls on a
// block of bytes, with the results Windows gives for a memory file. The
// block itself is the file's I/O buffer, so a refill at its end brings
// nothing.

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

#include "platform/riff_file.h"

namespace platform {

struct RiffFile {
    std::span<const std::uint8_t> bytes;
    std::uint32_t position = 0;
};

namespace {

constexpr std::uint32_t ChunkHeaderBytes = 8;
constexpr std::uint32_t FormTypeBytes = 4;
constexpr std::uint32_t CannotSeek = 263;  // MMIOERR_CANNOTSEEK
constexpr std::uint32_t RiffId = FourCC('R', 'I', 'F', 'F');
constexpr std::uint32_t ListId = FourCC('L', 'I', 'S', 'T');

std::uint32_t Read32(std::span<const std::uint8_t> bytes, std::uint64_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

bool HasFormType(std::uint32_t id) { return id == RiffId || id == ListId; }

}  // namespace

RiffFile* OpenRiffMemory(std::span<const std::uint8_t> bytes) {
    // Positions in a file are 32-bit signed numbers.
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        return nullptr;
    }
    return new (std::nothrow) RiffFile{bytes};
}

std::uint32_t DescendRiff(RiffFile& file, ChunkInfo& chunk, const ChunkInfo* parent,
                          DescendFlags flags) {
    // The search ends at the parent's end, or the file's, whichever comes first;
    // 64-bit arithmetic, because sizes read from the file may be anything.
    std::uint64_t end = file.bytes.size();
    if (parent != nullptr) {
        end = std::min<std::uint64_t>(end, std::uint64_t{parent->dataOffset} + parent->size);
    }
    std::uint64_t at = file.position;
    for (;;) {
        if (at + ChunkHeaderBytes > end) return RiffChunkNotFound;
        const std::uint32_t id = Read32(file.bytes, at);
        const std::uint32_t size = Read32(file.bytes, at + 4);
        const std::uint64_t data = at + ChunkHeaderBytes;
        if (flags == DescendFlags::None || id == chunk.id) {
            std::uint32_t formType = 0;
            std::uint64_t next = data;
            if (HasFormType(id)) {
                if (data + FormTypeBytes > file.bytes.size()) return RiffChunkNotFound;
                formType = Read32(file.bytes, data);
                next += FormTypeBytes;
            }
            chunk = ChunkInfo{id, size, formType, static_cast<std::uint32_t>(data)};
            file.position = static_cast<std::uint32_t>(next);
            return 0;
        }
        // Chunks start on even offsets: an odd-sized chunk has a pad byte.
        at = data + size + (size & 1u);
    }
}

std::uint32_t AscendRiff(RiffFile& file, const ChunkInfo& chunk) {
    const std::uint64_t end = std::uint64_t{chunk.dataOffset} + chunk.size + (chunk.size & 1u);
    if (end > file.bytes.size()) return CannotSeek;
    file.position = static_cast<std::uint32_t>(end);
    return 0;
}

std::int32_t ReadRiff(RiffFile& file, std::uint8_t* destination, std::int32_t bytes) {
    if (bytes < 0) return -1;
    const std::size_t left = file.bytes.size() - file.position;
    const std::size_t count = std::min<std::size_t>(left, static_cast<std::size_t>(bytes));
    if (count > 0) std::memcpy(destination, file.bytes.data() + file.position, count);
    file.position += static_cast<std::uint32_t>(count);
    return static_cast<std::int32_t>(count);
}

std::int32_t SeekRiff(RiffFile& file, std::int32_t offset) {
    if (offset < 0 || static_cast<std::size_t>(offset) > file.bytes.size()) return -1;
    file.position = static_cast<std::uint32_t>(offset);
    return offset;
}

std::uint32_t GetRiffBuffer(RiffFile& file, RiffBufferState& state) {
    state.next = file.bytes.data() + file.position;
    state.endRead = file.bytes.data() + file.bytes.size();
    return 0;
}

std::uint32_t AdvanceRiffBuffer(RiffFile&, RiffBufferState&) {
    // The whole file is in the buffer already, up to its end: a refill
    // brings nothing more and leaves the state as it is.
    return 0;
}

std::uint32_t SetRiffBuffer(RiffFile& file, const RiffBufferState& state) {
    const auto begin = reinterpret_cast<std::uintptr_t>(file.bytes.data());
    const auto next = reinterpret_cast<std::uintptr_t>(state.next);
    if (next < begin || next - begin > file.bytes.size()) return CannotSeek;
    file.position = static_cast<std::uint32_t>(next - begin);
    return 0;
}

void CloseRiff(RiffFile* file) { delete file; }

}  // namespace platform
