#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/audio_mixer.h"

namespace {

using platform::AudioBuffer;
using platform::AudioMixer;
using platform::PlayFlags;

constexpr std::uint32_t OutputRate = 44100;

platform::WaveFormat MonoBytes(std::uint32_t rate) {
    return {.formatTag = platform::WaveFormatPcm,
            .channels = 1,
            .samplesPerSecond = rate,
            .averageBytesPerSecond = rate,
            .blockAlign = 1,
            .bitsPerSample = 8,
            .extraSize = 0};
}

// A filled buffer of the samples at `rate` on the mixer.
AudioBuffer* Fill(AudioMixer& mixer, const std::vector<std::uint8_t>& samples,
                  std::uint32_t rate = 11000) {
    const platform::WaveFormat format = MonoBytes(rate);
    platform::BufferDescription description;
    description.bytes = static_cast<std::uint32_t>(samples.size());
    description.format = &format;
    AudioBuffer* buffer = mixer.CreateBuffer(description);
    EXPECT_NE(buffer, nullptr);
    if (buffer == nullptr) return nullptr;
    platform::LockedRegions regions;
    EXPECT_TRUE(AudioMixer::Lock(*buffer, 0, description.bytes,
                                 platform::LockFlags::FromWriteCursor, regions));
    EXPECT_EQ(regions.firstBytes, description.bytes);
    std::copy(samples.begin(), samples.end(), regions.first);
    EXPECT_TRUE(AudioMixer::Unlock(*buffer, regions));
    return buffer;
}

std::vector<std::int16_t> Mix(AudioMixer& mixer, std::size_t frames) {
    std::vector<std::int16_t> out(frames * static_cast<std::size_t>(mixer.outputChannels()));
    mixer.Mix(out.data(), frames);
    return out;
}

std::size_t CountNonSilent(const std::vector<std::int16_t>& frames) {
    return static_cast<std::size_t>(
        std::count_if(frames.begin(), frames.end(), [](std::int16_t s) { return s != 0; }));
}

// Samples that differ from one to the next, so that any skip or restart shows.
std::vector<std::uint8_t> Sweep(std::size_t count) {
    std::vector<std::uint8_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) samples[i] = static_cast<std::uint8_t>(1 + i * 7 % 254);
    return samples;
}

TEST(MixerTest, ResamplesByLinearInterpolationAtTheBuffersOwnRate) {
    AudioMixer mixer(OutputRate, 1);
    // A ramp at 22050 Hz: every second output frame falls between two samples;
    // the last sample is held for its whole length, and then there is silence.
    AudioBuffer* ramp = Fill(mixer, {130, 134, 138, 142}, 22050);
    AudioMixer::Play(*ramp, PlayFlags::Once);
    EXPECT_EQ(Mix(mixer, 10),
              (std::vector<std::int16_t>{512, 1024, 1536, 2048, 2560, 3072, 3584, 3584, 0, 0}));
}

TEST(MixerTest, ABufferPlayedOnceSoundsForItsLengthAndThenStandsAtItsStart) {
    AudioMixer mixer(OutputRate, 1);
    // 1101 samples at 11000 Hz are heard for 1101 * 44100 / 11000 frames.
    AudioBuffer* beat = Fill(mixer, std::vector<std::uint8_t>(1101, 200));
    AudioMixer::Play(*beat, PlayFlags::Once);
    const std::vector<std::int16_t> heard = Mix(mixer, 5000);
    EXPECT_EQ(CountNonSilent(heard), 4415u);
    EXPECT_EQ(heard.front(), (200 - 128) * 256);
    EXPECT_EQ(beat->state.load(), platform::PlayState::Stopped);
    // The next play starts it from the beginning.
    AudioMixer::Play(*beat, PlayFlags::Once);
    EXPECT_EQ(CountNonSilent(Mix(mixer, 5000)), 4415u);
}

