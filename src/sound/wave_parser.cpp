#include "sound/wave_parser.h"

#include <algorithm>
#include <array>
#include <new>

using platform::ChunkInfo;
using platform::FourCC;

namespace {

constexpr std::uint32_t RiffId = FourCC('R', 'I', 'F', 'F');
constexpr std::uint32_t WaveForm = FourCC('W', 'A', 'V', 'E');
constexpr std::uint32_t FormatId = FourCC('f', 'm', 't', ' ');
constexpr std::uint32_t DataId = FourCC('d', 'a', 't', 'a');

// The format record's bytes in the file before its extra count.
constexpr std::int32_t FormatRecordBytes = 16;
constexpr std::int32_t ExtraCountBytes = 2;
constexpr std::int32_t FormTypeBytes = 4;

std::uint16_t Little16(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

std::uint32_t Little32(const std::uint8_t* bytes) {
    return Little16(bytes) | static_cast<std::uint32_t>(Little16(bytes + 2)) << 16;
}

platform::WaveFormat DecodeFormat(const std::array<std::uint8_t, FormatRecordBytes>& record) {
    return platform::WaveFormat{
        .formatTag = Little16(&record[0]),
        .channels = Little16(&record[2]),
        .samplesPerSecond = Little32(&record[4]),
        .averageBytesPerSecond = Little32(&record[8]),
        .blockAlign = Little16(&record[12]),
        .bitsPerSample = Little16(&record[14]),
    };
}

// Reads the format chunk's content, the file standing at its start.
std::uint32_t ReadFormat(platform::RiffFile& file, WaveFormatBlock& block) {
    std::array<std::uint8_t, FormatRecordBytes> record{};
    if (platform::ReadRiff(file, record.data(), FormatRecordBytes) != FormatRecordBytes) {
        return WaveFormatCutShort;
    }
    block.format = DecodeFormat(record);
    // Only formats other than PCM store a count of extra bytes.
    if (block.format.formatTag != platform::WaveFormatPcm) {
        std::array<std::uint8_t, ExtraCountBytes> count{};
        if (platform::ReadRiff(file, count.data(), ExtraCountBytes) != ExtraCountBytes) {
            return WaveFormatCutShort;
        }
        block.format.extraSize = Little16(count.data());
    }
    if (block.format.extraSize == 0) return 0;
    block.extra.reset(new (std::nothrow) std::uint8_t[block.format.extraSize]);
    if (!block.extra) return WaveNoMemory;
    const std::int32_t extra = block.format.extraSize;
    if (platform::ReadRiff(file, block.extra.get(), extra) != extra) return WaveNotWave;
    return 0;
}

}  // namespace

std::uint32_t OpenWaveFile(std::span<const std::uint8_t> bytes, RiffFileHandle& file,
                           WaveFormatBlock& format, ChunkInfo& riff) {
    // Everything is made in locals and handed back only on success: a
    // failure closes the file and frees the format as they go.
    RiffFileHandle opened(platform::OpenRiffMemory(bytes));
    if (!opened) return WaveCannotOpen;

    ChunkInfo outer;
    if (const std::uint32_t result =
            platform::DescendRiff(*opened, outer, nullptr, platform::DescendFlags::None)) {
        return result;
    }
    if (outer.id != RiffId || outer.formType != WaveForm) return WaveNotWave;

    ChunkInfo formatChunk{.id = FormatId};
    if (const std::uint32_t result = platform::DescendRiff(*opened, formatChunk, &outer,
                                                           platform::DescendFlags::FindChunk)) {
        return result;
    }
    if (formatChunk.size < static_cast<std::uint32_t>(FormatRecordBytes)) return WaveNotWave;

    WaveFormatBlock block;
    if (const std::uint32_t result = ReadFormat(*opened, block)) return result;
    if (const std::uint32_t result = platform::AscendRiff(*opened, formatChunk)) return result;

    file = std::move(opened);
    format = std::move(block);
    riff = outer;
    return 0;
}

std::uint32_t FindDataChunk(platform::RiffFile& file, const ChunkInfo& riff, ChunkInfo& data) {
    // Back to the first chunk inside the RIFF chunk, just past its form type.
    // A seek that fails leaves the file where it was, and the search then
    // says whether the data can be found from there.
    platform::SeekRiff(file, static_cast<std::int32_t>(riff.dataOffset + FormTypeBytes));
    data.id = DataId;
    return platform::DescendRiff(file, data, &riff, platform::DescendFlags::FindChunk);
}

std::uint32_t ReadWaveData(platform::RiffFile& file, std::uint32_t bytes, std::uint8_t* destination,
                           ChunkInfo& data, std::uint32_t& bytesRead) {
    bytesRead = 0;
    platform::RiffBufferState buffer;
    if (const std::uint32_t result = platform::GetRiffBuffer(file, buffer)) return result;
    const std::uint32_t count = std::min(bytes, data.size);
    data.size -= count;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (buffer.next == buffer.endRead) {
            if (const std::uint32_t result = platform::AdvanceRiffBuffer(file, buffer)) {
                return result;
            }
            if (buffer.next == buffer.endRead) return WaveDataCutShort;
        }
        destination[i] = *buffer.next++;
    }
    if (const std::uint32_t result = platform::SetRiffBuffer(file, buffer)) return result;
    bytesRead = count;
    return 0;
}
