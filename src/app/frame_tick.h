#pragma once

// The frame tick, the game's heartbeat (timer FrameTick), and the counter
// that decides whether, and for how long, the status text is shown.

#include <cstdint>

#include "platform/clock.h"

// 120 and above: no status text; 0: show it from the next tick on; 1..119:
// the ticks it has been shown. In game-over mode it stops at 2.
extern std::int32_t StatusCounter;
inline constexpr std::int32_t StatusHidden = 120;

// The clock reading taken at the start of the previous tick.
extern platform::SystemTime LastTickTime;

// The tick: pacing, status text, every object erased, moved and redrawn (or
// removed and destroyed), collision detection last.
void FrameTick();

// Shows the status text with the values current at the next tick (for 119
// ticks, or for good in game-over mode), erasing a copy on the screen first.
void ShowStatusText();
// Erases the status text and shows none.
void HideStatusText();
