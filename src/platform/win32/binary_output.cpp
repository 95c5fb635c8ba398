// Linked into the Windows builds of the command-line tools, not the game:
// writes their standard output and error in binary mode, so a line ends in
// "\n" as on the other systems and what a tool prints (a trace, a list of
// pixels) is byte for byte what it prints there.

#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace {

[[maybe_unused]] const bool binaryOutput = [] {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    return true;
}();

}  // namespace
