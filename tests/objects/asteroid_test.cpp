#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <numbers>

#include "app/frame_tick.h"
#include "app/random.h"
#include "app/timers.h"
#include "field_fixture.h"
#include "game/game_state.h"
#include "game/level_fill.h"
#include "objects/asteroid.h"
#include "objects/debris.h"

namespace {

namespace headless = platform::headless;

class AsteroidTest : public FieldTest {
protected:
    void SetUp() override {
        FieldTest::SetUp();
        StartEmpty();
    }

    static Asteroid* AddAsteroid(std::int32_t size, std::uint8_t brightness = 1) {
        auto asteroid = std::make_unique<Asteroid>(nullptr, false, size, WorldPoint{0, 0}, brightness);
        Asteroid* raw = asteroid.get();
        AddObject(std::move(asteroid));
        return raw;
    }

    static std::vector<const Asteroid*> Asteroids() {
        std::vector<const Asteroid*> found;
        for (const auto& object : ObjectList) {
            if (object->kind == EntityKind::Asteroid) found.push_back(static_cast<const Asteroid*>(object.get()));
        }
        return found;
    }
};

TEST_F(AsteroidTest, OutlineHasTwelveVerticesAtRandomRadiiAndSteps) {
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
        rng::srand(seed);
        const std::int32_t size = 12 + static_cast<std::int32_t>(seed % 88);
        const Asteroid asteroid(nullptr, false, size, {0, 0}, 1);
        ASSERT_EQ(asteroid.pointCount(), 12);
        double previous = -1;
        for (const WorldPoint& m : asteroid.modelPoints) {
            const double r = std::hypot(m.x, m.y);
            EXPECT_GE(std::lround(r), size - 4);
            EXPECT_LE(std::lround(r), size - 4 + size / 2 - 1);
            double angle = std::atan2(m.x, m.y) * 180.0 / std::numbers::pi;  // made at (r sin a, r cos a)
            if (angle < 0) angle += 360;
            if (previous >= 0) {
                EXPECT_GE(std::lround(angle - previous), 26);
                EXPECT_LE(std::lround(angle - previous), 33);
            } else {
                EXPECT_NEAR(angle, 0, 1e-9);
            }
            previous = angle;
        }
    }
}

// Draws that make every step of the outline its largest, 33 degrees.
int LargestSteps() {
    static int call = 0;
    return call++ % 2 == 0 ? 0 : 7;
}

TEST_F(AsteroidTest, OutlinePassingAFullTurnEarlyKeepsTheVerticesItHas) {
    // Eleven steps of 33 degrees reach 363 after the eleventh vertex.
    const std::vector<WorldPoint> outline = AsteroidOutline(40, LargestSteps);
    ASSERT_EQ(outline.size(), 11u);
    EXPECT_NEAR(std::atan2(outline[10].x, outline[10].y) * 180.0 / std::numbers::pi, 330 - 360, 1e-9);
}

TEST_F(AsteroidTest, GamesGeneratorAlwaysMakesTwelveVertices) {
    // The step draws use bits 16..18 of the generator's state, which follow
    // from the state's low 19 bits alone, so these seeds cover every case.
    for (std::uint32_t seed = 0; seed < (1u << 19); ++seed) {
        rng::srand(seed);
        ASSERT_EQ(AsteroidOutline(12, rng::rand).size(), 12u) << "seed " << seed;
    }
}

TEST_F(AsteroidTest, SpinIsNeverZeroAndNegativeSpinsAreKeptAsAFullTurnLess) {
    std::set<std::int32_t> spins;
    for (std::uint32_t seed = 0; seed < 500; ++seed) {
        rng::srand(seed);
        const Asteroid asteroid(nullptr, false, 50, {0, 0}, 1);
        spins.insert(asteroid.spin);
        EXPECT_GE(asteroid.heading, 0);
        EXPECT_LT(asteroid.heading, 360);
    }
    EXPECT_EQ(spins, (std::set<std::int32_t>{1, 2, 3, 4, 356, 357, 358, 359}));
}

TEST_F(AsteroidTest, FreshVelocityLiesOnTheGridFromMinus4To3995) {
    for (std::uint32_t seed = 0; seed < 500; ++seed) {
        rng::srand(seed);
        const Asteroid asteroid(nullptr, false, 50, {0, 0}, 1);
        for (const double v : {asteroid.velocityX, asteroid.velocityY}) {
            EXPECT_GE(v, -4.0);
            EXPECT_LE(v, 3.995);
            if (std::fabs(v) != 0.4) {
                EXPECT_NEAR(std::remainder(v + 4.0, 0.005), 0, 1e-9) << v;
            }
        }
    }
}

TEST(FragmentDeflectionTest, DrawToDegreesTable) {
    struct Case {
        std::int32_t t, degrees;
    };
    for (const Case c : {Case{-60, 300}, Case{-11, 349}, Case{-10, 350}, Case{-1, 350},
                         Case{0, 350}, Case{1, 10}, Case{10, 10}, Case{11, 11}, Case{59, 59}}) {
        EXPECT_EQ(FragmentDeflection(c.t), c.degrees) << "t = " << c.t;
    }
}

