#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/crypto.h"
#include "platform/files.h"
#include "scores/high_scores.h"
#include "support/program_fixture.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr const char* ScoreFile = "astscore.dat";

Bytes ReadAll(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const char* name, const Bytes& bytes) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes TableBytes(const HighScores& table) {
    Bytes bytes(sizeof table);
    std::memcpy(bytes.data(), table.data(), sizeof table);
    return bytes;
}

// The digest of this test executable: the key its score files use.
platform::Sha1Digest OwnDigest() {
    const auto path = platform::ProgramPath();
    EXPECT_TRUE(path.has_value());
    const auto digest = platform::DigestOfFile(path->c_str());
    EXPECT_TRUE(digest.has_value());
    return *digest;
}

Bytes Encrypt(const Bytes& plain, const platform::Sha1Digest& digest = OwnDigest()) {
    return *platform::ScoreFileCipher(platform::CipherDirection::Encrypt, digest, plain);
}

Bytes Decrypt(const Bytes& stored) {
    return *platform::ScoreFileCipher(platform::CipherDirection::Decrypt, OwnDigest(), stored);
}

bool IsDefaultTable() { return TableBytes(HighScoreTable) == TableBytes(DefaultHighScores); }

// A table unlike the defaults.
HighScores CustomTable() {
    HighScores table = DefaultHighScores;
    for (int k = 0; k < HighScorePlaces; ++k) table[k].score = 5000 - 1000 * k;
    std::memcpy(table[2].name, "ACE", 4);
    return table;
}

class ScoreFileTest : public ProgramTest {};

TEST_F(ScoreFileTest, FirstRunHasTheDefaultsAndExitWritesEightyBytesThatLoadAgain) {
    ASSERT_FALSE(fs::exists(ScoreFile));
    LoadHighScores();
    EXPECT_TRUE(IsDefaultTable());
    HighScoreTable = CustomTable();
    SaveHighScores();
    EXPECT_EQ(fs::file_size(ScoreFile), 80u);
    EXPECT_NE(ReadAll(ScoreFile), TableBytes(CustomTable())) << "the file is encrypted";
    HighScoreTable = {};
    LoadHighScores();
    EXPECT_EQ(TableBytes(HighScoreTable), TableBytes(CustomTable()));
}

TEST_F(ScoreFileTest, WholeProgramKeepsItsTableFromOneRunToTheNext) {
    ASSERT_TRUE(Start());
    HighScoreTable = CustomTable();
    Finish();  // the teardown saves
    ASSERT_TRUE(Start());
    EXPECT_EQ(TableBytes(HighScoreTable), TableBytes(CustomTable()));
}

TEST_F(ScoreFileTest, AnyBrokenMarkerByteGivesTheDefaultsNamesAndScoresDoNot) {
    const Bytes plain = TableBytes(CustomTable());
    for (std::size_t entry = 0; entry < 5; ++entry) {
        for (std::size_t offset = 0; offset < 16; ++offset) {
            Bytes changed = plain;
            changed[entry * 16 + offset] ^= 0x01;
            WriteAll(ScoreFile, Encrypt(changed));
            LoadHighScores();
            const bool marker = offset < 4 || offset >= 12;
            if (marker) {
                EXPECT_TRUE(IsDefaultTable()) << "entry " << entry << " byte " << offset;
            } else {
                EXPECT_EQ(TableBytes(HighScoreTable), changed) << "entry " << entry << " byte " << offset;
            }
        }
    }
}

TEST_F(ScoreFileTest, ShortFileOverlaysTheStartAndALongerOneUsesItsFirstEightyBytes) {
    const Bytes plain = TableBytes(CustomTable());
    // 20 bytes: entry 0 whole and the head marker of entry 1; the rest stays default.
    WriteAll(ScoreFile, Encrypt(Bytes(plain.begin(), plain.begin() + 20)));
    LoadHighScores();
    EXPECT_EQ(HighScoreTable[0].score, 5000);
    EXPECT_EQ(HighScoreTable[1].score, 800);
    EXPECT_STREQ(HighScoreTable[1].name, "ERO");

    Bytes longer = plain;
    longer.insert(longer.end(), 1000, 0xAB);
    WriteAll(ScoreFile, Encrypt(longer));
    LoadHighScores();
    EXPECT_EQ(TableBytes(HighScoreTable), plain);

    WriteAll(ScoreFile, {});
    LoadHighScores();
    EXPECT_TRUE(IsDefaultTable()) << "an empty file";
}

