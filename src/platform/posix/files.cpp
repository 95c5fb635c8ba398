// Files on Linux, for the sdl and headless backends.

#include "platform/files.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>

namespace platform {
namespace {

constexpr mode_t NewFileMode = 0666;  // before the user's umask, as any new file

// Writes every byte, going on after short writes and interruptions.
bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

std::optional<std::string> ProgramPath() {
    std::array<char, 4096> path{};
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (length <= 0) return std::nullopt;
    return std::string(path.data(), static_cast<std::size_t>(length));
}

std::optional<std::vector<std::uint8_t>> ReadFileStart(const char* name, std::size_t maxBytes) {
    const int fd = open(name, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::vector<std::uint8_t> bytes(maxBytes);
    std::size_t filled = 0;
    bool failed = false;
    while (filled < maxBytes) {
        const ssize_t got = read(fd, bytes.data() + filled, maxBytes - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) failed = true;
        if (got <= 0) break;
        filled += static_cast<std::size_t>(got);
    }
    close(fd);
    if (failed) return std::nullopt;
    bytes.resize(filled);
    return bytes;
}

bool ReplaceFile(const char* name, std::span<const std::uint8_t> bytes) {
    // A name of our own beside the file; O_EXCL never opens an existing file
    // or follows a link.
    const std::string temporary = std::string(name) + "." + std::to_string(getpid()) + ".new";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, NewFileMode);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, bytes) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), name) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace platform
