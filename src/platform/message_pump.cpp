#include "platform/message_pump.h"

#include <algorithm>

#include "platform/messages.h"
#include "platform/window.h"

namespace platform {

void MessagePump::SetTimer(std::uint32_t id, std::uint32_t periodMs) {
    const std::uint32_t period = std::max(periodMs, MinimumTimerPeriodMs);
    const std::int64_t now = source_.NowMs();
    // Replacing a running timer restarts its grid and drops its pending message.
    Timer* timer = FindTimer(id);
    if (timer == nullptr) {
        timers_.push_back(Timer{id});
        timer = &timers_.back();
    }
    timer->periodMs = period;
    timer->nextDue = now + period;
    timer->pending = false;
}

void MessagePump::KillTimer(std::uint32_t id) {
    std::erase_if(timers_, [id](const Timer& t) { return t.id == id; });
}

void MessagePump::Invalidate(const Rect& rect) {
    Rect clipped;
    if (IntersectRect(clipped, rect, Rect{0, 0, clientSize_, clientSize_})) {
        invalid_ = UnionRect(invalid_, clipped);
    }
}

Rect MessagePump::BeginPaint() {
    const Rect area = invalid_;
    invalid_ = Rect{};
    return area;
}

void MessagePump::UpdateTimers(std::int64_t now) {
    for (Timer& t : timers_) {
        if (now < t.nextDue) continue;
        if (!t.pending) {
            t.pending = true;
            t.pendingSince = t.nextDue;
        }
        // Skip every grid point that has passed: they coalesce into the one message.
        const std::int64_t missed = (now - t.nextDue) / t.periodMs + 1;
        t.nextDue += missed * t.periodMs;
    }
}

bool MessagePump::GetMessage(Message& message) {
    for (;;) {
        source_.Poll(*this);
        if (quit_) return false;
        if (!input_.empty()) {
            message = input_.front();
            input_.pop_front();
            return true;
        }
        if (!IsRectEmpty(invalid_)) {
            message = Message{MessageKind::Paint};
            return true;
        }
        UpdateTimers(source_.NowMs());
        Timer* due = nullptr;
        for (Timer& t : timers_) {
            if (t.pending && (due == nullptr || t.pendingSince < due->pendingSince ||
                              (t.pendingSince == due->pendingSince && t.id < due->id))) {
                due = &t;
            }
        }
        if (due != nullptr) {
            due->pending = false;
            message = Message{MessageKind::Timer, due->id};
            return true;
        }
        std::optional<std::int64_t> deadline;
        for (const Timer& t : timers_) {
            if (!deadline || t.nextDue < *deadline) deadline = t.nextDue;
        }
        source_.Wait(deadline);
    }
}

void MessagePump::Dispatch(const Message& message) const {
    // The game's procedure handles every message it cares about; the default
    // handling of the rest has nothing to do on these backends.
    if (procedure_ != nullptr) procedure_(message);
}

std::optional<std::int64_t> MessagePump::NextMessageTime() {
    const std::int64_t now = source_.NowMs();
    if (quit_ || !input_.empty() || !IsRectEmpty(invalid_)) return now;
    UpdateTimers(now);
    std::optional<std::int64_t> next;
    for (const Timer& t : timers_) {
        const std::int64_t when = t.pending ? now : t.nextDue;
        if (!next || when < *next) next = when;
    }
    return next;
}

MessagePump::Timer* MessagePump::FindTimer(std::uint32_t id) {
    for (Timer& t : timers_) {
        if (t.id == id) return &t;
    }
    return nullptr;
}

const MessagePump::Timer* MessagePump::FindTimer(std::uint32_t id) const {
    for (const Timer& t : timers_) {
        if (t.id == id) return &t;
    }
    return nullptr;
}

bool MessagePump::TimerActive(std::uint32_t id) const { return FindTimer(id) != nullptr; }

std::uint32_t MessagePump::TimerPeriod(std::uint32_t id) const {
    const Timer* t = FindTimer(id);
    return t != nullptr ? t->periodMs : 0;
}

// The calls of the platform layer that every pumped backend shares.

bool PumpMessage() {
    Message message;
    if (!Pump().GetMessage(message)) return false;
    Pump().Dispatch(message);
    return true;
}

void PostQuitMessage(int) { Pump().PostQuit(); }
void SetTimer(std::uint32_t id, std::uint32_t periodMs) { Pump().SetTimer(id, periodMs); }
void KillTimer(std::uint32_t id) { Pump().KillTimer(id); }
void InvalidateRect(const Rect& rect) { Pump().Invalidate(rect); }
Rect BeginPaint() { return Pump().BeginPaint(); }

}  // namespace platform
