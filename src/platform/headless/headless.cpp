#include "platform/headless/headless.h"

#include <algorithm>
#include <array>
#include <deque>
#include <memory>

#include "platform/clock.h"
#include "platform/headless/headless_audio.h"
#include "platform/input.h"
#include "platform/message_pump.h"
#include "platform/window.h"

namespace platform::headless {
namespace {

enum class EventKind : std::uint8_t { KeyDown, KeyUp, ButtonDown, ButtonUp, PointerMove, Close };

struct ScriptedEvent {
    std::int64_t at = 0;
    EventKind kind = EventKind::KeyDown;
    std::uint8_t key = 0;
    Point point{};
};

constexpr std::size_t KeyCount = 256;

// The virtual machine: its clock, its input devices and its one window.
class VirtualMachine final : public EventSource {
public:
    std::int64_t NowMs() override { return now; }

    void Poll(MessagePump& pump) override {
        while (!script.empty() && script.front().at <= now) {
            const ScriptedEvent event = script.front();
            script.pop_front();
            Deliver(event, pump);
        }
    }

    void Wait(std::optional<std::int64_t> deadline) override {
        // Virtual time jumps to the next scripted event or the deadline. With
        // neither there is nothing to wait for; RunUntil never gets here then.
        std::optional<std::int64_t> wake = deadline;
        if (!script.empty() && (!wake || script.front().at < *wake)) wake = script.front().at;
        if (wake && *wake > now) now = *wake;
    }

    void Deliver(const ScriptedEvent& event, MessagePump& pump) {
        switch (event.kind) {
            case EventKind::KeyDown:
                keys[event.key] = true;
                pump.PostInput(Message{MessageKind::KeyDown, event.key});
                break;
            case EventKind::KeyUp:
                keys[event.key] = false;
                pump.PostInput(Message{MessageKind::KeyUp, event.key});
                break;
            case EventKind::ButtonDown:
                leftButton = true;
                cursor = Point{window.x + event.point.x, window.y + event.point.y};
                if (windowExists) {
                    pump.PostInput(Message{MessageKind::LeftButtonDown, MouseLeftButton,
                                           MakePointParam(event.point.x, event.point.y)});
                }
                break;
            case EventKind::ButtonUp:
                leftButton = false;
                cursor = Point{window.x + event.point.x, window.y + event.point.y};
                if (windowExists && (captured || OverWindow(cursor))) {
                    pump.PostInput(Message{MessageKind::LeftButtonUp, 0,
                                           MakePointParam(event.point.x, event.point.y)});
                }
                break;
            case EventKind::PointerMove:
                cursor = event.point;
                if (windowExists && (captured || OverWindow(cursor))) {
                    pump.PostInput(Message{MessageKind::MouseMove,
                                           leftButton ? MouseLeftButton : 0u,
                                           MakePointParam(cursor.x - window.x, cursor.y - window.y)});
                }
                break;
            case EventKind::Close:
                if (windowExists) pump.PostInput(Message{MessageKind::Close});
                break;
        }
    }

    bool OverWindow(Point screen) const {
        return PtInRect(Rect{window.x, window.y, window.x + windowSize, window.y + windowSize},
                        screen);
    }

    void Script(ScriptedEvent event) {
        // Keep the script sorted by time; equal times keep their scripted order.
        const auto at = std::upper_bound(
            script.begin(), script.end(), event.at,
            [](std::int64_t t, const ScriptedEvent& e) { return t < e.at; });
        script.insert(at, event);
    }

    Settings settings;
    std::int64_t now = 0;
    std::deque<ScriptedEvent> script;
    std::array<bool, KeyCount> keys{};
    bool leftButton = false;
    Point cursor{};
    bool classRegistered = false;
    bool windowExists = false;
    Point window{};
    std::int32_t windowSize = 0;
    bool captured = false;
    bool arrowCursor = false;
    std::unique_ptr<Bitmap> screen;
    std::vector<SleepCall> sleeps;
    DispatchObserver observer = nullptr;
};

// The one machine of the process, made anew by every Reset.
std::unique_ptr<VirtualMachine> machine = std::make_unique<VirtualMachine>();
std::unique_ptr<MessagePump> pump = std::make_unique<MessagePump>(*machine);

VirtualMachine& Machine() { return *machine; }

}  // namespace

void Reset(const Settings& settings) {
    pump.reset();
    machine = std::make_unique<VirtualMachine>();
    machine->settings = settings;
    machine->cursor = settings.cursor;
    pump = std::make_unique<MessagePump>(*machine);
    ResetSound(settings.soundDevice);
}

std::int64_t Now() { return Machine().now; }

void ScriptKeyDown(std::int64_t at, std::uint8_t virtualKey) {
    Machine().Script({at, EventKind::KeyDown, virtualKey});
}
void ScriptKeyUp(std::int64_t at, std::uint8_t virtualKey) {
    Machine().Script({at, EventKind::KeyUp, virtualKey});
}
void ScriptButtonDown(std::int64_t at, Point client) {
    Machine().Script({at, EventKind::ButtonDown, 0, client});
}
void ScriptButtonUp(std::int64_t at, Point client) {
    Machine().Script({at, EventKind::ButtonUp, 0, client});
}
void ScriptPointerMove(std::int64_t at, Point screen) {
    Machine().Script({at, EventKind::PointerMove, 0, screen});
}
void ScriptClose(std::int64_t at) { Machine().Script({at, EventKind::Close}); }

bool RunUntil(std::int64_t until) {
    auto& vm = Machine();
    for (;;) {
        std::optional<std::int64_t> next = pump->NextMessageTime();
        if (!vm.script.empty() && (!next || vm.script.front().at < *next)) {
            next = vm.script.front().at;
        }
        if (!next || *next > until) break;
        Message message;
        if (!pump->GetMessage(message)) return false;
        pump->Dispatch(message);
        if (vm.observer != nullptr) vm.observer(message);
    }
    vm.now = std::max(vm.now, until);
    return true;
}

void SetDispatchObserver(DispatchObserver observer) { Machine().observer = observer; }

bool WindowExists() { return Machine().windowExists; }
Point WindowPosition() { return Machine().window; }
std::int32_t WindowSizeOnScreen() { return Machine().windowSize; }
bool MouseCaptured() { return Machine().captured; }
bool ArrowCursorSet() { return Machine().arrowCursor; }
bool WindowClassRegistered() { return Machine().classRegistered; }
const Bitmap* Screen() { return Machine().screen.get(); }
bool TimerActive(std::uint32_t id) { return pump->TimerActive(id); }
std::uint32_t TimerPeriod(std::uint32_t id) { return pump->TimerPeriod(id); }
const std::vector<SleepCall>& Sleeps() { return Machine().sleeps; }

}  // namespace platform::headless

