#include "recording/ExportReader.h"

#include "recording/ByteSource.h"
#include "recording/ChannelDefaults.h"
#include "recording/DecimalText.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

namespace velundia {

namespace {

constexpr int FirstGroupFields = 15;     // fileType .. waveformOffset
constexpr int64_t FirstGroupSize = 180;  // bytes 0..179
constexpr int64_t SecondGroupSize = 48;  // bytes 256..303
constexpr int64_t HeaderEnd = SecondHeaderOffset + SecondGroupSize;
constexpr int FramesPerProgressStep = 100;

// Bytes [offset, offset + size) of the source; bytes past its end read as 0 (empty text,
// sample 0). Returns how many were really there.
std::size_t readBlock(ByteSource& source, int64_t offset, std::vector<unsigned char>& block, std::size_t size) {
    block.assign(size, 0);
    return size == 0 ? 0 : source.readAt(offset, block.data(), size);
}

void readHeader(ByteSource& source, ExportHeader& header, bool& complete) {
    const auto& fields = headerFieldInfo();
    std::vector<unsigned char> block;
    const std::size_t first = readBlock(source, 0, block, FirstGroupSize);
    for (int i = 0; i < FirstGroupFields; ++i) {
        const HeaderFieldInfo& f = fields[static_cast<std::size_t>(i)];
        assignHeaderField(header, i, reinterpret_cast<const char*>(block.data()) + f.offset,
                          static_cast<std::size_t>(f.width));
    }
    const std::size_t second = readBlock(source, SecondHeaderOffset, block, SecondGroupSize);
    for (int i = FirstGroupFields; i < HeaderFieldCount; ++i) {
        const HeaderFieldInfo& f = fields[static_cast<std::size_t>(i)];
        assignHeaderField(header, i, reinterpret_cast<const char*>(block.data()) + (f.offset - SecondHeaderOffset),
                          static_cast<std::size_t>(f.width));
    }
    complete = first == FirstGroupSize && second == SecondGroupSize;
}

// The reason a header lies outside what the store can hold, or empty when it fits.
std::string refusal(int64_t channels, int64_t samples, int64_t waveform, int64_t channelInfo) {
    auto is = [](const char* field, int64_t value) { return std::string(field) + " is " + std::to_string(value); };
    if (channels > MaxChannels)
        return is("number of exported channels", channels) + "; at most " + std::to_string(MaxChannels) +
               " channels can be read";
    if (channels < 0)
        return is("number of exported channels", channels) + "; only 0 to " + std::to_string(MaxChannels) +
               " channels can be read";
    // The field holds 8 characters, so any count it can state fits 32 bits.
    if (samples < 0) return is("total number of samples per channel", samples) + "; only counts of 0 or more can be read";
    if (waveform < 0) return is("byte offset of the waveform block", waveform) + "; only offsets of 0 or more can be read";
    if (channelInfo < 0)
        return is("byte offset of the channel information block", channelInfo) +
               "; only offsets of 0 or more can be read";
    return {};
}

void readChannelRecords(ByteSource& source, int64_t offset, ExportFile& file, int& recordsPresent) {
    const auto& fields = channelFieldInfo();
    std::vector<unsigned char> block;
    const std::size_t size = static_cast<std::size_t>(file.channelCount) * ChannelRecordSize;
    const std::size_t got = readBlock(source, offset, block, size);
    recordsPresent = static_cast<int>(got / ChannelRecordSize);
    file.channels.assign(static_cast<std::size_t>(file.channelCount), ChannelRecord{});
    for (int c = 0; c < file.channelCount; ++c) {
        const char* record = reinterpret_cast<const char*>(block.data()) + static_cast<std::size_t>(c) * ChannelRecordSize;
        for (int i = 0; i < ChannelFieldCount; ++i) {
            const ChannelFieldInfo& f = fields[static_cast<std::size_t>(i)];
            assignChannelField(file.channels[static_cast<std::size_t>(c)], i, record + f.offset,
                               static_cast<std::size_t>(f.width));
        }
    }
}

int16_t littleEndianSample(const unsigned char* p) {
    const int value = p[0] | (p[1] << 8);
    return static_cast<int16_t>(value >= 0x8000 ? value - 0x10000 : value);
}

// Frame s holds one sample of every channel, channel 0 first, at offset + 2 * channelCount * s.
// Read in steps of 100 frames: one read per step, and the progress report between steps.
void readFrames(ByteSource& source, int64_t offset, ExportFile& file, const ReadProgress& progress) {
    const int channels = file.channelCount;
    const int64_t frameBytes = 2 * static_cast<int64_t>(channels);
    std::vector<unsigned char> block;
    bool ended = false;
    file.framesPresent = 0;
    for (int first = 0; first < file.loadedSamples; first += FramesPerProgressStep) {
        if (progress) progress(first, file.loadedSamples);
        const int frames = std::min(FramesPerProgressStep, file.loadedSamples - first);
        if (channels == 0) {
            file.framesPresent += frames;
            continue;
        }
        if (ended) continue;
        const std::size_t size = static_cast<std::size_t>(frames * frameBytes);
        const std::size_t got = readBlock(source, offset + first * frameBytes, block, size);
        // A sample whose two bytes are not both there stays 0.
        const std::size_t samples = got / 2;
        for (std::size_t k = 0; k < samples; ++k) {
            const int frame = first + static_cast<int>(k / static_cast<std::size_t>(channels));
            const int channel = static_cast<int>(k % static_cast<std::size_t>(channels));
            file.samples.row(channel)[frame] = littleEndianSample(block.data() + 2 * k);
        }
        file.framesPresent += static_cast<int64_t>(got) / frameBytes;
        ended = got < size;
    }
}

ReadResult readExport(ByteSource& source, const ReadProgress& progress) {
    auto file = std::make_unique<ExportFile>();
    bool headerComplete = true;
    readHeader(source, file->header, headerComplete);

    const int64_t channels = decimalValue(file->header.exportedChannels.text());
    const int64_t samples = decimalValue(file->header.samplesPerChannel.text());
    const int64_t waveform = decimalValue(file->header.waveformOffset.text());
    const int64_t channelInfo = decimalValue(file->header.channelInfoOffset.text());
    ReadResult result;
    result.message = refusal(channels, samples, waveform, channelInfo);
    if (!result.message.empty()) {
        result.outcome = ReadOutcome::Refused;
        return result;
    }

    file->channelCount = static_cast<int32_t>(channels);
    file->totalSamples = static_cast<int32_t>(samples);
    file->loadedSamples = std::min(file->totalSamples, static_cast<int32_t>(MaxSamples));
    int recordsPresent = 0;
    readChannelRecords(source, channelInfo, *file, recordsPresent);
    readFrames(source, waveform, *file, progress);

    const bool recordsComplete = recordsPresent == file->channelCount;
    const bool framesComplete = file->framesPresent == file->loadedSamples;
    file->complete = headerComplete && recordsComplete && framesComplete;
    if (!file->complete) {
        // The frame count comes first: it is what a reader of the traces most needs to know.
        file->warnings.push_back("the file ended early: " + std::to_string(file->framesPresent) + " of " +
                                 std::to_string(file->loadedSamples) + " expected sample frames were present");
        if (!headerComplete)
            file->warnings.push_back("the header was incomplete (the file is shorter than " +
                                     std::to_string(HeaderEnd) + " bytes)");
        if (!recordsComplete)
            file->warnings.push_back("only " + std::to_string(recordsPresent) + " of " +
                                     std::to_string(file->channelCount) + " channel records were complete");
        for (std::size_t i = 0; i < file->warnings.size(); ++i)
            result.message += (i == 0 ? "" : "; ") + file->warnings[i];
    }
    result.outcome = file->complete ? ReadOutcome::Loaded : ReadOutcome::LoadedShort;
    result.file = std::move(file);
    return result;
}

ReadResult cannotOpen(std::string reason) {
    ReadResult result;
    result.outcome = ReadOutcome::CannotOpen;
    result.message = "doesn't exist";
    result.reason = std::move(reason);
    return result;
}

}  // namespace

ReadResult readExportFile(const std::string& path, const ReadProgress& progress) {
    if (path.empty()) return cannotOpen("no file name");
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error) return cannotOpen(error.message());
    if (std::filesystem::is_directory(status)) return cannotOpen(std::generic_category().message(EISDIR));
    // Pipes and devices could block or never end; an export file is always a regular file.
    if (!std::filesystem::is_regular_file(status)) return cannotOpen("not a regular file");

    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) return cannotOpen(errno != 0 ? std::generic_category().message(errno) : "cannot be read");
    StreamByteSource source(in);
    return readExport(source, progress);
}

