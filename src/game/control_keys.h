#pragma once

// The player's controls during a game: turn, thrust, fire and hyperspace.
// Turning and thrust follow the live key state; firing and hyperspace act
// once per press through their latches.

// The fire key (Ctrl) as last reported; also set by the press that starts a
// game, so that press does not fire.
extern bool FireHeld;
// The hyperspace key (Down) as last reported.
extern bool HyperspaceHeld;

// Every press and release of Left or Right.
void TurnKeys();
// Every press and release of Up.
void ThrustKey();
// Ctrl pressed (true) or released (false).
void FireKey(bool down);
// Down pressed (true) or released (false).
void HyperspaceKey(bool down);
