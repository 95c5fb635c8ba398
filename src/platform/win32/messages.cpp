// The real message loop and window timers of the Windows game: the system
// itself keeps the rules the other backends' pump imitates.

#include "platform/messages.h"
#include "platform/win32/win32.h"

namespace platform {

bool PumpMessage() {
    MSG message;
    // 0 is the quit message; -1 an error, after which no message would come.
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) return false;
    TranslateMessage(&message);
    DispatchMessageA(&message);
    return true;
}

void PostQuitMessage(int exitCode) { ::PostQuitMessage(exitCode); }

// Every timer belongs to the main window and has no callback, so its
// messages come through the loop to the window procedure.
void SetTimer(std::uint32_t id, std::uint32_t periodMs) {
    ::SetTimer(win32::MainWindow(), id, periodMs, nullptr);
}

void KillTimer(std::uint32_t id) { ::KillTimer(win32::MainWindow(), id); }

}  // namespace platform
