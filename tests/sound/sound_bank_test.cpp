#include "sound/sound_bank.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "app/object_list.h"
#include "app/random.h"
#include "objects/saucer.h"
#include "objects/ship.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_audio.h"
#include "platform/input.h"
#include "support/program_fixture.h"
#include "text/screens.h"

namespace {

namespace headless = platform::headless;
using platform::VirtualKey;

constexpr std::int64_t GameStartMs = 100;
// The first beat of a level comes 1500 ms after its start.
constexpr std::int64_t FirstBeatMs = 1500;

headless::Settings WithSound(bool device = true, std::int64_t seed = 0) {
    headless::Settings settings;
    settings.soundDevice = device;
    settings.calendarTime = seed;
    return settings;
}

const platform::AudioBuffer* Slot(const std::string& name) {
    for (const BankSlot& slot : BankSlots()) {
        if (slot.name == name) return slot.buffer;
    }
    ADD_FAILURE() << "no slot " << name;
    return nullptr;
}

bool Sounding(const std::string& name) {
    const platform::AudioBuffer* buffer = Slot(name);
    return buffer != nullptr && headless::BufferSounding(*buffer);
}

bool Looping(const std::string& name) {
    const platform::AudioBuffer* buffer = Slot(name);
    return buffer != nullptr && headless::BufferLooping(*buffer);
}

// The names of the bank's buffers that are sounding now.
std::vector<std::string> SoundingNow() {
    std::vector<std::string> names;
    for (const BankSlot& slot : BankSlots()) {
        if (slot.buffer != nullptr && headless::BufferSounding(*slot.buffer)) {
            names.push_back(slot.name);
        }
    }
    return names;
}

void Press(std::int64_t at, VirtualKey key) {
    headless::ScriptKeyDown(at, static_cast<std::uint8_t>(key));
}
void Release(std::int64_t at, VirtualKey key) {
    headless::ScriptKeyUp(at, static_cast<std::uint8_t>(key));
}
void Tap(std::int64_t at, VirtualKey key) {
    Press(at, key);
    Release(at + 20, key);
}

class SoundBankTest : public ProgramTest {
  protected:
    // Starts the program and, at GameStartMs, a game.
    void StartGame(const headless::Settings& settings = WithSound()) {
        ASSERT_TRUE(Start("", settings));
        Tap(GameStartMs, VirtualKey::Control);
        RunUntil(GameStartMs + 30);
        ASSERT_NE(CurrentShip, nullptr);
    }

    // A saucer in the field (it comes only to a ship that can be hit).
    void BringSaucer() {
        CurrentShip->invulnerable = false;
        SpawnSaucer();
        ASSERT_NE(CurrentSaucer, nullptr);
    }

    // A scripted game: start, turn, thrust, shoot, hyperspace, with S pressed
    // twice on the way. What it leaves in the field, as text.
    std::string PlayScriptedGame(bool device) {
        EXPECT_TRUE(Start("", WithSound(device, 4242)));
        Tap(GameStartMs, VirtualKey::Control);
        Press(400, VirtualKey::Left);
        Release(700, VirtualKey::Left);
        Press(800, VirtualKey::Up);
        Release(1400, VirtualKey::Up);
        for (std::int64_t at = 1500; at < 4000; at += 150) Tap(at, VirtualKey::Control);
        Tap(2000, VirtualKey::LetterS);
        Tap(2600, VirtualKey::LetterS);
        Tap(4500, VirtualKey::Down);
        RunUntil(8000);
        std::ostringstream field;
        for (const auto& object : ObjectList) {
            field << static_cast<int>(object->kind) << ' ' << object->positionX << ' '
                  << object->positionY << '\n';
        }
        field << "ship " << (CurrentShip != nullptr) << " saucer " << (CurrentSaucer != nullptr);
        Finish();
        return field.str();
    }

    // Presses S (or holds or lets go of a key) a moment from now, and runs on
    // until the press and the release have both been handled.
    void Toggle() { Act(VirtualKey::LetterS, Key::Tap); }

