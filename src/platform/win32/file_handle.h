#pragma once

// A Windows file handle that closes itself, with the few operations the
// files and the executable's digest need.

#include <cstdint>
#include <optional>
#include <span>

#include "platform/win32/win32.h"

namespace platform::win32 {

class FileHandle {
public:
    // An existing file, shared with readers; invalid when it cannot be opened.
    static FileHandle OpenForReading(const char* name);
    // A file that does not exist yet; invalid when the name is taken.
    static FileHandle CreateNew(const char* name);

    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    FileHandle(FileHandle&& other) noexcept : handle_(other.handle_) {
        other.handle_ = INVALID_HANDLE_VALUE;
    }
    ~FileHandle();

    explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }

    // Fills as much of `buffer` as the file holds; the count read, or none on
    // an error.
    std::optional<std::size_t> Read(std::span<std::uint8_t> buffer) const;
    bool WriteAll(std::span<const std::uint8_t> bytes) const;
    // Puts what was written on the disk.
    bool Flush() const;

private:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}

    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace platform::win32
