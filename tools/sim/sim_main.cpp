// zumiasteroids-sim: runs the real program on the headless backend for a
// given virtual time, with a given seed and a script of timed key events,
// and prints one trace line per frame tick and at the end a hash of the back
// buffer. Same inputs, same trace: tests compare traces.
//
// Usage: zumiasteroids-sim [--time MS] [--seed N] [--clock MS] [--args TEXT]
//                          [--script FILE] [--pgm FILE] [--verbose 1]
//                          [--sound 1] [--bank FOLDER] [--heard FILE]
//   --time    virtual milliseconds to run (default 10000)
//   --seed    the calendar time the program reads at start-up (default 0)
//   --clock   wall-clock milliseconds at virtual time 0 (default 0)
//   --args    the program's command line (default empty: a 64-pixel window)
//   --script  key events, one a line: "TIME down KEY" or "TIME up KEY", where
//             KEY is Left, Right, Up, Down, Ctrl, Esc, Enter, Backspace, a digit,
//             a capital letter or a virtual-key code such as 0x53; # comments
//   --pgm     also write the final back buffer as a PGM image
//   --verbose 1 adds a line for every object after each tick's line
//   --sound   1 gives the machine a sound device (the trace shows sound=1)
//   --bank    also write each buffer of the sound bank, in bank order, as raw
//             bytes into FOLDER (BeatHighSound.u8 ... ThrustSound.u8); implies
//             --sound 1
//   --heard   also write what the sound device played as a 44100 Hz 16-bit
//             mono WAVE file; implies --sound 1

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "app/main_window.h"
#include "app/program.h"
#include "app/timers.h"
#include "platform/headless/headless.h"
#include "platform/input.h"
#include "sound_output.h"
#include "trace.h"

namespace {

using platform::VirtualKey;
namespace headless = platform::headless;

struct Options {
    std::int64_t timeMs = 10000;
    std::int64_t seed = 0;
    std::int64_t clockMs = 0;
    std::string args;
    std::string script;
    std::string pgm;
    bool verbose = false;
    bool sound = false;
    std::string bank;
    std::string heard;
};

struct NamedKey {
    const char* name;
    VirtualKey key;
};

constexpr NamedKey NamedKeys[] = {
    {"Left", VirtualKey::Left},   {"Right", VirtualKey::Right},     {"Up", VirtualKey::Up},
    {"Down", VirtualKey::Down},   {"Ctrl", VirtualKey::Control},    {"Esc", VirtualKey::Escape},
    {"Enter", VirtualKey::Enter}, {"Backspace", VirtualKey::Backspace},
};

// The virtual-key code a script names, or -1.
int ParseKey(const std::string& name) {
    for (const NamedKey& named : NamedKeys) {
        if (name == named.name) return static_cast<int>(named.key);
    }
    if (name.size() == 1 && ((name[0] >= '0' && name[0] <= '9') || (name[0] >= 'A' && name[0] <= 'Z'))) {
        return name[0];  // digits and letters are their own codes
    }
    if (name.rfind("0x", 0) == 0 && name.size() > 2) {
        char* end = nullptr;
        const long code = std::strtol(name.c_str() + 2, &end, 16);
        if (*end == '\0' && code > 0 && code < 256) return static_cast<int>(code);
    }
    return -1;
}

bool LoadScript(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        std::fprintf(stderr, "zumiasteroids-sim: cannot read script %s\n", path.c_str());
        return false;
    }
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream fields(line);
        long long at = 0;
        std::string action, keyName, extra;
        if (!(fields >> at)) continue;  // blank or comment line
        const int key = (fields >> action >> keyName) ? ParseKey(keyName) : -1;
        if (key < 0 || (action != "down" && action != "up") || (fields >> extra) || at < 0) {
            std::fprintf(stderr, "zumiasteroids-sim: %s:%d: expected \"TIME down|up KEY\"\n",
                         path.c_str(), number);
            return false;
        }
        if (action == "down") {
            headless::ScriptKeyDown(at, static_cast<std::uint8_t>(key));
        } else {
            headless::ScriptKeyUp(at, static_cast<std::uint8_t>(key));
        }
    }
    return true;
}

bool ParseNumber(const char* text, std::int64_t& value) {
    char* end = nullptr;
    value = std::strtoll(text, &end, 10);
    return end != text && *end == '\0';
}

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (i + 1 >= argc) {
            std::fprintf(stderr, "zumiasteroids-sim: %s needs a value\n", flag.c_str());
            return false;
        }
        const char* value = argv[++i];
        bool ok = true;
        if (flag == "--time") {
            ok = ParseNumber(value, options.timeMs) && options.timeMs >= 0;
        } else if (flag == "--seed") {
            ok = ParseNumber(value, options.seed);
        } else if (flag == "--clock") {
            ok = ParseNumber(value, options.clockMs) && options.clockMs >= 0;
        } else if (flag == "--args") {
            options.args = value;
        } else if (flag == "--script") {
            options.script = value;
        } else if (flag == "--pgm") {
            options.pgm = value;
        } else if (flag == "--verbose") {
            options.verbose = std::strcmp(value, "0") != 0;
        } else if (flag == "--sound") {
            options.sound = std::strcmp(value, "0") != 0;
        } else if (flag == "--bank") {
            options.bank = value;
        } else if (flag == "--heard") {
            options.heard = value;
        } else {
            std::fprintf(stderr, "zumiasteroids-sim: unknown option %s\n", flag.c_str());
            return false;
        }
        if (!ok) {
            std::fprintf(stderr, "zumiasteroids-sim: bad value for %s: %s\n", flag.c_str(), value);
            return false;
        }
    }
    return true;
}

std::int64_t Ticks = 0;
bool Verbose = false;

void TraceTick(const platform::Message& message) {
    if (message.kind == platform::MessageKind::Timer &&
        message.wParam == static_cast<std::uint32_t>(TimerId::FrameTick)) {
        WriteTickLine(stdout, ++Ticks, headless::Now(), Verbose);
    }
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) return 2;

    headless::Settings settings;
    settings.calendarTime = options.seed;
    settings.wallClockStartMs = options.clockMs;
    settings.soundDevice = options.sound || !options.bank.empty() || !options.heard.empty();
    headless::Reset(settings);
    if (!options.script.empty() && !LoadScript(options.script)) return 2;
    Verbose = options.verbose;
    headless::SetDispatchObserver(TraceTick);

    if (!StartUp(options.args.c_str())) {
        std::printf("end t=%lld started=0\n", static_cast<long long>(headless::Now()));
        return 0;
    }
    if (!options.bank.empty() && !DumpSoundBank(options.bank)) return 1;
    const bool running = headless::RunUntil(options.timeMs);
    if (!options.heard.empty() && !WriteHeardSound(options.heard)) return 1;
    const std::uint64_t hash = HashPixels(*BackBitmap);
    if (!options.pgm.empty() && !WritePgm(*BackBitmap, options.pgm.c_str())) {
        std::fprintf(stderr, "zumiasteroids-sim: cannot write %s\n", options.pgm.c_str());
    }
    TearDown();
    std::printf("end t=%lld ticks=%lld quit=%d backbuffer=%016llx\n",
                static_cast<long long>(headless::Now()), static_cast<long long>(Ticks),
                running ? 0 : 1, static_cast<unsigned long long>(hash));
    return 0;
}
