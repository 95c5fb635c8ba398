// The wall clock and pauses of the Linux game.

#include <SDL.h>

#include <chrono>
#include <ctime>

#include "platform/clock.h"

namespace platform {

SystemTime GetSystemTime() {
    using namespace std::chrono;
    const auto now = time_point_cast<milliseconds>(system_clock::now());
    const auto seconds = floor<std::chrono::seconds>(now);
    const std::time_t calendar = system_clock::to_time_t(seconds);
    std::tm utc{};
    gmtime_r(&calendar, &utc);
    // std::tm counts years from 1900 and months from 0.
    constexpr int TmYearBase = 1900;
    return SystemTime{
        .year = static_cast<std::uint16_t>(utc.tm_year + TmYearBase),
        .month = static_cast<std::uint16_t>(utc.tm_mon + 1),
        .day = static_cast<std::uint16_t>(utc.tm_mday),
        .hour = static_cast<std::uint16_t>(utc.tm_hour),
        .minute = static_cast<std::uint16_t>(utc.tm_min),
        .second = static_cast<std::uint16_t>(utc.tm_sec),
        .milliseconds = static_cast<std::uint16_t>((now - seconds).count()),
    };
}

void Sleep(std::uint32_t milliseconds) { SDL_Delay(milliseconds); }

std::int64_t CalendarTime() { return static_cast<std::int64_t>(std::time(nullptr)); }

}  // namespace platform
