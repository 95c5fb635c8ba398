#include <gtest/gtest.h>

#include "app/object_list.h"
#include "app/random.h"
#include "game/level_fill.h"
#include "objects/asteroid.h"
#include "support/program_fixture.h"

namespace {

class LevelFillTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        ASSERT_TRUE(Start());
        ClearObjects();
    }

    // The sizes of the asteroids one StartLevel made, in the order made.
    static std::vector<std::int32_t> FillLevel(std::int32_t level, std::uint32_t seed) {
        ClearObjects();
        rng::srand(seed);
        StartLevel(level);
        std::vector<std::int32_t> sizes;
        for (const auto& object : ObjectList) sizes.push_back(static_cast<const Asteroid&>(*object).size);
        return sizes;
    }
};

TEST_F(LevelFillTest, MassOfALevelIsSplitIntoPiecesOf50To99AndARemainder) {
    struct Case {
        std::int32_t level, mass;
    };
    for (const Case c : {Case{0, 240}, Case{3, 480}, Case{10, 1040}}) {
        for (std::uint32_t seed = 0; seed < 100; ++seed) {
            const std::vector<std::int32_t> sizes = FillLevel(c.level, seed);
            EXPECT_EQ(AsteroidMassTotal, c.mass);
            EXPECT_EQ(AsteroidMassLeft, c.mass);
            std::int32_t made = 0;
            for (std::size_t i = 0; i < sizes.size(); ++i) {
                made += sizes[i];
                if (i + 1 < sizes.size()) {
                    EXPECT_GE(sizes[i], 50);
                    EXPECT_LE(sizes[i], 99);
                }
            }
            EXPECT_GE(made, c.mass - 11) << "only a last piece under 12 is not made";
            EXPECT_LE(made, c.mass);
        }
    }
}

TEST_F(LevelFillTest, RemaindersUnder12VanishAndLargerOnesBecomeOneAsteroid) {
    bool sawVanishing = false;
    bool sawSmallLast = false;
    for (std::uint32_t seed = 0; seed < 2000 && !(sawVanishing && sawSmallLast); ++seed) {
        const std::vector<std::int32_t> sizes = FillLevel(0, seed);
        std::int32_t made = 0;
        for (const std::int32_t size : sizes) made += size;
        const std::int32_t missing = 240 - made;
        if (missing > 0) {
            EXPECT_LT(missing, 12);
            EXPECT_EQ(AsteroidMassLeft, 240) << "the vanished piece stays counted";
            sawVanishing = true;
        } else if (sizes.back() >= 12 && sizes.back() < 60) {
            sawSmallLast = true;
        }
    }
    EXPECT_TRUE(sawVanishing);
    EXPECT_TRUE(sawSmallLast);
}

TEST_F(LevelFillTest, DrawsThePieceThenTheSpawnPointThenTheAsteroid) {
    // An independent copy of the generator predicts the first three draws.
    std::uint32_t state = 4242;
    const auto draw = [&state] {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFF);
    };
    const int piece = draw() % 50 + 50;
    const int x = draw() % 1000 - 500;
    const int y = draw() % 1000 - 500;

    FillLevel(0, 4242);
    const Asteroid& first = static_cast<const Asteroid&>(*ObjectList.front());
    EXPECT_EQ(first.size, piece);
    EXPECT_EQ(first.positionX, x);
    EXPECT_EQ(first.positionY, y);
    EXPECT_EQ(first.brightness, 1);
}

TEST_F(LevelFillTest, AddsToWhatIsAlreadyInTheField) {
    StartLevel(0);
    const std::size_t first = ObjectList.size();
    StartLevel(1);
    EXPECT_GT(ObjectList.size(), first);
    EXPECT_EQ(AsteroidMassTotal, 320) << "the counters are the new level's alone";
}

}  // namespace
