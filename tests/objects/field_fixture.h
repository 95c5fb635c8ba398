#pragma once

// A started program with an empty field and a black back buffer, in which
// tests place objects of their own.

#include <algorithm>
#include <vector>

#include "app/main_window.h"
#include "app/object_list.h"
#include "objects/entity.h"
#include "support/program_fixture.h"

class FieldTest : public ProgramTest {
protected:
    // Starts the program with the given window size and empties the field.
    void StartEmpty(const char* commandLine = "640") {
        ASSERT_TRUE(Start(commandLine));
        ClearObjects();
        ClearBackBuffer();
    }

    static int LitPixels() {
        const auto& pixels = BackBitmap->pixels();
        return static_cast<int>(std::count_if(pixels.begin(), pixels.end(),
                                              [](std::uint8_t p) { return p != 0; }));
    }

    static bool AllBlack() { return LitPixels() == 0; }

    // Lit pixels inside the rectangle.
    static int LitPixelsIn(const platform::Rect& area) {
        int lit = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) lit += BackBitmap->at(x, y) != 0 ? 1 : 0;
        }
        return lit;
    }
};

// A plain shape of the given kind, for testing what every kind shares.
class TestShape final : public Entity {
public:
    TestShape(EntityKind shapeKind, std::vector<WorldPoint> model, WorldPoint position,
              WorldPoint velocity = {}, std::int32_t startHeading = 0, std::int32_t startSpin = 0)
        : Entity(shapeKind, model) {
        positionX = position.x;
        positionY = position.y;
        velocityX = velocity.x;
        velocityY = velocity.y;
        heading = startHeading;
        spin = startSpin;
    }
    bool drawsAsPoints() const override { return points; }

    bool points = false;
};

// A square of half side `half` world units, corners in outline order.
inline std::vector<WorldPoint> Square(double half) {
    return {{-half, -half}, {half, -half}, {half, half}, {-half, half}};
}

// Appends a shape and returns it (the list owns it).
inline TestShape* AddShape(std::unique_ptr<TestShape> shape) {
    TestShape* raw = shape.get();
    AddObject(std::move(shape));
    return raw;
}
