// The main window of the Windows game: its class, creation, moves, cursor and
// invalidation, and the window procedure that hands the real messages to
// the game's procedure.

#include <optional>

#include "platform/win32/win32.h"
#include "platform/window.h"

namespace platform {
namespace {

// CS_VREDRAW | CS_HREDRAW | CS_OWNDC | CS_SAVEBITS.
constexpr UINT ClassStyle = 0x0823;

HWND mainWindow = nullptr;
WindowProcedure gameProcedure = nullptr;

// The game's record of a real message, for the messages the game handles.
std::optional<Message> Translate(UINT message, WPARAM wParam, LPARAM lParam) {
    // The positions and key data that lParam carries fit in its low 32 bits.
    const auto param = static_cast<std::int32_t>(lParam);
    const auto word = static_cast<std::uint32_t>(wParam);
    switch (message) {
        case WM_PAINT: return Message{MessageKind::Paint};
        case WM_KEYDOWN: return Message{MessageKind::KeyDown, word, param};
        case WM_KEYUP: return Message{MessageKind::KeyUp, word, param};
        case WM_TIMER: return Message{MessageKind::Timer, word, param};
        case WM_LBUTTONDOWN: return Message{MessageKind::LeftButtonDown, word, param};
        case WM_LBUTTONUP: return Message{MessageKind::LeftButtonUp, word, param};
        case WM_MOUSEMOVE: return Message{MessageKind::MouseMove, word, param};
        case WM_CLOSE: return Message{MessageKind::Close};
        default: return std::nullopt;
    }
}

// A message the game handles is answered with 0; every other one, and a
// close request it does not handle, gets the default handling.
LRESULT CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::optional<Message> translated = Translate(message, wParam, lParam);
    if (translated && gameProcedure != nullptr && gameProcedure(*translated)) return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

HWND win32::MainWindow() { return mainWindow; }

bool AnotherInstanceRunning() { return FindWindowA(WindowClassName, nullptr) != nullptr; }

bool RegisterWindowClass(WindowProcedure procedure) {
    WNDCLASSA windowClass{};
    windowClass.style = ClassStyle;
    windowClass.lpfnWndProc = MainWindowProcedure;
    windowClass.hInstance = win32::ProgramInstance();
    // No icon, cursor or menu of the class: start-up sets the arrow once.
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = WindowClassName;
    if (RegisterClassA(&windowClass) == 0) return false;
    gameProcedure = procedure;
    return true;
}

void UnregisterWindowClass() {
    UnregisterClassA(WindowClassName, win32::ProgramInstance());
    gameProcedure = nullptr;
}

bool CreateMainWindow(std::int32_t left, std::int32_t top, std::int32_t size) {
    // A tool window has no taskbar button; a popup has no border or caption,
    // so its whole area is client area and client pixel (x, y) is back-buffer
    // pixel (x, y).
    mainWindow = CreateWindowExA(WS_EX_TOOLWINDOW, WindowClassName, nullptr,
                                 WS_POPUP | WS_VISIBLE, left, top, size, size, nullptr, nullptr,
                                 win32::ProgramInstance(), nullptr);
    return mainWindow != nullptr;
}

void DestroyMainWindow() {
    // Its timers end with it.
    DestroyWindow(mainWindow);
    mainWindow = nullptr;
}

void SetWindowPos(std::int32_t left, std::int32_t top) {
    ::SetWindowPos(mainWindow, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

Point ClientToScreen(Point client) {
    POINT point{client.x, client.y};
    ::ClientToScreen(mainWindow, &point);
    return Point{point.x, point.y};
}

void SetArrowCursor() { SetCursor(LoadCursorA(nullptr, IDC_ARROW)); }

void InvalidateRect(const Rect& rect) {
    const RECT area{rect.left, rect.top, rect.right, rect.bottom};
    ::InvalidateRect(mainWindow, &area, FALSE);
}

}  // namespace platform
