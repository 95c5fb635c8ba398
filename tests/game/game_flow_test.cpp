#include <gtest/gtest.h>

#include "app/frame_tick.h"
#include "app/main_window.h"
#include "app/timers.h"
#include "game/game_state.h"
#include "game/level_fill.h"
#include "objects/asteroid.h"
#include "objects/saucer.h"
#include "play_fixture.h"
#include "scores/high_scores.h"
#include "scores/name_entry.h"
#include "text/font.h"
#include "text/screens.h"

namespace {

namespace headless = platform::headless;
using platform::VirtualKey;

bool TimerRuns(TimerId id) { return headless::TimerActive(static_cast<std::uint32_t>(id)); }

class GameFlowTest : public PlayTest {
protected:
    // Destroys the current ship and runs until its deletion; returns the time
    // of the tick that deleted it.
    std::int64_t LoseShip() {
        EXPECT_NE(CurrentShip, nullptr);
        CurrentShip->alive = false;
        while (CurrentShip != nullptr || !TimerRuns(TimerId::Respawn)) {
            if (CurrentShip != nullptr) CurrentShip->alive = false;
            RunUntil(Now() + 1);
        }
        return Now();
    }

    // Clears the level: every asteroid destroyed and too small to split.
    void ClearLevel() {
        for (const auto& object : ObjectList) {
            if (object->kind != EntityKind::Asteroid) continue;
            static_cast<Asteroid&>(*object).size = 12;
            object->alive = false;
        }
    }
};

TEST_F(GameFlowTest, StartingAGameClearsTheFieldAndFillsLevelZero) {
    StartGame();
    EXPECT_TRUE(Playing);
    EXPECT_EQ(Level, 0);
    EXPECT_EQ(Lives, 3);
    EXPECT_EQ(AsteroidMassTotal, 240);
    EXPECT_EQ(CountOf(EntityKind::Ship), 1u);
    EXPECT_TRUE(CurrentShip->invulnerable);
    EXPECT_LT(StatusCounter, StatusHidden) << "the status text shows";
}

TEST_F(GameFlowTest, ThirdLossEndsTheGameAndTheTitleReturnsThreeSecondsLater) {
    StartGame();
    for (const std::int32_t livesAfter : {2, 1}) {
        const std::int64_t deleted = LoseShip();
        RunUntil(deleted + 1990);
        EXPECT_EQ(CurrentShip, nullptr) << "no ship before 2000 ms";
        RunUntil(deleted + 2030);
        ASSERT_NE(CurrentShip, nullptr);
        EXPECT_EQ(Lives, livesAfter);
        EXPECT_TRUE(CurrentShip->invulnerable);
    }
    const std::int64_t deleted = LoseShip();
    RunUntil(deleted + 2030);
    EXPECT_EQ(Lives, 0);
    EXPECT_EQ(CurrentShip, nullptr);
    EXPECT_TRUE(GameOver);
    EXPECT_FALSE(NameEntryActive);
    EXPECT_EQ(ScoreToBeat, 200);
    EXPECT_FALSE(TimerRuns(TimerId::SaucerArrival));
    EXPECT_TRUE(TimerRuns(TimerId::GameOverDisplay));
    EXPECT_TRUE(TimerRuns(TimerId::Beat)) << "the beat goes on";

    const std::int64_t over = Now();
    RunUntil(over + 2900);
    EXPECT_TRUE(GameOver);
    RunUntil(over + 3100);
    EXPECT_FALSE(GameOver);
    EXPECT_FALSE(Playing);
    EXPECT_EQ(TitlePage, 0);
    EXPECT_TRUE(TimerRuns(TimerId::TitlePages));
    EXPECT_GE(StatusCounter, StatusHidden);
    ASSERT_GT(CountOf(EntityKind::Asteroid), 0u) << "the last game's field drifts on";
    const double x = ObjectList.front()->positionX;
    RunUntil(Now() + 500);
    EXPECT_NE(ObjectList.front()->positionX, x);
}

TEST_F(GameFlowTest, PassingTenThousandPointsAddsALife) {
    StartGame();
    Score = 9950;
    ClearLevel();
    RunUntil(Now() + 40);
    EXPECT_GE(Score, 10000);
    EXPECT_EQ(Lives, 4);
}

TEST_F(GameFlowTest, RespawnAndNextLevelPendingTogether) {
    StartGame();
    ClearLevel();
    const std::int64_t deleted = LoseShip();
    EXPECT_TRUE(TimerRuns(TimerId::NextLevel));
    RunUntil(deleted + 2030);
    ASSERT_NE(CurrentShip, nullptr) << "respawned";
    RemoveAsteroids();
    Tap(Now() + 10, VirtualKey::Control);  // the new ship fires: vulnerable
    RunUntil(Now() + 100);
    ASSERT_FALSE(CurrentShip->invulnerable);
    RunUntil(deleted + 3100);
    EXPECT_EQ(Level, 1);
    EXPECT_EQ(AsteroidMassTotal, 320);
    EXPECT_TRUE(CurrentShip->invulnerable) << "the new level makes the ship untouchable again";
}

TEST_F(GameFlowTest, ScoreEqualToTheFifthEntryEarnsNoNameEntryOnePointMoreDoes) {
    for (const std::int32_t score : {200, 201}) {
        StartGame();
        LoseShip();
        RunUntil(Now() + 2100);
        LoseShip();
        RunUntil(Now() + 2100);
        Score = score;
        LoseShip();
        RunUntil(Now() + 2100);
        ASSERT_TRUE(GameOver);
        EXPECT_EQ(NameEntryActive, score == 201) << score;
        EXPECT_EQ(TimerRuns(TimerId::GameOverDisplay), score == 200) << score;
        EXPECT_STREQ(PlayerName, "");
    }
}

TEST_F(GameFlowTest, ClearedLevelStillOpensAfterTheGameEnded) {
    StartGame();
    LoseShip();
    RunUntil(Now() + 2100);
    LoseShip();
    RunUntil(Now() + 2100);
    ClearLevel();
    const std::int64_t deleted = LoseShip();  // the last ship and the last asteroid together
    RunUntil(deleted + 2100);
    ASSERT_TRUE(GameOver);
    EXPECT_EQ(CountOf(EntityKind::Asteroid), 0u);
    RunUntil(deleted + 3100);
    EXPECT_EQ(Level, 1) << "the next level's asteroids appear behind the game-over text";
    EXPECT_GT(CountOf(EntityKind::Asteroid), 0u);
    EXPECT_EQ(CurrentShip, nullptr);
}

TEST_F(GameFlowTest, ShipThatMeetsAnAsteroidExplodesAndTheAsteroidScores) {
    StartGame();
    // One asteroid of the level, made before the ship, placed on it; the ship
    // made vulnerable as its first shot would.
    Asteroid* rock = nullptr;
    for (auto& object : ObjectList) {
        if (object->kind == EntityKind::Asteroid && rock == nullptr) rock = static_cast<Asteroid*>(object.get());
    }
    ASSERT_NE(rock, nullptr);
    std::erase_if(ObjectList, [rock](const auto& o) { return o->kind == EntityKind::Asteroid && o.get() != rock; });
    rock->positionX = 0;
    rock->positionY = 0;
    rock->velocityX = 0;
    rock->velocityY = 0;
    CurrentShip->justFired = true;
    const std::int32_t worth = 100 - rock->size;
    const std::int32_t score = Score;
    RunUntil(Now() + 80);
    EXPECT_EQ(CurrentShip, nullptr);
    EXPECT_EQ(Score, score + worth);
    EXPECT_EQ(CountOf(EntityKind::Debris), 11u) << "ten clouds of the ship, one of the asteroid";
    EXPECT_TRUE(TimerRuns(TimerId::Respawn));
}

TEST_F(GameFlowTest, SaucerComesFiresAndIsShotDown) {
    StartGame();
    RemoveAsteroids();  // nothing else in the field for the saucer to meet
    Tap(Now() + 10, VirtualKey::Control);  // the first shot: a saucer may come now
    while (CurrentSaucer == nullptr && Now() < GameStartMs + 9000) RunUntil(Now() + 10);
    ASSERT_NE(CurrentSaucer, nullptr);
    EXPECT_GE(Now(), GameStartMs + 5000) << "5 to 8 seconds after the start";
    EXPECT_FALSE(TimerRuns(TimerId::SaucerArrival));

    // The player's shot is long gone: every shot from now on is the saucer's.
    ASSERT_EQ(CountOf(EntityKind::Bullet), 0u);
    const std::int64_t giveUp = GameStartMs + 15000;
    while (CountOf(EntityKind::Bullet) == 0 && CurrentSaucer != nullptr && Now() < giveUp) {
        RunUntil(Now() + 10);
    }
    ASSERT_NE(CurrentSaucer, nullptr) << "the saucer met something before it fired";
    ASSERT_EQ(CountOf(EntityKind::Bullet), 1u) << "the saucer fired";
    ASSERT_GE(CurrentSaucer->brightness, 128);

    // The ship, put behind the saucer on its course and turned after it,
    // fires: the shot gains 9 units a tick on the saucer and runs through
    // its centre.
    const std::int32_t score = Score;
    bool shotDown = false;
    for (int attempt = 0; attempt < 10 && !shotDown; ++attempt) {
        while (CurrentShip == nullptr) RunUntil(Now() + 10);  // hit meanwhile: the next ship
        const Saucer& saucer = *CurrentSaucer;
        const std::int32_t course = saucer.course;
        const double behind = saucer.modelPoints[3].x + 40;
        CurrentShip->positionX = saucer.positionX - behind * SinTable[course];
        CurrentShip->positionY = saucer.positionY - behind * CosTable[course];
        CurrentShip->velocityX = 0;
        CurrentShip->velocityY = 0;
        // Forward (cos h, sin h) is the course's (sin, cos).
        CurrentShip->heading = (450 - course) % 360;
        const std::int64_t fired = Now() + 1;
        Tap(fired, VirtualKey::Control);
        while (CurrentSaucer != nullptr && Now() < fired + 120) RunUntil(Now() + 5);
        shotDown = CurrentSaucer == nullptr;
    }
    ASSERT_TRUE(shotDown);
    EXPECT_EQ(Score, score) << "the saucer scores nothing";
    EXPECT_FALSE(TimerRuns(TimerId::SaucerShot));
    EXPECT_FALSE(TimerRuns(TimerId::SaucerTurn));
    const std::uint32_t next =
        headless::TimerPeriod(static_cast<std::uint32_t>(TimerId::SaucerArrival));
    EXPECT_TRUE(next == 5000 || next == 6000 || next == 7000 || next == 8000) << next;
    bool cloudOfEight = false;
    for (const auto& object : ObjectList) {
        cloudOfEight = cloudOfEight ||
                       (object->kind == EntityKind::Debris && object->pointCount() == 8);
    }
    EXPECT_TRUE(cloudOfEight) << "the saucer burst into a cloud of its eight vertices";
}

TEST_F(GameFlowTest, QualifyingScoreIsTypedInAndShownOnTheHighScorePage) {
    StartGame();
    for (int loss = 0; loss < 3; ++loss) {
        if (loss == 2) Score = 4321;
        LoseShip();
        RunUntil(Now() + 2100);
    }
    ASSERT_TRUE(NameEntryActive);
    const std::int64_t t = Now();
    Tap(t + 10, VirtualKey::LetterA);
    Tap(t + 100, static_cast<VirtualKey>('C'));
    Tap(t + 200, static_cast<VirtualKey>('E'));
    Tap(t + 300, VirtualKey::Enter);
    RunUntil(t + 400);
    EXPECT_FALSE(NameEntryActive);
    EXPECT_STREQ(HighScoreTable[0].name, "ACE");
    EXPECT_EQ(HighScoreTable[0].score, 4321);
    RunUntil(t + 300 + 4100);  // the title turns to the high-score page
    ASSERT_EQ(TitlePage, 1);
    // On the back buffer, under whatever drifts there: the page drawn again
    // by exclusive-or leaves exactly the field without it.
    ClearObjects();
    const std::vector<std::uint8_t> page = BackBitmap->pixels();
    ClearBackBuffer();
    DrawString(8, 17, "ACE");
    DrawNumber(32, 17, 4321, 6);
    std::size_t matches = 0;
    for (std::int32_t y = 17; y < 22; ++y) {
        for (std::int32_t x = 8; x < 56; ++x) {
            matches += page[static_cast<std::size_t>(y * 64 + x)] == BackBitmap->at(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(matches, 5u * 48u) << "the first row reads ACE 004321";
}

}  // namespace
