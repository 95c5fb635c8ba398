#pragma once

// The flying saucer: one at a time, large or small at random, fading in at a
// random place, wandering at 3 units per tick with a random turn every one to
// two seconds and firing in random directions every 800 ms once it is solid.
// It lives until something destroys it, and scores nothing.

#include <cstdint>

#include "objects/entity.h"

class Saucer final : public Entity {
public:
    // At a random place; its size, course and speed are set by SpawnSaucer.
    Saucer();

    void onDestroyed() override;
    void drawShape() override;
    void toggleDraw() override;
    void update() override;

    // A turn of 40 to 90 degrees to either side, and the next turn's timer.
    void changeCourse();

    bool isLarge = true;          // the small saucer is drawn at half size
    std::int32_t course = 0;      // degrees: 0 moves down the screen, 90 right
    std::int32_t brightness = 1;  // grey of the pen; fires and collides from 128 on
};

// The saucer flying in this game, or none; the object list owns it.
extern Saucer* CurrentSaucer;

// The saucer fires and collides only from this brightness on.
inline constexpr std::int32_t SolidSaucerBrightness = 128;

// Timer SaucerArrival: a saucer comes, once the ship is there and vulnerable.
void SpawnSaucer();
// Timer SaucerShot: a shot in a random direction.
void SaucerFire();
// Timer SaucerTurn: the next change of course.
void SaucerTurn();

// The course change for the turn draw t (0..179): -90..-40 or 40..89 degrees.
std::int32_t CourseChange(std::int32_t t);

// Milliseconds until the next saucer: 5, 6, 7 or 8 seconds, drawn.
std::uint32_t DrawSaucerArrivalMs();
