// The Windows game's entry point: a GUI program, so there is no console; the
// command line after the program's name holds the window size.

#include "app/program.h"
#include "platform/win32/win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    return ProgramMain(commandLine);
}
