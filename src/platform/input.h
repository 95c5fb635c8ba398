#pragma once

// The live state of the keyboard and the mouse pointer.

#include <cstdint>

#include "platform/geometry.h"

namespace platform {

// The Windows virtual-key codes the game uses. Digits and letters are their
// own character codes: Digit0 + n and LetterA + n.
enum class VirtualKey : std::uint8_t {
    Backspace = 0x08,
    Enter = 0x0D,
    Control = 0x11,
    Escape = 0x1B,
    Left = 0x25,
    Up = 0x26,
    Right = 0x27,
    Down = 0x28,
    Digit0 = 0x30,
    Digit9 = 0x39,
    LetterA = 0x41,
    LetterS = 0x53,
    LetterZ = 0x5A,
};

// Bit of GetAsyncKeyState's result that is set while the key is down.
inline constexpr std::uint16_t KeyDownBit = 0x8000;

// The key's state at this moment (not when the message being handled was
// queued): KeyDownBit is set while it is held. Called by the control keys.
std::uint16_t GetAsyncKeyState(std::uint8_t virtualKey);

// The mouse pointer's position on the screen. Called by start-up to centre
// the window on the pointer.
Point GetCursorPos();

// Sends every mouse message to the window, also while the pointer is outside
// it, until ReleaseCapture. Called when a drag starts and ends.
void SetCapture();
void ReleaseCapture();

}  // namespace platform
