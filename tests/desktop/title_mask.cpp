// za_title_mask SIZE PAGE OUT.pgm: the back buffer of a SIZE-pixel game
// showing title page PAGE over an empty field, written as a PGM image. The
// desktop tests compare the real window's text with it.

#include <cstdio>
#include <cstdlib>

#include "app/main_window.h"
#include "app/object_list.h"
#include "app/program.h"
#include "platform/headless/headless.h"
#include "text/screens.h"
#include "trace.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: za_title_mask SIZE PAGE OUT.pgm\n");
        return 2;
    }
    platform::headless::Reset();
    if (!StartUp(argv[1])) return 1;
    ClearObjects();
    ClearBackBuffer();
    ShowTitlePage(std::atoi(argv[2]));
    const bool written = WritePgm(*BackBitmap, argv[3]);
    TearDown();
    return written ? 0 : 1;
}
