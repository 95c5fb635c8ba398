#include "game/game_state.h"

#include "app/frame_tick.h"
#include "app/object_list.h"
#include "app/timers.h"
#include "game/level_fill.h"
#include "objects/saucer.h"
#include "objects/ship.h"
#include "scores/high_scores.h"
#include "scores/name_entry.h"
#include "sound/sound_bank.h"
#include "text/screens.h"

std::int32_t Score = 0;
std::int32_t Lives = 0;
std::int32_t Level = 0;
std::int32_t ScoreToBeat = 0;
bool Playing = false;
bool GameOver = false;
bool NameEntryActive = false;

namespace {

constexpr std::int32_t LivesAtStart = 3;
constexpr std::uint32_t TitlePagePeriodMs = 4000;
constexpr std::uint32_t GameOverDisplayMs = 3000;
constexpr std::uint32_t FirstBeatMs = 1500;

// The level step shared by the start of a game and every next level.
void StepLevel() {
    Level = Level + 1;
    StartLevel(Level);
}

}  // namespace

void StartGame() {
    ShowStatusText();
    Score = 0;
    StopTimer(TimerId::TitlePages);
    ShowTitlePage(TitlePage);  // drawn a second time, the page on the screen goes
    Level = -1;
    Score = 0;
    Lives = LivesAtStart;
    Playing = true;
    GameOver = false;
    ClearObjects();
    StepLevel();
    StartTimer(TimerId::SaucerArrival, DrawSaucerArrivalMs());
    StartTimer(TimerId::Beat, FirstBeatMs);
    CreateShip();
}

void NextLevel() {
    StopTimer(TimerId::NextLevel);
    ShowStatusText();
    StepLevel();
    // The asteroids of a new level may appear on the ship: it is untouchable
    // again until its next shot.
    if (CurrentShip != nullptr) CurrentShip->pendingInvulnerable = true;
}

void Respawn() {
    StopTimer(TimerId::Respawn);
    ShowStatusText();
    Lives = Lives - 1;
    if (Lives == 0) {
        EndGame();
        return;
    }
    CreateShip();
}

void EndGame() {
    if (SoundOn) StopSound(BankSound::Thrust);
    StopTimer(TimerId::SaucerTurn);
    StopTimer(TimerId::SaucerShot);
    StopTimer(TimerId::SaucerArrival);
    // A saucer still in the field stays, no longer firing or turning, until
    // it is destroyed or the next game clears the field.
    CurrentSaucer = nullptr;
    ShowStatusText();
    GameOver = true;
    ScoreToBeat = HighScoreTable[HighScorePlaces - 1].score;
    if (Score > ScoreToBeat) {
        NameEntryActive = true;
        ClearPlayerName();
    } else {
        StartTimer(TimerId::GameOverDisplay, GameOverDisplayMs);
    }
}

void ReturnToTitle() {
    StopTimer(TimerId::GameOverDisplay);
    HideStatusText();
    GameOver = false;
    StartTimer(TimerId::TitlePages, TitlePagePeriodMs);
    TitlePage = 0;
    ShowTitlePage(0);
}