    enum class Key { Tap, Press, Release };
    void Act(VirtualKey key, Key action) {
        constexpr std::int64_t HandledWithinMs = 50;
        const std::int64_t at = headless::Now() + 1;
        if (action == Key::Tap) Tap(at, key);
        if (action == Key::Press) Press(at, key);
        if (action == Key::Release) Release(at, key);
        RunUntil(at + HandledWithinMs);
    }
};

TEST_F(SoundBankTest, TheBankIsBuiltInItsOrderWithEveryBufferItNeeds) {
    ASSERT_TRUE(Start("", WithSound()));
    EXPECT_TRUE(SoundOn);
    EXPECT_TRUE(SoundAvailable);
    std::ostringstream bank;
    for (const BankSlot& slot : BankSlots()) {
        ASSERT_NE(slot.buffer, nullptr) << slot.name;
        bank << slot.name << ':' << headless::BufferSamples(*slot.buffer).size() << '@'
             << headless::BufferSampleRate(*slot.buffer) << ' ';
    }
    std::string expected = "BeatHighSound:1101@11000 BeatLowSound:1101@11000 ";
    for (int i = 0; i < 16; ++i) expected += "BangSound" + std::to_string(i) + ":5501@11000 ";
    for (int i = 0; i < 16; ++i) expected += "FireSound" + std::to_string(i) + ":2751@11000 ";
    expected += "HyperspaceSound:11001@11000 SaucerSound:11025@22050 ThrustSound:1651@11000 ";
    EXPECT_EQ(bank.str(), expected);
    EXPECT_TRUE(SoundingNow().empty()) << "nothing plays on the title screen";
}

TEST_F(SoundBankTest, TheBankIsTheSameOnEveryRunAndLeavesTheGameItsRandomNumbers) {
    ASSERT_TRUE(Start("", WithSound(true, 1111)));
    std::vector<std::vector<std::uint8_t>> first;
    for (const BankSlot& slot : BankSlots()) {
        const auto samples = headless::BufferSamples(*slot.buffer);
        first.emplace_back(samples.begin(), samples.end());
    }
    const int drawAfterStartUp = rng::rand();
    Finish();

    ASSERT_TRUE(Start("", WithSound(true, 2222)));
    std::size_t i = 0;
    for (const BankSlot& slot : BankSlots()) {
        const auto samples = headless::BufferSamples(*slot.buffer);
        EXPECT_EQ(std::vector<std::uint8_t>(samples.begin(), samples.end()), first[i++])
            << slot.name;
    }
    Finish();

    // Without a device no noise is made, yet the game draws the same numbers.
    ASSERT_TRUE(Start("", WithSound(false, 1111)));
    EXPECT_EQ(rng::rand(), drawAfterStartUp);
}

TEST_F(SoundBankTest, WithoutADeviceTheGameIsSilentAndTheSKeyDoesNothing) {
    ASSERT_TRUE(Start("", WithSound(false)));
    EXPECT_FALSE(headless::SoundDeviceOpen());
    EXPECT_FALSE(SoundOn);
    EXPECT_FALSE(SoundAvailable);
    for (const BankSlot& slot : BankSlots()) EXPECT_EQ(slot.buffer, nullptr) << slot.name;
    Tap(50, VirtualKey::LetterS);
    RunUntil(100);
    EXPECT_FALSE(SoundOn);
    EXPECT_FALSE(SoundAvailable);
}

TEST_F(SoundBankTest, SoundOrNoSoundTheGameGoesTheSameWay) {
    const std::string silent = PlayScriptedGame(false);
    const std::string heard = PlayScriptedGame(true);
    EXPECT_EQ(heard, silent);
    EXPECT_GT(std::count(silent.begin(), silent.end(), '\n'), 3) << "the field is not empty";
}

TEST_F(SoundBankTest, APoolMovesOnBeforeEachPlayAndNotWhileSoundIsOff) {
    ASSERT_TRUE(Start("", WithSound()));
    PlayFireSound();
    EXPECT_EQ(FireSoundIndex, 1);
    EXPECT_EQ(SoundingNow(), std::vector<std::string>{"FireSound1"});
    PlayBangSound();
    PlayBangSound();
    EXPECT_EQ(BangSoundIndex, 2);
    EXPECT_EQ(SoundingNow(), (std::vector<std::string>{"BangSound1", "BangSound2", "FireSound1"}));

    SoundOn = false;
    PlayFireSound();
    PlayBangSound();
    EXPECT_EQ(FireSoundIndex, 1);
    EXPECT_EQ(BangSoundIndex, 2);
    EXPECT_EQ(SoundingNow().size(), 3u);
}

TEST_F(SoundBankTest, APoolThatComesRoundToASoundingBufferLetsItGoOn) {
    ASSERT_TRUE(Start("", WithSound()));
    // A shot lasts 250 ms. The first takes buffer 1; 100 ms later sixteen
    // more come round to buffer 1 again while it still sounds.
    const std::int64_t first = headless::Now();
    PlayFireSound();
    RunUntil(first + 100);
    const std::int64_t more = headless::Now();
    ASSERT_LT(more, first + 200);
    for (int shot = 0; shot < 16; ++shot) PlayFireSound();
    EXPECT_EQ(FireSoundIndex, 1);
    RunUntil(first + 255);
    EXPECT_FALSE(Sounding("FireSound1")) << "it ended where it would have without the request";
    EXPECT_TRUE(Sounding("FireSound2"));
    RunUntil(more + 255);
    EXPECT_TRUE(SoundingNow().empty());
}

TEST_F(SoundBankTest, TheBeatAlternatesItsTwoTonesEvery1500MsAtALevelStart) {
    StartGame();
    const std::int64_t firstBeat = GameStartMs + FirstBeatMs;
    RunUntil(firstBeat - 10);
    EXPECT_TRUE(SoundingNow().empty());
    RunUntil(firstBeat + 50);
    EXPECT_EQ(SoundingNow(), std::vector<std::string>{"BeatHighSound"});
    RunUntil(firstBeat + FirstBeatMs + 50);
    EXPECT_EQ(SoundingNow(), std::vector<std::string>{"BeatLowSound"});

    // What was heard: the tones' whole-sample periods, 73 and 78 samples at
    // 11000 Hz, are 292.7 and 312.8 frames at 44100 Hz.
    const std::vector<std::int16_t>& heard = headless::HeardSound();
    auto meanPeriod = [&](std::int64_t fromMs) {
        constexpr std::int16_t Middle = -256;  // the tones centre on 127, not 128
        const auto from = static_cast<std::size_t>(fromMs * 441 / 10);
        std::vector<std::size_t> ups;
        for (std::size_t i = from + 1; i < from + 4000; ++i) {
            if (heard[i - 1] < Middle && heard[i] >= Middle) ups.push_back(i);
        }
        return ups.size() < 2 ? 0.0
                              : static_cast<double>(ups.back() - ups.front()) / (ups.size() - 1);
    };
    EXPECT_NEAR(meanPeriod(firstBeat), 44100.0 * 73 / 11000, 0.5);
    EXPECT_NEAR(meanPeriod(firstBeat + FirstBeatMs), 44100.0 * 78 / 11000, 0.5);
}

TEST_F(SoundBankTest, ThrustHyperspaceAndTheEndOfTheShipStartAndStopTheirSounds) {
    StartGame();
    Press(200, VirtualKey::Up);
    RunUntil(210);
    EXPECT_TRUE(Looping("ThrustSound"));
    Release(400, VirtualKey::Up);
    RunUntil(410);
    EXPECT_FALSE(Sounding("ThrustSound"));

    Press(500, VirtualKey::Up);
    RunUntil(510);
    ASSERT_TRUE(Looping("ThrustSound"));
    CurrentShip->alive = false;  // hit: gone at the next tick, with a bang
    RunUntil(560);
    EXPECT_FALSE(Sounding("ThrustSound"));
    EXPECT_TRUE(Sounding("BangSound1"));
}

TEST_F(SoundBankTest, TheHyperspaceKeyPlaysTheRisingTone) {
    StartGame();
    CurrentShip->invulnerable = false;  // a ship still shielded cannot jump
    Tap(300, VirtualKey::Down);
    RunUntil(310);
    EXPECT_TRUE(Sounding("HyperspaceSound"));
    EXPECT_FALSE(Looping("HyperspaceSound"));
}

TEST_F(SoundBankTest, TheSirenSoundsWhileASaucerIsInTheFieldAndTheTitleSilencesTheLoops) {
    StartGame();
    BringSaucer();
    EXPECT_TRUE(Looping("SaucerSound"));
    CurrentSaucer->alive = false;
    RunUntil(headless::Now() + 40);
    EXPECT_EQ(CurrentSaucer, nullptr);
    EXPECT_FALSE(Sounding("SaucerSound"));

    BringSaucer();
    Act(VirtualKey::Up, Key::Press);
    ASSERT_TRUE(Looping("SaucerSound"));
    ASSERT_TRUE(Looping("ThrustSound"));
    ShowTitlePage(0);
    EXPECT_FALSE(Sounding("SaucerSound"));
    EXPECT_FALSE(Sounding("ThrustSound"));
}

TEST_F(SoundBankTest, SoundOffSilencesTheLoopsAndSoundOnResumesWhatStillBelongs) {
    StartGame();
    BringSaucer();
    Act(VirtualKey::Up, Key::Press);

    Toggle();
    EXPECT_FALSE(SoundOn);
    EXPECT_TRUE(SoundingNow().empty());
    Toggle();
    EXPECT_TRUE(Looping("SaucerSound"));
    EXPECT_TRUE(Looping("ThrustSound"));

    // Thrust let go while sound is off: back on, only the siren resumes.
    Toggle();
    Act(VirtualKey::Up, Key::Release);
    Toggle();
    EXPECT_TRUE(Looping("SaucerSound"));
    EXPECT_FALSE(Sounding("ThrustSound"));

    // The saucer gone while sound is off: back on, it stays silent.
    Toggle();
    CurrentSaucer->alive = false;
    RunUntil(headless::Now() + 40);
    ASSERT_EQ(CurrentSaucer, nullptr);
    Toggle();
    EXPECT_FALSE(Sounding("SaucerSound"));

    // And heard: after S, nothing at all.
    Toggle();
    const std::size_t from = headless::HeardSound().size();
    RunUntil(headless::Now() + 3000);
    const std::vector<std::int16_t>& heard = headless::HeardSound();
    ASSERT_GT(heard.size(), from + 44100);
    EXPECT_TRUE(std::all_of(heard.begin() + static_cast<std::ptrdiff_t>(from), heard.end(),
                            [](std::int16_t s) { return s == 0; }));
}

}  // namespace
