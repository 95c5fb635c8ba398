// Single instance: the first game holds an exclusive lock on a file named
// after the window class; the system releases it when that process ends,
// however it ends.

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/window.h"

namespace platform {
namespace {

// The per-user runtime directory when the session has one. Otherwise the
// shared temporary directory, where the user id keeps the users apart.
std::filesystem::path LockFilePath() {
    const std::string name = WindowClassName;
    if (const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
        runtimeDir != nullptr && *runtimeDir != '\0') {
        return std::filesystem::path(runtimeDir) / (name + ".lock");
    }
    std::error_code error;
    std::filesystem::path dir = std::filesystem::temp_directory_path(error);
    if (error) dir = "/tmp";
    return dir / (name + "-" + std::to_string(getuid()) + ".lock");
}

}  // namespace

bool AnotherInstanceRunning() {
    // The descriptor stays open for the whole run and is never closed: the
    // lock must last until the process ends. O_CLOEXEC keeps it out of any
    // child process, which would otherwise hold the lock on after the game.
    const int fd = open(LockFilePath().c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    // Without a lock file the game cannot tell, and a game that runs is
    // better than one that never starts.
    if (fd < 0) return false;
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) return false;
    const bool held = errno == EWOULDBLOCK;
    close(fd);
    return held;
}

}  // namespace platform
