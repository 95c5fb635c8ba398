#pragma once

// The score-file cipher vectors of cipher_vectors.txt: what CryptoAPI's
// providers make of a buffer under the key derived from an executable's
// digest. The Linux build checks nettle against them, the Windows build
// CryptoAPI itself.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/crypto.h"

namespace cipher_vectors {

using Bytes = std::vector<std::uint8_t>;

struct Vector {
    platform::Sha1Digest digest{};
    Bytes plain;
    Bytes strong;  // under the Strong provider's key
    Bytes base;    // under the Base provider's key
};

inline Bytes FromHex(const std::string& hex) {
    Bytes bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    }
    return bytes;
}

// Every vector of the file; lines starting with '#' are comments. A line
// that is not a vector fails the test that reads it.
inline std::vector<Vector> Load(const char* path) {
    std::vector<Vector> vectors;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string digest, plain, strong, base;
        words >> digest >> plain >> strong >> base;
        Vector vector;
        const Bytes digestBytes = FromHex(digest);
        if (digestBytes.size() != vector.digest.size() || base.empty()) {
            ADD_FAILURE() << path << ": not a vector: " << line;
            continue;
        }
        std::copy(digestBytes.begin(), digestBytes.end(), vector.digest.begin());
        vector.plain = FromHex(plain);
        vector.strong = FromHex(strong);
        vector.base = FromHex(base);
        vectors.push_back(vector);
    }
    return vectors;
}

}  // namespace cipher_vectors
