#include <gtest/gtest.h>

#include <set>

#include "app/frame_tick.h"
#include "app/random.h"
#include "app/timers.h"
#include "field_fixture.h"
#include "game/game_state.h"
#include "objects/bullet.h"
#include "objects/collision.h"
#include "objects/saucer.h"
#include "objects/ship.h"

namespace {

namespace headless = platform::headless;

bool TimerRuns(TimerId id) { return headless::TimerActive(static_cast<std::uint32_t>(id)); }
std::uint32_t PeriodOf(TimerId id) { return headless::TimerPeriod(static_cast<std::uint32_t>(id)); }

class SaucerTest : public FieldTest {
protected:
    void SetUp() override {
        FieldTest::SetUp();
        StartEmpty();
        StartTimer(TimerId::SaucerArrival, 5000);
    }

    // A ship that has fired: vulnerable, so a saucer may come.
    static void AddVulnerableShip() {
        CreateShip();
        CurrentShip->invulnerable = false;
    }

    // The saucer, placed still at `at` and transformed, brightness as given.
    static Saucer* SpawnAt(WorldPoint at, std::int32_t brightness) {
        SpawnSaucer();
        Saucer* saucer = CurrentSaucer;
        saucer->positionX = at.x;
        saucer->positionY = at.y;
        saucer->velocityX = 0;
        saucer->velocityY = 0;
        saucer->update();
        saucer->brightness = brightness;
        return saucer;
    }

