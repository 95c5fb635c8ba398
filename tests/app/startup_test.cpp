#include <gtest/gtest.h>

#include <cmath>

#include "app/main_window.h"
#include "app/object_list.h"
#include "app/timers.h"
#include "game/game_state.h"
#include "game/level_fill.h"
#include "platform/headless/headless.h"
#include "platform/input.h"
#include "support/program_fixture.h"
#include "scores/high_scores.h"
#include "sound/sound_bank.h"
#include "text/screens.h"

namespace {

namespace headless = platform::headless;
using platform::Point;

bool SameTable(const HighScores& a, const HighScores& b) {
    for (int i = 0; i < HighScorePlaces; ++i) {
        if (a[i].score != b[i].score || std::string(a[i].name, 3) != std::string(b[i].name, 3) ||
            a[i].headMarker != b[i].headMarker || a[i].tailMarker != b[i].tailMarker) {
            return false;
        }
    }
    return true;
}

TEST(WindowSizeTest, CommandLineTable) {
    struct Case {
        const char* line;
        std::int32_t size;
    };
    const Case cases[] = {
        {"", 64},           {"100", 100},        {"101", 100},          {"49", 48},
        {"30", 48},         {"-5", 48},          {"abc", 64},           {"1000", 1000},
        {"  200 7", 200},   {"+80", 80},         {"12abc", 48},         {"abc 100", 64},
        {"48", 48},         {"-", 64},           {"\t97", 96},
        // Beyond the 32-bit range the nearest 32-bit value counts: a huge
        // window that cannot be made (a quiet exit), or the smallest one.
        {"2147483647", 2147483646}, {"2147483648", 2147483646},
        {"99999999999999999999", 2147483646}, {"-99999999999", 48},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WindowSizeFromCommandLine(c.line), c.size) << '"' << c.line << '"';
    }
    EXPECT_EQ(WindowSizeFromCommandLine(nullptr), 64);
}

class StartUpTest : public ProgramTest {};

TEST_F(StartUpTest, OpensTheWindowCentredOnThePointer) {
    struct Case {
        const char* line;
        Point pointer;
        Point topLeft;
        std::int32_t size;
    };
    const Case cases[] = {
        {"", {300, 200}, {268, 168}, 64},
        {"101", {300, 200}, {250, 150}, 100},
        {"", {5, 5}, {-27, -27}, 64},  // partly off the screen
    };
    for (const Case& c : cases) {
        headless::Settings settings;
        settings.cursor = c.pointer;
        ASSERT_TRUE(Start(c.line, settings));
        EXPECT_TRUE(headless::WindowExists());
        EXPECT_EQ(headless::WindowPosition(), c.topLeft);
        EXPECT_EQ(headless::WindowSizeOnScreen(), c.size);
        EXPECT_EQ(WindowSize, c.size);
        EXPECT_EQ(HalfWindowSize, c.size / 2);
        ASSERT_TRUE(BackBitmap);
        EXPECT_EQ(BackBitmap->width(), c.size);
        Finish();
    }
}

TEST_F(StartUpTest, EndsInTheTitleStateWithItsTwoTimersRunning) {
    headless::Settings settings;
    settings.calendarTime = 0;  // seed 0: the first draw is 38, so attract level 2
    ASSERT_TRUE(Start("", settings));
    EXPECT_TRUE(headless::ArrowCursorSet());
    EXPECT_TRUE(SameTable(HighScoreTable, DefaultHighScores));
    EXPECT_FALSE(SoundOn);  // no sound device: a silent game
    EXPECT_FALSE(SoundAvailable);
    EXPECT_EQ(BackBufferDC.mixMode(), platform::MixMode::XorPen);
    EXPECT_EQ(BackBufferDC.pen(), platform::WhitePen);
    EXPECT_EQ(GreyPens[0].grey, 0);
    EXPECT_EQ(GreyPens[175].grey, 175);
    EXPECT_EQ(GreyPens[255].grey, 255);
    EXPECT_EQ(AsteroidMassTotal, 240 + 80 * 2);
    EXPECT_EQ(AsteroidMassLeft, AsteroidMassTotal);
    EXPECT_EQ(Level, 0) << "the attract field leaves the level number alone";
    EXPECT_FALSE(Playing);
    EXPECT_FALSE(GameOver);
    EXPECT_EQ(TitlePage, 0);
    EXPECT_EQ(headless::TimerPeriod(static_cast<std::uint32_t>(TimerId::TitlePages)), 4000u);
    EXPECT_EQ(headless::TimerPeriod(static_cast<std::uint32_t>(TimerId::FrameTick)), 10u)
        << "1 ms asked, raised to the timer minimum";
    for (std::uint32_t id = 2; id <= LastTimerId; ++id) EXPECT_FALSE(headless::TimerActive(id));
}

