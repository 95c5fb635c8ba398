// The wall clock and pauses of the Windows game.

#include <ctime>

#include "platform/clock.h"
#include "platform/win32/win32.h"

namespace platform {

SystemTime GetSystemTime() {
    SYSTEMTIME now;
    ::GetSystemTime(&now);
    return SystemTime{
        .year = now.wYear,
        .month = now.wMonth,
        .day = now.wDay,
        .hour = now.wHour,
        .minute = now.wMinute,
        .second = now.wSecond,
        .milliseconds = now.wMilliseconds,
    };
}

void Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

std::int64_t CalendarTime() { return static_cast<std::int64_t>(std::time(nullptr)); }

}  // namespace platform
