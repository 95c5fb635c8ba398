#include <gtest/gtest.h>

#include <string>

#include "cipher_vectors.h"
#include "platform/nettle/rc4_key.h"
#include "score_file_support.h"

namespace {

using cipher_vectors::Bytes;
using cipher_vectors::FromHex;

TEST(Rc4Test, KnownKeystreams) {
    // Published RC4 test vectors: the keystream for a zero plaintext.
    platform::Rc4Key key{};
    for (std::size_t i = 0; i < key.size(); ++i) key[i] = static_cast<std::uint8_t>(i + 1);
    EXPECT_EQ(platform::Rc4(key, Bytes(16, 0)), FromHex("9ac7cc9a609d1ef7b2932899cde41b97"));
}

TEST(Rc4Test, EncryptingTwiceGivesThePlainBytesBack) {
    platform::Rc4Key key{};
    key[0] = 0x42;
    const Bytes plain{1, 2, 3, 250, 0, 77};
    EXPECT_EQ(platform::Rc4(key, platform::Rc4(key, plain)), plain);
    EXPECT_TRUE(platform::Rc4(key, {}).empty());
}

TEST(DeriveRc4KeyTest, StrongKeepsTheWholeHashBaseFiveBytes) {
    // MD5 of twenty zero bytes.
    const platform::Sha1Digest digest{};
    const platform::Rc4Key strong = platform::DeriveRc4Key(digest, platform::KeyProvider::Strong);
    const Bytes md5 = FromHex("441018525208457705bf09a8ee3c1093");
    EXPECT_EQ(Bytes(strong.begin(), strong.end()), md5);
    const platform::Rc4Key base = platform::DeriveRc4Key(digest, platform::KeyProvider::Base);
    Bytes expected(md5.begin(), md5.begin() + 5);
    expected.resize(16, 0);
    EXPECT_EQ(Bytes(base.begin(), base.end()), expected);
}

// nettle's RC4 under each provider's derivation gives what CryptoAPI gives
// (the Windows build checks CryptoAPI against the same vectors).
TEST(DeriveRc4KeyTest, EncryptsAsCryptoApisProvidersDo) {
    const auto vectors = cipher_vectors::Load(ZA_CIPHER_VECTORS);
    ASSERT_FALSE(vectors.empty());
    for (const auto& vector : vectors) {
        const auto strong = platform::DeriveRc4Key(vector.digest, platform::KeyProvider::Strong);
        const auto base = platform::DeriveRc4Key(vector.digest, platform::KeyProvider::Base);
        EXPECT_EQ(platform::Rc4(strong, vector.plain), vector.strong);
        EXPECT_EQ(platform::Rc4(base, vector.plain), vector.base);
        EXPECT_EQ(platform::ScoreFileCipher(platform::CipherDirection::Encrypt, vector.digest,
                                            vector.plain),
                  vector.strong);
    }
}

// The Linux game keys its file as the Strong provider of Windows does: RC4
// under the whole MD5 hash of the executable's digest.
using score_file_test::ScoreFileTest;

TEST_F(ScoreFileTest, FileIsTheTableUnderTheStrongProvidersKey) {
    using namespace score_file_test;
    HighScoreTable = CustomTable();
    SaveHighScores();
    const platform::Rc4Key key = platform::DeriveRc4Key(OwnDigest(), platform::KeyProvider::Strong);
    EXPECT_EQ(ReadAll(ScoreFile), platform::Rc4(key, TableBytes(CustomTable())));
}

}  // namespace
