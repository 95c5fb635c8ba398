#include "platform/win32/file_handle.h"

#include <algorithm>
#include <limits>

namespace platform::win32 {
namespace {

// ReadFile and WriteFile move at most this many bytes a call.
constexpr std::size_t LargestTransfer = std::numeric_limits<DWORD>::max();

}  // namespace

FileHandle FileHandle::OpenForReading(const char* name) {
    return FileHandle(CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
}

FileHandle FileHandle::CreateNew(const char* name) {
    return FileHandle(CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
}

FileHandle::~FileHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
}

std::optional<std::size_t> FileHandle::Read(std::span<std::uint8_t> buffer) const {
    std::size_t filled = 0;
    while (filled < buffer.size()) {
        const auto wanted = static_cast<DWORD>(std::min(buffer.size() - filled, LargestTransfer));
        DWORD got = 0;
        if (!ReadFile(handle_, buffer.data() + filled, wanted, &got, nullptr)) return std::nullopt;
        if (got == 0) break;  // the end of the file
        filled += got;
    }
    return filled;
}

bool FileHandle::WriteAll(std::span<const std::uint8_t> bytes) const {
    while (!bytes.empty()) {
        const auto wanted = static_cast<DWORD>(std::min(bytes.size(), LargestTransfer));
        DWORD written = 0;
        if (!WriteFile(handle_, bytes.data(), wanted, &written, nullptr) || written == 0) {
            return false;
        }
        bytes = bytes.subspan(written);
    }
    return true;
}

bool FileHandle::Flush() const { return FlushFileBuffers(handle_) != 0; }

}  // namespace platform::win32