TEST(MinimumDriftTest, SlowDiagonalDriftIsRaisedByTheCoin) {
    struct Case {
        double vx, vy;
        std::uint32_t seed;  // seed 0 gives an even draw, seed 1 an odd one
        double ex, ey;
    };
    const Case cases[] = {
        {0.1, 0.2, 0, 0.4, 0.2},    {0.1, 0.2, 1, 0.1, 0.4},    {0.0, 0.0, 0, 0.4, 0.0},
        {-0.1, -0.3, 0, -0.4, -0.3}, {-0.1, -0.3, 1, -0.1, -0.4}, {0.1, -0.1, 0, 0.1, -0.1},
        {0.4, 0.1, 0, 0.4, 0.1},    {-0.4, -0.1, 0, -0.4, -0.1}, {0.0, -0.2, 0, 0.0, -0.2},
    };
    for (const Case& c : cases) {
        rng::srand(c.seed);
        double vx = c.vx;
        double vy = c.vy;
        EnsureMinimumDrift(vx, vy);
        EXPECT_EQ(vx, c.ex) << c.vx << "," << c.vy;
        EXPECT_EQ(vy, c.ey) << c.vx << "," << c.vy;
    }
    rng::srand(0);
    double vx = 0.1;
    double vy = -0.1;
    EnsureMinimumDrift(vx, vy);
    EXPECT_EQ(rng::rand(), 38) << "a velocity left alone draws nothing";
}

// What the split of one asteroid left: the fragments made (first one first)
// and the mass that vanished with pieces too small to exist.
struct SplitResult {
    std::vector<std::int32_t> fragments;
    std::int32_t vanished = 0;
};

SplitResult SplitOnce(std::int32_t size, std::uint32_t seed) {
    ClearObjects();
    AsteroidMassLeft = 1000;
    Asteroid asteroid(nullptr, false, size, {0, 0}, 1);
    rng::srand(seed);
    asteroid.onDestroyed();
    SplitResult result;
    for (const auto& object : ObjectList) {
        if (object->kind == EntityKind::Asteroid) {
            result.fragments.push_back(static_cast<const Asteroid&>(*object).size);
        }
    }
    result.vanished = 1000 - AsteroidMassLeft;
    return result;
}

TEST_F(AsteroidTest, SplitSizesAndVanishingPieces) {
    struct Case {
        std::int32_t size;
        std::int32_t smallestFirst, largestFirst;  // half -/+ (quarter - 1)
    };
    for (const Case c : {Case{12, 4, 8}, Case{23, 7, 15}, Case{50, 14, 36}, Case{99, 26, 72}}) {
        std::set<std::int32_t> firsts;
        std::set<std::int32_t> madeSizes;
        std::set<std::int32_t> vanishedSizes;
        for (std::uint32_t seed = 0; seed < 1000; ++seed) {
            const SplitResult split = SplitOnce(c.size, seed);
            std::int32_t made = 0;
            for (const std::int32_t fragment : split.fragments) {
                EXPECT_GE(fragment, 12);
                made += fragment;
                madeSizes.insert(fragment);
            }
            vanishedSizes.insert(split.vanished);
            ASSERT_EQ(made + split.vanished, c.size) << "a split keeps the mass";
            if (split.fragments.size() == 2) {
                firsts.insert(split.fragments[0]);
            } else if (split.fragments.empty()) {
                EXPECT_EQ(split.vanished, c.size);
            } else {
                EXPECT_LT(split.vanished, 12) << "only a piece under 12 vanishes";
            }
        }
        if (c.size == 12) {
            EXPECT_TRUE(firsts.empty()) << "both pieces of a size-12 asteroid vanish";
            EXPECT_EQ(vanishedSizes, (std::set<std::int32_t>{12}));
        } else if (c.size == 23) {
            // Half 11, quarter 5: the first piece is 7..15 and the second
            // 8..16, so one of them is always under 12 and vanishes.
            EXPECT_TRUE(firsts.empty()) << "never two fragments";
            EXPECT_EQ(madeSizes, (std::set<std::int32_t>{12, 13, 14, 15, 16}));
            EXPECT_EQ(vanishedSizes, (std::set<std::int32_t>{7, 8, 9, 10, 11}));
        } else if (c.size >= 50) {
            ASSERT_FALSE(firsts.empty());
            EXPECT_EQ(*firsts.begin(), c.smallestFirst);
            EXPECT_EQ(*firsts.rbegin(), c.largestFirst);
        }
    }
}

