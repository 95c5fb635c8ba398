#pragma once

// The one main window: single instance, its class and creation, moving,
// painting and the cursor.

#include <cstdint>

#include "platform/drawing.h"
#include "platform/geometry.h"
#include "platform/messages.h"

namespace platform {

// The name that makes the program a single instance (the window class).
inline constexpr const char* WindowClassName = "ZUMIASTEROIDS_3941";

// True when another instance of the game is running; then the program ends at
// once. Called first thing by start-up.
bool AnotherInstanceRunning();

// Registers the window class with the game's window procedure. False when
// the window system cannot be reached (no display). Called by start-up.
bool RegisterWindowClass(WindowProcedure procedure);
void UnregisterWindowClass();

// Creates and shows the borderless square main window with its top-left corner
// at (left, top) on the screen; it may lie partly off the screen. False on
// failure. Called by start-up; DestroyMainWindow by teardown.
bool CreateMainWindow(std::int32_t left, std::int32_t top, std::int32_t size);
void DestroyMainWindow();

// Moves the main window's top-left corner to (left, top) on the screen,
// keeping its size and stacking order. Called by the drag.
void SetWindowPos(std::int32_t left, std::int32_t top);

// Converts a client position of the main window to a screen position.
Point ClientToScreen(Point client);

// Shows the standard arrow cursor over the window. Called once by start-up.
void SetArrowCursor();

// Marks an area of the window for repainting (without erasing it): the next
// Paint message copies it from the back buffer.
void InvalidateRect(const Rect& rect);

// Painting, for the Paint message: BeginPaint takes the area to repaint and
// marks the window valid again; PaintFromBitmap copies that area of the
// back buffer to the window at the same place; EndPaint shows it.
Rect BeginPaint();
void PaintFromBitmap(const Bitmap& backBuffer, const Rect& area);
void EndPaint();

}  // namespace platform
