#pragma once

// The object list: every live Entity in the order it was added. The list
// owns its objects from the moment they are appended until the frame tick
// or ClearObjects deletes them.

#include <memory>
#include <vector>

#include "objects/entity.h"

extern std::vector<std::unique_ptr<Entity>> ObjectList;

// Appends a newly created object; a creation that failed (nothing) appends
// nothing.
void AddObject(std::unique_ptr<Entity> object);

// Erases (or only primes) and deletes every object in list order. Objects a
// destructor appends meanwhile (a ship's debris) go the same way, so the
// list ends empty. Called by the game start and at exit.
void ClearObjects();
