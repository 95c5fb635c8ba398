#pragma once

// What the files of the SDL backend share about the one main window. Only
// this folder includes SDL.

#include <SDL.h>

#include <cstdint>

#include "platform/geometry.h"

namespace platform::sdl {

struct MainWindowState {
    SDL_Window* window = nullptr;
    // Where the game last placed the window. Window moves are the game's own
    // (the drag), so this is known without asking the window system, whose
    // answer lags behind a move that is still on its way.
    Point position{};
    std::int32_t size = 0;
    // Set by SetCapture: the pointer is then followed on every pass of the
    // message pump.
    bool captured = false;
};

// The main window; window == nullptr while there is none.
MainWindowState& MainWindow();

}  // namespace platform::sdl
