#include "scores/high_scores.h"

HighScores HighScoreTable{};

const HighScores DefaultHighScores{{
    {EntryHeadMarker, {'P', 'O', 'W', '\0'}, 1000, EntryTailMarker},
    {EntryHeadMarker, {'E', 'R', 'O', '\0'}, 800, EntryTailMarker},
    {EntryHeadMarker, {'F', 'A', 'T', '\0'}, 600, EntryTailMarker},
    {EntryHeadMarker, {'T', 'O', 'R', '\0'}, 400, EntryTailMarker},
    {EntryHeadMarker, {'N', 'E', 'Y', '\0'}, 200, EntryTailMarker},
}};

int InsertHighScore(std::int32_t score) {
    int place = 0;
    while (place < HighScorePlaces && HighScoreTable[place].score > score) ++place;
    if (place == HighScorePlaces) return place;
    for (int i = HighScorePlaces - 1; i > place; --i) HighScoreTable[i] = HighScoreTable[i - 1];
    HighScoreEntry& entry = HighScoreTable[place];
    entry.score = score;
    entry.name[0] = entry.name[1] = entry.name[2] = ' ';
    entry.name[3] = '\0';
    return place;
}
