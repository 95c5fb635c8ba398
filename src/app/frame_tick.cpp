#include "app/frame_tick.h"

#include "app/object_list.h"
#include "game/game_state.h"
#include "objects/collision.h"
#include "text/screens.h"

std::int32_t StatusCounter = 360;
platform::SystemTime LastTickTime{};

namespace {

// A tick starts at least this long after the clock reading of the previous one.
constexpr int TickPeriodMs = 30;
constexpr int MsPerSecond = 1000;
// In game-over mode the counter stops here, so the text stays.
constexpr std::int32_t GameOverStatusLimit = 2;

bool StatusTextOnScreen() { return StatusCounter >= 1 && StatusCounter < StatusHidden; }

// Only the milliseconds fields are compared, so the pace holds across a
// second boundary but not across a pause of a second or more.
void HoldPace() {
    const platform::SystemTime now = platform::GetSystemTime();
    int elapsed = now.milliseconds - LastTickTime.milliseconds;
    if (elapsed < 0) elapsed += MsPerSecond;
    if (elapsed < TickPeriodMs) platform::Sleep(static_cast<std::uint32_t>(TickPeriodMs - elapsed));
    // The reading taken before the pause, not after it.
    LastTickTime = now;
}

}  // namespace

void FrameTick() {
    HoldPace();

    if (StatusCounter < StatusHidden) {
        DrawStatusText();  // removes the copy the previous tick drew
        if (GameOver) {
            if (StatusCounter < GameOverStatusLimit) ++StatusCounter;
        } else {
            ++StatusCounter;
        }
    }

    // The count is read again on every pass: onDestroyed and destructors
    // append, and removal moves the later objects down one place.
    for (std::size_t i = 0; i < ObjectList.size(); ++i) {
        Entity& object = *ObjectList[i];
        object.toggleDraw();
        if (object.alive) {
            object.update();
            object.toggleDraw();
        } else {
            // Out of the list before onDestroyed, so a scan there no longer sees it.
            std::unique_ptr<Entity> dead = std::move(ObjectList[i]);
            ObjectList.erase(ObjectList.begin() + static_cast<std::ptrdiff_t>(i));
            dead->onDestroyed();
            dead.reset();
            --i;  // index i now holds the next object
        }
    }

    if (StatusCounter < StatusHidden) DrawStatusText();

    DetectCollisions();
}

void ShowStatusText() {
    if (StatusTextOnScreen()) DrawStatusText();
    StatusCounter = 0;
}

void HideStatusText() {
    if (StatusTextOnScreen()) DrawStatusText();
    StatusCounter = StatusHidden;
}
