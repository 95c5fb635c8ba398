#pragma once

// Where the mouse pointer is on the screen, asked of the window system at
// the moment of the call.

#include "platform/geometry.h"

namespace platform::sdl {

// The pointer's screen position now. Under X11 it comes from the X server
// itself, because SDL's own answer does not follow every kind of pointer
// move (a warp, or a test's synthetic moves, make no raw input event).
Point PointerOnScreen();

}  // namespace platform::sdl
