#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <numbers>

#include "app/frame_tick.h"
#include "app/random.h"
#include "app/timers.h"
#include "field_fixture.h"
#include "objects/bullet.h"
#include "objects/debris.h"
#include "objects/ship.h"
#include "platform/headless/headless_audio.h"
#include "sound/sound_bank.h"

namespace {

namespace headless = platform::headless;

class ShipTest : public FieldTest {
protected:
    void SetUp() override {
        FieldTest::SetUp();
        StartEmpty("200");
        CreateShip();
        ASSERT_NE(CurrentShip, nullptr);
        ship = CurrentShip;
    }

    // Makes the ship an ordinary, vulnerable one as its first shot does: at
    // the next draw, so that the erase still uses the pen it was drawn with.
    void MakeVulnerable() {
        ship->justFired = true;
        FrameTick();
        ASSERT_FALSE(ship->invulnerable);
    }

    static std::size_t CountOf(EntityKind kind) {
        std::size_t count = 0;
        for (const auto& object : ObjectList) count += object->kind == kind ? 1 : 0;
        return count;
    }

    static std::uint8_t BrightestPixel() {
        std::uint8_t brightest = 0;
        for (const std::uint8_t p : BackBitmap->pixels()) brightest = std::max(brightest, p);
        return brightest;
    }

