#pragma once

// Sine and cosine for the game's tables, the same on every system.
//
// The C libraries' sin and cos do not agree to the last bit: glibc is off by
// one unit in the last place at some whole degrees, and the MinGW runtime
// takes the x87 instructions, whose 66-bit pi puts sin(pi) wrong from the
// fifth digit on. The tables steer every ship, shot and asteroid, so these
// functions compute the exact value, rounded to the nearest double, with
// nothing but IEEE double arithmetic (without fused multiply-add, which the
// ISO C++ mode of the build leaves out): every build gives the same tables.

// Valid for |radians| below a million. Called by the game's initialisation.
double Sine(double radians);
double Cosine(double radians);
