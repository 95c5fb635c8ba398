// The live keyboard and mouse state of the Windows game.

#include "platform/input.h"
#include "platform/win32/win32.h"

namespace platform {

std::uint16_t GetAsyncKeyState(std::uint8_t virtualKey) {
    return static_cast<std::uint16_t>(::GetAsyncKeyState(virtualKey));
}

Point GetCursorPos() {
    // Should there be no desktop to ask, the pointer counts as at the origin.
    POINT position{};
    ::GetCursorPos(&position);
    return Point{position.x, position.y};
}

void SetCapture() { ::SetCapture(win32::MainWindow()); }
void ReleaseCapture() { ::ReleaseCapture(); }

}  // namespace platform
