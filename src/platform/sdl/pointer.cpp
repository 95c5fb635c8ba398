// The mouse pointer and mouse capture on SDL.

#include "platform/sdl/pointer.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include "platform/input.h"
#include "platform/sdl/sdl_window.h"

namespace platform {

namespace {

// The X connection and window of the main window, when it is on X11.
struct X11Window {
    Display* display = nullptr;
    ::Window window = 0;
};

std::optional<X11Window> MainX11Window() {
    SDL_Window* window = sdl::MainWindow().window;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || SDL_GetWindowWMInfo(window, &info) != SDL_TRUE ||
        info.subsystem != SDL_SYSWM_X11) {
        return std::nullopt;
    }
    return X11Window{info.info.x11.display, info.info.x11.window};
}

}  // namespace

Point sdl::PointerOnScreen() {
    if (const auto x11 = MainX11Window()) {
        ::Window root = 0, child = 0;
        int rootX = 0, rootY = 0, windowX = 0, windowY = 0;
        unsigned int buttons = 0;
        if (XQueryPointer(x11->display, x11->window, &root, &child, &rootX, &rootY, &windowX,
                          &windowY, &buttons)) {
            return Point{rootX, rootY};
        }
    }
    // Without a window, or away from X11: SDL asks the window system, and its
    // first answer after start-up is always current.
    int x = 0, y = 0;
    SDL_GetGlobalMouseState(&x, &y);
    return Point{x, y};
}

std::optional<Point> sdl::LeftReleaseOnScreen(const SDL_SysWMmsg& message) {
    if (message.subsystem != SDL_SYSWM_X11) return std::nullopt;
    const XEvent& event = message.msg.x11.event;
    if (event.type != ButtonRelease || event.xbutton.button != Button1) return std::nullopt;
    return Point{event.xbutton.x_root, event.xbutton.y_root};
}

Point GetCursorPos() { return sdl::PointerOnScreen(); }

// The drag captures the mouse while the left button is down. Under X11 the
// window grabs the pointer, so that every pointer event goes to it wherever
// the pointer is, the release included. SDL 2.26 lets go of any grab of its
// connection when the pointer enters the window, which it does each time the
// dragged window catches up with the pointer, and when the window gains the
// focus. So SDL is not told of the pointer entering or leaving the window
// during the drag, and the grab is renewed on every pass of the pump.
namespace {

constexpr long CrossingEvents = EnterWindowMask | LeaveWindowMask;
long eventsBeforeCapture = 0;

void GrabPointer(const X11Window& x11) {
    constexpr unsigned int Events = ButtonPressMask | ButtonReleaseMask | PointerMotionMask;
    XGrabPointer(x11.display, x11.window, False, Events, GrabModeAsync, GrabModeAsync, None, None,
                 CurrentTime);
}

}  // namespace

void sdl::KeepPointerGrabbed() {
    if (!MainWindow().captured) return;
    if (const auto x11 = MainX11Window()) GrabPointer(*x11);
}

void SetCapture() {
    if (sdl::MainWindow().captured) return;
    if (const auto x11 = MainX11Window()) {
        XWindowAttributes attributes{};
        XGetWindowAttributes(x11->display, x11->window, &attributes);
        eventsBeforeCapture = attributes.your_event_mask;
        XSelectInput(x11->display, x11->window, eventsBeforeCapture & ~CrossingEvents);
        GrabPointer(*x11);
    }
    // The release is heard of from the window system itself, which tells
    // where it happened.
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    sdl::MainWindow().captured = true;
}

void ReleaseCapture() {
    if (!sdl::MainWindow().captured) return;
    if (const auto x11 = MainX11Window()) {
        XUngrabPointer(x11->display, CurrentTime);
        XSelectInput(x11->display, x11->window, eventsBeforeCapture);
        XFlush(x11->display);
    }
    SDL_EventState(SDL_SYSWMEVENT, SDL_DISABLE);
    sdl::MainWindow().captured = false;
}

}  // namespace platform