namespace platform {

using headless::Machine;

MessagePump& Pump() { return *headless::pump; }

// Clock.

namespace {

constexpr std::int64_t MsPerSecond = 1000;
constexpr std::int64_t SecondsPerDay = 86400;

// Civil date of a day count since 1970-01-01 (proleptic Gregorian calendar).
void CivilFromDays(std::int64_t days, SystemTime& time) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    const std::int64_t month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    time.year = static_cast<std::uint16_t>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    time.month = static_cast<std::uint16_t>(month);
    time.day = static_cast<std::uint16_t>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
}

}  // namespace

SystemTime GetSystemTime() {
    const std::int64_t ms = Machine().settings.wallClockStartMs + Machine().now;
    const std::int64_t seconds = ms / MsPerSecond;
    const std::int64_t secondOfDay = seconds % SecondsPerDay;
    SystemTime time;
    CivilFromDays(seconds / SecondsPerDay, time);
    time.hour = static_cast<std::uint16_t>(secondOfDay / 3600);
    time.minute = static_cast<std::uint16_t>(secondOfDay / 60 % 60);
    time.second = static_cast<std::uint16_t>(secondOfDay % 60);
    time.milliseconds = static_cast<std::uint16_t>(ms % MsPerSecond);
    return time;
}

void Sleep(std::uint32_t milliseconds) {
    Machine().sleeps.push_back({Machine().now, milliseconds});
    Machine().now += milliseconds;
}

std::int64_t CalendarTime() { return Machine().settings.calendarTime; }

// Input.

std::uint16_t GetAsyncKeyState(std::uint8_t virtualKey) {
    return Machine().keys[virtualKey] ? KeyDownBit : 0;
}

Point GetCursorPos() { return Machine().cursor; }
void SetCapture() { Machine().captured = true; }
void ReleaseCapture() { Machine().captured = false; }

// Window.

bool AnotherInstanceRunning() { return Machine().settings.anotherInstanceRunning; }

bool RegisterWindowClass(WindowProcedure procedure) {
    if (!Machine().settings.displayAvailable) return false;
    Machine().classRegistered = true;
    Pump().SetProcedure(procedure);
    return true;
}

void UnregisterWindowClass() {
    Machine().classRegistered = false;
    Pump().SetProcedure(nullptr);
}

bool CreateMainWindow(std::int32_t left, std::int32_t top, std::int32_t size) {
    auto& vm = Machine();
    if (vm.settings.windowCreationFails) return false;
    vm.windowExists = true;
    vm.window = Point{left, top};
    vm.windowSize = size;
    Pump().SetClientSize(size);
    return true;
}

void DestroyMainWindow() {
    auto& vm = Machine();
    vm.windowExists = false;
    vm.captured = false;
    Pump().SetClientSize(0);
    Pump().KillAllTimers();
}

void SetWindowPos(std::int32_t left, std::int32_t top) { Machine().window = Point{left, top}; }

Point ClientToScreen(Point client) {
    return Point{client.x + Machine().window.x, client.y + Machine().window.y};
}

void SetArrowCursor() { Machine().arrowCursor = true; }

void PaintFromBitmap(const Bitmap& backBuffer, const Rect& area) {
    // The picture on the virtual screen is made at the first paint, so a
    // window too large for memory fails where the real one does: at its
    // back buffer.
    auto& vm = Machine();
    if (!vm.screen) vm.screen = Bitmap::Create(vm.windowSize, vm.windowSize);
    Bitmap* screen = vm.screen.get();
    if (screen == nullptr) return;
    for (std::int32_t y = area.top; y < area.bottom; ++y) {
        for (std::int32_t x = area.left; x < area.right; ++x) {
            if (backBuffer.contains(x, y) && screen->contains(x, y)) {
                screen->at(x, y) = backBuffer.at(x, y);
            }
        }
    }
}

void EndPaint() {}

}  // namespace platform
