// The mouse pointer and mouse capture on SDL.

#include "platform/sdl/pointer.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include "platform/input.h"
#include "platform/sdl/sdl_window.h"

namespace platform {

Point sdl::PointerOnScreen() {
    SDL_Window* window = MainWindow().window;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window != nullptr && SDL_GetWindowWMInfo(window, &info) == SDL_TRUE &&
        info.subsystem == SDL_SYSWM_X11) {
        ::Window root = 0, child = 0;
        int rootX = 0, rootY = 0, windowX = 0, windowY = 0;
        unsigned int buttons = 0;
        if (XQueryPointer(info.info.x11.display, info.info.x11.window, &root, &child, &rootX,
                          &rootY, &windowX, &windowY, &buttons)) {
            return Point{rootX, rootY};
        }
    }
    // Without a window, or away from X11: SDL asks the window system, and its
    // first answer after start-up is always current.
    int x = 0, y = 0;
    SDL_GetGlobalMouseState(&x, &y);
    return Point{x, y};
}

Point GetCursorPos() { return sdl::PointerOnScreen(); }

void SetCapture() {
    // While a button is down the window system sends the window every mouse
    // event anyway; SDL's capture keeps that going should the press be
    // missed. The message pump follows the pointer from now on.
    SDL_CaptureMouse(SDL_TRUE);
    sdl::MainWindow().captured = true;
}

void ReleaseCapture() {
    SDL_CaptureMouse(SDL_FALSE);
    sdl::MainWindow().captured = false;
}

}  // namespace platform
