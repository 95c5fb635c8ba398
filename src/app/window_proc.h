#pragma once

// The main window's procedure: painting, the keys by game state, the drag of
// the borderless window, the timer dispatch and the background beat.

#include <cstdint>

#include "platform/geometry.h"
#include "platform/messages.h"

// Set while the left button drags the window.
extern bool Dragging;
// Client position where the left button went down (and, after release, up).
extern platform::Point GrabPoint;
// Inverted at every beat; never reset.
extern bool BeatPhase;

// Handles a message; false lets the window system's default handling have it.
bool WindowProcedure(const platform::Message& message);

// Timer Beat: the next beat, whose tempo follows the asteroid mass left.
void Beat();

// Milliseconds to the next beat for the mass left of the level's total.
std::uint32_t BeatPeriodMs(std::int32_t massLeft, std::int32_t massTotal);