    static std::vector<const Bullet*> Shots() {
        std::vector<const Bullet*> shots;
        for (const auto& object : ObjectList) {
            if (object->kind == EntityKind::Bullet) shots.push_back(static_cast<const Bullet*>(object.get()));
        }
        return shots;
    }
};

TEST_F(SaucerTest, NoSaucerWhileTheShipIsAbsentOrInvulnerable) {
    SpawnSaucer();
    EXPECT_EQ(CurrentSaucer, nullptr);
    CreateShip();
    SpawnSaucer();
    EXPECT_EQ(CurrentSaucer, nullptr);
    EXPECT_TRUE(TimerRuns(TimerId::SaucerArrival)) << "the timer tries again";
    CurrentShip->invulnerable = false;
    SpawnSaucer();
    ASSERT_NE(CurrentSaucer, nullptr);
    EXPECT_FALSE(TimerRuns(TimerId::SaucerArrival));
    EXPECT_EQ(PeriodOf(TimerId::SaucerShot), 800u);
    EXPECT_GE(PeriodOf(TimerId::SaucerTurn), 1000u);
    EXPECT_LT(PeriodOf(TimerId::SaucerTurn), 2000u);
    EXPECT_EQ(ObjectList.back().get(), CurrentSaucer);
    EXPECT_EQ(CurrentSaucer->brightness, 1);
    EXPECT_EQ(CurrentSaucer->heading, 270);
}

TEST_F(SaucerTest, ComesLargeOrSmallAtRandom) {
    AddVulnerableShip();
    std::set<bool> sizes;
    for (std::uint32_t seed = 0; seed < 20; ++seed) {
        rng::srand(seed);
        SpawnSaucer();
        ASSERT_NE(CurrentSaucer, nullptr);
        const double u = CurrentSaucer->modelPoints[3].x;
        EXPECT_EQ(u, CurrentSaucer->isLarge ? 30 : 15);
        sizes.insert(CurrentSaucer->isLarge);
        CurrentSaucer = nullptr;
    }
    EXPECT_EQ(sizes.size(), 2u);
}

TEST(CourseChangeTest, TurnsAreFortyToNinetyDegreesEitherWay) {
    struct Case {
        std::int32_t t, change;
    };
    for (const Case c : {Case{0, -90}, Case{49, -41}, Case{50, -40}, Case{89, -40}, Case{90, 40},
                         Case{130, 40}, Case{131, 41}, Case{179, 89}}) {
        EXPECT_EQ(CourseChange(c.t), c.change) << "t = " << c.t;
    }
}

TEST_F(SaucerTest, ChangeOfCourseKeepsItWithinAFullTurnAndSetsTheVelocity) {
    AddVulnerableShip();
    SpawnSaucer();
    Saucer& saucer = *CurrentSaucer;
    std::set<std::uint32_t> delays;
    for (int turn = 0; turn < 500; ++turn) {
        const std::int32_t before = saucer.course;
        // An independent copy of the generator predicts the turn draw and
        // then the delay of the next turn.
        const std::uint32_t seed = 1000u + 7919u * static_cast<std::uint32_t>(turn);
        std::uint32_t state = seed;
        const auto draw = [&state] {
            state = state * 214013u + 2531011u;
            return static_cast<int>((state >> 16) & 0x7FFF);
        };
        const std::int32_t turnDraw = draw() % 180;
        const auto delay = static_cast<std::uint32_t>(draw() % 1000 + 1000);
        rng::srand(seed);
        saucer.changeCourse();
        EXPECT_EQ(saucer.course, ((before + CourseChange(turnDraw)) % 360 + 360) % 360);
        EXPECT_EQ(PeriodOf(TimerId::SaucerTurn), delay) << "timer 7 runs again with a fresh draw";
        delays.insert(delay);
        ASSERT_GE(saucer.course, 0);
        ASSERT_LT(saucer.course, 360);
        const std::int32_t change = ((saucer.course - before) % 360 + 360) % 360;
        EXPECT_TRUE((change >= 40 && change <= 89) || (change >= 270 && change <= 320)) << change;
        EXPECT_DOUBLE_EQ(saucer.velocityX, 3 * SinTable[saucer.course]);
        EXPECT_DOUBLE_EQ(saucer.velocityY, 3 * CosTable[saucer.course]);
        EXPECT_GE(PeriodOf(TimerId::SaucerTurn), 1000u);
        EXPECT_LT(PeriodOf(TimerId::SaucerTurn), 2000u);
    }
    EXPECT_GT(delays.size(), 300u);
}

TEST_F(SaucerTest, FiresOnlyOnceSolid) {
    AddVulnerableShip();
    Saucer* saucer = SpawnAt({100, 100}, 1);
    for (int update = 1; update < 127; ++update) saucer->update();
    EXPECT_EQ(saucer->brightness, 127);
    SaucerFire();
    EXPECT_TRUE(Shots().empty()) << "no shot while fading in";
    saucer->update();
    EXPECT_EQ(saucer->brightness, 128);
    SaucerFire();
    EXPECT_EQ(Shots().size(), 1u);
}

TEST_F(SaucerTest, ShotStartsThirtyOrFifteenUnitsOutInARandomDirection) {
    AddVulnerableShip();
    std::set<bool> sizesSeen;
    for (std::uint32_t seed = 0; seed < 20; ++seed) {
        ClearObjects();
        AddVulnerableShip();
        rng::srand(seed);
        Saucer* saucer = SpawnAt({100, 100}, 128);
        const std::uint32_t state = static_cast<std::uint32_t>(rng::rand());
        rng::srand(state);
        const int direction = rng::rand() % 360;
        rng::srand(state);
        SaucerFire();
        ASSERT_EQ(Shots().size(), 1u);
        const Bullet& shot = *Shots().back();
        const double r = saucer->isLarge ? 30 : 15;
        EXPECT_EQ(shot.heading, direction);
        EXPECT_DOUBLE_EQ(shot.positionX, 100 + r * CosTable[direction]);
        EXPECT_DOUBLE_EQ(shot.positionY, 100 + r * SinTable[direction]);
        EXPECT_DOUBLE_EQ(shot.velocityX, 12 * CosTable[direction]);
        EXPECT_DOUBLE_EQ(shot.velocityY, 12 * SinTable[direction]);
        sizesSeen.insert(saucer->isLarge);
    }
    EXPECT_EQ(sizesSeen.size(), 2u);
}

// Every message of the saucer's shot timer the program handled: the saucer's
// brightness (one more than its updates) and the shots in the field after it.
struct ShotTick {
    std::int32_t brightness;
    std::size_t shotsAfter;
};
std::vector<ShotTick> ShotTicks;

std::size_t ShotsInTheField() {
    std::size_t shots = 0;
    for (const auto& object : ObjectList) shots += object->kind == EntityKind::Bullet ? 1 : 0;
    return shots;
}

void RecordShotTick(const platform::Message& message) {
    if (message.kind != platform::MessageKind::Timer ||
        message.wParam != static_cast<std::uint32_t>(TimerId::SaucerShot) ||
        CurrentSaucer == nullptr) {
        return;
    }
    ShotTicks.push_back({CurrentSaucer->brightness, ShotsInTheField()});
}

TEST_F(SaucerTest, FirstShotComesAtTheFirstShotTickAfter127Updates) {
    ASSERT_TRUE(Start());
    ClearObjects();
    AddVulnerableShip();
    CurrentShip->positionX = -400;  // out of the saucer's way
    SpawnSaucer();
    ASSERT_NE(CurrentSaucer, nullptr);
    ShotTicks.clear();
    headless::SetDispatchObserver(RecordShotTick);
    while (ShotsInTheField() == 0 && headless::Now() < 20000) {
        RunUntil(headless::Now() + 10);
        ASSERT_NE(CurrentSaucer, nullptr) << "the saucer met something: choose another seed";
    }
    headless::SetDispatchObserver(nullptr);
    ASSERT_GE(ShotTicks.size(), 2u) << "shot ticks came while the saucer faded in";
    const ShotTick& first = ShotTicks.back();
    EXPECT_GE(first.brightness, 128) << "updated 127 times or more";
    EXPECT_EQ(first.shotsAfter, 1u);
    // Every earlier shot tick found it still fading in, so this is the first
    // shot tick once solid.
    for (std::size_t k = 0; k + 1 < ShotTicks.size(); ++k) {
        EXPECT_LT(ShotTicks[k].brightness, 128) << "shot tick " << k;
        EXPECT_EQ(ShotTicks[k].shotsAfter, 0u) << "shot tick " << k << " fired";
    }
}

TEST_F(SaucerTest, CollidesOnlyOnceSolidAndScoresNothing) {
    AddVulnerableShip();
    CurrentShip->positionX = -400;
    CurrentShip->update();
    Saucer* saucer = SpawnAt({0, 0}, 127);
    auto shot = std::make_unique<Bullet>(WorldPoint{0, 0}, 0);
    shot->velocityX = 0;
    shot->update();
    AddObject(std::move(shot));
    DetectCollisions();
    EXPECT_TRUE(saucer->alive) << "shots pass through a fading saucer";
    saucer->brightness = 128;
    DetectCollisions();
    ASSERT_FALSE(saucer->alive);

    Score = 1234;
    std::unique_ptr<Entity> dead = std::move(ObjectList[1]);
    ObjectList.erase(ObjectList.begin() + 1);
    ASSERT_EQ(dead.get(), saucer);
    dead->onDestroyed();
    EXPECT_EQ(Score, 1234);
    EXPECT_EQ(CurrentSaucer, nullptr);
    EXPECT_FALSE(TimerRuns(TimerId::SaucerShot));
    EXPECT_FALSE(TimerRuns(TimerId::SaucerTurn));
    const std::uint32_t next = PeriodOf(TimerId::SaucerArrival);
    EXPECT_TRUE(next == 5000 || next == 6000 || next == 7000 || next == 8000) << next;
    EXPECT_EQ(ObjectList.back()->kind, EntityKind::Debris);
}

TEST_F(SaucerTest, ShotsAsteroidsAndTheShipMeetTheSaucerOnlyOnceItIsSolid) {
    struct Case {
        EntityKind partner;
        std::int32_t brightness;
        bool hit;
    };
    for (const Case c : {Case{EntityKind::Bullet, 127, false}, Case{EntityKind::Bullet, 128, true},
                         Case{EntityKind::Asteroid, 127, false}, Case{EntityKind::Asteroid, 128, true},
                         Case{EntityKind::Ship, 127, false}, Case{EntityKind::Ship, 128, true}}) {
        ClearObjects();
        AddVulnerableShip();
        Ship* ship = CurrentShip;
        Saucer* saucer = SpawnAt({0, 0}, c.brightness);
        Entity* partner = nullptr;
        if (c.partner == EntityKind::Ship) {
            // The ship, earlier in the list, around the saucer's widest point.
            ship->heading = 0;
            ship->positionX = saucer->modelPoints[3].x - 2;
            ship->positionY = 2;
            ship->update();
            partner = ship;
        } else {
            ship->positionX = -400;  // out of the way
            ship->update();
            std::unique_ptr<Entity> other;
            if (c.partner == EntityKind::Bullet) {
                other = std::make_unique<Bullet>(WorldPoint{0, 0}, 0);
                other->velocityX = 0;
            } else {
                other = std::make_unique<TestShape>(EntityKind::Asteroid, Square(4),
                                                    WorldPoint{0, 0});
            }
            other->update();
            partner = other.get();
            AddObject(std::move(other));
        }
        DetectCollisions();
        EXPECT_EQ(!saucer->alive, c.hit) << static_cast<int>(c.partner) << " at " << c.brightness;
        EXPECT_EQ(!partner->alive, c.hit) << static_cast<int>(c.partner) << " at " << c.brightness;
    }
}

TEST_F(SaucerTest, EndOfTheGameLeavesTheSaucerDriftingWithoutShots) {
    AddVulnerableShip();
    Saucer* saucer = SpawnAt({0, 0}, 200);
    Score = 0;
    EndGame();
    EXPECT_EQ(CurrentSaucer, nullptr);
    EXPECT_FALSE(TimerRuns(TimerId::SaucerShot));
    EXPECT_FALSE(TimerRuns(TimerId::SaucerTurn));
    EXPECT_FALSE(TimerRuns(TimerId::SaucerArrival));
    SaucerFire();
    SaucerTurn();
    EXPECT_TRUE(Shots().empty());
    EXPECT_EQ(ObjectList.back().get(), saucer) << "it stays in the field";
}

TEST_F(SaucerTest, PictureIsTheOutlineAndTwoInnerLinesErasedExactly) {
    for (const WorldPoint at : {WorldPoint{0, 0}, WorldPoint{490, 0}, WorldPoint{490, 490}}) {
        ClearObjects();
        ClearBackBuffer();
        AddVulnerableShip();  // never drawn here: only the saucer is
        Saucer* saucer = SpawnAt(at, 255);
        saucer->toggleDraw();  // primes
        saucer->toggleDraw();
        // The same picture by hand: the outline and the two lines.
        platform::DrawContext reference;
        auto bitmap = platform::Bitmap::Create(BackBitmap->width(), BackBitmap->height());
        reference.SelectBitmap(bitmap.get());
        reference.SetMixMode(platform::MixMode::XorPen);
        const auto& p = saucer->screenPoints;
        const auto drawAt = [&](std::int32_t ox, std::int32_t oy) {
            std::vector<platform::Point> moved;
            for (const platform::Point& q : p) moved.push_back({q.x + ox, q.y + oy});
            reference.Polygon(moved);
            reference.MoveToEx(moved[2].x, moved[2].y);
            reference.LineTo(moved[7].x, moved[7].y);
            reference.MoveToEx(moved[3].x, moved[3].y);
            reference.LineTo(moved[6].x, moved[6].y);
        };
        drawAt(0, 0);
        const std::int32_t s = WindowSize;
        if (at.x > 0) drawAt(-s, 0);
        if (at.y > 0) {
            drawAt(0, -s);
            drawAt(-s, -s);
        }
        EXPECT_EQ(BackBitmap->pixels(), bitmap->pixels()) << at.x << "," << at.y;
        saucer->toggleDraw();
        EXPECT_TRUE(AllBlack()) << at.x << "," << at.y;
        saucer->primed = false;  // nothing of it is on the screen now
        CurrentShip->primed = false;
    }
}

}  // namespace
