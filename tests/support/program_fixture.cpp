#include "program_fixture.h"

#include <random>
#include <string>

#include "app/frame_tick.h"
#include "app/main_window.h"
#include "app/object_list.h"
#include "app/program.h"
#include "app/random.h"
#include "app/window_proc.h"
#include "game/control_keys.h"
#include "game/game_state.h"
#include "game/level_fill.h"
#include "objects/saucer.h"
#include "objects/ship.h"
#include "scores/high_scores.h"
#include "scores/name_entry.h"
#include "sound/sound_bank.h"
#include "text/screens.h"

void ResetProgramState(const platform::headless::Settings& settings) {
    // Deleting objects may append others (a ship leaves debris), so the list
    // is emptied until nothing more arrives.
    while (!ObjectList.empty()) {
        auto objects = std::move(ObjectList);
        ObjectList.clear();
    }
    CurrentShip = nullptr;
    CurrentSaucer = nullptr;
    // The sound device goes with the machine it belongs to.
    DestroySoundBank();
    platform::headless::Reset(settings);
    WindowSize = 0;
    HalfWindowSize = 0;
    BackBufferDC = platform::DrawContext{};
    BackBitmap.reset();
    FontBitmap.reset();
    GreyPens = {};
    SinTable = {};
    CosTable = {};
    StatusCounter = 360;
    LastTickTime = {};
    Dragging = false;
    GrabPoint = {};
    BeatPhase = false;
    Score = 0;
    Lives = 0;
    Level = 0;
    ScoreToBeat = 0;
    Playing = false;
    GameOver = false;
    NameEntryActive = false;
    TitlePage = 0;
    AsteroidMassTotal = 0;
    AsteroidMassLeft = 0;
    FireHeld = false;
    HyperspaceHeld = false;
    SoundOn = true;
    SoundAvailable = true;
    FireSoundIndex = 0;
    BangSoundIndex = 0;
    HighScoreTable = {};
    PlayerName[0] = '\0';
    rng::srand(1);
}

namespace {

// A new empty directory of this test's own under the temporary directory;
// empty when none can be made. create_directory is false for a name that
// exists, so two tests never share one.
std::filesystem::path FreshDirectory() {
    std::random_device entropy;
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    constexpr int Attempts = 100;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        const std::filesystem::path candidate =
            base / ("zumiasteroids-test-" + std::to_string(entropy()));
        std::error_code error;
        if (std::filesystem::create_directory(candidate, error)) return candidate;
    }
    return {};
}

}  // namespace

bool ProgramTest::Start(const char* commandLine, const platform::headless::Settings& settings) {
    Finish();
    ResetProgramState(settings);
    running_ = StartUp(commandLine);
    return running_;
}

void ProgramTest::Finish() {
    if (running_) ::TearDown();
    running_ = false;
}

void ProgramTest::SetUp() {
    previousDirectory_ = std::filesystem::current_path();
    directory_ = FreshDirectory();
    ASSERT_FALSE(directory_.empty());
    std::filesystem::current_path(directory_);
    ResetProgramState();
}

void ProgramTest::TearDown() {
    Finish();
    // Nothing of a test outlives it, whatever it left in the field.
    ResetProgramState();
    std::filesystem::current_path(previousDirectory_);
    std::error_code ignored;
    std::filesystem::remove_all(directory_, ignored);
}
