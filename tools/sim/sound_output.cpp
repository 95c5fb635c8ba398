#include "sound_output.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/headless/headless_audio.h"
#include "sound/sound_bank.h"

namespace {

namespace headless = platform::headless;

constexpr std::uint32_t WaveHeaderBytes = 44;
constexpr std::uint16_t PcmFormat = 1;
constexpr std::uint16_t BytesPerSample = 2;

void Put16(std::ofstream& out, std::uint32_t value) {
    const char bytes[2] = {static_cast<char>(value), static_cast<char>(value >> 8)};
    out.write(bytes, sizeof bytes);
}

void Put32(std::ofstream& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

bool WriteBytes(const std::filesystem::path& path, const std::uint8_t* bytes, std::size_t size) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(size));
    return static_cast<bool>(out.flush());
}

}  // namespace

bool DumpSoundBank(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const BankSlot& slot : BankSlots()) {
        if (slot.buffer == nullptr) {
            std::fprintf(stderr, "zumiasteroids-sim: the sound bank has no %s\n",
                         slot.name.c_str());
            return false;
        }
        const auto samples = headless::BufferSamples(*slot.buffer);
        const std::filesystem::path path = std::filesystem::path(folder) / (slot.name + ".u8");
        if (!WriteBytes(path, samples.data(), samples.size())) {
            std::fprintf(stderr, "zumiasteroids-sim: cannot write %s\n", path.string().c_str());
            return false;
        }
    }
    return true;
}

bool WriteHeardSound(const std::string& path) {
    const std::vector<std::int16_t>& heard = headless::HeardSound();
    const auto dataBytes = static_cast<std::uint32_t>(heard.size() * BytesPerSample);
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    Put32(out, WaveHeaderBytes - 8 + dataBytes);
    out.write("WAVEfmt ", 8);
    Put32(out, 16);
    Put16(out, PcmFormat);
    Put16(out, 1);  // mono
    Put32(out, headless::HeardSampleRate);
    Put32(out, headless::HeardSampleRate * BytesPerSample);
    Put16(out, BytesPerSample);
    Put16(out, BytesPerSample * 8);
    out.write("data", 4);
    Put32(out, dataBytes);
    for (const std::int16_t sample : heard) Put16(out, static_cast<std::uint16_t>(sample));
    if (!out.flush()) {
        std::fprintf(stderr, "zumiasteroids-sim: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}
