#include <gtest/gtest.h>

#include <cstring>

#include "app/frame_tick.h"
#include "app/timers.h"
#include "app/window_proc.h"
#include "game/game_state.h"
#include "platform/input.h"
#include "scores/high_scores.h"
#include "scores/name_entry.h"
#include "sound/sound_bank.h"
#include "text/screens.h"
#include "text_fixture.h"

namespace {

using platform::VirtualKey;

void Press(std::uint32_t key) { WindowProcedure(platform::Message{platform::MessageKind::KeyDown, key}); }
void Press(VirtualKey key) { Press(static_cast<std::uint32_t>(key)); }

class NameEntryTest : public TextTest {
protected:
    void SetUp() override {
        TextTest::SetUp();
        StartBlank();
        // The end of a game with a qualifying score, its text on the screen.
        Playing = true;
        Score = 800;
        ShowStatusText();
        EndGame();
        StatusCounter = 1;
        DrawStatusText();
        ASSERT_TRUE(NameEntryActive);
    }
};

TEST_F(NameEntryTest, TypedCharactersAppearAndAFourthIsIgnored) {
    for (const char c : {'A', '7', 'Z'}) Press(static_cast<std::uint32_t>(c));
    EXPECT_STREQ(PlayerName, "A7Z");
    const auto shown = Snapshot();
    Press('Q');
    EXPECT_STREQ(PlayerName, "A7Z");
    EXPECT_EQ(Snapshot(), shown) << "the screen does not change";
    DrawStatusText();
    ClearBackBuffer();
    DrawStatusText();
    EXPECT_EQ(Snapshot(), shown) << "the text on the screen is the text of the name";
}

TEST_F(NameEntryTest, BackspaceOnAnEmptyNameDoesNothing) {
    const auto shown = Snapshot();
    Press(VirtualKey::Backspace);
    EXPECT_STREQ(PlayerName, "");
    EXPECT_EQ(Snapshot(), shown);
}

TEST_F(NameEntryTest, CorrectedNameGoesIntoTheTable) {
    for (const char c : {'A', 'B', 'C'}) Press(static_cast<std::uint32_t>(c));
    Press(VirtualKey::Backspace);
    Press('D');
    SoundAvailable = true;
    const bool sound = SoundOn;
    Press(VirtualKey::LetterS);
    EXPECT_NE(SoundOn, sound) << "S toggles the sound";
    EXPECT_STREQ(PlayerName, "ABD") << "and is not typed";
    Press(VirtualKey::Enter);
    EXPECT_FALSE(NameEntryActive);
    // 800 goes above the old 800; NEY 200 leaves the table.
    EXPECT_STREQ(HighScoreTable[1].name, "ABD");
    EXPECT_EQ(HighScoreTable[1].score, 800);
    EXPECT_STREQ(HighScoreTable[2].name, "ERO");
    EXPECT_EQ(HighScoreTable[2].score, 800);
    EXPECT_EQ(HighScoreTable[4].score, 400);
    EXPECT_FALSE(GameOver);
    EXPECT_EQ(TitlePage, 0);
    // The game-over text was erased with the name it was drawn with, and
    // title page 0 drawn.
    const auto screen = Snapshot();
    ClearBackBuffer();
    ShowTitlePage(0);
    EXPECT_EQ(Snapshot(), screen);
}

TEST_F(NameEntryTest, EnterWithAnEmptyNameStoresAnEmptyName) {
    Press(VirtualKey::Enter);
    EXPECT_EQ(HighScoreTable[1].score, 800);
    EXPECT_EQ(HighScoreTable[1].name[0], '\0');
    EXPECT_EQ(std::memcmp(HighScoreTable[1].name, "\0  \0", 4), 0);
}

TEST(InsertHighScoreTest, NewScoresGoAboveEqualOnes) {
    struct Case {
        std::int32_t score;
        int place;
    };
    for (const Case c : {Case{800, 1}, Case{5000, 0}, Case{1000, 0}, Case{201, 4}, Case{200, 4},
                         Case{199, 5}}) {
        HighScoreTable = DefaultHighScores;
        EXPECT_EQ(InsertHighScore(c.score), c.place) << c.score;
        if (c.place < 5) {
            EXPECT_EQ(HighScoreTable[c.place].score, c.score);
            EXPECT_EQ(std::memcmp(HighScoreTable[c.place].name, "   ", 4), 0);
            EXPECT_EQ(HighScoreTable[c.place].headMarker, EntryHeadMarker);
        }
    }
}

}  // namespace
