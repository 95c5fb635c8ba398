#include <gtest/gtest.h>

#include "score_file_support.h"

namespace {

using namespace score_file_test;

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

TEST_F(ScoreFileTest, FileIsTheTableEncryptedUnderTheExecutablesDigest) {
    HighScoreTable = CustomTable();
    SaveHighScores();
    EXPECT_EQ(Decrypt(ReadAll(ScoreFile)), TableBytes(CustomTable()));
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

TEST_F(ScoreFileTest, TemporaryFileLeftByASaveCrashedBeforeTheMoveChangesNothing) {
    HighScoreTable = CustomTable();
    SaveHighScores();
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
