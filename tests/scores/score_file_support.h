#pragma once

// What the tests of the score file share: reading and writing whole files,
// the table's bytes, and the cipher under this test executable's own key.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/crypto.h"
#include "platform/files.h"
#include "scores/high_scores.h"
#include "support/program_fixture.h"

namespace score_file_test {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr const char* ScoreFile = "astscore.dat";

inline Bytes ReadAll(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

inline void WriteAll(const char* name, const Bytes& bytes) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline Bytes TableBytes(const HighScores& table) {
    Bytes bytes(sizeof table);
    std::memcpy(bytes.data(), table.data(), sizeof table);
    return bytes;
}

// The digest of this test executable: the key its score files use.
inline platform::Sha1Digest OwnDigest() {
    const auto path = platform::ProgramPath();
    EXPECT_TRUE(path.has_value());
    const auto digest = platform::DigestOfFile(path->c_str());
    EXPECT_TRUE(digest.has_value());
    return *digest;
}

inline Bytes Encrypt(const Bytes& plain, const platform::Sha1Digest& digest = OwnDigest()) {
    return *platform::ScoreFileCipher(platform::CipherDirection::Encrypt, digest, plain);
}

inline Bytes Decrypt(const Bytes& stored) {
    return *platform::ScoreFileCipher(platform::CipherDirection::Decrypt, OwnDigest(), stored);
}

inline bool IsDefaultTable() { return TableBytes(HighScoreTable) == TableBytes(DefaultHighScores); }

// A table unlike the defaults.
inline HighScores CustomTable() {
    HighScores table = DefaultHighScores;
    for (int k = 0; k < HighScorePlaces; ++k) table[k].score = 5000 - 1000 * k;
    std::memcpy(table[2].name, "ACE", 4);
    return table;
}

class ScoreFileTest : public ProgramTest {};

}  // namespace score_file_test