    Ship* ship = nullptr;
};

TEST_F(ShipTest, NewShipSitsAtTheCentreWithARandomHeadingAndIsInvulnerable) {
    rng::srand(1);  // the next draw is 41
    CreateShip();
    const Ship& fresh = *CurrentShip;
    EXPECT_EQ(fresh.heading, 41);
    EXPECT_EQ(fresh.positionX, 0);
    EXPECT_EQ(fresh.positionY, 0);
    EXPECT_EQ(fresh.velocityX, 0);
    EXPECT_EQ(fresh.spin, 0);
    EXPECT_TRUE(fresh.invulnerable);
    EXPECT_FALSE(fresh.thrusting);
    EXPECT_FALSE(fresh.inHyperspace);
    EXPECT_EQ(fresh.pointCount(), 4);
    EXPECT_EQ(ObjectList.back().get(), CurrentShip);
}

TEST_F(ShipTest, ThrustFromRestApproachesButNeverExceedsItsTopSpeed) {
    ship->heading = 0;
    ship->thrusting = true;
    ship->update();
    EXPECT_DOUBLE_EQ(ship->velocityX, 0.3 * 0.97);
    EXPECT_DOUBLE_EQ(ship->velocityY, 0.0);
    double fastest = 0;
    for (int tick = 0; tick < 3000; ++tick) {
        ship->update();
        fastest = std::max(fastest, ship->velocityX);
    }
    EXPECT_LT(fastest, 9.7);
    EXPECT_NEAR(ship->velocityX, 9.7, 1e-9);
}

TEST_F(ShipTest, InvulnerableShipPulsesInGrey) {
    struct Case {
        int ticks;
        std::uint8_t grey;  // 175 + trunc(80 * sin(5 degrees * ticks))
    };
    for (const Case c : {Case{1, 181}, Case{2, 188}, Case{18, 255}, Case{54, 95}}) {
        ClearObjects();
        ClearBackBuffer();
        CreateShip();
        for (int tick = 0; tick < c.ticks; ++tick) FrameTick();
        EXPECT_EQ(BrightestPixel(), c.grey) << "after " << c.ticks << " ticks";
        EXPECT_EQ(BackBufferDC.pen(), platform::WhitePen);
    }
}

TEST_F(ShipTest, FirstShotEndsTheInvulnerabilityFromTheNextErase) {
    FrameTick();
    const std::uint8_t pulsing = BrightestPixel();
    ship->fire();
    EXPECT_TRUE(ship->justFired);
    EXPECT_TRUE(ship->invulnerable) << "until the next draw";
    FrameTick();
    EXPECT_FALSE(ship->invulnerable);
    EXPECT_FALSE(ship->justFired);
    EXPECT_EQ(BrightestPixel(), 255) << "the erase used the grey pen, the draw the white one";
    EXPECT_NE(pulsing, 255);
}

TEST_F(ShipTest, NewLevelMakesALivingShipInvulnerableAgainAtTheNextDraw) {
    MakeVulnerable();
    ship->pendingInvulnerable = true;
    FrameTick();
    EXPECT_TRUE(ship->invulnerable);
    EXPECT_FALSE(ship->pendingInvulnerable);
}

TEST_F(ShipTest, HyperspaceJumpTakes68TicksAndLandsOnAWholePoint) {
    for (std::uint32_t seed = 0; seed < 20; ++seed) {
        ClearObjects();
        ClearBackBuffer();
        rng::srand(seed);
        CreateShip();
        ship = CurrentShip;
        FrameTick();
        MakeVulnerable();
        ship->velocityX = 3;
        ship->thrusting = true;  // thrust held through the jump adds nothing
        ship->startHyperspace();
        EXPECT_TRUE(ship->inHyperspace);
        EXPECT_TRUE(ship->invulnerable);
        EXPECT_EQ(ship->velocityX, 0);
        int ticks = 0;
        while (ship->inHyperspace && ticks < 200) {
            FrameTick();
            ++ticks;
            if (ticks == 34) {
                EXPECT_FALSE(ship->hyperspaceOutbound) << "the jump comes in the 34th tick";
                EXPECT_EQ(ship->positionX, std::trunc(ship->positionX));
                EXPECT_GE(ship->positionX, -500);
                EXPECT_LE(ship->positionX, 499);
                EXPECT_GE(ship->positionY, -500);
                EXPECT_LE(ship->positionY, 499);
            }
        }
        EXPECT_EQ(ticks, 68);
        EXPECT_FALSE(ship->invulnerable);
        EXPECT_EQ(ship->velocityX, 0);
        EXPECT_EQ(ship->velocityY, 0);
    }
}

TEST_F(ShipTest, HyperspaceShowsGreySquaresInsteadOfTheShip) {
    FrameTick();
    MakeVulnerable();
    ship->startHyperspace();
    EXPECT_EQ(LitPixels(), 0) << "the jump starts by erasing the ship";
    FrameTick();  // primed, then drawn at radius 3: a 6 by 6 square in grey 63
    EXPECT_EQ(LitPixels(), 20);
    EXPECT_EQ(BrightestPixel(), 63);
    FrameTick();  // radius 6: 12 by 12
    EXPECT_EQ(LitPixels(), 44);
    for (int tick = 0; tick < 8; ++tick) FrameTick();  // radius 30: the second square too
    std::set<std::uint8_t> greys(BackBitmap->pixels().begin(), BackBitmap->pixels().end());
    EXPECT_TRUE(greys.count(63) && greys.count(127)) << "two squares";
    EXPECT_FALSE(greys.count(191));
}

TEST_F(ShipTest, HyperspaceIsRefusedWhileInvulnerable) {
    ASSERT_TRUE(ship->invulnerable);
    ship->startHyperspace();
    EXPECT_FALSE(ship->inHyperspace);
    MakeVulnerable();
    ship->startHyperspace();
    ASSERT_TRUE(ship->inHyperspace);
    ship->hyperspaceRadius = 12;
    ship->startHyperspace();  // a jump in progress is not restarted
    EXPECT_EQ(ship->hyperspaceRadius, 12);
}

TEST_F(ShipTest, DyingShipLeavesTenCloudsAndBringsTheNextOneTwoSecondsAfterItsDeletion) {
    FrameTick();
    ship->alive = false;
    FrameTick();
    EXPECT_EQ(CurrentShip, nullptr);
    EXPECT_EQ(CountOf(EntityKind::Debris), 10u);
    std::vector<std::int32_t> lifeSpans;
    for (const auto& object : ObjectList) lifeSpans.push_back(static_cast<const Debris&>(*object).lifeSpan);
    EXPECT_EQ(lifeSpans, (std::vector<std::int32_t>{50, 100, 150, 200, 250, 300, 350, 400, 450, 500}));
    EXPECT_EQ(headless::TimerPeriod(static_cast<std::uint32_t>(TimerId::Respawn)), 2000u);
}

TEST_F(ShipTest, ClearingTheFieldUnderALiveShipDeletesItsDebrisToo) {
    FrameTick();
    ClearObjects();
    EXPECT_TRUE(ObjectList.empty());
    EXPECT_EQ(CurrentShip, nullptr);
    EXPECT_TRUE(AllBlack());
}

TEST_F(ShipTest, ShotsLeaveTheNoseAt12UnitsPerTickWhateverTheShipsSpeed) {
    ship->heading = 0;
    ship->velocityX = 5;
    ship->velocityY = -3;
    ship->fire();
    const Bullet& shot = static_cast<const Bullet&>(*ObjectList.back());
    EXPECT_EQ(shot.kind, EntityKind::Bullet);
    EXPECT_EQ(shot.positionX, 30);
    EXPECT_EQ(shot.positionY, 0);
    EXPECT_EQ(shot.velocityX, 12);
    EXPECT_EQ(shot.velocityY, 0);
}

TEST_F(ShipTest, NoShotAndNoSoundDuringAJump) {
    headless::Settings withSound;
    withSound.soundDevice = true;
    ASSERT_TRUE(Start("200", withSound));
    ClearObjects();
    CreateShip();
    ship = CurrentShip;
    ASSERT_TRUE(SoundOn);
    ship->fire();  // heard: the first buffer of the shot pool
    ASSERT_EQ(FireSoundIndex, 1);
    FrameTick();
    ASSERT_FALSE(ship->invulnerable);
    ship->startHyperspace();
    ASSERT_TRUE(ship->inHyperspace);
    const std::size_t before = ObjectList.size();
    ship->fire();
    EXPECT_EQ(ObjectList.size(), before);
    EXPECT_FALSE(ship->justFired);
    EXPECT_EQ(FireSoundIndex, 1) << "the pool did not move on";
    for (const BankSlot& slot : BankSlots()) {
        if (slot.name.rfind("FireSound", 0) != 0 || slot.name == "FireSound1") continue;
        ASSERT_NE(slot.buffer, nullptr) << slot.name;
        EXPECT_FALSE(headless::BufferSounding(*slot.buffer)) << slot.name;
    }
}

TEST(BulletTest, FliesFortyOneUpdatesWrappingAtTheEdge) {
    ResetProgramState();
    for (int i = 0; i < 360; ++i) {
        CosTable[i] = std::cos(i * std::numbers::pi / 180);
        SinTable[i] = std::sin(i * std::numbers::pi / 180);
    }
    Bullet shot({30, 0}, 0);
    shot.update();
    EXPECT_EQ(shot.positionX, 42);
    for (int update = 2; update <= 39; ++update) shot.update();
    EXPECT_EQ(shot.positionX, 498);
    shot.update();
    EXPECT_EQ(shot.positionX, -490) << "510 is past the edge";
    EXPECT_TRUE(shot.alive);
    shot.update();
    EXPECT_EQ(shot.positionX, -478);
    EXPECT_FALSE(shot.alive);
    shot.onDestroyed();
    EXPECT_TRUE(ObjectList.empty()) << "a shot leaves nothing behind";
}

}  // namespace
