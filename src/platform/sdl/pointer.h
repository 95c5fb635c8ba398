#pragma once

// Where the mouse pointer is on the screen, asked of the window system at
// the moment of the call.

#include <SDL.h>

#include <optional>

#include "platform/geometry.h"

namespace platform::sdl {

// The pointer's screen position now. Under X11 it comes from the X server
// itself, because SDL's own answer does not follow every kind of pointer
// move (a warp, or a test's synthetic moves, make no raw input event).
Point PointerOnScreen();

// Renews the window's hold on the pointer while the mouse is captured, in
// case SDL has let go of it.
void KeepPointerGrabbed();

// Where the left button was let go, when the window system's own event is
// that release. The X event carries the place on the screen; SDL's release
// event only repeats the last motion SDL noticed, measured against wherever
// the window was then. Such events arrive only while the mouse is captured.
std::optional<Point> LeftReleaseOnScreen(const SDL_SysWMmsg& message);

}  // namespace platform::sdl
