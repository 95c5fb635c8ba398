#pragma once

// The keys of the game on SDL: from SDL's key codes to the Windows
// virtual-key codes the game uses.

#include <SDL.h>

#include <cstdint>
#include <optional>

namespace platform::sdl {

// The virtual-key code of a key, or none for a key the game never looks at.
// Letters and digits follow the keyboard layout, as virtual-key codes do.
std::optional<std::uint8_t> VirtualKeyOf(SDL_Keycode key);

}  // namespace platform::sdl
