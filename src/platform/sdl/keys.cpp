// Key translation and the live key state on SDL.

#include "platform/sdl/keys.h"

#include <array>

#include "platform/input.h"

namespace platform {
namespace {

struct KeyPair {
    SDL_Keycode key;
    VirtualKey virtualKey;
};

// The keys with a code of their own; letters and digits are ranges. Both
// Ctrl keys are the one Control key of the game, and the keypad's Enter is
// Enter, as on Windows.
constexpr std::array NamedKeys{
    KeyPair{SDLK_LEFT, VirtualKey::Left},       KeyPair{SDLK_RIGHT, VirtualKey::Right},
    KeyPair{SDLK_UP, VirtualKey::Up},           KeyPair{SDLK_DOWN, VirtualKey::Down},
    KeyPair{SDLK_LCTRL, VirtualKey::Control},   KeyPair{SDLK_RCTRL, VirtualKey::Control},
    KeyPair{SDLK_ESCAPE, VirtualKey::Escape},   KeyPair{SDLK_RETURN, VirtualKey::Enter},
    KeyPair{SDLK_KP_ENTER, VirtualKey::Enter},  KeyPair{SDLK_BACKSPACE, VirtualKey::Backspace},
};

constexpr std::uint8_t Code(VirtualKey key) { return static_cast<std::uint8_t>(key); }

bool KeyHeld(const Uint8* state, SDL_Keycode key) {
    const SDL_Scancode scancode = SDL_GetScancodeFromKey(key);
    return scancode != SDL_SCANCODE_UNKNOWN && state[scancode] != 0;
}

}  // namespace

std::optional<std::uint8_t> sdl::VirtualKeyOf(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return Code(VirtualKey::LetterA) + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return Code(VirtualKey::Digit0) + (key - SDLK_0);
    for (const KeyPair& pair : NamedKeys) {
        if (pair.key == key) return Code(pair.virtualKey);
    }
    return std::nullopt;
}

std::uint16_t GetAsyncKeyState(std::uint8_t virtualKey) {
    // SDL keeps the state of every key as of the last look at its events,
    // which the message pump takes before each message.
    const Uint8* state = SDL_GetKeyboardState(nullptr);
    bool held = false;
    if (virtualKey >= Code(VirtualKey::LetterA) && virtualKey <= Code(VirtualKey::LetterZ)) {
        held = KeyHeld(state, SDLK_a + (virtualKey - Code(VirtualKey::LetterA)));
    } else if (virtualKey >= Code(VirtualKey::Digit0) && virtualKey <= Code(VirtualKey::Digit9)) {
        held = KeyHeld(state, SDLK_0 + (virtualKey - Code(VirtualKey::Digit0)));
    } else {
        for (const KeyPair& pair : NamedKeys) {
            if (Code(pair.virtualKey) == virtualKey && KeyHeld(state, pair.key)) held = true;
        }
    }
    return held ? KeyDownBit : 0;
}

}  // namespace platform
