// CryptoAPI itself against the score-file cipher vectors that the Linux
// build's nettle code is checked against: the Strong and the Base provider,
// each named, derive their RC4 keys from the MD5 hash of a digest as the
// vectors say, and the game's own cipher pass (the default provider, which
// keys RC4 with the whole hash on Windows and under Wine alike) gives the
// Strong provider's bytes.

#include <gtest/gtest.h>

#include "platform/crypto.h"
#include "scores/cipher_vectors.h"
#include "platform/win32/win32.h"

// After windows.h, whose types it uses.
#include <wincrypt.h>

namespace {

using cipher_vectors::Bytes;

// One encryption of the bytes by the named provider, under the RC4 key it
// derives (flags 0) from the MD5 hash of the digest; empty on any failure.
Bytes EncryptWith(const char* provider, const platform::Sha1Digest& digest, const Bytes& plain) {
    HCRYPTPROV context = 0;
    if (!CryptAcquireContextA(&context, nullptr, provider, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT)) {
        return {};
    }
    Bytes result;
    HCRYPTHASH hash = 0;
    HCRYPTKEY key = 0;
    if (CryptCreateHash(context, CALG_MD5, 0, 0, &hash) &&
        CryptHashData(hash, digest.data(), static_cast<DWORD>(digest.size()), 0) &&
        CryptDeriveKey(context, CALG_RC4, hash, 0, &key)) {
        Bytes buffer = plain;
        auto length = static_cast<DWORD>(buffer.size());
        if (CryptEncrypt(key, 0, TRUE, 0, buffer.data(), &length, length)) result = buffer;
    }
    if (key != 0) CryptDestroyKey(key);
    if (hash != 0) CryptDestroyHash(hash);
    CryptReleaseContext(context, 0);
    return result;
}

TEST(CryptoProviderTest, StrongAndBaseProvidersEncryptAsTheVectorsSay) {
    const auto vectors = cipher_vectors::Load(ZA_CIPHER_VECTORS);
    ASSERT_FALSE(vectors.empty());
    for (const auto& vector : vectors) {
        EXPECT_EQ(EncryptWith(MS_STRONG_PROV_A, vector.digest, vector.plain), vector.strong);
        EXPECT_EQ(EncryptWith(MS_DEF_PROV_A, vector.digest, vector.plain), vector.base);
    }
}

TEST(CryptoProviderTest, GamesCipherPassUsesTheWholeHash) {
    for (const auto& vector : cipher_vectors::Load(ZA_CIPHER_VECTORS)) {
        EXPECT_EQ(platform::ScoreFileCipher(platform::CipherDirection::Encrypt, vector.digest,
                                            vector.plain),
                  vector.strong);
        EXPECT_EQ(platform::ScoreFileCipher(platform::CipherDirection::Decrypt, vector.digest,
                                            vector.strong),
                  vector.plain);
    }
}

}  // namespace
