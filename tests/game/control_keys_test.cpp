#include <gtest/gtest.h>

#include "game/control_keys.h"
#include "play_fixture.h"

namespace {

using platform::VirtualKey;

class ControlKeysTest : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        StartGame();
        RemoveAsteroids();
    }
};

TEST_F(ControlKeysTest, TurnFollowsBothArrowsLive) {
    const std::int64_t t = Now();
    Press(t + 10, VirtualKey::Left);
    RunUntil(t + 15);
    EXPECT_EQ(CurrentShip->spin, -5);
    Press(t + 20, VirtualKey::Right);
    RunUntil(t + 25);
    EXPECT_EQ(CurrentShip->spin, 0) << "both held: no turn";
    Release(t + 30, VirtualKey::Left);
    RunUntil(t + 35);
    EXPECT_EQ(CurrentShip->spin, 5) << "turns toward the arrow still held";
    Release(t + 40, VirtualKey::Right);
    RunUntil(t + 45);
    EXPECT_EQ(CurrentShip->spin, 0);
}

TEST_F(ControlKeysTest, ThrustFollowsTheUpArrow) {
    const std::int64_t t = Now();
    Press(t + 10, VirtualKey::Up);
    RunUntil(t + 15);
    EXPECT_TRUE(CurrentShip->thrusting);
    Release(t + 100, VirtualKey::Up);
    RunUntil(t + 105);
    EXPECT_FALSE(CurrentShip->thrusting);
    EXPECT_NE(CurrentShip->velocityX * CurrentShip->velocityX + CurrentShip->velocityY * CurrentShip->velocityY, 0.0);
}

TEST_F(ControlKeysTest, TheCtrlPressThatStartedTheGameFiresNothing) {
    EXPECT_EQ(CountOf(EntityKind::Bullet), 0u);
}

TEST_F(ControlKeysTest, EachPressFiresOnceHoweverManyRepeatsArrive) {
    const std::int64_t t = Now();
    Press(t + 10, VirtualKey::Control);
    Press(t + 20, VirtualKey::Control);  // auto-repeats
    Press(t + 30, VirtualKey::Control);
    RunUntil(t + 40);
    EXPECT_EQ(CountOf(EntityKind::Bullet), 1u);
    Release(t + 50, VirtualKey::Control);
    Press(t + 60, VirtualKey::Control);
    RunUntil(t + 70);
    EXPECT_EQ(CountOf(EntityKind::Bullet), 2u);
}

TEST_F(ControlKeysTest, ReleaseWhosePressWasNeverSeenFiresOnce) {
    ASSERT_FALSE(FireHeld);
    Release(Now() + 10, VirtualKey::Control);
    RunUntil(Now() + 20);
    EXPECT_EQ(CountOf(EntityKind::Bullet), 1u);
    EXPECT_FALSE(FireHeld);
}

TEST_F(ControlKeysTest, DownOnAPulsingShipIsUsedUp) {
    const std::int64_t t = Now();
    Press(t + 10, VirtualKey::Down);  // refused: the new ship is invulnerable
    Tap(t + 20, VirtualKey::Control);  // the first shot: vulnerable from the next tick
    RunUntil(t + 100);
    ASSERT_FALSE(CurrentShip->invulnerable);
    Press(t + 150, VirtualKey::Down);  // the held key's auto-repeats
    Press(t + 180, VirtualKey::Down);
    RunUntil(t + 200);
    EXPECT_FALSE(CurrentShip->inHyperspace) << "keeping Down held starts no jump";
    Release(t + 210, VirtualKey::Down);
    Press(t + 220, VirtualKey::Down);
    RunUntil(t + 230);
    EXPECT_TRUE(CurrentShip->inHyperspace) << "a new press does";
}

TEST_F(ControlKeysTest, CtrlDuringAJumpFiresNothingButSetsTheLatch) {
    const std::int64_t t = Now();
    Tap(t + 10, VirtualKey::Control);
    RunUntil(t + 100);
    Tap(t + 110, VirtualKey::Down);
    RunUntil(t + 120);
    ASSERT_TRUE(CurrentShip->inHyperspace);
    const std::size_t shots = CountOf(EntityKind::Bullet);
    Press(t + 130, VirtualKey::Control);
    RunUntil(t + 140);
    EXPECT_EQ(CountOf(EntityKind::Bullet), shots);
    EXPECT_TRUE(FireHeld);
}

TEST_F(ControlKeysTest, WithoutAShipTheControlsDoNothing) {
    CurrentShip->alive = false;
    RunUntil(Now() + 40);
    ASSERT_EQ(CurrentShip, nullptr);
    const std::size_t objects = ObjectList.size();
    const std::int64_t t = Now();
    Tap(t + 10, VirtualKey::Control);
    Tap(t + 10, VirtualKey::Left);
    Tap(t + 10, VirtualKey::Up);
    Tap(t + 10, VirtualKey::Down);
    RunUntil(t + 20);
    EXPECT_EQ(CountOf(EntityKind::Bullet), 0u);
    EXPECT_LE(ObjectList.size(), objects) << "only the debris clouds fade";
}

}  // namespace
