#pragma once

// The headless backend: the real program on a virtual machine. Time is
// virtual (pauses and waits advance it at once), input is a script of events
// at virtual times, there is no window, a sound device only where the
// settings ask for one, and the window's picture can be read. Tests and the
// simulator drive whole games with it.

#include <cstdint>
#include <vector>

#include "platform/drawing.h"
#include "platform/geometry.h"
#include "platform/messages.h"

namespace platform::headless {

// What the virtual machine looks like when a run starts.
struct Settings {
    std::int64_t wallClockStartMs = 0;  // wall-clock time at virtual time 0, ms since 1970
    std::int64_t calendarTime = 0;      // what the C library's time() returns (seeds the game)
    Point cursor{512, 384};             // mouse pointer on the screen
    bool anotherInstanceRunning = false;
    bool displayAvailable = true;       // false: the window class cannot be registered
    bool windowCreationFails = false;
    bool soundDevice = false;           // true: a sound device opens (see headless_audio.h)
};

// Starts a fresh virtual machine: virtual time 0, no timers, no window, an
// empty script, no key held.
void Reset(const Settings& settings = {});

// Virtual time in milliseconds since Reset.
std::int64_t Now();

// The script. Events are delivered when virtual time reaches them; events at
// the same time keep the order in which they were scripted. A key's live
// state changes when its event is delivered, as hardware input changes the
// live key state before its message is handled.
void ScriptKeyDown(std::int64_t at, std::uint8_t virtualKey);
void ScriptKeyUp(std::int64_t at, std::uint8_t virtualKey);
// The left button goes down (or up) with the pointer at a client position of
// the main window.
void ScriptButtonDown(std::int64_t at, Point client);
void ScriptButtonUp(std::int64_t at, Point client);
// The pointer moves to a screen position; the window hears of it while the
// pointer is over it or the mouse is captured.
void ScriptPointerMove(std::int64_t at, Point screen);
// The desktop asks the window to close.
void ScriptClose(std::int64_t at);

// Runs the message loop until virtual time `until` (every message that is
// due by then is handled) or until the quit message. Returns false once the
// quit message has arrived. Virtual time is then at least `until`.
bool RunUntil(std::int64_t until);

// Called after every dispatched message (for traces); nullptr for none.
using DispatchObserver = void (*)(const Message& message);
void SetDispatchObserver(DispatchObserver observer);

// The virtual window.
bool WindowExists();
Point WindowPosition();
std::int32_t WindowSizeOnScreen();
bool MouseCaptured();
bool ArrowCursorSet();
bool WindowClassRegistered();
// What the window shows: the back buffer as far as it has been painted.
const Bitmap* Screen();

// Timers of the main window, for traces and tests.
bool TimerActive(std::uint32_t id);
std::uint32_t TimerPeriod(std::uint32_t id);

// Every pause the program asked for, in order.
struct SleepCall {
    std::int64_t at = 0;
    std::uint32_t milliseconds = 0;
};
const std::vector<SleepCall>& Sleeps();

}  // namespace platform::headless
