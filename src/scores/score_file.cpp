// The score file: the five-place table kept between runs in "astscore.dat",
// its 80 bytes RC4-encrypted under a key derived from the SHA-1 digest of
// the game's own executable, so that a file only opens under the executable
// that wrote it. Anything damaged, foreign or missing gives the default
// table, silently.

#include <algorithm>
#include <bit>
#include <cstring>
#include <optional>

#include "platform/crypto.h"
#include "platform/files.h"
#include "scores/high_scores.h"

namespace {

constexpr const char* ScoreFileName = "astscore.dat";
constexpr std::size_t TableBytes = sizeof(HighScores);
static_assert(TableBytes == 80);
// The table's bytes are its words in memory, and the file's words are
// little-endian.
static_assert(std::endian::native == std::endian::little);

// The digest of the executable, computed at most once per run; a failed
// attempt is made again at the next load or save.
std::optional<platform::Sha1Digest> ProgramDigest;

bool EnsureProgramDigest() {
    if (ProgramDigest) return true;
    const std::optional<std::string> path = platform::ProgramPath();
    if (path) ProgramDigest = platform::DigestOfFile(path->c_str());
    return ProgramDigest.has_value();
}

std::optional<std::vector<std::uint8_t>> CipherPass(platform::CipherDirection direction,
                                                    std::span<const std::uint8_t> bytes) {
    if (!EnsureProgramDigest()) return std::nullopt;
    return platform::ScoreFileCipher(direction, *ProgramDigest, bytes);
}

// The entries pass one by one until the first whose markers are wrong.
bool AllMarkersPass(const HighScores& table) {
    const auto firstBad = std::find_if(table.begin(), table.end(), [](const HighScoreEntry& e) {
        return e.headMarker != EntryHeadMarker || e.tailMarker != EntryTailMarker;
    });
    return firstBad == table.end();
}

}  // namespace

void LoadHighScores() {
    HighScoreTable = DefaultHighScores;
    // A stream cipher decrypts the start of a longer file to the same bytes,
    // so nothing past the table's length is read.
    const auto stored = platform::ReadFileStart(ScoreFileName, TableBytes);
    if (!stored) return;
    const auto plain = CipherPass(platform::CipherDirection::Decrypt, *stored);
    if (!plain) return;
    // A short file overlays only the start of the defaults (an empty one,
    // nothing).
    std::copy_n(plain->begin(), std::min(plain->size(), TableBytes),
                reinterpret_cast<std::uint8_t*>(HighScoreTable.data()));
    if (!AllMarkersPass(HighScoreTable)) HighScoreTable = DefaultHighScores;
}

void SaveHighScores() {
    std::array<std::uint8_t, TableBytes> bytes{};
    std::memcpy(bytes.data(), HighScoreTable.data(), TableBytes);
    const auto encrypted = CipherPass(platform::CipherDirection::Encrypt, bytes);
    if (!encrypted) return;  // the file stays as it was
    platform::ReplaceFile(ScoreFileName, *encrypted);
}
