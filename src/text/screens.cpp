#include "text/screens.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "app/frame_tick.h"
#include "app/main_window.h"
#include "game/game_state.h"
#include "scores/high_scores.h"
#include "scores/name_entry.h"
#include "sound/sound_bank.h"
#include "text/font.h"

std::int32_t TitlePage = 0;

namespace {

constexpr std::int32_t LineStep = 6;  // five pixel rows and one blank

// Title page 0.
constexpr std::int32_t TitleTop = 1;
constexpr std::int32_t TitleSecondLine = 7;
constexpr std::int32_t PressFireFromBottom = 12;
constexpr std::int32_t ToStartFromBottom = 6;

// Page 1: the high-score table.
constexpr std::int32_t HighScoresTitleTop = 5;
constexpr std::int32_t TableRowsAboveCentre = 15;
constexpr std::int32_t TableTopmostRow = 11;
constexpr std::int32_t TableWidth = 47;
constexpr std::int32_t ScoreColumn = 24;
constexpr std::int32_t ScoreDigits = 6;

// Pages 2 and 3: where the game and its maker are found. The addresses
// are in a domain reserved for examples, so they name no real site.
constexpr std::array<std::string_view, 5> FamilyAddress{"WWW.", "ZUMI", "GAMES.", "EXAMPLE.",
                                                        "COM"};
constexpr std::int32_t FamilyAddressAboveCentre = 24;
constexpr std::int32_t VentureLine = 12;  // below the centre
constexpr std::array<std::string_view, 3> MakerAddress{"WWW.", "VORTELL.", "EXAMPLE.COM"};
constexpr std::int32_t PleaseAboveCentre = 15;
constexpr std::int32_t MakerAddressAboveCentre = 3;

// Status texts.
constexpr std::int32_t LevelTextTop = 12;
constexpr std::int32_t ScoreTextFromBottom = 18;
constexpr std::int32_t LivesTextFromBottom = 12;
constexpr std::int32_t GameOverAboveCentre = 9;
constexpr std::int32_t GameOverScoreBelowCentre = 3;
constexpr std::int32_t NamePromptBelowCentre = 15;
constexpr std::int32_t NameBelowCentre = 21;
constexpr std::size_t TextCapacity = 32;

void ShowTitle() {
    const std::int32_t s = WindowSize;
    DrawStringCentred(TitleTop, "ZUMI");
    DrawStringCentred(TitleSecondLine, "ASTEROIDS");
    DrawStringCentred(s - PressFireFromBottom, "PRESS FIRE");
    DrawStringCentred(s - ToStartFromBottom, "TO START");
}

void ShowHighScores() {
    DrawStringCentred(HighScoresTitleTop, "HIGH SCORES");
    const std::int32_t top = std::max(HalfWindowSize - TableRowsAboveCentre, TableTopmostRow);
    const std::int32_t x = (WindowSize - TableWidth) / 2;
    for (int k = 0; k < HighScorePlaces; ++k) {
        const HighScoreEntry& entry = HighScoreTable[k];
        const std::int32_t y = top + LineStep * k;
        // A name ends at its first NUL and never runs past its four bytes.
        DrawString(x, y, std::string_view(entry.name, strnlen(entry.name, NameBytes)));
        DrawNumber(x + ScoreColumn, y, entry.score, ScoreDigits);
    }
}

void ShowFamilyCredits() {
    const std::int32_t h = HalfWindowSize;
    for (std::size_t i = 0; i < FamilyAddress.size(); ++i) {
        DrawStringCentred(h - FamilyAddressAboveCentre + LineStep * static_cast<std::int32_t>(i),
                          FamilyAddress[i]);
    }
    DrawStringCentred(h + VentureLine, "A VORTELL");
    DrawStringCentred(h + VentureLine + LineStep, "VENTURE");
}

void ShowMakerCredits() {
    const std::int32_t h = HalfWindowSize;
    DrawStringCentred(h - PleaseAboveCentre, "PLEASE");
    DrawStringCentred(h - PleaseAboveCentre + LineStep, "VISIT");
    for (std::size_t i = 0; i < MakerAddress.size(); ++i) {
        DrawStringCentred(h - MakerAddressAboveCentre + LineStep * static_cast<std::int32_t>(i),
                          MakerAddress[i]);
    }
}

}  // namespace

void ShowTitlePage(std::int32_t page) {
    if (SoundOn) {
        StopSound(BankSound::Thrust);
        StopSound(BankSound::Saucer);
    }
    Playing = false;
    switch (page) {
        case 0: ShowTitle(); break;
        case 1: ShowHighScores(); break;
        case 2: ShowFamilyCredits(); break;
        case 3: ShowMakerCredits(); break;
        default: break;
    }
}

void NextTitlePage() {
    Playing = false;
    ShowTitlePage(TitlePage);
    TitlePage = (TitlePage + 1) % TitlePageCount;
    ShowTitlePage(TitlePage);
}

void DrawStatusText() {
    if (StatusCounter < 1) return;
    // Rebuilt from the current values at every call: a call erases the text
    // of the previous one only if nothing changed in between.
    char score[TextCapacity];
    std::snprintf(score, sizeof score, "SCORE %d", Score);
    const std::int32_t s = WindowSize;
    const std::int32_t h = HalfWindowSize;
    if (GameOver) {
        DrawStringCentred(h - GameOverAboveCentre, "GAME OVER");
        DrawStringCentred(h + GameOverScoreBelowCentre, score);
        if (Score > ScoreToBeat) {
            DrawStringCentred(h + NamePromptBelowCentre, "ENTER YOUR NAME");
            DrawStringCentred(h + NameBelowCentre, PlayerName);
        }
        return;
    }
    char level[TextCapacity];
    std::snprintf(level, sizeof level, "LEVEL %d", Level);
    char lives[TextCapacity];
    const std::int32_t reserve = Lives - 1;  // the ships behind the one in play
    if (reserve == 1) {
        std::snprintf(lives, sizeof lives, "1 LIFE LEFT");
    } else {
        std::snprintf(lives, sizeof lives, "%d LIVES LEFT", reserve);
    }
    DrawStringCentred(LevelTextTop, level);
    DrawStringCentred(s - ScoreTextFromBottom, score);
    DrawStringCentred(s - LivesTextFromBottom, lives);
}
