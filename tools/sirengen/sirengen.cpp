// zumiasteroids-sirengen: writes the saucer's siren, "WAVE" resource 107: a
// RIFF WAVE file of half a second of 22050 Hz 8-bit mono PCM (11,069 bytes).
// The sound is a triangle wave between 14 and 242 whose pitch glides from a
// period of 108 samples (about 204 Hz) up to about 55 samples (about 400 Hz)
// in the middle and back down at the end, so that played in a loop it rises
// and falls like a siren. It holds a whole number of cycles, so the loop
// closes without a click.
//
// Usage: zumiasteroids-sirengen OUTPUT.wav

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr std::uint32_t SampleRate = 22050;
constexpr std::uint32_t SampleCount = 11025;  // half a second
constexpr double LongestPeriod = 108.0;       // samples, at the start and the end
constexpr double Cycles = 151.0;              // puts the shortest period near 55 samples
constexpr double Lowest = 14.0;
constexpr double Highest = 242.0;
// The wave starts halfway up, where the loop also ends.
constexpr double StartPhase = 0.25;

constexpr std::uint16_t PcmFormat = 1;
constexpr std::uint16_t Channels = 1;
constexpr std::uint16_t BitsPerSample = 8;
constexpr std::uint32_t FormatChunkSize = 16;
constexpr std::uint32_t HeaderBytes = 44;  // RIFF header, format chunk, data chunk header

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void PutTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
    out.insert(out.end(), tag, tag + 4);
}

// How far the glide has gone at sample k: 0 at both ends, 1 in the middle.
double Glide(std::uint32_t k) { return 1.0 - std::fabs(2.0 * k - SampleCount) / SampleCount; }

// A triangle wave over one cycle: lowest at 0, highest at one half.
double Triangle(double phase) {
    const double within = phase - std::floor(phase);
    const double rise = within < 0.5 ? 2.0 * within : 2.0 - 2.0 * within;
    return Lowest + (Highest - Lowest) * rise;
}

std::vector<std::uint8_t> SirenSamples() {
    // The frequency (cycles a sample) goes linearly from the lowest to the
    // peak and back; the peak is what makes the cycles add up.
    const double lowest = 1.0 / LongestPeriod;
    double glideSum = 0.0;
    for (std::uint32_t k = 0; k < SampleCount; ++k) glideSum += Glide(k);
    const double peak = lowest + (Cycles - SampleCount * lowest) / glideSum;

    std::vector<std::uint8_t> samples;
    double phase = StartPhase;
    for (std::uint32_t k = 0; k < SampleCount; ++k) {
        samples.push_back(static_cast<std::uint8_t>(std::lround(Triangle(phase))));
        phase += lowest + (peak - lowest) * Glide(k);
    }
    return samples;
}

std::vector<std::uint8_t> EncodeWave() {
    const std::vector<std::uint8_t> samples = SirenSamples();
    std::vector<std::uint8_t> out;
    PutTag(out, "RIFF");
    Put32(out, HeaderBytes - 8 + SampleCount);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, FormatChunkSize);
    Put16(out, PcmFormat);
    Put16(out, Channels);
    Put32(out, SampleRate);
    Put32(out, SampleRate * Channels * BitsPerSample / 8);
    Put16(out, Channels * BitsPerSample / 8);
    Put16(out, BitsPerSample);
    PutTag(out, "data");
    Put32(out, SampleCount);
    out.insert(out.end(), samples.begin(), samples.end());
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zumiasteroids-sirengen OUTPUT.wav\n");
        return 2;
    }
    const std::vector<std::uint8_t> wave = EncodeWave();
    std::FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr) {
        std::fprintf(stderr, "zumiasteroids-sirengen: cannot write %s\n", argv[1]);
        return 1;
    }
    const bool written = std::fwrite(wave.data(), 1, wave.size(), out) == wave.size();
    if (std::fclose(out) != 0 || !written) {
        std::fprintf(stderr, "zumiasteroids-sirengen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
