#include "sound/wave_parser.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/resources.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// The parts of a crafted wave file; the defaults make a valid one.
struct WaveRecipe {
    std::string riffTag = "RIFF";
    std::string formType = "WAVE";
    std::uint32_t formatChunkSize = 16;
    std::uint16_t formatTag = 1;     // PCM
    std::uint16_t extraCount = 0;    // written only for formats other than PCM
    std::uint16_t extraPresent = 0;  // extra bytes actually in the file
    bool dataChunk = true;
    std::uint32_t dataSize = 6;     // as the header says
    std::uint32_t dataPresent = 6;  // bytes actually in the file
    std::size_t cutAt = SIZE_MAX;   // the file ends here
};

void Put16(Bytes& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void PutTag(Bytes& out, const std::string& tag) { out.insert(out.end(), tag.begin(), tag.end()); }

Bytes Craft(const WaveRecipe& r) {
    Bytes format;
    Put16(format, r.formatTag);
    Put16(format, 1);  // mono
    Put32(format, 22050);
    Put32(format, 22050);
    Put16(format, 1);  // block alignment
    Put16(format, 8);  // bits
    if (r.formatTag != 1) Put16(format, r.extraCount);
    for (std::uint16_t i = 0; i < r.extraPresent; ++i)
        format.push_back(static_cast<std::uint8_t>(0xA0 + i));
    format.resize(std::max<std::size_t>(format.size(), r.formatChunkSize));

    Bytes body;
    PutTag(body, r.formType);
    PutTag(body, "fmt ");
    Put32(body, r.formatChunkSize);
    body.insert(body.end(), format.begin(), format.begin() + r.formatChunkSize);
    if (r.formatChunkSize % 2 != 0) body.push_back(0);
    if (r.dataChunk) {
        PutTag(body, "data");
        Put32(body, r.dataSize);
        for (std::uint32_t i = 0; i < r.dataPresent; ++i)
            body.push_back(static_cast<std::uint8_t>(10 + i));
    }
    Bytes file;
    PutTag(file, r.riffTag);
    Put32(file, static_cast<std::uint32_t>(body.size()));
    file.insert(file.end(), body.begin(), body.end());
    if (r.cutAt < file.size()) file.resize(r.cutAt);
    return file;
}

// The three steps in order, as the loader takes them, up to the first failure.
struct ParseResult {
    std::uint32_t open = 0;
    std::uint32_t find = 0;
    std::uint32_t read = 0;
    WaveFormatBlock format;
    platform::ChunkInfo data;
    Bytes samples;
    std::uint32_t bytesRead = 0;
};

ParseResult Parse(const Bytes& file) {
    ParseResult result;
    RiffFileHandle handle;
    platform::ChunkInfo riff;
    result.open = OpenWaveFile(file, handle, result.format, riff);
    if (result.open != 0) {
        EXPECT_EQ(handle, nullptr) << "a failed open hands back no file";
        EXPECT_EQ(result.format.extra, nullptr) << "nor a format";
        return result;
    }
    result.find = FindDataChunk(*handle, riff, result.data);
    if (result.find != 0) return result;
    result.samples.assign(result.data.size, 0);
    result.read = ReadWaveData(*handle, result.data.size, result.samples.data(), result.data,
                               result.bytesRead);
    return result;
}

TEST(WaveParserTest, AValidFileGivesItsFormatAndItsData) {
    const ParseResult r = Parse(Craft({}));
    ASSERT_EQ(r.open, 0u);
    ASSERT_EQ(r.find, 0u);
    ASSERT_EQ(r.read, 0u);
    EXPECT_EQ(r.format.format.formatTag, platform::WaveFormatPcm);
    EXPECT_EQ(r.format.format.channels, 1);
    EXPECT_EQ(r.format.format.samplesPerSecond, 22050u);
    EXPECT_EQ(r.format.format.averageBytesPerSecond, 22050u);
    EXPECT_EQ(r.format.format.blockAlign, 1);
    EXPECT_EQ(r.format.format.bitsPerSample, 8);
    EXPECT_EQ(r.format.format.extraSize, 0);
    EXPECT_EQ(r.bytesRead, 6u);
    EXPECT_EQ(r.samples, (Bytes{10, 11, 12, 13, 14, 15}));
    EXPECT_EQ(r.data.size, 0u) << "the read takes what the chunk held";
}

TEST(WaveParserTest, AFormatWithExtraBytesKeepsThem) {
    const ParseResult r =
        Parse(Craft({.formatChunkSize = 22, .formatTag = 2, .extraCount = 4, .extraPresent = 4}));
    ASSERT_EQ(r.open, 0u);
    EXPECT_EQ(r.format.format.formatTag, 2);
    ASSERT_EQ(r.format.format.extraSize, 4);
    EXPECT_EQ(Bytes(r.format.extraBytes().begin(), r.format.extraBytes().end()),
              (Bytes{0xA0, 0xA1, 0xA2, 0xA3}));
    EXPECT_EQ(r.read, 0u);
    EXPECT_EQ(r.samples.size(), 6u);
}

TEST(WaveParserTest, EachFaultHasItsResult) {
    constexpr std::uint32_t ChunkNotFound = platform::RiffChunkNotFound;
    // Where the format chunk's 16 bytes begin in a crafted file.
    constexpr std::size_t FormatStart = 20;
    struct Case {
        const char* what;
        WaveRecipe recipe;
        std::uint32_t open, find, read;
    };
    const Case cases[] = {
        {"not a RIFF file", {.riffTag = "RIFX"}, WaveNotWave, 0, 0},
        {"a RIFF file of another form", {.formType = "AVI "}, WaveNotWave, 0, 0},
        {"a format chunk under 16 bytes", {.formatChunkSize = 14}, WaveNotWave, 0, 0},
        {"the file ends inside the format", {.cutAt = FormatStart + 10}, WaveFormatCutShort, 0, 0},
        {"no extra count after a format other than PCM",
         {.formatTag = 2, .dataChunk = false, .cutAt = FormatStart + 16},
         WaveFormatCutShort,
         0,
         0},
        {"fewer extra bytes than the count",
         {.formatChunkSize = 20,
          .formatTag = 2,
          .extraCount = 4,
          .extraPresent = 2,
          .dataChunk = false},
         WaveNotWave,
         0,
         0},
        {"no format chunk", {.cutAt = 12}, ChunkNotFound, 0, 0},
        {"no data chunk", {.dataChunk = false}, 0, ChunkNotFound, 0},
        {"data cut short", {.dataSize = 100, .dataPresent = 50}, 0, 0, WaveDataCutShort},
        {"a data chunk with no data at all",
         {.dataSize = 8, .dataPresent = 0},
         0,
         0,
         WaveDataCutShort},
    };
    for (const Case& c : cases) {
        const ParseResult r = Parse(Craft(c.recipe));
        EXPECT_EQ(r.open, c.open) << c.what;
        EXPECT_EQ(r.find, c.find) << c.what;
        EXPECT_EQ(r.read, c.read) << c.what;
        if (c.read != 0) {
            EXPECT_EQ(r.bytesRead, 0u) << c.what << ": a failed read counts nothing";
        }
    }
}

TEST(WaveParserTest, ReadsGoOnWhereTheLastOneStoppedAndEndWithTheChunk) {
    const Bytes file = Craft({.dataSize = 5, .dataPresent = 5});
    RiffFileHandle handle;
    WaveFormatBlock format;
    platform::ChunkInfo riff, data;
    ASSERT_EQ(OpenWaveFile(file, handle, format, riff), 0u);
    ASSERT_EQ(FindDataChunk(*handle, riff, data), 0u);
    Bytes first(3), rest(10, 0);
    std::uint32_t read = 0;
    ASSERT_EQ(ReadWaveData(*handle, 3, first.data(), data, read), 0u);
    EXPECT_EQ(read, 3u);
    EXPECT_EQ(first, (Bytes{10, 11, 12}));
    EXPECT_EQ(data.size, 2u);
    // Asking for more than is left gives what is left (the pad byte after an
    // odd chunk is not data).
    ASSERT_EQ(ReadWaveData(*handle, 10, rest.data(), data, read), 0u);
    EXPECT_EQ(read, 2u);
    EXPECT_EQ(rest[0], 13);
    EXPECT_EQ(rest[1], 14);
    EXPECT_EQ(data.size, 0u);
}

TEST(WaveParserTest, TheSirenResourceIsHalfASecondOf22050HzMono8Bit) {
    const std::span<const std::uint8_t> siren =
        platform::FindWaveResource(platform::SirenWaveResource);
    ASSERT_EQ(siren.size(), 11069u);
    const ParseResult r = Parse(Bytes(siren.begin(), siren.end()));
    ASSERT_EQ(r.open, 0u);
    ASSERT_EQ(r.find, 0u);
    ASSERT_EQ(r.read, 0u);
    EXPECT_EQ(r.format.format.formatTag, platform::WaveFormatPcm);
    EXPECT_EQ(r.format.format.channels, 1);
    EXPECT_EQ(r.format.format.samplesPerSecond, 22050u);
    EXPECT_EQ(r.format.format.bitsPerSample, 8);
    EXPECT_EQ(r.format.format.blockAlign, 1);
    EXPECT_EQ(r.bytesRead, 11025u);
    EXPECT_TRUE(platform::FindWaveResource(108).empty()) << "there is only the siren";
}

}  // namespace
