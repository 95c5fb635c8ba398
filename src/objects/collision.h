#pragma once

// Collision detection: the one place where game objects meet. It only
// clears `alive` on objects that touch; the consequences follow in their
// onDestroyed at the next tick.

// Tests every pair of the object list. Called last in every frame tick.
void DetectCollisions();
