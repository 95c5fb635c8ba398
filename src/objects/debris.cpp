#include "objects/debris.h"

#include "app/main_window.h"
#include "app/random.h"

namespace {

constexpr double StartScale = 0.75;
constexpr double GrowthDecay = 0.001;

}  // namespace

Debris::Debris(const Entity& source, std::int32_t cloudLifeSpan, double cloudGrowth)
    : Entity(EntityKind::Debris, source.modelPoints), lifeSpan(cloudLifeSpan), growth(cloudGrowth) {
    heading = source.kind == EntityKind::Ship ? rng::rand() % DegreesPerTurn : source.heading;
    positionX = source.positionX;
    positionY = source.positionY;
    for (WorldPoint& m : modelPoints) {
        m.x *= StartScale;
        m.y *= StartScale;
    }
}

void Debris::update() {
    Entity::update();
    ++age;
    // Vertices go with a chance of about age / lifeSpan per update, and one
    // every update once age reaches lifeSpan.
    if (rng::rand() % lifeSpan < age) {
        const int lost = rng::rand() % pointCount();
        modelPoints.erase(modelPoints.begin() + lost);
        // The arrays keep their leading entries, so in this tick's picture it
        // is the last vertex that is missing, and from the next update on the
        // lost one.
        worldPoints.resize(modelPoints.size());
        screenPoints.resize(modelPoints.size());
        alive = alive && pointCount() != 0;
    }
    for (WorldPoint& m : modelPoints) {
        m.x *= growth;
        m.y *= growth;
    }
    growth -= GrowthDecay;
}
