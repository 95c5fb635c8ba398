#pragma once

// The five-place high-score table, best score first.

#include <array>
#include <cstdint>

inline constexpr std::uint32_t EntryHeadMarker = 0xDEADBEEF;
inline constexpr std::uint32_t EntryTailMarker = 0x0DEFACED;
inline constexpr int NameBytes = 4;  // up to 3 characters and a NUL

// One place of the table; the same 16 bytes in memory and in the score file.
struct HighScoreEntry {
    std::uint32_t headMarker = EntryHeadMarker;
    char name[NameBytes] = {};
    std::int32_t score = 0;
    std::uint32_t tailMarker = EntryTailMarker;
};
static_assert(sizeof(HighScoreEntry) == 16);

inline constexpr int HighScorePlaces = 5;
using HighScores = std::array<HighScoreEntry, HighScorePlaces>;

extern HighScores HighScoreTable;
extern const HighScores DefaultHighScores;

// Called once by start-up, before the window class is registered.
void LoadHighScores();
// Called at exit and on the start-up paths where the window cannot be made.
void SaveHighScores();

// Places a score in the table (above an equal one), the name set to three
// spaces; returns its place 0..4, or 5 when it is too low to enter.
int InsertHighScore(std::int32_t score);
