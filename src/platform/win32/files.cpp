// Files of the Windows game: its own executable and the score file.

#include <string>

#include "platform/files.h"
#include "platform/win32/file_handle.h"
#include "platform/win32/win32.h"

namespace platform {

std::optional<std::string> ProgramPath() {
    // The path may be longer than MAX_PATH: grow until it fits.
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return std::nullopt;
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::optional<std::vector<std::uint8_t>> ReadFileStart(const char* name, std::size_t maxBytes) {
    const win32::FileHandle file = win32::FileHandle::OpenForReading(name);
    if (!file) return std::nullopt;
    std::vector<std::uint8_t> bytes(maxBytes);
    const std::optional<std::size_t> filled = file.Read(bytes);
    if (!filled) return std::nullopt;
    bytes.resize(*filled);
    return bytes;
}

bool ReplaceFile(const char* name, std::span<const std::uint8_t> bytes) {
    // A name of our own beside the file; CREATE_NEW never opens an existing file.
    const std::string temporary =
        std::string(name) + "." + std::to_string(GetCurrentProcessId()) + ".new";
    bool written = false;
    {
        const win32::FileHandle file = win32::FileHandle::CreateNew(temporary.c_str());
        if (!file) return false;
        written = file.WriteAll(bytes) && file.Flush();
    }
    // Replacing the name replaces a link of that name rather than writing through it.
    if (!written || !MoveFileExA(temporary.c_str(), name,
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace platform
