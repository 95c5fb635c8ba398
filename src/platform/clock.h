#pragma once

// The wall clock, pauses and the calendar time that seeds the game.

#include <cstdint>

namespace platform {

// The current wall-clock time in the form the frame tick reads it; only
// the milliseconds field takes part in the game.
struct SystemTime {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t milliseconds = 0;
    friend bool operator==(const SystemTime&, const SystemTime&) = default;
};

// Reads the current time (UTC). Called by the frame tick.
SystemTime GetSystemTime();

// Pauses the program. Called by the frame tick to hold its pace.
void Sleep(std::uint32_t milliseconds);

// Seconds since 1970, as the C library's time() gives. Called once by start-up
// to seed the random generator.
std::int64_t CalendarTime();

}  // namespace platform
