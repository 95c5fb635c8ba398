#include <gtest/gtest.h>

#include <set>

#include "app/frame_tick.h"
#include "field_fixture.h"
#include "game/game_state.h"
#include "objects/debris.h"
#include "objects/ship.h"
#include "platform/input.h"
#include "text/screens.h"

namespace {

using platform::Rect;

class EntityTest : public FieldTest {
protected:
    void SetUp() override {
        FieldTest::SetUp();
        StartEmpty();
    }
};

TEST_F(EntityTest, HeadingTurnsWithASingleCorrection) {
    struct Case {
        std::int32_t heading, spin, after;
    };
    for (const Case c : {Case{359, 3, 2}, Case{1, -3, 358}, Case{0, 359, 359}, Case{200, 0, 200},
                         Case{356, 4, 0}}) {
        TestShape shape(EntityKind::Asteroid, Square(10), {0, 0}, {}, c.heading, c.spin);
        shape.update();
        EXPECT_EQ(shape.heading, c.after) << c.heading << " + " << c.spin;
    }
}

TEST_F(EntityTest, ModelVertexLiesForwardAlongTheHeadingAndSideways) {
    // At heading 0 a model vertex (u, v) lies v to the right and u below.
    TestShape shape(EntityKind::Asteroid, {{5, 30}, {-7.5, -2}}, {100, -50});
    shape.update();
    EXPECT_DOUBLE_EQ(shape.worldPoints[0].x, 130);
    EXPECT_DOUBLE_EQ(shape.worldPoints[0].y, -45);
    EXPECT_EQ(shape.worldBounds, (Rect{98, -57, 130, -45}));
    // A growing heading turns clockwise on the screen: at 90 forward is down.
    TestShape turned(EntityKind::Asteroid, {{0, 30}}, {0, 0}, {}, 90);
    turned.update();
    EXPECT_NEAR(turned.worldPoints[0].x, 0, 1e-12);
    EXPECT_DOUBLE_EQ(turned.worldPoints[0].y, 30);
}

TEST_F(EntityTest, BoundsTruncateTowardZero) {
    TestShape shape(EntityKind::Asteroid, {{0, -0.5}, {2.7, 3.9}, {-3.2, -1.5}}, {0, 0});
    shape.update();
    // x runs -0.5, 3.9, -1.5 and y 0, 2.7, -3.2: each bound is the truncated
    // coordinate of the vertex that set it, the first vertex setting all four.
    EXPECT_EQ(shape.worldBounds, (Rect{-1, -3, 3, 2}));
}

TEST_F(EntityTest, EdgeTestCountsMinus500InsideAndPlus500Outside) {
    TestShape left(EntityKind::Asteroid, {{0, 0}}, {-499, 0}, {-1, 0});
    left.update();
    EXPECT_DOUBLE_EQ(left.positionX, -500) << "x = -500 is inside";
    TestShape right(EntityKind::Asteroid, {{0, 0}}, {499, 0}, {1, 0});
    right.update();
    EXPECT_DOUBLE_EQ(right.positionX, -500) << "x = +500 is outside and comes back at -500";
    EXPECT_DOUBLE_EQ(right.worldPoints[0].x, -500);
    EXPECT_EQ(right.worldBounds.left, -500);
}

TEST_F(EntityTest, ShapeWrapsOnlyWhenItsLastVertexHasLeft) {
    // Half side 20, moving right 10 a tick from x = 460: the left edge is at
    // 450, 460, ... and reaches 500 in the sixth update.
    TestShape shape(EntityKind::Asteroid, Square(20), {460, 0}, {10, 0});
    for (int tick = 1; tick <= 5; ++tick) {
        shape.update();
        EXPECT_DOUBLE_EQ(shape.positionX, 460 + 10 * tick) << "tick " << tick;
    }
    shape.update();
    EXPECT_DOUBLE_EQ(shape.positionX, 520 - 1000);
    EXPECT_DOUBLE_EQ(shape.worldPoints[0].x, 500 - 1000);
    EXPECT_EQ(shape.worldBounds.left, -500);
}

TEST_F(EntityTest, CornerWrapMovesBothWaysInOneTick) {
    TestShape shape(EntityKind::Asteroid, Square(5), {500, 500}, {10, 10});
    shape.update();
    EXPECT_DOUBLE_EQ(shape.positionX, -490);
    EXPECT_DOUBLE_EQ(shape.positionY, -490);
}

TEST_F(EntityTest, NewObjectDrawsNothingUntilItsSecondToggle) {
    TestShape* shape = AddShape(std::make_unique<TestShape>(EntityKind::Asteroid, Square(30),
                                                            WorldPoint{0, 0}));
    shape->update();
    shape->toggleDraw();
    EXPECT_TRUE(AllBlack());
    EXPECT_TRUE(shape->primed);
    shape->toggleDraw();
    EXPECT_GT(LitPixels(), 0);
    shape->toggleDraw();
    EXPECT_TRUE(AllBlack()) << "drawing the same picture again erases it";
}

// Primes and draws a square of 60 units (38 pixels in a 640-pixel window) at `at`.
void DrawSquareOnce(EntityKind kind, WorldPoint at, bool asPoints = false) {
    TestShape shape(kind, Square(30), at);
    shape.points = asPoints;
    shape.update();
    shape.toggleDraw();
    shape.toggleDraw();
}

TEST_F(EntityTest, ShapeAcrossAnEdgeIsDrawnOnBothSidesAndAcrossACornerFourTimes) {
    DrawSquareOnce(EntityKind::Asteroid, {0, 0});
    const int single = LitPixels();
    ASSERT_GT(single, 0);
    ClearBackBuffer();

    DrawSquareOnce(EntityKind::Asteroid, {495, 0});  // straddles the right edge
    EXPECT_EQ(LitPixels(), single) << "the part beyond the edge shows at the left";
    EXPECT_GT(LitPixelsIn(Rect{0, 0, 20, 640}), 0);
    EXPECT_GT(LitPixelsIn(Rect{620, 0, 640, 640}), 0);
    DrawSquareOnce(EntityKind::Asteroid, {495, 0});
    EXPECT_TRUE(AllBlack()) << "the erase draws the same copies";

    DrawSquareOnce(EntityKind::Asteroid, {495, 495});  // straddles the corner
    EXPECT_EQ(LitPixels(), single);
    for (const Rect corner : {Rect{0, 0, 30, 30}, Rect{610, 0, 640, 30}, Rect{0, 610, 30, 640},
                              Rect{610, 610, 640, 640}}) {
        EXPECT_GT(LitPixelsIn(corner), 0) << corner.left << "," << corner.top;
    }
}

TEST_F(EntityTest, DebrisIsNeverDrawnAtTheOppositeEdge) {
    DrawSquareOnce(EntityKind::Debris, {495, 0}, true);
    EXPECT_EQ(LitPixelsIn(Rect{600, 0, 640, 640}), 2) << "the two corners inside the window";
    EXPECT_EQ(LitPixelsIn(Rect{0, 0, 40, 640}), 0);
}

TEST_F(EntityTest, DestroyedOutlinesLeaveADebrisCloudButShotsAndDebrisNothing) {
    struct Case {
        EntityKind kind;
        bool leavesDebris;
    };
    for (const Case c : {Case{EntityKind::Asteroid, true}, Case{EntityKind::Saucer, true},
                         Case{EntityKind::Ship, true}, Case{EntityKind::Bullet, false},
                         Case{EntityKind::Debris, false}}) {
        TestShape shape(c.kind, Square(30), {12, 34}, {}, 77);
        shape.onDestroyed();
        ASSERT_EQ(ObjectList.size(), c.leavesDebris ? 1u : 0u) << static_cast<int>(c.kind);
        if (c.leavesDebris) {
            const Entity& cloud = *ObjectList.back();
            EXPECT_EQ(cloud.kind, EntityKind::Debris);
            EXPECT_EQ(cloud.positionX, 12);
            EXPECT_EQ(cloud.pointCount(), 4);
            EXPECT_EQ(static_cast<const Debris&>(cloud).lifeSpan, 50);
            EXPECT_DOUBLE_EQ(static_cast<const Debris&>(cloud).growth, 1.03);
        }
        ClearObjects();
    }
}

TEST_F(EntityTest, BusyFieldLeavesTheBackBufferBlackWhenCleared) {
    ASSERT_TRUE(Start("200"));
    RunUntil(8000);  // the attract asteroids fade in, drift, spin and wrap
    ClearObjects();
    ShowTitlePage(TitlePage);  // a title page is erased by drawing it again
    EXPECT_TRUE(AllBlack());
}

TEST_F(EntityTest, BusyGameLeavesTheBackBufferBlackWhenCleared) {
    // A whole game with every kind in the field: the ship turning, thrusting,
    // firing and jumping, asteroids fading in and splitting, debris, the
    // saucer and its shots, for long enough that things wrap at the edges.
    namespace headless = platform::headless;
    using platform::VirtualKey;
    const auto key = [](VirtualKey k) { return static_cast<std::uint8_t>(k); };
    ASSERT_TRUE(Start("200"));
    headless::ScriptKeyDown(100, key(VirtualKey::Control));
    headless::ScriptKeyUp(150, key(VirtualKey::Control));
    headless::ScriptKeyDown(300, key(VirtualKey::Right));
    headless::ScriptKeyUp(1300, key(VirtualKey::Right));
    headless::ScriptKeyDown(2000, key(VirtualKey::Up));
    headless::ScriptKeyUp(2600, key(VirtualKey::Up));
    for (std::int64_t at = 400; at < 13000; at += 200) {
        headless::ScriptKeyDown(at, key(VirtualKey::Control));
        headless::ScriptKeyUp(at + 50, key(VirtualKey::Control));
    }
    for (const std::int64_t at : {3000, 7000, 10000}) {
        headless::ScriptKeyDown(at, key(VirtualKey::Down));
        headless::ScriptKeyUp(at + 50, key(VirtualKey::Down));
    }
    std::set<EntityKind> kindsSeen;
    bool jumped = false;
    for (std::int64_t t = 0; t < 14000; t += 20) {
        RunUntil(t);
        for (const auto& object : ObjectList) kindsSeen.insert(object->kind);
        jumped = jumped || (CurrentShip != nullptr && CurrentShip->inHyperspace);
    }
    ASSERT_EQ(kindsSeen, (std::set<EntityKind>{EntityKind::Asteroid, EntityKind::Debris,
                                                EntityKind::Saucer, EntityKind::Ship,
                                                EntityKind::Bullet}));
    ASSERT_TRUE(jumped);

    ClearObjects();
    HideStatusText();  // the status text, or the game-over text, drawn once more
    if (!Playing) ShowTitlePage(TitlePage);
    EXPECT_TRUE(AllBlack()) << LitPixels() << " pixels left behind";
}

}  // namespace
