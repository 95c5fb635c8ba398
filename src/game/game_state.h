#pragma once

// The game's state machine: title, playing, game over and name entry, with
// levels, lives and respawns. Every operation runs inside a key press or a
// window timer, between frame ticks.

#include <cstdint>

// Points of the current (or last) game.
extern std::int32_t Score;
// Ships left including the one in play.
extern std::int32_t Lives;
// -1 at game start, then one more at every level start; the first is 0.
extern std::int32_t Level;
// The fifth high score, copied when a game ends; a final score above it
// earns name entry.
extern std::int32_t ScoreToBeat;
// A game is in progress (cleared whenever a title page is drawn).
extern bool Playing;
// The last game has ended and its result is shown.
extern bool GameOver;
// The player is typing a name for the high-score table.
extern bool NameEntryActive;

// Ctrl in the title state.
void StartGame();
// Timer NextLevel: the next level joins whatever is in the field.
void NextLevel();
// Timer Respawn: takes a life and brings the next ship, or ends the game.
void Respawn();
// From Respawn when no life is left.
void EndGame();
// Timer GameOverDisplay, and the end of name entry.
void ReturnToTitle();
