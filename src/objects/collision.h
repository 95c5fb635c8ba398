#pragma once

// Collision detection: the one place where game objects meet. It only
// clears `alive` on objects that touch; the consequences follow in their
// onDestroyed at the next tick.

#include "objects/entity.h"

// Tests every pair of the object list, the earlier object of a pair as A.
// Called last in every frame tick.
void DetectCollisions();

// Whether a pair can collide at all: never debris, never two of one kind,
// never an invulnerable ship, never a saucer still fading in.
bool MayCollide(const Entity& a, const Entity& b);

// Whether the point lies inside the closed outline of the entity's world
// points (crossing-number rule).
bool OutlineContains(const Entity& entity, WorldPoint point);
