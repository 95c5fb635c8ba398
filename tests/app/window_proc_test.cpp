#include <gtest/gtest.h>

#include <cstring>

#include "app/timers.h"
#include "app/window_proc.h"
#include "game/control_keys.h"
#include "game/game_state.h"
#include "game/level_fill.h"
#include "platform/headless/headless.h"
#include "platform/input.h"
#include "support/program_fixture.h"
#include "scores/high_scores.h"
#include "scores/name_entry.h"
#include "sound/sound_bank.h"
#include "text/screens.h"

namespace {

namespace headless = platform::headless;
using platform::Message;
using platform::MessageKind;
using platform::Point;
using platform::VirtualKey;

constexpr std::uint32_t Code(VirtualKey key) { return static_cast<std::uint32_t>(key); }

void Press(std::uint32_t key) { WindowProcedure(Message{MessageKind::KeyDown, key}); }
void Release(std::uint32_t key) { WindowProcedure(Message{MessageKind::KeyUp, key}); }
void Press(VirtualKey key) { Press(Code(key)); }
void Release(VirtualKey key) { Release(Code(key)); }

bool TimerRuns(TimerId id) { return headless::TimerActive(static_cast<std::uint32_t>(id)); }
std::uint32_t PeriodOf(TimerId id) {
    return headless::TimerPeriod(static_cast<std::uint32_t>(id));
}

enum class State { Title, Playing, GameOverShown, NameEntry };

class WindowProcTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        ASSERT_TRUE(Start());
        HighScoreTable = DefaultHighScores;
    }

    void Enter(State state) {
        Playing = state != State::Title;
        GameOver = state == State::GameOverShown || state == State::NameEntry;
        NameEntryActive = state == State::NameEntry;
    }

    // Whether a key press made the message loop end.
    bool QuitPosted() { return !RunUntil(headless::Now()); }
};

TEST_F(WindowProcTest, EscEndsTheProgramInEveryState) {
    for (const State state : {State::Title, State::Playing, State::GameOverShown, State::NameEntry}) {
        ASSERT_TRUE(Start());
        Enter(state);
        Press(VirtualKey::Escape);
        EXPECT_TRUE(QuitPosted()) << "state " << static_cast<int>(state);
    }
}

TEST_F(WindowProcTest, SKeyTogglesSoundInEveryStateAndIsNeverTyped) {
    SoundAvailable = true;  // as if a sound device had been found
    SoundOn = true;
    for (const State state : {State::Title, State::Playing, State::GameOverShown, State::NameEntry}) {
        Enter(state);
        Press(VirtualKey::LetterS);
        EXPECT_FALSE(SoundOn) << "state " << static_cast<int>(state);
        Press(VirtualKey::LetterS);
        EXPECT_TRUE(SoundOn) << "state " << static_cast<int>(state);
    }
    EXPECT_STREQ(PlayerName, "");
}

TEST_F(WindowProcTest, SKeyDoesNothingWithoutASoundDevice) {
    ASSERT_FALSE(SoundAvailable);
    Press(VirtualKey::LetterS);
    EXPECT_FALSE(SoundOn);
}

TEST_F(WindowProcTest, TitleStateStartsAGameOnCtrlOnly) {
    for (const VirtualKey key : {VirtualKey::Left, VirtualKey::Right, VirtualKey::Up,
                                 VirtualKey::Down, VirtualKey::Enter, VirtualKey::LetterA}) {
        Press(key);
        Release(key);
    }
    EXPECT_FALSE(Playing);
    EXPECT_FALSE(HyperspaceHeld);
    EXPECT_TRUE(TimerRuns(TimerId::TitlePages));

    Press(VirtualKey::Control);
    EXPECT_TRUE(Playing);
    EXPECT_FALSE(GameOver);
    EXPECT_TRUE(FireHeld) << "the press that starts the game does not also fire";
    EXPECT_EQ(Level, 0);
    EXPECT_EQ(Lives, 3);
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(AsteroidMassTotal, 240);
    EXPECT_FALSE(TimerRuns(TimerId::TitlePages));
    EXPECT_EQ(PeriodOf(TimerId::Beat), 1500u);
    const std::uint32_t saucer = PeriodOf(TimerId::SaucerArrival);
    EXPECT_TRUE(saucer == 5000 || saucer == 6000 || saucer == 7000 || saucer == 8000) << saucer;
}

TEST_F(WindowProcTest, ReleasesOutsideAGameDoNothing) {
    FireHeld = true;
    HyperspaceHeld = true;
    Release(VirtualKey::Control);
    Release(VirtualKey::Down);
    EXPECT_TRUE(FireHeld);
    EXPECT_TRUE(HyperspaceHeld);
}

TEST_F(WindowProcTest, PlayingStateGivesPressesAndReleasesToTheControls) {
    Enter(State::Playing);
    Press(VirtualKey::Control);
    Press(VirtualKey::Down);
    EXPECT_TRUE(FireHeld);
    EXPECT_TRUE(HyperspaceHeld);
    Release(VirtualKey::Control);
    Release(VirtualKey::Down);
    EXPECT_FALSE(FireHeld);
    EXPECT_FALSE(HyperspaceHeld);
}

