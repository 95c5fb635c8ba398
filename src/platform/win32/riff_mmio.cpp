// The memory files of the Windows build: the siren's resource bytes opened as
// an mmio memory file (FOURCC_MEM), and each call of riff_file.h the mmio
// call it is named after.

#include <limits>
#include <new>

#include "platform/riff_file.h"
#include "platform/win32/win32.h"

// After windows.h, whose types it uses.
#include <mmsystem.h>

namespace platform {

struct RiffFile {
    HMMIO handle = nullptr;
    // The I/O buffer's state between mmioGetInfo and mmioSetInfo.
    MMIOINFO info{};
};

namespace {

MMCKINFO ToMmio(const ChunkInfo& chunk) {
    MMCKINFO mmio{};
    mmio.ckid = chunk.id;
    mmio.cksize = chunk.size;
    mmio.fccType = chunk.formType;
    mmio.dwDataOffset = chunk.dataOffset;
    return mmio;
}

ChunkInfo FromMmio(const MMCKINFO& mmio) {
    return ChunkInfo{mmio.ckid, mmio.cksize, mmio.fccType, mmio.dwDataOffset};
}

void TakeBufferState(const MMIOINFO& info, RiffBufferState& state) {
    state.next = reinterpret_cast<const std::uint8_t*>(info.pchNext);
    state.endRead = reinterpret_cast<const std::uint8_t*>(info.pchEndRead);
}

// The memory file is only read: mmio wants a writable pointer all the same.
HPSTR AsMmioPointer(const std::uint8_t* bytes) {
    return reinterpret_cast<HPSTR>(const_cast<std::uint8_t*>(bytes));
}

}  // namespace

RiffFile* OpenRiffMemory(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<LONG>::max())) return nullptr;
    auto* file = new (std::nothrow) RiffFile;
    if (file == nullptr) return nullptr;
    MMIOINFO open{};
    open.fccIOProc = FOURCC_MEM;
    open.pchBuffer = AsMmioPointer(bytes.data());
    open.cchBuffer = static_cast<LONG>(bytes.size());
    file->handle = mmioOpenA(nullptr, &open, MMIO_READ);
    if (file->handle == nullptr) {
        delete file;
        return nullptr;
    }
    return file;
}

std::uint32_t DescendRiff(RiffFile& file, ChunkInfo& chunk, const ChunkInfo* parent,
                          DescendFlags flags) {
    MMCKINFO found = ToMmio(chunk);
    MMCKINFO outer{};
    if (parent != nullptr) outer = ToMmio(*parent);
    const MMRESULT result = mmioDescend(file.handle, &found, parent != nullptr ? &outer : nullptr,
                                        static_cast<UINT>(flags));
    if (result == MMSYSERR_NOERROR) chunk = FromMmio(found);
    return result;
}

std::uint32_t AscendRiff(RiffFile& file, const ChunkInfo& chunk) {
    MMCKINFO mmio = ToMmio(chunk);
    return mmioAscend(file.handle, &mmio, 0);
}

std::int32_t ReadRiff(RiffFile& file, std::uint8_t* destination, std::int32_t bytes) {
    return mmioRead(file.handle, reinterpret_cast<HPSTR>(destination), bytes);
}

std::int32_t SeekRiff(RiffFile& file, std::int32_t offset) {
    return mmioSeek(file.handle, offset, SEEK_SET);
}

std::uint32_t GetRiffBuffer(RiffFile& file, RiffBufferState& state) {
    const MMRESULT result = mmioGetInfo(file.handle, &file.info, 0);
    if (result == MMSYSERR_NOERROR) TakeBufferState(file.info, state);
    return result;
}

std::uint32_t AdvanceRiffBuffer(RiffFile& file, RiffBufferState& state) {
    file.info.pchNext = AsMmioPointer(state.next);
    const MMRESULT result = mmioAdvance(file.handle, &file.info, MMIO_READ);
    if (result == MMSYSERR_NOERROR) TakeBufferState(file.info, state);
    return result;
}

std::uint32_t SetRiffBuffer(RiffFile& file, const RiffBufferState& state) {
    file.info.pchNext = AsMmioPointer(state.next);
    return mmioSetInfo(file.handle, &file.info, 0);
}

void CloseRiff(RiffFile* file) {
    if (file == nullptr) return;
    mmioClose(file->handle, 0);
    delete file;
}

}  // namespace platform
