// zumiasteroids-frame-finder: tells which frame of the simulated game a
// picture of the real game's window shows, so a test can check that the
// Windows game puts exactly the pixels of the shared back buffer on the screen.
//
// Usage: zumiasteroids-frame-finder PICTURE.ppm ARGS FIRST_SEED SEEDS TIME_MS
//   PICTURE.ppm  the window's pixels, binary RGB (P6, maximum value 255)
//   ARGS         the game's command line
//   FIRST_SEED   the first calendar time the game may have read at start-up;
//   SEEDS        how many seconds after it to try
//   TIME_MS      how long to simulate each seed
// Runs the real program on the headless backend for each seed and compares
// the back buffer with the picture after every frame tick. Prints the first
// match as "seed=S tick=K" and exits 0; otherwise prints the closest frame
// and exits 1. A pixel whose red, green and blue differ never matches: the
// window shows greys only.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/program.h"
#include "app/timers.h"
#include "platform/headless/headless.h"
#include "support/program_fixture.h"

namespace {

constexpr int MaxValue = 255;
// Never a grey: marks a picture pixel whose channels differ.
constexpr int NotGrey = -1;

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<int> greys;  // row-major, NotGrey where the channels differ
};

std::optional<Picture> ReadPicture(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    Picture picture;
    int maxValue = 0;
    if (!(in >> magic >> picture.width >> picture.height >> maxValue) || magic != "P6" ||
        maxValue != MaxValue || picture.width <= 0 || picture.height <= 0) {
        return std::nullopt;
    }
    in.get();  // the one blank after the header
    for (int i = 0; i < picture.width * picture.height; ++i) {
        const int red = in.get(), green = in.get(), blue = in.get();
        if (!in) return std::nullopt;
        picture.greys.push_back(red == green && green == blue ? red : NotGrey);
    }
    return picture;
}

// The closest frame seen, and the first one that matched.
struct Search {
    const Picture* picture = nullptr;
    std::int64_t seed = 0;
    std::int64_t tick = 0;
    std::optional<std::pair<std::int64_t, std::int64_t>> match;
    std::int64_t fewestDifferences = std::numeric_limits<std::int64_t>::max();
    std::int64_t closestSeed = 0;
    std::int64_t closestTick = 0;
};

Search search;

std::int64_t Differences(const Picture& picture, const platform::Bitmap& frame) {
    if (frame.width() != picture.width || frame.height() != picture.height) {
        return static_cast<std::int64_t>(picture.greys.size());
    }
    std::int64_t differences = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            differences += picture.greys[y * picture.width + x] != frame.at(x, y) ? 1 : 0;
        }
    }
    return differences;
}

void CompareAfterTick(const platform::Message& message) {
    if (message.kind != platform::MessageKind::Timer ||
        message.wParam != static_cast<std::uint32_t>(TimerId::FrameTick) || search.match) {
        return;
    }
    ++search.tick;
    const std::int64_t differences = Differences(*search.picture, *BackBitmap);
    if (differences < search.fewestDifferences) {
        search.fewestDifferences = differences;
        search.closestSeed = search.seed;
        search.closestTick = search.tick;
    }
    if (differences == 0) search.match = std::pair{search.seed, search.tick};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s PICTURE.ppm ARGS FIRST_SEED SEEDS TIME_MS\n", argv[0]);
        return 2;
    }
    const std::optional<Picture> picture = ReadPicture(argv[1]);
    if (!picture) {
        std::fprintf(stderr, "%s: not a binary RGB picture\n", argv[1]);
        return 2;
    }
    const std::int64_t firstSeed = std::atoll(argv[3]);
    const std::int64_t seeds = std::atoll(argv[4]);
    const std::int64_t timeMs = std::atoll(argv[5]);
    search.picture = &*picture;

    for (std::int64_t seed = firstSeed; seed < firstSeed + seeds && !search.match; ++seed) {
        platform::headless::Settings settings;
        settings.calendarTime = seed;
        ResetProgramState(settings);
        search.seed = seed;
        search.tick = 0;
        platform::headless::SetDispatchObserver(CompareAfterTick);
        if (!StartUp(argv[2])) {
            std::fprintf(stderr, "the simulated game did not start\n");
            return 2;
        }
        platform::headless::RunUntil(timeMs);
        TearDown();
    }
    if (search.match) {
        std::printf("seed=%lld tick=%lld\n", static_cast<long long>(search.match->first),
                    static_cast<long long>(search.match->second));
        return 0;
    }
    std::printf("no frame matches; closest: seed=%lld tick=%lld with %lld pixels different\n",
                static_cast<long long>(search.closestSeed),
                static_cast<long long>(search.closestTick),
                static_cast<long long>(search.fewestDifferences));
    return 1;
}
