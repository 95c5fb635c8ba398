// The score file's cryptography on Linux, with nettle, for the sdl and
// headless backends.

#include "platform/crypto.h"

#include <fcntl.h>
#include <nettle/arcfour.h>
#include <nettle/md5.h>
#include <nettle/sha1.h>
#include <unistd.h>

#include <cerrno>

#include "platform/nettle/rc4_key.h"

namespace platform {
namespace {

constexpr std::size_t ReadPiece = 64 * 1024;
// The Base provider keeps 40 bits of the hash; the rest of its 128-bit key
// is zero salt.
constexpr std::size_t BaseProviderKeyBytes = 5;

}  // namespace

std::optional<Sha1Digest> DigestOfFile(const char* path) {
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    sha1_ctx context;
    sha1_init(&context);
    std::array<std::uint8_t, ReadPiece> piece{};
    bool failed = false;
    for (;;) {
        const ssize_t got = read(fd, piece.data(), piece.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) failed = true;
        if (got <= 0) break;
        sha1_update(&context, static_cast<std::size_t>(got), piece.data());
    }
    close(fd);
    if (failed) return std::nullopt;
    Sha1Digest digest{};
    sha1_digest(&context, digest.size(), digest.data());
    return digest;
}

Rc4Key DeriveRc4Key(const Sha1Digest& digest, KeyProvider provider) {
    md5_ctx context;
    md5_init(&context);
    md5_update(&context, digest.size(), digest.data());
    Rc4Key key{};
    md5_digest(&context, key.size(), key.data());
    if (provider == KeyProvider::Base) {
        for (std::size_t i = BaseProviderKeyBytes; i < key.size(); ++i) key[i] = 0;
    }
    return key;
}

std::vector<std::uint8_t> Rc4(const Rc4Key& key, std::span<const std::uint8_t> bytes) {
    arcfour_ctx context;
    arcfour_set_key(&context, key.size(), key.data());
    std::vector<std::uint8_t> out(bytes.size());
    if (!bytes.empty()) arcfour_crypt(&context, bytes.size(), out.data(), bytes.data());
    return out;
}

std::optional<std::vector<std::uint8_t>> ScoreFileCipher(CipherDirection /*direction*/,
                                                         const Sha1Digest& digest,
                                                         std::span<const std::uint8_t> bytes) {
    // RC4 encrypts and decrypts alike. The key is derived as the default
    // provider of current Windows (the Strong provider) derives it, so the
    // Linux game keys its file exactly as the Windows game does on its home
    // system; the older Base provider's 40-bit key would be the weaker choice.
    return Rc4(DeriveRc4Key(digest, KeyProvider::Strong), bytes);
}

}  // namespace platform
