// The score file's cryptography on Windows, with CryptoAPI itself.

#include <array>

#include "platform/crypto.h"
#include "platform/win32/file_handle.h"
#include "platform/win32/win32.h"

// After windows.h, whose types it uses.
#include <wincrypt.h>

namespace platform {
namespace {

constexpr std::size_t ReadPiece = 64 * 1024;

// A context of a provider of the full RSA type: the default provider with
// its default key container, or, when that cannot be had (the container does
// not exist yet), the Base provider with the container made anew. The
// default provider of current Windows is the Strong one, and Wine's its
// Enhanced one: both key RC4 with the whole MD5 hash, where the Base
// provider keeps 40 bits of it. Either way a file only opens under the
// executable that wrote it.
class Provider {
public:
    Provider() {
        if (!CryptAcquireContextA(&handle_, nullptr, nullptr, PROV_RSA_FULL, 0) &&
            !CryptAcquireContextA(&handle_, nullptr, MS_DEF_PROV_A, PROV_RSA_FULL,
                                  CRYPT_NEWKEYSET)) {
            handle_ = 0;
        }
    }
    Provider(const Provider&) = delete;
    Provider& operator=(const Provider&) = delete;
    ~Provider() {
        if (handle_ != 0) CryptReleaseContext(handle_, 0);
    }
    HCRYPTPROV handle() const { return handle_; }

private:
    HCRYPTPROV handle_ = 0;
};

// A hash object of the provider, destroyed when it goes out of scope.
class Hash {
public:
    Hash(const Provider& provider, ALG_ID algorithm) {
        if (provider.handle() == 0 || !CryptCreateHash(provider.handle(), algorithm, 0, 0, &handle_)) {
            handle_ = 0;
        }
    }
    Hash(const Hash&) = delete;
    Hash& operator=(const Hash&) = delete;
    ~Hash() {
        if (handle_ != 0) CryptDestroyHash(handle_);
    }
    bool Add(std::span<const std::uint8_t> bytes) const {
        return handle_ != 0 &&
               CryptHashData(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), 0);
    }
    HCRYPTHASH handle() const { return handle_; }

private:
    HCRYPTHASH handle_ = 0;
};

// A key derived from a hash, destroyed when it goes out of scope.
class Key {
public:
    Key(const Provider& provider, ALG_ID algorithm, const Hash& hash) {
        // Flags 0: the provider's default key length, no salt.
        if (hash.handle() == 0 ||
            !CryptDeriveKey(provider.handle(), algorithm, hash.handle(), 0, &handle_)) {
            handle_ = 0;
        }
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    ~Key() {
        if (handle_ != 0) CryptDestroyKey(handle_);
    }
    HCRYPTKEY handle() const { return handle_; }

private:
    HCRYPTKEY handle_ = 0;
};

}  // namespace

std::optional<Sha1Digest> DigestOfFile(const char* path) {
    const win32::FileHandle file = win32::FileHandle::OpenForReading(path);
    const Provider provider;
    const Hash hash(provider, CALG_SHA1);
    if (!file || hash.handle() == 0) return std::nullopt;
    std::array<std::uint8_t, ReadPiece> piece{};
    for (;;) {
        const std::optional<std::size_t> got = file.Read(piece);
        if (!got) return std::nullopt;
        if (*got == 0) break;
        if (!hash.Add(std::span(piece).first(*got))) return std::nullopt;
    }
    Sha1Digest digest{};
    auto length = static_cast<DWORD>(digest.size());
    if (!CryptGetHashParam(hash.handle(), HP_HASHVAL, digest.data(), &length, 0) ||
        length != digest.size()) {
        return std::nullopt;
    }
    return digest;
}

std::optional<std::vector<std::uint8_t>> ScoreFileCipher(CipherDirection direction,
                                                         const Sha1Digest& digest,
                                                         std::span<const std::uint8_t> bytes) {
    const Provider provider;
    const Hash hash(provider, CALG_MD5);
    if (!hash.Add(digest)) return std::nullopt;
    const Key key(provider, CALG_RC4, hash);
    if (key.handle() == 0) return std::nullopt;
    // RC4 is a stream cipher: the result is as long as the input, in place.
    std::vector<std::uint8_t> result(bytes.begin(), bytes.end());
    if (result.empty()) return result;  // CryptoAPI refuses the null buffer of no bytes
    auto length = static_cast<DWORD>(result.size());
    const BOOL done =
        direction == CipherDirection::Encrypt
            ? CryptEncrypt(key.handle(), 0, TRUE, 0, result.data(), &length, length)
            : CryptDecrypt(key.handle(), 0, TRUE, 0, result.data(), &length);
    if (!done || length != result.size()) return std::nullopt;
    return result;
}

}  // namespace platform