ReadResult readExportBytes(const unsigned char* data, std::size_t size, const ReadProgress& progress) {
    MemoryByteSource source(data, data ? size : 0);
    return readExport(source, progress);
}

void installExportFile(ExportFile&& file, Recording& recording, LeadSettings& leads) {
    recording.header = file.header;
    recording.channelCount = file.channelCount;
    recording.totalSamples = file.totalSamples;
    recording.loadedSamples = file.loadedSamples;

    ChannelTable& table = recording.channelTable;
    table.setRowCount(file.channelCount + 1);
    const auto& titles = channelTableTitles();
    for (int column = 0; column < ChannelTableColumns; ++column)
        table.setCell(column, 0, titles[static_cast<std::size_t>(column)]);

    recording.shownCount = file.channelCount;
    for (int i = 0; i < file.channelCount; ++i) {
        const ChannelRecord& record = file.channels[static_cast<std::size_t>(i)];
        const int row = i + 1;
        table.setCell(0, row, std::to_string(row));
        for (int column = 1; column < ChannelTableColumns; ++column)
            table.setCell(column, row, channelFieldText(record, column - 1));
        const auto index = static_cast<std::size_t>(i);
        leads.colour[index] = colourForName(record.colourName.text());
        const bool hidden = hiddenByDefault(record.leadName.text());
        leads.shown[index] = hidden ? 0 : 1;
        if (hidden) --recording.shownCount;
    }
    leads.gainStep.fill(4);
    leads.gainDivisor.fill(GainTable[4]);
    leads.clipWidth.fill(50);

    // The file's matrix is zero outside channels 0..channelCount-1 and samples 0..loadedSamples-1,
    // which is the cleared-then-filled store.
    recording.sampleMatrix = std::move(file.samples);
}

}  // namespace velundia