TEST_F(StartUpTest, AttractLevelComesFromTheFirstDrawAfterTheCalendarSeed) {
    headless::Settings settings;
    settings.calendarTime = 1;  // first draw 41: level 1
    ASSERT_TRUE(Start("", settings));
    EXPECT_EQ(AsteroidMassTotal, 320);
}

TEST_F(StartUpTest, TablesHoldSineAndCosineOfWholeDegrees) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(SinTable[0], 0.0);
    EXPECT_EQ(SinTable[90], 1.0);
    EXPECT_EQ(CosTable[180], -1.0);
    EXPECT_EQ(SinTable[270], -1.0);
    EXPECT_NE(CosTable[90], 0.0);
    EXPECT_NEAR(CosTable[90], 0.0, 1e-15);
    EXPECT_DOUBLE_EQ(SinTable[30], 0.5);
}

TEST_F(StartUpTest, ScreenShowsTheBackBufferOncePainted) {
    ASSERT_TRUE(Start());
    RunUntil(2000);
    PaintWindow();  // the paint the last tick's drawing asks for
    ASSERT_NE(headless::Screen(), nullptr);
    EXPECT_EQ(headless::Screen()->pixels(), BackBitmap->pixels());
}

TEST_F(StartUpTest, SecondInstanceTouchesNothing) {
    headless::Settings settings;
    settings.anotherInstanceRunning = true;
    EXPECT_FALSE(Start("", settings));
    EXPECT_FALSE(headless::WindowClassRegistered());
    EXPECT_FALSE(headless::WindowExists());
    EXPECT_EQ(HighScoreTable[0].score, 0) << "the score table was not even loaded";
}

TEST_F(StartUpTest, FailuresEndQuietlyAfterReleasingWhatExists) {
    struct Case {
        const char* name;
        const char* line;
        bool displayAvailable;
        bool windowCreationFails;
    };
    const Case cases[] = {
        {"no display", "", false, false},
        {"window refused", "", true, true},
        {"back buffer too large", "40000", true, false},
    };
    for (const Case& c : cases) {
        headless::Settings settings;
        settings.displayAvailable = c.displayAvailable;
        settings.windowCreationFails = c.windowCreationFails;
        EXPECT_FALSE(Start(c.line, settings)) << c.name;
        EXPECT_FALSE(headless::WindowExists()) << c.name;
        EXPECT_FALSE(headless::WindowClassRegistered()) << c.name;
        EXPECT_FALSE(BackBitmap) << c.name;
        EXPECT_TRUE(SameTable(HighScoreTable, DefaultHighScores)) << c.name;
        for (std::uint32_t id = 0; id <= LastTimerId; ++id) {
            EXPECT_FALSE(headless::TimerActive(id)) << c.name;
        }
    }
}

TEST_F(StartUpTest, TeardownReleasesEverything) {
    ASSERT_TRUE(Start());
    RunUntil(500);
    Finish();
    EXPECT_FALSE(headless::WindowExists());
    EXPECT_FALSE(headless::WindowClassRegistered());
    EXPECT_FALSE(BackBitmap);
    EXPECT_TRUE(ObjectList.empty());
    for (std::uint32_t id = 0; id <= LastTimerId; ++id) EXPECT_FALSE(headless::TimerActive(id));
}

TEST_F(StartUpTest, EscAndACloseRequestEndTheMessageLoop) {
    ASSERT_TRUE(Start());
    headless::ScriptKeyDown(200, static_cast<std::uint8_t>(platform::VirtualKey::Escape));
    EXPECT_FALSE(RunUntil(1000));
    EXPECT_LT(headless::Now(), 300);

    ASSERT_TRUE(Start());
    headless::ScriptClose(200);
    EXPECT_FALSE(RunUntil(1000));
    EXPECT_LT(headless::Now(), 300);
}

}  // namespace
