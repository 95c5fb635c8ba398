#include "game/control_keys.h"

bool FireHeld = false;
bool HyperspaceHeld = false;

// The controls act on the player's ship, which joins the game with its own
// module; until then they act on nothing and only the latches follow the keys.

void TurnKeys() {}

void ThrustKey() {}

void FireKey(bool down) { FireHeld = down; }

void HyperspaceKey(bool down) { HyperspaceHeld = down; }
