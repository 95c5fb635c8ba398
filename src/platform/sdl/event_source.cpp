// The message pump's event source on SDL: the monotonic clock, SDL's events
// turned into window messages, and the waiting of an idle game.

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <climits>

#include "platform/input.h"
#include "platform/message_pump.h"
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
        if (sdl::MainWindow().captured) FollowPointer(pump);
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
                if (event.button.button != SDL_BUTTON_LEFT) break;
                leftButtonDown_ = true;
                lastClient_ = Point{event.button.x, event.button.y};
                pump.PostInput(Message{MessageKind::LeftButtonDown, MouseLeftButton,
                                       MakePointParam(event.button.x, event.button.y)});
                break;
            case SDL_MOUSEBUTTONUP:
                if (event.button.button != SDL_BUTTON_LEFT) break;
                // The window goes where the pointer was let go, before the
                // release ends the drag.
                if (sdl::MainWindow().captured) FollowPointer(pump);
                leftButtonDown_ = false;
                pump.PostInput(Message{MessageKind::LeftButtonUp, 0,
                                       MakePointParam(event.button.x, event.button.y)});
                break;
            case SDL_MOUSEMOTION:
                // While captured, FollowPointer reports the pointer instead.
                if (sdl::MainWindow().captured) break;
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

    // Reports the pointer's position relative to the window whenever it has
    // changed, because the pointer moved or the window moved under it. SDL's
    // motion events cannot do this during a drag: their window coordinates
    // are measured against where the window was, and SDL drops an event whose
    // coordinates repeat the previous one, as they do when the window has
    // just moved by the pointer's last step. A message that meets a window
    // moved since it was posted is put right by the next one.
    void FollowPointer(MessagePump& pump) {
        const Point screen = sdl::PointerOnScreen();
        const Point window = sdl::MainWindow().position;
        const Point client{screen.x - window.x, screen.y - window.y};
        if (client == lastClient_) return;
        lastClient_ = client;
        pump.PostInput(Message{MessageKind::MouseMove, leftButtonDown_ ? MouseLeftButton : 0u,
                               MakePointParam(client.x, client.y)});
    }

    bool leftButtonDown_ = false;
    // The client position of the last button press or reported pointer move.
    Point lastClient_{};
};

}  // namespace

MessagePump& Pump() {
    static SdlEventSource source;
    static MessagePump pump(source);
    return pump;
}

}  // namespace platform
