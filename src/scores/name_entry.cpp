#include "scores/name_entry.h"

#include <cstring>

#include "game/game_state.h"
#include "scores/high_scores.h"
#include "text/screens.h"

char PlayerName[NameLength + 1] = {};

void ClearPlayerName() { PlayerName[0] = '\0'; }

// The name is part of the exclusive-or status text: it is erased with the
// name it was drawn with, changed, and drawn again.

void AddNameCharacter(char character) {
    const std::size_t length = std::strlen(PlayerName);
    if (length >= NameLength) return;
    DrawStatusText();
    PlayerName[length] = character;
    PlayerName[length + 1] = '\0';
    DrawStatusText();
}

void DeleteNameCharacter() {
    const std::size_t length = std::strlen(PlayerName);
    if (length == 0) return;
    DrawStatusText();
    PlayerName[length - 1] = '\0';
    DrawStatusText();
}

void FinishNameEntry() {
    const int place = InsertHighScore(Score);
    NameEntryActive = false;
    if (place < HighScorePlaces) {
        std::memcpy(HighScoreTable[place].name, PlayerName, std::strlen(PlayerName) + 1);
    }
    ReturnToTitle();
}
