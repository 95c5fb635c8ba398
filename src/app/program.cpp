#include "app/program.h"

#include "app/main_window.h"
#include "app/object_list.h"
#include "app/random.h"
#include "app/timers.h"
#include "app/window_proc.h"
#include "game/level_fill.h"
#include "platform/input.h"
#include "platform/messages.h"
#include "platform/resources.h"
#include "platform/window.h"
#include "scores/high_scores.h"
#include "sound/sound_bank.h"

namespace {

constexpr std::uint32_t TitlePagePeriodMs = 4000;
constexpr std::uint32_t FrameTickPeriodMs = 1;  // as fast as the timers go; the tick paces itself
constexpr int AttractLevels = 4;

// The teardown steps in their order; a failed start-up step enters the
// teardown at the step that releases what exists.
enum class TeardownStep {
    StopTimers,
    ClearObjects,
    ReleaseBackBitmap,
    ReleaseDrawing,
    DestroySoundBank,
    DestroyWindow,
    UnregisterClass,
    SaveScores,
};

void TearDownFrom(TeardownStep first) {
    // Each case falls through to the next: the rest of the teardown runs.
    switch (first) {
        case TeardownStep::StopTimers:
            StopTimer(TimerId::FrameTick);
            StopTimer(TimerId::TitlePages);  // the others end with the window
            [[fallthrough]];
        case TeardownStep::ClearObjects:
            ClearObjects();
            // The grey pens are plain values: there is nothing to delete.
            [[fallthrough]];
        case TeardownStep::ReleaseBackBitmap:
            BackBufferDC.SelectBitmap(nullptr);
            BackBitmap.reset();
            [[fallthrough]];
        case TeardownStep::ReleaseDrawing:
            BackBufferDC = platform::DrawContext{};
            FontBitmap.reset();
            [[fallthrough]];
        case TeardownStep::DestroySoundBank:
            DestroySoundBank();
            [[fallthrough]];
        case TeardownStep::DestroyWindow:
            platform::DestroyMainWindow();
            [[fallthrough]];
        case TeardownStep::UnregisterClass:
            platform::UnregisterWindowClass();
            [[fallthrough]];
        case TeardownStep::SaveScores:
            SaveHighScores();
    }
}

}  // namespace

bool StartUp(const char* commandLine) {
    WindowSize = WindowSizeFromCommandLine(commandLine);
    HalfWindowSize = WindowSize / 2;

    // A second start touches nothing, not even the score file.
    if (platform::AnotherInstanceRunning()) return false;

    LoadHighScores();

    if (!platform::RegisterWindowClass(WindowProcedure)) {
        TearDownFrom(TeardownStep::SaveScores);
        return false;
    }

    // The pointer lies at the window's centre; the window may reach past the
    // screen's edges.
    const platform::Point pointer = platform::GetCursorPos();
    if (!platform::CreateMainWindow(pointer.x - WindowSize / 2, pointer.y - WindowSize / 2,
                                    WindowSize)) {
        TearDownFrom(TeardownStep::UnregisterClass);
        return false;
    }

    SoundAvailable = BuildSoundBank();
    SoundOn = SoundAvailable;

    platform::SetArrowCursor();

    // Outlines are never filled; the white pen draws unless a fading object
    // selects a grey for one draw.
    BackBufferDC.SelectPen(platform::WhitePen);
    FontBitmap = platform::LoadFontBitmap();

    BackBitmap = platform::Bitmap::Create(WindowSize, WindowSize);
    if (!BackBitmap) {
        TearDownFrom(TeardownStep::ReleaseDrawing);
        return false;
    }
    BackBufferDC.SelectBitmap(BackBitmap.get());

    InitGame();

    // From here on every line and pixel is combined by exclusive-or; the
    // title page was drawn by inverting copies, which do not depend on it.
    BackBufferDC.SetMixMode(platform::MixMode::XorPen);

    CreateGreyPens();

    // The title screen opens over the asteroids of one of the first four
    // levels; the level number itself stays.
    StartLevel(rng::rand() % AttractLevels);

    StartTimer(TimerId::TitlePages, TitlePagePeriodMs);
    StartTimer(TimerId::FrameTick, FrameTickPeriodMs);
    return true;
}

void RunMessageLoop() {
    while (platform::PumpMessage()) {
    }
}

void TearDown() { TearDownFrom(TeardownStep::StopTimers); }

int ProgramMain(const char* commandLine) {
    if (!StartUp(commandLine)) return 0;
    RunMessageLoop();
    TearDown();
    return 0;
}
