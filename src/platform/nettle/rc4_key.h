#pragma once

// How CryptoAPI's CryptDeriveKey(CALG_RC4, flags 0) turns an MD5 hash into an
// RC4 key, for the providers of the full RSA type. The Strong provider, the
// default of current Windows, keys RC4 with the whole 16-byte hash; the older
// Base provider (also Wine's default) keeps its first 5 bytes and sets the
// other 11 to zero.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/crypto.h"

namespace platform {

enum class KeyProvider : std::uint8_t { Strong, Base };

inline constexpr std::size_t Rc4KeyBytes = 16;
using Rc4Key = std::array<std::uint8_t, Rc4KeyBytes>;

// The key the provider derives from MD5(digest).
Rc4Key DeriveRc4Key(const Sha1Digest& digest, KeyProvider provider);

// One RC4 pass; encryption and decryption are the same.
std::vector<std::uint8_t> Rc4(const Rc4Key& key, std::span<const std::uint8_t> bytes);

}  // namespace platform
