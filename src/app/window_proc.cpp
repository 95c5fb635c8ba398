#include "app/window_proc.h"

#include <cmath>

#include "app/frame_tick.h"
#include "app/main_window.h"
#include "app/timers.h"
#include "game/control_keys.h"
#include "game/game_state.h"
#include "game/level_fill.h"
#include "objects/saucer.h"
#include "platform/input.h"
#include "platform/window.h"
#include "scores/name_entry.h"
#include "sound/sound_bank.h"
#include "text/screens.h"

bool Dragging = false;
platform::Point GrabPoint{};
bool BeatPhase = false;

namespace {

using platform::VirtualKey;

constexpr bool Is(std::uint32_t code, VirtualKey key) {
    return code == static_cast<std::uint32_t>(key);
}

constexpr bool InRange(std::uint32_t code, VirtualKey first, VirtualKey last) {
    return code >= static_cast<std::uint32_t>(first) && code <= static_cast<std::uint32_t>(last);
}

// The press rules, tried in order; the first that applies ends the handling.
void KeyPressed(std::uint32_t key) {
    if (Is(key, VirtualKey::Escape)) {
        platform::PostQuitMessage(0);
        return;
    }
    // Before name entry, so the letter S can never be typed into a name.
    if (Is(key, VirtualKey::LetterS)) {
        ToggleSound();
        return;
    }
    if (NameEntryActive) {
        if (InRange(key, VirtualKey::Digit0, VirtualKey::Digit9) ||
            InRange(key, VirtualKey::LetterA, VirtualKey::LetterZ)) {
            AddNameCharacter(static_cast<char>(key));  // the code is the character
        } else if (Is(key, VirtualKey::Enter)) {
            FinishNameEntry();
        } else if (Is(key, VirtualKey::Backspace)) {
            DeleteNameCharacter();
        }
        return;
    }
    if (Playing) {
        if (GameOver) return;
        if (Is(key, VirtualKey::Left) || Is(key, VirtualKey::Right)) {
            TurnKeys();
        } else if (Is(key, VirtualKey::Up)) {
            ThrustKey();
        } else if (Is(key, VirtualKey::Down)) {
            HyperspaceKey(true);
        } else if (Is(key, VirtualKey::Control)) {
            FireKey(true);
        }
        return;
    }
    if (Is(key, VirtualKey::Control)) {
        FireHeld = true;  // the press that starts the game does not also fire
        StartGame();
    }
}

// Releases act only during a game, game over or not.
void KeyReleased(std::uint32_t key) {
    if (!Playing) return;
    if (Is(key, VirtualKey::Left) || Is(key, VirtualKey::Right)) {
        TurnKeys();
    } else if (Is(key, VirtualKey::Up)) {
        ThrustKey();
    } else if (Is(key, VirtualKey::Down)) {
        HyperspaceKey(false);
    } else if (Is(key, VirtualKey::Control)) {
        FireKey(false);
    }
}

void TimerElapsed(std::uint32_t id) {
    if (id > LastTimerId) return;
    switch (static_cast<TimerId>(id)) {
        case TimerId::FrameTick: FrameTick(); break;
        case TimerId::TitlePages: NextTitlePage(); break;
        case TimerId::Respawn: Respawn(); break;
        case TimerId::GameOverDisplay: ReturnToTitle(); break;
        case TimerId::NextLevel: NextLevel(); break;
        case TimerId::SaucerShot: SaucerFire(); break;
        case TimerId::SaucerArrival: SpawnSaucer(); break;
        case TimerId::SaucerTurn: SaucerTurn(); break;
        case TimerId::Beat: Beat(); break;
    }
}

// The grabbed pixel keeps its distance from the window's top-left corner.
void FollowDrag(const platform::Message& message) {
    if (!Dragging || (message.wParam & platform::MouseLeftButton) == 0) return;
    const platform::Point screen =
        platform::ClientToScreen(platform::PointFromParam(message.lParam));
    platform::SetWindowPos(screen.x - GrabPoint.x, screen.y - GrabPoint.y);
}

}  // namespace

bool WindowProcedure(const platform::Message& message) {
    using platform::MessageKind;
    switch (message.kind) {
        case MessageKind::Paint: PaintWindow(); return true;
        case MessageKind::KeyDown: KeyPressed(message.wParam); return true;
        case MessageKind::KeyUp: KeyReleased(message.wParam); return true;
        case MessageKind::Timer: TimerElapsed(message.wParam); return true;
        case MessageKind::LeftButtonDown:
            platform::SetCapture();
            Dragging = true;
            GrabPoint = platform::PointFromParam(message.lParam);
            return true;
        case MessageKind::LeftButtonUp:
            Dragging = false;
            platform::ReleaseCapture();
            GrabPoint = platform::PointFromParam(message.lParam);
            return true;
        case MessageKind::MouseMove: FollowDrag(message); return true;
        case MessageKind::Close:
            // A close request from the desktop ends the game like Esc, through
            // the normal teardown, so it never runs on without its window.
            platform::PostQuitMessage(0);
            return true;
    }
    return false;
}

namespace {

constexpr std::int32_t FastestBeatMs = 250;
constexpr double BeatSlowdownMs = -1250.0;

}  // namespace

std::uint32_t BeatPeriodMs(std::int32_t massLeft, std::int32_t massTotal) {
    const double ratio = static_cast<double>(massLeft) / static_cast<double>(massTotal);
    return static_cast<std::uint32_t>(FastestBeatMs -
                                      static_cast<std::int32_t>(std::trunc(ratio * BeatSlowdownMs)));
}

void Beat() {
    BeatPhase = !BeatPhase;
    if (SoundOn) PlaySound(BeatPhase ? BankSound::BeatHigh : BankSound::BeatLow);
    StopTimer(TimerId::Beat);
    StartTimer(TimerId::Beat, BeatPeriodMs(AsteroidMassLeft, AsteroidMassTotal));
}
