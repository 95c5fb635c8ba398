#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/frame_tick.h"
#include "game/game_state.h"
#include "platform/input.h"
#include "scores/high_scores.h"
#include "scores/name_entry.h"
#include "sound/sound_bank.h"
#include "text/screens.h"
#include "text_fixture.h"

namespace {

class ScreensTest : public TextTest {};

TEST_F(ScreensTest, TitlePageZeroInA64PixelWindow) {
    StartBlank();
    ShowTitlePage(0);
    EXPECT_EQ(Snapshot(), Expected({{24, 1, "ZUMI"},        // width 15
                                    {17, 7, "ASTEROIDS"},   // width 30
                                    {17, 52, "PRESS FIRE"},  // width 30
                                    {18, 58, "TO START"}}));  // width 28
    ShowTitlePage(0);
    EXPECT_TRUE(AllBlack()) << "drawn again, the page is erased";
}

TEST_F(ScreensTest, HighScorePageRowsAndColumns) {
    struct Case {
        const char* window;
        std::int32_t nameX, firstRow;
    };
    for (const Case c : {Case{"", 8, 17}, Case{"48", 0, 11}, Case{"200", 76, 85}}) {
        StartBlank(c.window);
        ShowTitlePage(1);
        const std::int32_t s = WindowSize;
        const std::int32_t y = c.firstRow;
        const std::int32_t x = c.nameX;
        EXPECT_EQ(Snapshot(), Expected({{(s - 35) / 2, 5, "HIGH SCORES"},
                                        {x, y, "POW"}, {x + 24, y, "001000"},
                                        {x, y + 6, "ERO"}, {x + 24, y + 6, "000800"},
                                        {x, y + 12, "FAT"}, {x + 24, y + 12, "000600"},
                                        {x, y + 18, "TOR"}, {x + 24, y + 18, "000400"},
                                        {x, y + 24, "NEY"}, {x + 24, y + 24, "000200"}}))
            << "window " << s;
    }
}

TEST_F(ScreensTest, NamesEndAtTheirNulAndNeverRunPastFourBytes) {
    StartBlank();
    HighScoreTable[0].name[0] = '\0';             // an empty name
    std::memcpy(HighScoreTable[1].name, "ABCD", 4);  // no NUL at all
    ShowTitlePage(1);
    const auto page = Snapshot();
    EXPECT_EQ(page, Expected({{14, 5, "HIGH SCORES"},
                              {32, 17, "001000"},
                              {8, 23, "ABCD"}, {32, 23, "000800"},
                              {8, 29, "FAT"}, {32, 29, "000600"},
                              {8, 35, "TOR"}, {32, 35, "000400"},
                              {8, 41, "NEY"}, {32, 41, "000200"}}));
}

TEST_F(ScreensTest, CreditPagesAreCentredAndErasedByDrawingAgain) {
    for (const std::int32_t page : {2, 3}) {
        StartBlank();
        ShowTitlePage(page);
        EXPECT_FALSE(AllBlack());
        // Every line fits: nothing touches the window's left or right edge.
        for (std::int32_t y = 0; y < WindowSize; ++y) {
            EXPECT_EQ(BackBitmap->at(0, y), 0) << "page " << page << " row " << y;
            EXPECT_EQ(BackBitmap->at(WindowSize - 1, y), 0) << "page " << page << " row " << y;
        }
        ShowTitlePage(page);
        EXPECT_TRUE(AllBlack());
    }
}

TEST_F(ScreensTest, PagesTurnEveryFourSecondsOverTheAttractField) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(TitlePage, 0);
    std::int64_t t = 3990;
    RunUntil(t);
    EXPECT_EQ(TitlePage, 0);
    for (const std::int32_t page : {1, 2, 3, 0, 1}) {
        t += 4000;
        RunUntil(t);
        EXPECT_EQ(TitlePage, page) << "at " << t << " ms";
    }
}

TEST_F(ScreensTest, StatusTextsWhilePlaying) {
    struct Case {
        std::int32_t lives;
        const char* livesText;
    };
    for (const Case c : {Case{3, "2 LIVES LEFT"}, Case{2, "1 LIFE LEFT"}, Case{1, "0 LIVES LEFT"},
                         Case{5, "4 LIVES LEFT"}}) {
        StartBlank();
        Playing = true;
        Level = 7;
        Score = 12345;
        Lives = c.lives;
        StatusCounter = 1;
        DrawStatusText();
        const std::int32_t s = WindowSize;
        const std::string score = "SCORE 12345";
        EXPECT_EQ(Snapshot(), Expected({{(s - TextWidth("LEVEL 7")) / 2, 12, "LEVEL 7"},
                                        {(s - TextWidth(score)) / 2, s - 18, score},
                                        {(s - TextWidth(c.livesText)) / 2, s - 12, c.livesText}}))
            << c.lives;
        DrawStatusText();
        EXPECT_TRUE(AllBlack());
    }
}

TEST_F(ScreensTest, GameOverTextsWithAndWithoutTheNamePrompt) {
    for (const std::int32_t score : {200, 201}) {
        StartBlank();
        GameOver = true;
        Score = score;
        ScoreToBeat = 200;
        std::strcpy(PlayerName, "AB");
        StatusCounter = 2;
        DrawStatusText();
        const std::string scoreText = "SCORE " + std::to_string(score);
        std::vector<Line> lines{{15, 23, "GAME OVER"}, {(64 - TextWidth(scoreText)) / 2, 35, scoreText}};
        if (score > ScoreToBeat) {
            lines.push_back({4, 47, "ENTER YOUR NAME"});
            lines.push_back({(64 - TextWidth("AB")) / 2, 53, "AB"});
        }
        EXPECT_EQ(Snapshot(), Expected(lines)) << score;
    }
}

TEST_F(ScreensTest, NothingIsDrawnUntilTheCounterReachesOne) {
    StartBlank();
    Playing = true;
    StatusCounter = 0;
    DrawStatusText();
    EXPECT_TRUE(AllBlack());
}

TEST_F(ScreensTest, ShowingAPageClearsPlaying) {
    StartBlank();
    Playing = true;
    ShowTitlePage(2);
    EXPECT_FALSE(Playing);
}

TEST_F(ScreensTest, StatusTextOfAWholeGameLeavesNoTrace) {
    ASSERT_TRUE(Start());
    platform::headless::ScriptKeyDown(100, static_cast<std::uint8_t>(platform::VirtualKey::Control));
    RunUntil(200);
    ASSERT_TRUE(Playing);
    RunUntil(5000);  // the status text came and went
    ASSERT_GE(StatusCounter, StatusHidden);
    ClearObjects();
    EXPECT_TRUE(AllBlack()) << "no stale text, no stale object";
}

}  // namespace
