#pragma once

// Window messages, the message loop and window timers. The game's window
// procedure receives Message records; each backend makes them from its own
// events (on Windows, from the real WM_* messages), with the wParam and
// lParam the window system gives.

#include <cstdint>

#include "platform/geometry.h"

namespace platform {

enum class MessageKind : std::uint8_t {
    Paint,            // part of the window needs repainting
    KeyDown,          // wParam: virtual-key code; repeats arrive as further presses
    KeyUp,            // wParam: virtual-key code
    Timer,            // wParam: timer id
    LeftButtonDown,   // lParam: client position (x low word, y high word)
    LeftButtonUp,     // lParam: client position
    MouseMove,        // wParam: button state (MouseLeftButton); lParam: client position
    Close,            // the desktop asks the window to close (Alt+F4, the window manager, a signal)
};

struct Message {
    MessageKind kind = MessageKind::Paint;
    std::uint32_t wParam = 0;
    std::int32_t lParam = 0;
};

// Bit of a mouse message's wParam that is set while the left button is down.
inline constexpr std::uint32_t MouseLeftButton = 0x0001;

// Packs a client position into lParam as the window system does.
inline std::int32_t MakePointParam(std::int32_t x, std::int32_t y) {
    const auto low = static_cast<std::uint32_t>(x) & 0xFFFFu;
    const auto high = static_cast<std::uint32_t>(y) & 0xFFFFu;
    return static_cast<std::int32_t>(low | (high << 16));
}

// Unpacks lParam, each half taken as a signed 16-bit value.
inline Point PointFromParam(std::int32_t lParam) {
    const auto bits = static_cast<std::uint32_t>(lParam);
    return Point{static_cast<std::int16_t>(bits & 0xFFFFu),
                 static_cast<std::int16_t>(bits >> 16)};
}

// The game's window procedure: returns true when it handled the message;
// unhandled messages get the window system's default handling.
using WindowProcedure = bool (*)(const Message& message);

// Waits for the next message and dispatches it to the window procedure.
// Returns false, dispatching nothing, once the quit message has arrived.
// Called by the message loop of start-up.
bool PumpMessage();

// Asks the message loop to end. Called by the window procedure on Esc.
void PostQuitMessage(int exitCode);

// Starts timer `id` of the main window, replacing it if it runs; periods
// below 10 ms become 10 ms. Called wherever the game arms a timer.
void SetTimer(std::uint32_t id, std::uint32_t periodMs);

// Stops timer `id`; a message it has not yet delivered is dropped.
void KillTimer(std::uint32_t id);

}  // namespace platform
