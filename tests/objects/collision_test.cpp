#include <gtest/gtest.h>

#include "field_fixture.h"
#include "objects/bullet.h"
#include "objects/collision.h"
#include "objects/ship.h"

namespace {

class CollisionTest : public FieldTest {
protected:
    void SetUp() override {
        FieldTest::SetUp();
        StartEmpty();
    }

    // A shape placed and transformed, as the frame tick leaves it before
    // collision detection.
    static TestShape* Place(EntityKind kind, std::vector<WorldPoint> model, WorldPoint at) {
        TestShape* shape = AddShape(std::make_unique<TestShape>(kind, std::move(model), at));
        shape->update();
        return shape;
    }

    static Bullet* Shot(WorldPoint at) {
        auto shot = std::make_unique<Bullet>(at, 0);
        Bullet* raw = shot.get();
        raw->velocityX = 0;
        raw->velocityY = 0;
        raw->update();
        AddObject(std::move(shot));
        return raw;
    }

    // A vulnerable ship at `at`, by default with its nose to the right.
    static Ship* PlaceShip(WorldPoint at, std::int32_t heading = 0) {
        CreateShip();
        Ship* ship = CurrentShip;
        ship->invulnerable = false;
        ship->heading = heading;
        ship->positionX = at.x;
        ship->positionY = at.y;
        ship->update();
        return ship;
    }
};

TEST_F(CollisionTest, SameKindsAndDebrisPassThrough) {
    for (const EntityKind kind : {EntityKind::Asteroid, EntityKind::Debris}) {
        ClearObjects();
        TestShape* a = Place(kind, Square(30), {0, 0});
        TestShape* b = Place(kind, Square(30), {10, 10});
        DetectCollisions();
        EXPECT_TRUE(a->alive && b->alive) << static_cast<int>(kind);
    }
    ClearObjects();
    Bullet* first = Shot({0, 0});
    Bullet* second = Shot({0, 0});
    TestShape* cloud = Place(EntityKind::Debris, Square(30), {0, 0});
    DetectCollisions();
    EXPECT_TRUE(first->alive && second->alive && cloud->alive);

    // A small shape inside an asteroid and inside a vulnerable ship, before
    // and after each in the list: an asteroid fragment there would hit
    // them, a debris cloud touches neither.
    struct Case {
        EntityKind intruder;
        bool intruderFirst;
        bool hit;
    };
    for (const Case c : {Case{EntityKind::Debris, false, false}, Case{EntityKind::Debris, true, false},
                         Case{EntityKind::Bullet, false, true}}) {
        for (const bool againstShip : {false, true}) {
            ClearObjects();
            Entity* intruder = nullptr;
            const auto addIntruder = [&] {
                if (c.intruder == EntityKind::Bullet) {
                    intruder = Shot({2, 1});
                } else {
                    intruder = Place(c.intruder, Square(3), {2, 1});
                }
            };
            if (c.intruderFirst) addIntruder();
            Entity* target = againstShip ? static_cast<Entity*>(PlaceShip({0, 0}))
                                         : Place(EntityKind::Asteroid, Square(30), {0, 0});
            if (!c.intruderFirst) addIntruder();
            DetectCollisions();
            const int kind = static_cast<int>(c.intruder);
            EXPECT_EQ(!target->alive, c.hit) << kind << " against ship " << againstShip;
            EXPECT_EQ(!intruder->alive, c.hit) << kind << " against ship " << againstShip;
        }
    }
}

TEST_F(CollisionTest, ShotOnTheLeftOrTopEdgeOfTheBoundsPassesButNotOnTheRightOrBottom) {
    // The square spans 10.5 .. 20.5 on both axes; its bounds are 10 .. 20.
    const std::vector<WorldPoint> square{{-5, -5}, {5, -5}, {5, 5}, {-5, 5}};
    struct Case {
        WorldPoint shot;
        bool hit;
    };
    const Case cases[] = {
        {{10.7, 15}, true},   // truncates to the left edge: in
        {{15, 10.7}, true},   // top edge: in
        {{20.2, 15}, false},  // inside the outline, but on the bounds' right edge
        {{15, 20.2}, false},  // bottom edge
        {{15, 15}, true},
    };
    for (const Case& c : cases) {
        ClearObjects();
        TestShape* target = Place(EntityKind::Asteroid, square, {15.5, 15.5});
        ASSERT_EQ(target->worldBounds, (platform::Rect{10, 10, 20, 20}));
        Bullet* shot = Shot(c.shot);
        DetectCollisions();
        EXPECT_EQ(!shot->alive, c.hit) << c.shot.x << "," << c.shot.y;
        EXPECT_EQ(!target->alive, c.hit);
    }
}

TEST_F(CollisionTest, BoundsThatOnlyShareAnEdgeAreNoHit) {
    // The ship's nose lies inside the asteroid's outline, but the ship's bounds
    // start at x = 10, where the asteroid's end.
    TestShape* rock =
        Place(EntityKind::Asteroid, {{-5, -5}, {5, -5}, {5, 5.4}, {-5, 5.4}}, {5.5, 0});  // x 0.5..10.9
    Ship* ship = PlaceShip({40.5, 0}, 180);  // pointing left, nose at x 10.5
    ASSERT_EQ(rock->worldBounds.right, 10);
    ASSERT_EQ(ship->worldBounds.left, 10);
    ASSERT_TRUE(OutlineContains(*rock, ship->worldPoints[0]));
    DetectCollisions();
    EXPECT_TRUE(ship->alive);
}

TEST_F(CollisionTest, OneShotDestroysTwoOverlappingAsteroidsAndTwoShotsDieInOne) {
    TestShape* a = Place(EntityKind::Asteroid, Square(30), {0, 0});
    TestShape* b = Place(EntityKind::Asteroid, Square(30), {20, 0});
    Bullet* shot = Shot({10, 0});
    DetectCollisions();
    EXPECT_FALSE(a->alive);
    EXPECT_FALSE(b->alive);
    EXPECT_FALSE(shot->alive);

    ClearObjects();
    TestShape* c = Place(EntityKind::Asteroid, Square(30), {0, 0});
    Bullet* first = Shot({-10, 0});
    Bullet* second = Shot({10, 5});
    DetectCollisions();
    EXPECT_FALSE(c->alive);
    EXPECT_FALSE(first->alive);
    EXPECT_FALSE(second->alive);
}

TEST_F(CollisionTest, ShotHitsWhetherItComesBeforeOrAfterItsTarget) {
    Bullet* shot = Shot({0, 0});
    TestShape* target = Place(EntityKind::Asteroid, Square(30), {0, 0});
    DetectCollisions();
    EXPECT_FALSE(shot->alive);
    EXPECT_FALSE(target->alive);
}

TEST_F(CollisionTest, InvulnerableShipTouchesNothing) {
    Ship* ship = PlaceShip({0, 0});
    ship->invulnerable = true;
    TestShape* rock = Place(EntityKind::Asteroid, Square(40), {0, 0});
    Bullet* shot = Shot({0, 0});
    DetectCollisions();
    EXPECT_TRUE(ship->alive);
    EXPECT_FALSE(rock->alive) << "the shot still hits the asteroid";
    EXPECT_FALSE(shot->alive);
}

TEST_F(CollisionTest, OnlyTheLaterObjectsVerticesAreTested) {
    // A large square whose corners lie outside the ship, around the ship's nose.
    const std::vector<WorldPoint> bigSquare = Square(100);
    const WorldPoint squareCentre{130, 0};  // x 30..230: holds the nose at x 30

    // The ship is earlier: the square's corners are tested against the ship's
    // outline, and none lies inside it.
    Ship* ship = PlaceShip({0, 0});
    TestShape* rock = Place(EntityKind::Asteroid, bigSquare, squareCentre);
    rock->positionX = 129;  // x 29..229
    rock->update();
    DetectCollisions();
    EXPECT_TRUE(ship->alive);
    EXPECT_TRUE(rock->alive);

    // The ship is later: its nose is tested against the square's outline.
    ClearObjects();
    rock = Place(EntityKind::Asteroid, bigSquare, {129, 0});
    ship = PlaceShip({0, 0});
    DetectCollisions();
    EXPECT_FALSE(ship->alive);
    EXPECT_FALSE(rock->alive);
}

TEST_F(CollisionTest, CopiesAtTheOppositeEdgeCollideWithNothing) {
    // The square straddles the right edge; its copy shows at the left edge.
    Place(EntityKind::Asteroid, Square(30), {490, 0});
    Bullet* shot = Shot({-495, 0});
    DetectCollisions();
    EXPECT_TRUE(shot->alive);
}

TEST(OutlineContainsTest, CrossingNumberRule) {
    ResetProgramState();
    struct TestOutline final : Entity {
        TestOutline() : Entity(EntityKind::Asteroid, {}) {
            worldPoints = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
        }
        void onDestroyed() override {}
    } square;
    EXPECT_TRUE(OutlineContains(square, {5, 5}));
    EXPECT_TRUE(OutlineContains(square, {0, 5})) << "the left edge counts as inside";
    EXPECT_FALSE(OutlineContains(square, {10, 5})) << "the right edge does not";
    EXPECT_TRUE(OutlineContains(square, {5, 0})) << "the top edge counts as inside";
    EXPECT_FALSE(OutlineContains(square, {5, 10}));
    EXPECT_FALSE(OutlineContains(square, {-1, 5}));
    square.worldPoints.clear();
    EXPECT_FALSE(OutlineContains(square, {5, 5}));
}

}  // namespace
