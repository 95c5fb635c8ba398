#pragma once

// The cryptography of the score file: the SHA-1 digest of the program's
// executable and one RC4 pass under the key CryptoAPI derives from the MD5
// hash of that digest.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace platform {

inline constexpr std::size_t Sha1DigestBytes = 20;
using Sha1Digest = std::array<std::uint8_t, Sha1DigestBytes>;

// SHA-1 of the file's contents, read in pieces; none when it cannot be read.
std::optional<Sha1Digest> DigestOfFile(const char* path);

enum class CipherDirection : std::uint8_t { Encrypt, Decrypt };

// One RC4 pass over the bytes under the key derived from MD5(digest) by the
// provider CryptoAPI uses by default; the result is as long as the input.
// None when the cipher is unavailable.
std::optional<std::vector<std::uint8_t>> ScoreFileCipher(CipherDirection direction,
                                                         const Sha1Digest& digest,
                                                         std::span<const std::uint8_t> bytes);

}  // namespace platform
