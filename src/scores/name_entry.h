#pragma once

// Typing a name of up to three digits or capital letters into the high-score
// table after a qualifying game.

inline constexpr int NameLength = 3;

// The name typed so far, NUL-terminated.
extern char PlayerName[NameLength + 1];

// Empties the name; called when name entry starts.
void ClearPlayerName();
// A digit or letter key during name entry.
void AddNameCharacter(char character);
// Backspace during name entry.
void DeleteNameCharacter();
// Enter during name entry: the score and name go into the table.
void FinishNameEntry();
