#pragma once

// A game started from the title screen with Ctrl on the headless backend,
// with helpers to press keys at virtual times and to look at the field.

#include <cstdint>

#include "app/object_list.h"
#include "objects/entity.h"
#include "objects/ship.h"
#include "platform/headless/headless.h"
#include "platform/input.h"
#include "support/program_fixture.h"

class PlayTest : public ProgramTest {
protected:
    static constexpr std::int64_t GameStartMs = 100;

    // Starts the program and, at GameStartMs, a game (Ctrl pressed and
    // released 50 ms later); returns with the game running.
    void StartGame(const char* commandLine = "") {
        ASSERT_TRUE(Start(commandLine));
        Press(GameStartMs, platform::VirtualKey::Control);
        Release(GameStartMs + 50, platform::VirtualKey::Control);
        RunUntil(GameStartMs + 60);
        ASSERT_NE(CurrentShip, nullptr);
    }

    static void Press(std::int64_t at, platform::VirtualKey key) {
        platform::headless::ScriptKeyDown(at, static_cast<std::uint8_t>(key));
    }
    static void Release(std::int64_t at, platform::VirtualKey key) {
        platform::headless::ScriptKeyUp(at, static_cast<std::uint8_t>(key));
    }
    // Press and release, `holdMs` apart.
    static void Tap(std::int64_t at, platform::VirtualKey key, std::int64_t holdMs = 30) {
        Press(at, key);
        Release(at + holdMs, key);
    }

    static std::size_t CountOf(EntityKind kind) {
        std::size_t count = 0;
        for (const auto& object : ObjectList) count += object->kind == kind ? 1 : 0;
        return count;
    }

    // Takes the asteroids out of the field, so nothing can hit the ship.
    static void RemoveAsteroids() {
        std::erase_if(ObjectList, [](const auto& o) { return o->kind == EntityKind::Asteroid; });
    }

    static std::int64_t Now() { return platform::headless::Now(); }
};