TEST_F(ScoreFileTest, FileOfAnotherExecutableGivesTheDefaults) {
    platform::Sha1Digest other = OwnDigest();
    other[7] ^= 0x40;  // as if the executable had been rebuilt
    WriteAll(ScoreFile, Encrypt(TableBytes(CustomTable()), other));
    LoadHighScores();
    EXPECT_TRUE(IsDefaultTable());
}

TEST_F(ScoreFileTest, FileIsEncryptedWithTheStrongProvidersKeyOfTheExecutablesDigest) {
    HighScoreTable = CustomTable();
    SaveHighScores();
    EXPECT_EQ(Decrypt(ReadAll(ScoreFile)), TableBytes(CustomTable()));
}

TEST_F(ScoreFileTest, SaveReplacesALinkInsteadOfWritingThroughIt) {
    WriteAll("victim", {1, 2, 3});
    fs::create_symlink("victim", ScoreFile);
    HighScoreTable = CustomTable();
    SaveHighScores();
    EXPECT_EQ(ReadAll("victim"), (Bytes{1, 2, 3}));
    EXPECT_FALSE(fs::is_symlink(ScoreFile));
    EXPECT_EQ(fs::file_size(ScoreFile), 80u);
}

TEST_F(ScoreFileTest, SaveThatCannotReplaceTheFileLeavesEverythingAsItWas) {
    // A directory of that name cannot be replaced by a file.
    fs::create_directory(ScoreFile);
    HighScoreTable = CustomTable();
    SaveHighScores();
    EXPECT_TRUE(fs::is_directory(ScoreFile));
    std::size_t leftovers = 0;
    for (const auto& entry : fs::directory_iterator(".")) leftovers += entry.path() != fs::path("./astscore.dat");
    EXPECT_EQ(leftovers, 0u) << "no temporary file stays behind";
    LoadHighScores();
    EXPECT_TRUE(IsDefaultTable());
}

TEST_F(ScoreFileTest, SaveIntoAVanishedDirectoryFailsQuietly) {
    const fs::path here = fs::current_path();
    fs::create_directory("gone");
    fs::current_path("gone");
    fs::remove(here / "gone");
    HighScoreTable = CustomTable();
    SaveHighScores();  // nothing to write into, and no crash
    fs::current_path(here);
    EXPECT_FALSE(fs::exists("gone"));
}

TEST_F(ScoreFileTest, SaveCrashedMidwayLeavesTheOldTableWhole) {
    HighScoreTable = CustomTable();
    SaveHighScores();
    const Bytes old = ReadAll(ScoreFile);

    // A save that the system stops in the middle of writing: the file size
    // limit kills the process at its first write past 40 bytes.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit limit{40, 40};
        setrlimit(RLIMIT_FSIZE, &limit);
        HighScoreTable = DefaultHighScores;
        SaveHighScores();
        _exit(0);  // not reached when the write is stopped
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the save was stopped by the limit";
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    EXPECT_EQ(ReadAll(ScoreFile), old);
    LoadHighScores();
    EXPECT_EQ(TableBytes(HighScoreTable), TableBytes(CustomTable()));

    // What a crash after the new bytes were written but before the move
    // leaves: the old file and a finished temporary one beside it.
    WriteAll("astscore.dat.12345.new", Encrypt(TableBytes(DefaultHighScores)));
    LoadHighScores();
    EXPECT_EQ(TableBytes(HighScoreTable), TableBytes(CustomTable()));
    SaveHighScores();
    LoadHighScores();
    EXPECT_EQ(TableBytes(HighScoreTable), TableBytes(CustomTable()));
}

TEST(DigestTest, UnreadableFileHasNoDigestAndTheSameBytesTheSameDigest) {
    EXPECT_FALSE(platform::DigestOfFile("/nonexistent/zumiasteroids").has_value());
    EXPECT_FALSE(platform::DigestOfFile("/").has_value()) << "a directory cannot be read";
    const auto self = platform::ProgramPath();
    ASSERT_TRUE(self.has_value());
    EXPECT_EQ(platform::DigestOfFile(self->c_str()), platform::DigestOfFile(self->c_str()));
}

}  // namespace