TEST(MixerTest, APlayRequestOnASoundingBufferLetsItGoOn) {
    AudioMixer straight(OutputRate, 1);
    AudioMixer::Play(*Fill(straight, Sweep(400)), PlayFlags::Once);
    const std::vector<std::int16_t> expected = Mix(straight, 2000);

    AudioMixer requested(OutputRate, 1);
    AudioBuffer* shot = Fill(requested, Sweep(400));
    AudioMixer::Play(*shot, PlayFlags::Once);
    std::vector<std::int16_t> heard = Mix(requested, 700);
    AudioMixer::Play(*shot, PlayFlags::Once);
    const std::vector<std::int16_t> rest = Mix(requested, 1300);
    heard.insert(heard.end(), rest.begin(), rest.end());
    EXPECT_EQ(heard, expected);
}

TEST(MixerTest, ALoopGoesRoundUntilStoppedAndAStopKeepsItsPlace) {
    AudioMixer looping(OutputRate, 1);
    AudioBuffer* hiss = Fill(looping, Sweep(110));
    AudioMixer::Play(*hiss, PlayFlags::Looping);
    // 110 samples at 11000 Hz come round every 441 frames.
    const std::vector<std::int16_t> rounds = Mix(looping, 441 * 3);
    ASSERT_EQ(CountNonSilent(rounds), rounds.size());
    for (std::size_t i = 0; i < 441; ++i) {
        ASSERT_EQ(rounds[i], rounds[i + 441]) << i;
        ASSERT_EQ(rounds[i], rounds[i + 882]) << i;
    }
    AudioMixer::Stop(*hiss);
    EXPECT_EQ(CountNonSilent(Mix(looping, 500)), 0u);

    // Played again, it goes on from where it stopped: as if never stopped.
    AudioMixer::Play(*hiss, PlayFlags::Looping);
    const std::vector<std::int16_t> resumed = Mix(looping, 441);
    AudioMixer reference(OutputRate, 1);
    AudioMixer::Play(*Fill(reference, Sweep(110)), PlayFlags::Looping);
    const std::vector<std::int16_t> unbroken = Mix(reference, 441 * 4);
    EXPECT_EQ(resumed, std::vector<std::int16_t>(unbroken.begin() + 441 * 3, unbroken.end()));
}

TEST(MixerTest, SoundsAddUpAndClipAndEveryChannelHearsTheSame) {
    AudioMixer mixer(OutputRate, 2);
    AudioBuffer* loud = Fill(mixer, std::vector<std::uint8_t>(50, 250));
    AudioBuffer* louder = Fill(mixer, std::vector<std::uint8_t>(50, 255));
    AudioBuffer* low = Fill(mixer, std::vector<std::uint8_t>(50, 0), 5500);
    AudioMixer::Play(*loud, PlayFlags::Once);
    AudioMixer::Play(*louder, PlayFlags::Once);
    std::vector<std::int16_t> frames = Mix(mixer, 4);
    EXPECT_EQ(frames, (std::vector<std::int16_t>(8, 32767))) << "122 + 127 steps, clipped";
    AudioMixer::Play(*low, PlayFlags::Once);
    frames = Mix(mixer, 1);
    const std::int16_t sum = (250 - 128) * 256 + (255 - 128) * 256 + (0 - 128) * 256;
    EXPECT_EQ(frames, (std::vector<std::int16_t>{sum, sum}));
}

