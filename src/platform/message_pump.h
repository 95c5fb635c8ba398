#pragma once

// The message queue and window timers for the backends that have no window
// system loop of their own (sdl, headless), with the window system's rules:
// - SetTimer on a running id replaces it; periods below 10 ms become 10 ms;
// - a timer elapses on a fixed grid counted from its start, and at most one
//   message per timer is pending (missed elapses coalesce);
// - messages are retrieved in the order: the quit message, then input, then
//   paint (while part of the window is invalid), then timers;
// - with nothing to retrieve the pump blocks in its event source until input
//   arrives or the next timer is due, so an idle game takes no processor time.

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "platform/geometry.h"
#include "platform/messages.h"

namespace platform {

class MessagePump;

// Where a pump takes its time and its input from.
class EventSource {
public:
    virtual ~EventSource() = default;
    // Milliseconds on a clock that never goes back.
    virtual std::int64_t NowMs() = 0;
    // Hands every input event that has happened by now to pump.PostInput;
    // never blocks.
    virtual void Poll(MessagePump& pump) = 0;
    // Blocks until input may have arrived or the deadline (NowMs time) is
    // reached; without a deadline, until input arrives. May return early.
    virtual void Wait(std::optional<std::int64_t> deadline) = 0;
};

// Timers below this period are raised to it.
inline constexpr std::uint32_t MinimumTimerPeriodMs = 10;

class MessagePump {
public:
    explicit MessagePump(EventSource& source) : source_(source) {}

    void SetProcedure(WindowProcedure procedure) { procedure_ = procedure; }
    // The client area invalidation is clipped to; 0 before the window exists.
    void SetClientSize(std::int32_t size) { clientSize_ = size; }

    void SetTimer(std::uint32_t id, std::uint32_t periodMs);
    void KillTimer(std::uint32_t id);
    // The window's timers end with the window.
    void KillAllTimers() { timers_.clear(); }
    void PostQuit() { quit_ = true; }
    void PostInput(const Message& message) { input_.push_back(message); }
    void Invalidate(const Rect& rect);
    // Takes the area to repaint and marks the window valid.
    Rect BeginPaint();

    // Waits for the next message; false once the quit message has come.
    bool GetMessage(Message& message);
    // Hands the message to the window procedure.
    void Dispatch(const Message& message) const;

    // The earliest time at which GetMessage would return without new input:
    // now when something is queued, else the next timer's due time; none when
    // only input could wake it.
    std::optional<std::int64_t> NextMessageTime();

    // For tests and traces: whether timer `id` runs, and its period.
    bool TimerActive(std::uint32_t id) const;
    std::uint32_t TimerPeriod(std::uint32_t id) const;

private:
    struct Timer {
        std::uint32_t id = 0;
        std::uint32_t periodMs = 0;
        std::int64_t nextDue = 0;      // next point of the timer's grid
        bool pending = false;          // one message waits to be retrieved
        std::int64_t pendingSince = 0; // grid point at which it became pending
    };

    void UpdateTimers(std::int64_t now);
    Timer* FindTimer(std::uint32_t id);
    const Timer* FindTimer(std::uint32_t id) const;

    EventSource& source_;
    WindowProcedure procedure_ = nullptr;
    std::int32_t clientSize_ = 0;
    bool quit_ = false;
    std::deque<Message> input_;
    Rect invalid_{};
    std::vector<Timer> timers_;
};

// The pump of the backend the program is linked with; the shared message and
// painting calls (PumpMessage, SetTimer, InvalidateRect, ...) go through it.
MessagePump& Pump();

}  // namespace platform
