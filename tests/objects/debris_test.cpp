#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/random.h"
#include "field_fixture.h"
#include "objects/debris.h"

namespace {

class DebrisTest : public FieldTest {
protected:
    void SetUp() override {
        FieldTest::SetUp();
        StartEmpty();
    }
    TestShape source{EntityKind::Asteroid, Square(20), {100, -200}, {3, 4}, 123, 5};
};

TEST_F(DebrisTest, StartsAtThreeQuartersOfTheSourceInItsOrientation) {
    Debris cloud(source, 50, 1.03);
    EXPECT_EQ(cloud.kind, EntityKind::Debris);
    EXPECT_EQ(cloud.heading, 123);
    EXPECT_EQ(cloud.spin, 0);
    EXPECT_EQ(cloud.velocityX, 0);
    EXPECT_EQ(cloud.velocityY, 0);
    EXPECT_EQ(cloud.positionX, 100);
    EXPECT_EQ(cloud.positionY, -200);
    EXPECT_EQ(cloud.age, 0);
    ASSERT_EQ(cloud.pointCount(), 4);
    for (int k = 0; k < 4; ++k) {
        EXPECT_DOUBLE_EQ(cloud.modelPoints[k].x, source.modelPoints[k].x * 0.75);
        EXPECT_DOUBLE_EQ(cloud.modelPoints[k].y, source.modelPoints[k].y * 0.75);
    }
    EXPECT_TRUE(cloud.drawsAsPoints());
}

TEST_F(DebrisTest, CloudOfTheShipTakesARandomHeading) {
    const TestShape ship(EntityKind::Ship, Square(15), {0, 0}, {}, 123);
    rng::srand(1);  // the next draw is 41
    const Debris cloud(ship, 50, 1.03);
    EXPECT_EQ(cloud.heading, 41);
}

TEST_F(DebrisTest, NeverMovesAndGrowsByADecayingFactor) {
    rng::srand(7);
    Debris cloud(source, 1000000, 1.03);  // a life span this long loses no vertex early
    double scale = 0.75;
    double growth = 1.03;
    for (int update = 1; update <= 5; ++update) {
        cloud.update();
        scale *= growth;
        growth -= 0.001;
        ASSERT_EQ(cloud.pointCount(), 4);
        EXPECT_EQ(cloud.positionX, 100);
        EXPECT_EQ(cloud.positionY, -200);
        EXPECT_DOUBLE_EQ(cloud.growth, growth);
        EXPECT_NEAR(cloud.modelPoints[0].x, -20 * scale, 1e-12) << "update " << update;
    }
}

TEST_F(DebrisTest, SpreadsThenDrawsTogetherAsItsGrowthDecays) {
    // The drawn size of a cloud against its source's, at the picture of a
    // given update, for the explosion's growth 1.03 and the ship's 1.07.
    struct Case {
        double growth;
        int update;
        double size;
        double tolerance;
    };
    const Case cases[] = {
        {1.03, 1, 0.75, 1e-12},    {1.03, 32, 1.19, 0.005}, {1.03, 50, 1.0, 0.005},
        {1.03, 100, 0.108, 0.001}, {1.07, 72, 8.5, 0.01},   {1.07, 200, 0.0015, 0.0001},
    };
    struct Peak {
        double growth;
        int firstUpdate, lastUpdate;  // the largest picture comes within these
    };
    const Peak peaks[] = {{1.03, 31, 32}, {1.07, 71, 72}};
    // Every vertex of the square lies as far from the centre as any other,
    // so a lost vertex does not change the size measured.
    const double sourceRadius = std::hypot(20.0, 20.0);
    for (const double growth : {1.03, 1.07}) {
        rng::srand(5);
        Debris cloud(source, std::numeric_limits<std::int32_t>::max(), growth);
        double largest = 0;
        int largestAt = 0;
        for (int update = 1; update <= 200; ++update) {
            cloud.update();
            ASSERT_GT(cloud.pointCount(), 0) << "a cloud this long-lived keeps most vertices";
            const WorldPoint& vertex = cloud.worldPoints[0];
            const double size = std::hypot(vertex.x - 100, vertex.y + 200) / sourceRadius;
            if (size > largest) {
                largest = size;
                largestAt = update;
            }
            for (const Case& c : cases) {
                if (c.growth == growth && c.update == update) {
                    EXPECT_NEAR(size, c.size, c.tolerance)
                        << "growth " << growth << ", update " << update;
                }
            }
        }
        for (const Peak& p : peaks) {
            if (p.growth != growth) continue;
            EXPECT_GE(largestAt, p.firstUpdate) << "growth " << growth;
            EXPECT_LE(largestAt, p.lastUpdate) << "growth " << growth;
        }
    }
}

TEST_F(DebrisTest, FourVertexCloudWithLifeSpan50IsGoneByUpdate53) {
    int longest = 0;
    for (std::uint32_t seed = 0; seed < 300; ++seed) {
        rng::srand(seed);
        Debris cloud(source, 50, 1.03);
        int updates = 0;
        while (cloud.alive && updates < 1000) {
            cloud.update();
            ++updates;
        }
        EXPECT_EQ(cloud.pointCount(), 0);
        longest = std::max(longest, updates);
    }
    EXPECT_LE(longest, 53);
}

TEST_F(DebrisTest, LostVertexLeavesTheLastPointMissingInThatTicksPicture) {
    rng::srand(3);
    Debris cloud(source, 1, 1.0);  // life span 1: a vertex goes at every update
    const std::vector<WorldPoint> model = cloud.modelPoints;
    cloud.update();
    ASSERT_EQ(cloud.pointCount(), 3);
    ASSERT_EQ(cloud.worldPoints.size(), 3u);
    // This tick's world points are those of the old model, less the last one.
    for (int k = 0; k < 3; ++k) {
        EXPECT_DOUBLE_EQ(cloud.worldPoints[k].x, 100 + model[k].y * CosTable[123] - model[k].x * SinTable[123]);
    }
    // The model itself lost the drawn vertex, keeping the order of the rest.
    int matched = 0;
    for (std::size_t k = 0, m = 0; k < model.size() && m < 3; ++k) {
        if (model[k] == cloud.modelPoints[m]) {
            ++m;
            ++matched;
        }
    }
    EXPECT_EQ(matched, 3);
    cloud.update();
    cloud.update();
    EXPECT_TRUE(cloud.alive);
    cloud.update();
    EXPECT_FALSE(cloud.alive) << "the last vertex lost ends the cloud";
}

}  // namespace
