#pragma once

// Files: the program's own executable and the score file in the current
// directory.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

// The path of the running program's executable, or none. Used to hash it.
std::optional<std::string> ProgramPath();

// The first bytes of a file, at most `maxBytes`; none when it cannot be opened
// or read. Called by the score table's load.
std::optional<std::vector<std::uint8_t>> ReadFileStart(const char* name, std::size_t maxBytes);

// Replaces the file with these bytes in one step: they are written beside it
// under another name and moved over it, so a crash or a full disk midway
// leaves the old file whole, and a link of that name is replaced, not written
// through. False on failure, the old file then as it was. Called by the
// score table's save.
bool ReplaceFile(const char* name, std::span<const std::uint8_t> bytes);

}  // namespace platform
