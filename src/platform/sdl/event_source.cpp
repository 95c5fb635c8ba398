// The message pump's event source on SDL: the monotonic clock, SDL's events
// turned into window messages, and the waiting of an idle game.

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <climits>

#include "platform/input.h"
#include "platform/message_pump.h"
#include "platform/sdl/drag_follower.h"
#include "platform/sdl/event_source.h"
#include "platform/sdl/keys.h"
#include "platform/sdl/pointer.h"
#include "platform/sdl/sdl_window.h"
#include "platform/window.h"

namespace platform {
namespace {

// While the mouse is captured the pointer is looked at at least this often,
// so a drag keeps up with a pointer that makes no events.
constexpr int CapturedPollMs = 10;
constexpr int WaitForever = -1;

class SdlEventSource final : public EventSource {
public:
    std::int64_t NowMs() override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }

    void Poll(MessagePump& pump) override {
        SDL_Event event;
        while (SDL_PollEvent(&event)) Translate(event, pump);
        drag_.Poll(pump);
    }

    void Wait(std::optional<std::int64_t> deadline) override {
        int timeout = WaitForever;
        if (deadline) {
            timeout = static_cast<int>(std::clamp<std::int64_t>(*deadline - NowMs(), 0, INT_MAX));
        }
        if (sdl::MainWindow().captured) {
            timeout = timeout == WaitForever ? CapturedPollMs : std::min(timeout, CapturedPollMs);
        }
        if (timeout == 0) return;
        // Returns when an event arrives or the time is up, leaving the event
        // for the next Poll.
        SDL_WaitEventTimeout(nullptr, timeout);
    }

    void Handled(const Message& message) { drag_.Handled(message); }

private:
    void Translate(const SDL_Event& event, MessagePump& pump) {
        switch (event.type) {
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                // Auto-repeat arrives as further presses, as on Windows.
                if (const auto key = sdl::VirtualKeyOf(event.key.keysym.sym)) {
                    const MessageKind kind =
                        event.type == SDL_KEYDOWN ? MessageKind::KeyDown : MessageKind::KeyUp;
                    pump.PostInput(Message{kind, *key});
                }
                break;
            case SDL_MOUSEBUTTONDOWN:
                if (event.button.button == SDL_BUTTON_LEFT) {
                    drag_.Pressed(Point{event.button.x, event.button.y}, pump);
                }
                break;
            case SDL_MOUSEBUTTONUP:
                if (event.button.button == SDL_BUTTON_LEFT) {
                    drag_.Released(releasedAt_, Point{event.button.x, event.button.y}, pump);
                    releasedAt_.reset();
                }
                break;
            case SDL_SYSWMEVENT:
                // The window system's own release event comes just before
                // SDL's, and it tells where on the screen it happened.
                if (const auto released = sdl::LeftReleaseOnScreen(*event.syswm.msg)) {
                    releasedAt_ = released;
                }
                break;
            case SDL_MOUSEMOTION:
                // While the button is down the drag follower reports the pointer.
                if (drag_.buttonDown()) break;
                pump.PostInput(Message{MessageKind::MouseMove,
                                       (event.motion.state & SDL_BUTTON_LMASK) != 0
                                           ? MouseLeftButton
                                           : 0u,
                                       MakePointParam(event.motion.x, event.motion.y)});
                break;
            case SDL_WINDOWEVENT:
                if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
                    const std::int32_t size = sdl::MainWindow().size;
                    InvalidateRect(Rect{0, 0, size, size});
                } else if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
                    pump.PostInput(Message{MessageKind::Close});
                }
                break;
            case SDL_QUIT:
                // The desktop's close request, and SIGINT and SIGTERM.
                pump.PostInput(Message{MessageKind::Close});
                break;
            default:
                break;
        }
    }

    sdl::DragFollower drag_;
    std::optional<Point> releasedAt_;
};

SdlEventSource& Source() {
    static SdlEventSource source;
    return source;
}

WindowProcedure gameProcedure = nullptr;

// Hands each message to the game, and lets the drag follower know.
bool WatchedProcedure(const Message& message) {
    const bool handled = gameProcedure(message);
    Source().Handled(message);
    return handled;
}

}  // namespace

void sdl::SetWindowProcedure(WindowProcedure procedure) {
    gameProcedure = procedure;
    Pump().SetProcedure(procedure != nullptr ? WatchedProcedure : nullptr);
}

MessagePump& Pump() {
    static MessagePump pump(Source());
    return pump;
}

}  // namespace platform
