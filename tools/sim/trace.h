#pragma once

// The simulator's plain-text trace: one line per frame tick with the
// program's state, and a hash of the back buffer at the end.

#include <cstdint>
#include <cstdio>

#include "platform/drawing.h"

// Writes the line of one frame tick; verbose adds a line for each object.
void WriteTickLine(std::FILE* out, std::int64_t tick, std::int64_t virtualTimeMs, bool verbose);

// 64-bit FNV-1a over the pixels, row by row: equal pictures, equal hashes.
std::uint64_t HashPixels(const platform::Bitmap& bitmap);

// Writes the bitmap as a binary PGM image; false when the file cannot be written.
bool WritePgm(const platform::Bitmap& bitmap, const char* path);
