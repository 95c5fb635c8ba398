#include "sound/synthesis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "app/random.h"

namespace {

std::vector<std::uint8_t> Tone(std::int32_t durationMs, std::int32_t startHz, std::int32_t endHz,
                               std::int32_t startAmplitude, std::int32_t endAmplitude) {
    std::vector<std::uint8_t> samples(static_cast<std::size_t>(SampleCount(durationMs)));
    FillTone(samples, startHz, endHz, startAmplitude, endAmplitude);
    return samples;
}

std::vector<std::uint8_t> Noise(std::int32_t durationMs, std::int32_t startAmplitude,
                                std::int32_t endAmplitude) {
    std::vector<std::uint8_t> samples(static_cast<std::size_t>(SampleCount(durationMs)));
    FillNoise(samples, startAmplitude, endAmplitude);
    return samples;
}

// Where the wave passes upward through the middle: a sample at or above 127
// after one below it.
std::vector<std::size_t> UpwardCrossings(const std::vector<std::uint8_t>& samples) {
    std::vector<std::size_t> crossings;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        if (samples[i - 1] < 127 && samples[i] >= 127) crossings.push_back(i);
    }
    return crossings;
}

std::vector<std::size_t> Gaps(const std::vector<std::size_t>& positions) {
    std::vector<std::size_t> gaps;
    for (std::size_t i = 1; i < positions.size(); ++i)
        gaps.push_back(positions[i] - positions[i - 1]);
    return gaps;
}

// The gaps that repeat at least three times in a row, once each.
std::vector<std::size_t> SteadyPeriods(const std::vector<std::size_t>& gaps) {
    std::vector<std::size_t> periods;
    for (std::size_t i = 2; i < gaps.size(); ++i) {
        const bool run = gaps[i] == gaps[i - 1] && gaps[i] == gaps[i - 2];
        if (run && (periods.empty() || periods.back() != gaps[i])) periods.push_back(gaps[i]);
    }
    return periods;
}

int Swing(const std::vector<std::uint8_t>& samples, std::size_t from, std::size_t to) {
    const auto [low, high] = std::minmax_element(samples.begin() + from, samples.begin() + to);
    return *high - *low;
}

// How many numbers the shared generator gave since it was seeded with 1.
int DrawsSinceSeedOne() {
    const int next = rng::rand();
    rng::srand(1);
    for (int draws = 0;; ++draws) {
        if (rng::rand() == next) return draws;
    }
}

class SynthesisTest : public ::testing::Test {
  protected:
    void SetUp() override { rng::srand(1); }
    void TearDown() override { rng::srand(1); }
};

TEST(SampleCountTest, ElevenSamplesAMillisecondAndOneMore) {
    struct Case {
        std::int32_t durationMs;
        std::int64_t samples;
    };
    for (const Case c : {Case{0, 1}, Case{100, 1101}, Case{150, 1651}, Case{250, 2751},
                         Case{500, 5501}, Case{1000, 11001}}) {
        EXPECT_EQ(SampleCount(c.durationMs), c.samples) << c.durationMs << " ms";
    }
}

TEST_F(SynthesisTest, ASteadyToneIsClampedAndKeepsItsWholeSamplePeriod) {
    // Amplitude 200 is clamped to 127; 150 Hz is a period of 73 samples.
    const std::vector<std::uint8_t> tone = Tone(100, 150, 150, 200, 200);
    ASSERT_EQ(tone.size(), 1101u);
    EXPECT_EQ(std::vector<std::uint8_t>(tone.begin(), tone.begin() + 8),
              (std::vector<std::uint8_t>{127, 132, 137, 143, 148, 153, 158, 162}));
    EXPECT_EQ(*std::min_element(tone.begin(), tone.end()), 63);
    EXPECT_EQ(*std::max_element(tone.begin(), tone.end()), 190);
    const std::vector<std::size_t> gaps = Gaps(UpwardCrossings(tone));
    ASSERT_GE(gaps.size(), 14u);
    for (const std::size_t gap : gaps) EXPECT_EQ(gap, 73u);
    // No amplitude step: the last cycle swings as far as the first.
    EXPECT_EQ(Swing(tone, 0, 73), Swing(tone, tone.size() - 73, tone.size()));
}