TEST(MixerTest, RefusesWhatItCannotPlay) {
    AudioMixer mixer(OutputRate, 2);
    platform::WaveFormat format = MonoBytes(11000);
    platform::BufferDescription description;
    description.bytes = 100;
    description.format = &format;
    ASSERT_NE(mixer.CreateBuffer(description), nullptr);

    struct Case {
        const char* what;
        void (*spoil)(platform::WaveFormat&, platform::BufferDescription&);
    };
    const Case cases[] = {
        {"no format",
         [](platform::WaveFormat&, platform::BufferDescription& d) { d.format = nullptr; }},
        {"not PCM", [](platform::WaveFormat& f, platform::BufferDescription&) { f.formatTag = 2; }},
        {"stereo", [](platform::WaveFormat& f, platform::BufferDescription&) { f.channels = 2; }},
        {"16 bits",
         [](platform::WaveFormat& f, platform::BufferDescription&) { f.bitsPerSample = 16; }},
        {"a rate below 100 Hz",
         [](platform::WaveFormat& f, platform::BufferDescription&) { f.samplesPerSecond = 99; }},
        {"fewer than 4 bytes",
         [](platform::WaveFormat&, platform::BufferDescription& d) { d.bytes = 3; }},
    };
    for (const Case& c : cases) {
        platform::WaveFormat spoiltFormat = MonoBytes(11000);
        platform::BufferDescription spoilt = description;
        spoilt.format = &spoiltFormat;
        c.spoil(spoiltFormat, spoilt);
        EXPECT_EQ(mixer.CreateBuffer(spoilt), nullptr) << c.what;
    }
    // 64 buffers in all.
    for (std::size_t made = 1; made < AudioMixer::Capacity; ++made) {
        ASSERT_NE(mixer.CreateBuffer(description), nullptr) << made;
    }
    EXPECT_EQ(mixer.CreateBuffer(description), nullptr);
}

TEST(MixerTest, ThePrimaryBufferTakesOnlyTheOutputFormat) {
    AudioMixer mixer(OutputRate, 2);
    platform::BufferDescription description;
    description.flags = platform::BufferFlags::Primary;
    AudioBuffer* primary = mixer.CreateBuffer(description);
    ASSERT_NE(primary, nullptr);
    EXPECT_EQ(mixer.CreateBuffer(description), primary) << "there is one";
    platform::WaveFormat stereo{.formatTag = platform::WaveFormatPcm,
                                .channels = 2,
                                .samplesPerSecond = OutputRate,
                                .averageBytesPerSecond = 176400,
                                .blockAlign = 4,
                                .bitsPerSample = 16,
                                .extraSize = 0};
    EXPECT_TRUE(mixer.SetFormat(*primary, stereo));
    stereo.samplesPerSecond = 48000;
    EXPECT_FALSE(mixer.SetFormat(*primary, stereo));
    EXPECT_FALSE(AudioMixer::Play(*primary, PlayFlags::Looping));
    platform::LockedRegions regions;
    EXPECT_FALSE(AudioMixer::Lock(*primary, 0, 4, platform::LockFlags::None, regions));
}

TEST(MixerTest, ABufferIsFilledBeforeItFirstPlaysAndLocksWrapAtItsEnd) {
    AudioMixer mixer(OutputRate, 1);
    AudioBuffer* buffer = Fill(mixer, Sweep(10));
    platform::LockedRegions regions;
    ASSERT_TRUE(AudioMixer::Lock(*buffer, 6, 8, platform::LockFlags::None, regions));
    EXPECT_EQ(regions.first, buffer->samples.get() + 6);
    EXPECT_EQ(regions.firstBytes, 4u);
    EXPECT_EQ(regions.second, buffer->samples.get());
    EXPECT_EQ(regions.secondBytes, 4u);
    EXPECT_TRUE(AudioMixer::Unlock(*buffer, regions));
    EXPECT_FALSE(AudioMixer::Lock(*buffer, 0, 11, platform::LockFlags::None, regions))
        << "too long";
    EXPECT_FALSE(AudioMixer::Lock(*buffer, 10, 1, platform::LockFlags::None, regions))
        << "past the end";
    platform::LockedRegions foreign{.first = regions.first + 20, .firstBytes = 1};
    EXPECT_FALSE(AudioMixer::Unlock(*buffer, foreign));
    AudioMixer::Play(*buffer, PlayFlags::Once);
    EXPECT_FALSE(AudioMixer::Lock(*buffer, 0, 10, platform::LockFlags::FromWriteCursor, regions))
        << "a buffer that has played is never written again";
}

}  // namespace
