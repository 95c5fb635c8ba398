#pragma once

// The main window's timers and what each one drives.

#include <cstdint>

#include "platform/messages.h"

enum class TimerId : std::uint32_t {
    FrameTick = 0,        // moves and redraws every object
    TitlePages = 1,       // turns to the next title page
    Respawn = 2,          // brings the next ship after a loss
    GameOverDisplay = 3,  // ends the game-over display
    NextLevel = 4,        // fills the next level after a cleared field
    SaucerShot = 5,       // the saucer fires
    SaucerArrival = 6,    // a saucer comes
    SaucerTurn = 7,       // the saucer changes course
    Beat = 8,             // the background beat
};

// The highest id the window procedure dispatches; larger ids are ignored.
inline constexpr std::uint32_t LastTimerId = static_cast<std::uint32_t>(TimerId::Beat);

inline void StartTimer(TimerId id, std::uint32_t periodMs) {
    platform::SetTimer(static_cast<std::uint32_t>(id), periodMs);
}

inline void StopTimer(TimerId id) { platform::KillTimer(static_cast<std::uint32_t>(id)); }
