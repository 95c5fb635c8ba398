// za_capture_analysis: reads what the sound device played (16-bit
// little-endian stereo at 44100 Hz, as SDL's disk driver writes it) and prints
// each sound in it on a line of its own:
//
//   sound START_MS LENGTH_MS HZ_FIRST HZ_SECOND
//
// with the pitch over its first 50 ms and over the 50 ms after (0 where it
// cannot be told), and last "end TOTAL_MS". The game's tones are centred one
// step below the middle, and the pitch is found from the upward passes through
// that level.
//
// Usage: za_capture_analysis CAPTURE.raw

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

constexpr int Rate = 44100;
constexpr int Channels = 2;
constexpr int BlockFrames = Rate / 200;       // 5 ms
constexpr int Loud = 2000;                    // a block holding a sample past this sounds
constexpr int MaxGapBlocks = 2;               // quieter blocks inside one sound
constexpr int Middle = -256;                  // the tones centre on 127 of 0..255
constexpr int Hysteresis = 1000;              // against passes made by noise
constexpr int PitchWindowFrames = Rate / 20;  // 50 ms

std::vector<std::int16_t> ReadLeftChannel(const char* path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    std::vector<std::int16_t> left;
    const std::size_t frameBytes = 2 * Channels;
    for (std::size_t i = 0; i + frameBytes <= bytes.size(); i += frameBytes) {
        const auto low = static_cast<std::uint8_t>(bytes[i]);
        const auto high = static_cast<std::uint8_t>(bytes[i + 1]);
        left.push_back(static_cast<std::int16_t>(low | high << 8));
    }
    return left;
}

// The pitch of frames [from, to): upward passes through the middle, counted
// only after the wave has been well below it.
double Pitch(const std::vector<std::int16_t>& frames, std::size_t from, std::size_t to) {
    std::vector<std::size_t> passes;
    bool below = false;
    for (std::size_t i = from; i < to && i < frames.size(); ++i) {
        if (frames[i] < Middle - Hysteresis) below = true;
        if (below && frames[i] >= Middle + Hysteresis) {
            passes.push_back(i);
            below = false;
        }
    }
    if (passes.size() < 3) return 0.0;
    return Rate * static_cast<double>(passes.size() - 1) / (passes.back() - passes.front());
}

bool Sounds(const std::vector<std::int16_t>& frames, std::size_t block) {
    for (std::size_t i = block * BlockFrames; i < (block + 1) * BlockFrames && i < frames.size();
         ++i) {
        if (std::abs(frames[i]) > Loud) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: za_capture_analysis CAPTURE.raw\n");
        return 2;
    }
    const std::vector<std::int16_t> frames = ReadLeftChannel(argv[1]);
    const std::size_t blocks = (frames.size() + BlockFrames - 1) / BlockFrames;
    std::size_t block = 0;
    while (block < blocks) {
        if (!Sounds(frames, block)) {
            ++block;
            continue;
        }
        const std::size_t first = block;
        std::size_t last = block;
        for (std::size_t next = block + 1; next < blocks && next <= last + MaxGapBlocks + 1;
             ++next) {
            if (Sounds(frames, next)) last = next;
        }
        block = last + 1;
        // The sound starts at its first loud sample.
        std::size_t start = first * BlockFrames;
        while (std::abs(frames[start]) <= Loud) ++start;
        const std::size_t end = (last + 1) * BlockFrames;
        std::printf("sound %zu %zu %.1f %.1f\n", start * 1000 / Rate, (end - start) * 1000 / Rate,
                    Pitch(frames, start, start + PitchWindowFrames),
                    Pitch(frames, start + PitchWindowFrames, start + 2 * PitchWindowFrames));
    }
    std::printf("end %zu\n", frames.size() * 1000 / Rate);
    return 0;
}
