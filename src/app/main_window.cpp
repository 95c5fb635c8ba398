#include "app/main_window.h"

#include <cctype>
#include <limits>

#include "app/random.h"
#include "app/trigonometry.h"
#include "game/game_state.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "text/screens.h"

std::int32_t WindowSize = 0;
std::int32_t HalfWindowSize = 0;
platform::DrawContext BackBufferDC;
std::unique_ptr<platform::Bitmap> BackBitmap;
std::unique_ptr<platform::Bitmap> FontBitmap;
std::array<platform::Pen, GreyPenCount> GreyPens{};
std::array<double, DegreesPerTurn> SinTable{};
std::array<double, DegreesPerTurn> CosTable{};

namespace {

constexpr std::int32_t DefaultWindowSize = 64;
constexpr std::int32_t SmallestWindowSize = 48;
constexpr double RadiansPerDegree = 0.017453292519943295;
constexpr std::uint8_t Black = 0;

// Reads a decimal integer the way "%d" does, saturating at the 32-bit
// limits instead of overflowing. False when the line holds no number.
bool ReadInteger(const char* text, std::int64_t& value) {
    constexpr std::int64_t Max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t Min = std::numeric_limits<std::int32_t>::min();
    while (*text != '\0' && std::isspace(static_cast<unsigned char>(*text))) ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') negative = *text++ == '-';
    if (!std::isdigit(static_cast<unsigned char>(*text))) return false;
    std::int64_t magnitude = 0;
    for (; std::isdigit(static_cast<unsigned char>(*text)); ++text) {
        // Past the 32-bit range every further digit changes nothing.
        if (magnitude <= Max + 1) magnitude = magnitude * 10 + (*text - '0');
    }
    value = negative ? std::max(-magnitude, Min) : std::min(magnitude, Max);
    return true;
}

}  // namespace

std::int32_t WindowSizeFromCommandLine(const char* commandLine) {
    std::int64_t n = DefaultWindowSize;
    if (commandLine == nullptr || !ReadInteger(commandLine, n)) n = DefaultWindowSize;
    if (n < SmallestWindowSize) n = SmallestWindowSize;
    return static_cast<std::int32_t>(n / 2 * 2);
}

void ClearBackBuffer() {
    const platform::Rect client{0, 0, WindowSize, WindowSize};
    BackBufferDC.FillRect(client, Black);
    platform::InvalidateRect(client);
}

void PaintWindow() {
    const platform::Rect area = platform::BeginPaint();
    if (BackBitmap) platform::PaintFromBitmap(*BackBitmap, area);
    platform::EndPaint();
}

void CreateGreyPens() {
    for (int i = 0; i < GreyPenCount; ++i) GreyPens[i] = platform::Pen{static_cast<std::uint8_t>(i)};
}

void InitGame() {
    // The sound bank was built before this, from the generator's first
    // state, so its noises are the same on every run.
    rng::srand(static_cast<std::uint32_t>(platform::CalendarTime()));
    for (int i = 0; i < DegreesPerTurn; ++i) {
        const double angle = i * RadiansPerDegree;
        SinTable[i] = Sine(angle);
        CosTable[i] = Cosine(angle);
    }
    TitlePage = 0;
    Score = 0;
    GameOver = false;
    ClearBackBuffer();
    ShowTitlePage(0);
}
