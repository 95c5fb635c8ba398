#pragma once

// The title and credit pages between games and the status texts during a
// game, all drawn by exclusive-or so that drawing the same thing again
// erases it.

#include <cstdint>

// The title page on the screen between games, 0..3.
extern std::int32_t TitlePage;

// Number of pages the title screen turns through.
inline constexpr std::int32_t TitlePageCount = 4;

// Draws a title page, or erases it when it is on the screen. Silences the
// thrust and the saucer and clears Playing.
void ShowTitlePage(std::int32_t page);

// Timer TitlePages: erases the page on the screen and draws the next one.
void NextTitlePage();

// Draws the status block for the current state, or erases it when called
// again with the same values. Draws nothing while StatusCounter is below 1.
void DrawStatusText();