TEST_F(SynthesisTest, TheShotSweepFallsInPitchAndFadesOut) {
    const std::vector<std::uint8_t> tone = Tone(250, 750, 300, 120, 0);
    ASSERT_EQ(tone.size(), 11u * 250 + 1);
    EXPECT_EQ(std::vector<std::uint8_t>(tone.begin(), tone.begin() + 7),
              (std::vector<std::uint8_t>{127, 153, 173, 185, 185, 173, 152}));
    // The period grows in whole samples from 14 (750 Hz) towards 36 (just
    // over 300 Hz). Each step of the period jumps the wave, so only runs of
    // equal gaps between crossings show the period; they rise one by one.
    const std::vector<std::size_t> periods = SteadyPeriods(Gaps(UpwardCrossings(tone)));
    ASSERT_GE(periods.size(), 12u);
    for (std::size_t i = 0; i < periods.size(); ++i) EXPECT_EQ(periods[i], 14 + i);
    EXPECT_LE(periods.back(), 36u);
    // The swing shrinks linearly to almost nothing.
    const int start = Swing(tone, 0, 100);
    const int middle = Swing(tone, tone.size() / 2 - 50, tone.size() / 2 + 50);
    const int end = Swing(tone, tone.size() - 100, tone.size());
    EXPECT_GE(start, 115);
    EXPECT_NEAR(middle, start / 2, 4);
    EXPECT_LE(end, 5);
}

TEST_F(SynthesisTest, TheThrustHissStaysCloseToTheMiddle) {
    const std::vector<std::uint8_t> noise = Noise(150, 7, 6);
    ASSERT_EQ(noise.size(), 1651u);
    // The first sample spreads up to 6 from the middle, every later one (with
    // the amplitude just under 7) up to 5.
    EXPECT_GE(noise[0], 121);
    EXPECT_LE(noise[0], 133);
    EXPECT_EQ(*std::min_element(noise.begin() + 1, noise.end()), 122);
    EXPECT_EQ(*std::max_element(noise.begin() + 1, noise.end()), 132);
    // Every sample draws a sign and a spread.
    EXPECT_EQ(DrawsSinceSeedOne(), 2 * 1651);
}

TEST_F(SynthesisTest, TheExplosionBurstEndsInSilenceAndDrawsOnceThere) {
    const std::vector<std::uint8_t> noise = Noise(500, 120, 0);
    ASSERT_EQ(noise.size(), 5501u);
    // From seed 1 the first burst of the bank begins so.
    EXPECT_EQ(std::vector<std::uint8_t>(noise.begin(), noise.begin() + 8),
              (std::vector<std::uint8_t>{20, 209, 111, 211, 196, 66, 79, 112}));
    const auto [low, high] = std::minmax_element(noise.begin(), noise.begin() + 100);
    EXPECT_GE(*low, 8);
    EXPECT_LE(*high, 246);
    // The last 45 samples have an amplitude below 1: each is 127, and each
    // draws only its sign.
    EXPECT_TRUE(
        std::all_of(noise.end() - 45, noise.end(), [](std::uint8_t s) { return s == 127; }));
    EXPECT_EQ(DrawsSinceSeedOne(), 2 * 5501 - 45);
}

TEST_F(SynthesisTest, EqualStartAndEndAmplitudesKeepTheNoiseSpread) {
    const std::vector<std::uint8_t> noise = Noise(500, 3, 3);
    EXPECT_EQ(*std::min_element(noise.begin(), noise.end()), 125);
    EXPECT_EQ(*std::max_element(noise.begin(), noise.end()), 129);
    EXPECT_EQ(DrawsSinceSeedOne(), 2 * 5501);
}

}  // namespace
