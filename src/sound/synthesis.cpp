#include "sound/synthesis.h"

#include <algorithm>

#include "app/random.h"
#include "app/trigonometry.h"

namespace {

constexpr std::int32_t Centre = 127;
constexpr std::int32_t LoudestTone = 127;
// The sound's duration scale and a full turn are single-precision numbers of
// the game's design; the sums they enter are formed in double precision.
constexpr float MsToSeconds = 0.001f;
constexpr float FullTurn = 6.2831855f;

// Wraps a sample to a byte as the 8-bit buffers keep it (64 bits first, so
// that no amplitude overflows the conversion).
std::uint8_t ToSample(double value) {
    return static_cast<std::uint8_t>(static_cast<std::int64_t>(value));
}

// The change per sample from `from` to `to` over `count` samples, in single
// precision; exactly 0 when they are equal.
float StepPerSample(std::int32_t from, std::int32_t to, std::size_t count) {
    if (from == to) return 0.0f;
    return static_cast<float>(to - from) / static_cast<float>(count);
}

}  // namespace

std::int64_t SampleCount(std::int32_t durationMs) {
    return 1 +
           static_cast<std::int64_t>(durationMs * static_cast<double>(MsToSeconds) * SynthesisRate);
}

void FillTone(std::span<std::uint8_t> samples, std::int32_t startHz, std::int32_t endHz,
              std::int32_t startAmplitude, std::int32_t endAmplitude) {
    // Only the top is clamped: a negative amplitude turns the wave over.
    startAmplitude = std::min(startAmplitude, LoudestTone);
    endAmplitude = std::min(endAmplitude, LoudestTone);
    const float frequencyStep = StepPerSample(startHz, endHz, samples.size());
    const float amplitudeStep = StepPerSample(startAmplitude, endAmplitude, samples.size());
    double frequency = startHz;
    double amplitude = startAmplitude;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double half = amplitude * 0.5;
        // The phase comes afresh from the sample index and the whole-sample
        // period of this moment, so the pitch moves in steps of whole periods
        // and the wave jumps where the period changes.
        const auto period = static_cast<std::int32_t>(SynthesisRate / frequency);
        const double angle = static_cast<double>(FullTurn) / period * static_cast<double>(i);
        samples[i] = ToSample(half * (Sine(angle) + 1.0) + (Centre - half));
        frequency += frequencyStep;
        amplitude += amplitudeStep;
    }
}

void FillNoise(std::span<std::uint8_t> samples, std::int32_t startAmplitude,
               std::int32_t endAmplitude) {
    const float step = StepPerSample(startAmplitude, endAmplitude, samples.size());
    float amplitude = static_cast<float>(startAmplitude);
    for (std::uint8_t& sample : samples) {
        // The sign is drawn first, even for a sample that has no spread left.
        const bool below = (rng::rand() & 1) != 0;
        if (amplitude < 1.0f) {
            sample = Centre;
        } else {
            const std::int32_t offset = rng::rand() % static_cast<std::int32_t>(amplitude);
            sample = static_cast<std::uint8_t>(below ? Centre - offset : Centre + offset);
        }
        amplitude = amplitude + step;  // single precision after every addition
    }
}
