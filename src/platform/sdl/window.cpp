// The window system on SDL: starting the video subsystem (the window class),
// the one borderless main window, its moves and its cursor.

#include <SDL.h>

#include <string_view>

#include "platform/input.h"
#include "platform/message_pump.h"
#include "platform/sdl/event_source.h"
#include "platform/sdl/sdl_window.h"
#include "platform/window.h"

namespace platform {
namespace {

// SDL refuses larger windows on every platform (X11 itself stops at 32767).
constexpr std::int32_t LargestWindowSize = 16384;

sdl::MainWindowState mainWindow;
SDL_Cursor* arrowCursor = nullptr;

// When no display can be reached SDL falls back on its own to drivers that
// show nothing to anyone; for the game that means there is no display. A
// user who names such a driver in SDL_VIDEODRIVER gets it.
bool OnADesktop() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr) return false;
    const std::string_view name = driver;
    const bool invisible = name == "offscreen" || name == "dummy";
    return !invisible || SDL_GetHint(SDL_HINT_VIDEODRIVER) != nullptr;
}

}  // namespace

sdl::MainWindowState& sdl::MainWindow() { return mainWindow; }

bool RegisterWindowClass(WindowProcedure procedure) {
    // The window surface is drawn by the processor. Left to itself SDL would
    // re-create the window to draw through OpenGL, which changes its X id
    // and slows the first picture down by a quarter of a second.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // A click is a click, also the one that gives the window the focus: SDL
    // would otherwise drop a press that it handles within 10 ms of the focus
    // change, as it does when both wait while the game is busy.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // The window system itself keeps sending a window every mouse event from
    // a press until its release. SDL's own capture on top of that is undone
    // whenever the pointer leaves the window, and undoing it ends the window
    // system's too, so a drag that outran its window would miss the release.
    SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
    // A small desktop game has no reason to keep the screen saver away.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return false;
    if (!OnADesktop()) {
        SDL_Quit();
        return false;
    }
    sdl::SetWindowProcedure(procedure);
    return true;
}

void UnregisterWindowClass() {
    sdl::SetWindowProcedure(nullptr);
    if (arrowCursor != nullptr) {
        SDL_FreeCursor(arrowCursor);
        arrowCursor = nullptr;
    }
    SDL_Quit();
}

bool CreateMainWindow(std::int32_t left, std::int32_t top, std::int32_t size) {
    if (size <= 0 || size > LargestWindowSize) return false;
    // No border, no caption and no taskbar entry. The title is never shown,
    // but the window system keeps it, and it names the window for tools.
    constexpr Uint32 Flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_SKIP_TASKBAR;
    SDL_Window* window = SDL_CreateWindow(WindowClassName, left, top, size, size, Flags);
    if (window == nullptr) return false;
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (surface == nullptr) {
        SDL_DestroyWindow(window);
        return false;
    }
    // The window opens black, the class background, until the first paint.
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    SDL_UpdateWindowSurface(window);

    mainWindow = sdl::MainWindowState{.window = window, .position = {left, top}, .size = size};
    Pump().SetClientSize(size);
    return true;
}

void DestroyMainWindow() {
    if (mainWindow.window == nullptr) return;
    if (mainWindow.captured) ReleaseCapture();
    SDL_DestroyWindow(mainWindow.window);
    mainWindow = sdl::MainWindowState{};
    Pump().SetClientSize(0);
    // The window's timers end with it.
    Pump().KillAllTimers();
}

void SetWindowPos(std::int32_t left, std::int32_t top) {
    if (mainWindow.window == nullptr) return;
    SDL_SetWindowPosition(mainWindow.window, left, top);
    mainWindow.position = Point{left, top};
}

Point ClientToScreen(Point client) {
    return Point{client.x + mainWindow.position.x, client.y + mainWindow.position.y};
}

void SetArrowCursor() {
    if (arrowCursor != nullptr) return;
    arrowCursor = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    if (arrowCursor != nullptr) SDL_SetCursor(arrowCursor);
}

}  // namespace platform
