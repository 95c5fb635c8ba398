#pragma once

// The SDL backend's side of the message pump.

#include "platform/messages.h"

namespace platform::sdl {

// Gives the pump the game's window procedure (none: nullptr). The backend
// sees each message after the game has handled it, which the drag needs.
void SetWindowProcedure(WindowProcedure procedure);

}  // namespace platform::sdl
