#include "text/screens.h"

#include "app/frame_tick.h"
#include "game/game_state.h"
#include "sound/sound_bank.h"

std::int32_t TitlePage = 0;

void ShowTitlePage(std::int32_t /*page*/) {
    if (SoundOn) {
        StopSound(BankSound::Thrust);
        StopSound(BankSound::Saucer);
    }
    Playing = false;
    // The page's lines are drawn with the pixel font, which joins the game
    // with the text module; until then the pages are blank.
}

void NextTitlePage() {
    Playing = false;
    ShowTitlePage(TitlePage);
    TitlePage = (TitlePage + 1) % TitlePageCount;
    ShowTitlePage(TitlePage);
}

void DrawStatusText() {
    if (StatusCounter < 1) return;
    // The status lines are drawn with the pixel font, which joins the game
    // with the text module.
}
