#include <gtest/gtest.h>

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