TEST_F(AsteroidTest, FragmentsVeerToEitherSideAndKeepTheParentsFade) {
    Asteroid parent(nullptr, false, 99, {30, 40}, 41);
    parent.velocityX = 2.0;
    parent.velocityY = 0.0;
    rng::srand(11);
    parent.onDestroyed();
    const auto fragments = Asteroids();
    ASSERT_EQ(fragments.size(), 2u);
    for (const Asteroid* fragment : fragments) {
        EXPECT_EQ(fragment->brightness, 41);
        EXPECT_EQ(fragment->positionX, 30);
        EXPECT_EQ(fragment->positionY, 40);
        const double speed = std::hypot(fragment->velocityX, fragment->velocityY);
        EXPECT_GE(speed, 2.0 * 0.5 - 1e-12);
        EXPECT_LE(speed, 2.0 * 1.495 + 1e-12);
    }
    // Moving right, the first veers clockwise on the screen (down), the second up.
    EXPECT_GT(fragments[0]->velocityY, 0);
    EXPECT_LT(fragments[1]->velocityY, 0);
}

TEST_F(AsteroidTest, ScoreAndExtraLives) {
    struct Case {
        std::int32_t scoreBefore, size, scoreAfter, extraLives;
    };
    for (const Case c : {Case{9950, 12, 10038, 1}, Case{19990, 60, 20030, 1}, Case{100, 50, 150, 0},
                         Case{9911, 12, 9999, 0}, Case{0, 99, 1, 0}}) {
        Score = c.scoreBefore;
        Lives = 2;
        Asteroid asteroid(nullptr, false, c.size, {0, 0}, 1);
        asteroid.onDestroyed();
        EXPECT_EQ(Score, c.scoreAfter);
        EXPECT_EQ(Lives, 2 + c.extraLives) << c.scoreBefore << " + " << 100 - c.size;
        ClearObjects();
    }
}

TEST_F(AsteroidTest, NoScoreWhileANameIsTyped) {
    NameEntryActive = true;
    Score = 9990;
    Lives = 1;
    Asteroid asteroid(nullptr, false, 40, {0, 0}, 1);
    asteroid.onDestroyed();
    EXPECT_EQ(Score, 9990);
    EXPECT_EQ(Lives, 1);
    EXPECT_FALSE(ObjectList.empty()) << "it still explodes and splits";
}

TEST_F(AsteroidTest, FadesInOver127UpdatesWithGreyPens) {
    Asteroid* asteroid = AddAsteroid(60);
    FrameTick();  // primed, moved and drawn at brightness 3
    EXPECT_EQ(asteroid->brightness, 3);
    std::uint8_t brightest = 0;
    for (const std::uint8_t p : BackBitmap->pixels()) brightest = std::max(brightest, p);
    EXPECT_EQ(brightest, 3) << "drawn with the grey pen of its brightness";
    EXPECT_EQ(BackBufferDC.pen(), platform::WhitePen) << "the white pen is selected again";
    for (int update = 2; update <= 127; ++update) FrameTick();
    EXPECT_EQ(asteroid->brightness, 255);
    FrameTick();
    EXPECT_EQ(asteroid->brightness, 255);
    std::set<std::uint8_t> greys(BackBitmap->pixels().begin(), BackBitmap->pixels().end());
    EXPECT_EQ(greys, (std::set<std::uint8_t>{0, 255})) << "white, and the faint pictures all erased";
}

TEST_F(AsteroidTest, NextLevelTimerStartsOnlyWhenTheLastAsteroidIsGone) {
    Asteroid* first = AddAsteroid(12);
    Asteroid* second = AddAsteroid(12);
    AsteroidMassLeft = 24;
    first->alive = false;
    FrameTick();
    EXPECT_EQ(AsteroidMassLeft, 12);
    EXPECT_FALSE(headless::TimerActive(static_cast<std::uint32_t>(TimerId::NextLevel)));
    second->alive = false;
    FrameTick();
    EXPECT_EQ(AsteroidMassLeft, 0);
    EXPECT_EQ(headless::TimerPeriod(static_cast<std::uint32_t>(TimerId::NextLevel)), 3000u);
}

TEST_F(AsteroidTest, NoAsteroidsLeftCountsDeadOnesAndIgnoresOtherKinds) {
    EXPECT_TRUE(NoAsteroidsLeft());
    AddObject(std::make_unique<TestShape>(EntityKind::Debris, Square(5), WorldPoint{}));
    EXPECT_TRUE(NoAsteroidsLeft());
    AddAsteroid(20)->alive = false;
    EXPECT_FALSE(NoAsteroidsLeft());
}

TEST_F(AsteroidTest, RandomSpawnPointIsAWholePointInsideTheField) {
    for (std::uint32_t seed = 0; seed < 2000; ++seed) {
        rng::srand(seed);
        const WorldPoint p = RandomSpawnPoint();
        EXPECT_GE(p.x, -500);
        EXPECT_LE(p.x, 499);
        EXPECT_GE(p.y, -500);
        EXPECT_LE(p.y, 499);
        EXPECT_EQ(p.x, std::trunc(p.x));
    }
}

}  // namespace
