#include <gtest/gtest.h>

#include <algorithm>

#include "app/frame_tick.h"
#include "app/main_window.h"
#include "app/object_list.h"
#include "game/game_state.h"
#include "support/program_fixture.h"
#include "text/screens.h"

namespace {

namespace headless = platform::headless;

constexpr std::int64_t MsPerSecond = 1000;

class FrameTickTest : public ProgramTest {};

// The pause of one tick whose clock reads `nowMs` (wall clock, ms since 1970)
// after a previous reading with the milliseconds field `previousMs`; -1 for none.
std::int64_t PauseOfTick(std::int64_t nowMs, std::uint16_t previousMs) {
    headless::Settings settings;
    settings.wallClockStartMs = nowMs;
    ResetProgramState(settings);
    LastTickTime.milliseconds = previousMs;
    FrameTick();
    const auto& sleeps = headless::Sleeps();
    return sleeps.empty() ? -1 : static_cast<std::int64_t>(sleeps.back().milliseconds);
}

TEST_F(FrameTickTest, PacingPausesUntilThirtyMillisecondsAfterThePreviousReading) {
    struct Case {
        std::int64_t nowMs;
        std::uint16_t previousMs;
        std::int64_t pause;
    };
    const Case cases[] = {
        {10, 0, 20},                   // 10 ms after: pause 20
        {29, 0, 1},
        {30, 0, -1},                   // 30 ms or more: no pause
        {40, 0, -1},
        {5, 995, 20},                  // across a second: d = 10
        {6 * MsPerSecond + 10, 0, 20}, // 1010 ms ago, fields 0 and 10: d = 10
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PauseOfTick(c.nowMs, c.previousMs), c.pause)
            << "now " << c.nowMs << ", previous " << c.previousMs;
    }
}

TEST_F(FrameTickTest, KeepsTheReadingTakenBeforeThePause) {
    EXPECT_EQ(PauseOfTick(10, 0), 20);
    EXPECT_EQ(LastTickTime.milliseconds, 10);
}

TEST_F(FrameTickTest, TenMillisecondTimerGivesTwoTicksInEveryThirtyMilliseconds) {
    ASSERT_TRUE(Start());
    RunUntil(99);
    const std::vector<headless::SleepCall> expected{
        {10, 20}, {30, 10}, {40, 20}, {60, 10}, {70, 20}, {90, 10}};
    const auto& sleeps = headless::Sleeps();
    ASSERT_EQ(sleeps.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(sleeps[i].at, expected[i].at) << "tick " << i;
        EXPECT_EQ(sleeps[i].milliseconds, expected[i].milliseconds) << "tick " << i;
    }
}

TEST_F(FrameTickTest, StatusCounterRunsFromRequestToHiddenAndStopsAtTwoInGameOverMode) {
    ShowStatusText();
    EXPECT_EQ(StatusCounter, 0);
    FrameTick();
    EXPECT_EQ(StatusCounter, 1);
    for (int tick = 2; tick <= 119; ++tick) FrameTick();
    EXPECT_EQ(StatusCounter, 119);
    FrameTick();
    EXPECT_EQ(StatusCounter, StatusHidden);
    FrameTick();
    EXPECT_EQ(StatusCounter, StatusHidden) << "a hidden text stays hidden";

    GameOver = true;
    ShowStatusText();
    for (int tick = 0; tick < 10; ++tick) FrameTick();
    EXPECT_EQ(StatusCounter, 2);
    HideStatusText();
    EXPECT_EQ(StatusCounter, StatusHidden);
}

// A started game's state over an empty, black field, the status text not yet
// asked for.
void EmptyFieldInPlay() {
    ClearObjects();
    ClearBackBuffer();
    Playing = true;
    Level = 0;
    Score = 0;
    Lives = 3;
}

bool AllBlack() {
    const auto& pixels = BackBitmap->pixels();
    return std::all_of(pixels.begin(), pixels.end(), [](std::uint8_t p) { return p == 0; });
}

// True when the back buffer holds exactly one copy of the status text for
// the current values, and nothing else.
bool ShowsOnlyTheStatusText() {
    const std::vector<std::uint8_t> shown = BackBitmap->pixels();
    const std::int32_t counter = StatusCounter;
    StatusCounter = 1;
    DrawStatusText();  // drawn once more over the screen, a single copy vanishes
    const bool single = AllBlack();
    DrawStatusText();
    StatusCounter = counter;
    return single && BackBitmap->pixels() == shown && !AllBlack();
}

TEST_F(FrameTickTest, StatusTextIsDrawnByTheFirstTickAndErasedByThe120th) {
    ASSERT_TRUE(Start());
    EmptyFieldInPlay();
    ShowStatusText();
    ASSERT_TRUE(AllBlack());
    FrameTick();  // the first half finds 0 and draws nothing, the second half draws
    EXPECT_EQ(StatusCounter, 1);
    EXPECT_TRUE(ShowsOnlyTheStatusText());
    for (int tick = 2; tick <= 119; ++tick) FrameTick();
    EXPECT_EQ(StatusCounter, 119);
    EXPECT_TRUE(ShowsOnlyTheStatusText());
    FrameTick();  // erases it and draws no new one
    EXPECT_EQ(StatusCounter, StatusHidden);
    EXPECT_TRUE(AllBlack()) << "the screen is clean afterwards";
}

TEST_F(FrameTickTest, AskingForTheStatusTextWhileItShowsErasesTheOldCopyFirst) {
    // A respawn one second after a level start: the text with two lives left
    // is still on the screen when the lives change.
    ASSERT_TRUE(Start());
    EmptyFieldInPlay();
    ShowStatusText();
    for (int tick = 0; tick < 33; ++tick) FrameTick();
    ASSERT_TRUE(ShowsOnlyTheStatusText());
    ShowStatusText();
    EXPECT_EQ(StatusCounter, 0);
    EXPECT_TRUE(AllBlack()) << "the text drawn with the old values is gone at once";
    Lives = 2;
    FrameTick();
    EXPECT_TRUE(ShowsOnlyTheStatusText()) << "only the new lives count shows, no stale copy";

    // Hiding it erases it the same way.
    HideStatusText();
    EXPECT_EQ(StatusCounter, StatusHidden);
    EXPECT_TRUE(AllBlack());
    FrameTick();
    EXPECT_TRUE(AllBlack());
}

TEST_F(FrameTickTest, StatusTextIsHiddenAtProgramStart) {
    ASSERT_TRUE(Start());
    RunUntil(1000);
    EXPECT_GE(StatusCounter, StatusHidden);
}

}  // namespace
