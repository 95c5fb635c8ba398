#pragma once

// What exists for the whole run: the window size, the back buffer every
// picture is drawn into, the grey pens and the sine and cosine tables.

#include <array>
#include <cstdint>
#include <memory>

#include "platform/drawing.h"

// Side of the square window, back buffer and playfield in pixels: even, at
// least 48, 64 without a number on the command line.
extern std::int32_t WindowSize;
// WindowSize / 2, for centring text.
extern std::int32_t HalfWindowSize;

// The drawing state over the back buffer: white pen, exclusive-or from the
// end of start-up on. Pens other than white are selected only for the
// duration of a single draw.
extern platform::DrawContext BackBufferDC;
// The WindowSize x WindowSize picture that painting copies to the window.
extern std::unique_ptr<platform::Bitmap> BackBitmap;

// The font strip that text is copied from (bitmap resource 101); none when
// it could not be loaded, and then text stays invisible.
extern std::unique_ptr<platform::Bitmap> FontBitmap;

// Entry i draws in the grey (i, i, i).
inline constexpr int GreyPenCount = 256;
extern std::array<platform::Pen, GreyPenCount> GreyPens;

// Indexed by whole degrees 0..359.
inline constexpr int DegreesPerTurn = 360;
extern std::array<double, DegreesPerTurn> SinTable;
extern std::array<double, DegreesPerTurn> CosTable;

// The window size a command line asks for: the first decimal integer (as
// "%d" reads it: blanks skipped, an optional sign), raised to 48, rounded
// down to even; 64 when the line holds no number. A number beyond the 32-bit
// range counts as the nearest 32-bit value.
std::int32_t WindowSizeFromCommandLine(const char* commandLine);

// Fills the back buffer black and marks the whole window for repainting.
void ClearBackBuffer();

// Copies the area to repaint from the back buffer to the window.
void PaintWindow();

// Makes the 256 grey pens.
void CreateGreyPens();

// The game's initialisation during start-up: seed, tables, first title page.
void InitGame();
