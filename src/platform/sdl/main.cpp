// The Linux game's entry point: the arguments become the one command line the
// game reads its window size from, as on Windows.

#include <string>

#include "app/program.h"

int main(int argc, char* argv[]) {
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) commandLine += ' ';
        commandLine += argv[i];
    }
    return ProgramMain(commandLine.c_str());
}