TEST_F(WindowProcTest, GameOverDisplayIgnoresPressesButPassesReleases) {
    Enter(State::GameOverShown);
    Press(VirtualKey::Control);
    Press(VirtualKey::Down);
    EXPECT_FALSE(FireHeld);
    EXPECT_FALSE(HyperspaceHeld);
    FireHeld = true;
    HyperspaceHeld = true;
    Release(VirtualKey::Control);
    Release(VirtualKey::Down);
    EXPECT_FALSE(FireHeld);
    EXPECT_FALSE(HyperspaceHeld);
}

TEST_F(WindowProcTest, NameEntryTakesDigitsLettersBackspaceAndEnter) {
    Enter(State::NameEntry);
    Score = 5000;
    ScoreToBeat = 200;
    Press(VirtualKey::Control);  // neither fires nor starts a game
    Press(VirtualKey::Left);
    EXPECT_FALSE(FireHeld);
    Press('A');
    Press('B');
    Press('C');
    Press(VirtualKey::Backspace);
    Press('7');
    Press('Z');  // a fourth character is ignored
    Press(VirtualKey::LetterS);
    EXPECT_STREQ(PlayerName, "AB7");
    Press(VirtualKey::Enter);
    EXPECT_FALSE(NameEntryActive);
    EXPECT_FALSE(GameOver);
    EXPECT_FALSE(Playing);
    EXPECT_TRUE(TimerRuns(TimerId::TitlePages));
    EXPECT_EQ(HighScoreTable[0].score, 5000);
    EXPECT_STREQ(HighScoreTable[0].name, "AB7");
    EXPECT_EQ(HighScoreTable[4].score, 400) << "the old fifth entry left the table";
}

TEST_F(WindowProcTest, BeatPeriodFollowsTheMassLeft) {
    struct Case {
        std::int32_t left;
        std::int32_t total;
        std::uint32_t period;
    };
    for (const Case c : {Case{240, 240, 1500}, Case{120, 240, 875}, Case{24, 240, 375},
                         Case{0, 240, 250}, Case{480, 480, 1500}}) {
        EXPECT_EQ(BeatPeriodMs(c.left, c.total), c.period) << c.left << "/" << c.total;
    }
}

TEST_F(WindowProcTest, BeatInvertsItsPhaseAndRearmsItsTimer) {
    AsteroidMassTotal = 240;
    AsteroidMassLeft = 120;
    const bool phase = BeatPhase;
    Beat();
    EXPECT_NE(BeatPhase, phase);
    EXPECT_EQ(PeriodOf(TimerId::Beat), 875u);
    AsteroidMassLeft = 24;
    WindowProcedure(Message{MessageKind::Timer, static_cast<std::uint32_t>(TimerId::Beat)});
    EXPECT_EQ(BeatPhase, phase);
    EXPECT_EQ(PeriodOf(TimerId::Beat), 375u);
}

TEST_F(WindowProcTest, DragKeepsTheGrabbedPixelUnderThePointer) {
    ASSERT_TRUE(Start());  // window at (480, 352): the pointer starts at (512, 384)
    headless::ScriptButtonDown(100, Point{10, 20});
    headless::ScriptPointerMove(110, Point{300, 400});
    RunUntil(120);
    EXPECT_TRUE(Dragging);
    EXPECT_TRUE(headless::MouseCaptured());
    EXPECT_EQ(headless::WindowPosition(), (Point{290, 380}));

    // Released far outside the window: the capture still delivers it.
    headless::ScriptButtonUp(130, Point{-400, -300});
    headless::ScriptPointerMove(140, Point{600, 600});
    RunUntil(150);
    EXPECT_FALSE(Dragging);
    EXPECT_FALSE(headless::MouseCaptured());
    EXPECT_EQ(headless::WindowPosition(), (Point{290, 380}));
}

TEST_F(WindowProcTest, MovesWithoutTheButtonHeldDoNotDrag) {
    WindowProcedure(Message{MessageKind::LeftButtonDown, platform::MouseLeftButton,
                            platform::MakePointParam(10, 20)});
    const Point before = headless::WindowPosition();
    WindowProcedure(Message{MessageKind::MouseMove, 0, platform::MakePointParam(50, 50)});
    EXPECT_EQ(headless::WindowPosition(), before);
}

TEST(PointParamTest, EachHalfIsASigned16BitValue) {
    EXPECT_EQ(platform::PointFromParam(platform::MakePointParam(10, 20)), (Point{10, 20}));
    EXPECT_EQ(platform::PointFromParam(platform::MakePointParam(-3, -32768)), (Point{-3, -32768}));
    EXPECT_EQ(platform::PointFromParam(platform::MakePointParam(40000, 5)), (Point{40000 - 65536, 5}));
}

}  // namespace
