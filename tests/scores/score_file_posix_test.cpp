// The score file's save on a system that can stop a process mid-write, has
// symbolic links and lets the current directory be removed.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "score_file_support.h"

namespace {

using namespace score_file_test;

TEST_F(ScoreFileTest, SaveReplacesALinkInsteadOfWritingThroughIt) {
    WriteAll("victim", {1, 2, 3});
    fs::create_symlink("victim", ScoreFile);
    HighScoreTable = CustomTable();
    SaveHighScores();
    EXPECT_EQ(ReadAll("victim"), (Bytes{1, 2, 3}));
    EXPECT_FALSE(fs::is_symlink(ScoreFile));
    EXPECT_EQ(fs::file_size(ScoreFile), 80u);
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
}

}  // namespace
