#include "recording/ExportFileBuilder.h"

#include "recording/Constants.h"
#include "recording/DecimalText.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace velundia {

namespace {

constexpr int StandardRecordOffset = 304;  // right after the second header group
constexpr int ExportStartSeconds = 9 * 3600 + 52 * 60 + 10;
constexpr int SamplesPerSecond = 1000;

std::string clockText(int seconds) {
    seconds %= 24 * 3600;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

}  // namespace

std::string ExportFileBuilder::rightAligned(int64_t value, std::size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width) digits.insert(0, width - digits.size(), ' ');
    return digits;
}

ExportFileBuilder ExportFileBuilder::standard(int channelCount, int samplesPerChannel) {
    ExportFileBuilder b;
    ExportHeader& h = b.header;
    const int records = std::max(channelCount, 0);
    h.fileType.assign("1");
    h.versionNumber.assign("3");
    h.hospitalId.assign("0004711-22");
    h.firstName.assign("JANE");
    h.middleName.assign("Q");
    h.lastName.assign("SAMPLE");
    h.birthDate.assign("07/19/1957");
    h.studyNumber.assign("0042");
    h.studyId.assign("EPS-0042");
    h.protocolNumber.assign("7");
    h.protocolId.assign("SVT INDUCTION");
    h.studyDate.assign("03/14/24");
    h.studyTime.assign("09:41:27");
    h.channelHeaderOffset.assign(rightAligned(SecondHeaderOffset, 6));
    h.waveformOffset.assign(rightAligned(StandardRecordOffset + int64_t{ChannelRecordSize} * records, 6));
    h.exportedChannels.assign(rightAligned(channelCount, 4));
    h.samplesPerChannel.assign(rightAligned(samplesPerChannel, 8));
    h.exportStart.assign(clockText(ExportStartSeconds));
    h.exportEnd.assign(clockText(ExportStartSeconds + std::max(samplesPerChannel, 0) / SamplesPerSecond));
    h.sampleFormat.assign("1");
    h.multiplexMode.assign("1");
    h.samplesPerMuxBlock.assign(rightAligned(1, 4));
    h.stampFlag.assign("T");
    h.channelInfoOffset.assign(rightAligned(StandardRecordOffset, 6));

    b.channels.resize(static_cast<std::size_t>(records));
    for (int c = 0; c < records; ++c) {
        ChannelRecord& r = b.channels[static_cast<std::size_t>(c)];
        r.leadName.assign("CH " + std::to_string(c + 1));
        r.gain.assign("1mv");
        r.lowPass.assign("100");
        r.highPass.assign("0.05");
        r.sampling.assign("1000");
        r.scale.assign("1");
        r.colourName.assign("WHITE");
    }
    b.samples.assign(static_cast<std::size_t>(records),
                     std::vector<int16_t>(static_cast<std::size_t>(std::max(samplesPerChannel, 0)), 0));
    return b;
}

std::vector<unsigned char> ExportFileBuilder::bytes() const {
    const int64_t recordOffset = decimalValue(header.channelInfoOffset.text());
    const int64_t waveOffset = decimalValue(header.waveformOffset.text());
    std::size_t frames = 0;
    for (const auto& row : samples) frames = std::max(frames, row.size());
    const std::size_t frameBytes = 2 * samples.size();

    std::size_t size = SecondHeaderOffset + 48;
    if (recordOffset >= 0)
        size = std::max(size, static_cast<std::size_t>(recordOffset) + channels.size() * ChannelRecordSize);
    if (waveOffset >= 0) size = std::max(size, static_cast<std::size_t>(waveOffset) + frames * frameBytes);
    std::vector<unsigned char> out(size, 0);

    for (int i = 0; i < HeaderFieldCount; ++i) {
        const HeaderFieldInfo& f = headerFieldInfo()[static_cast<std::size_t>(i)];
        std::memcpy(out.data() + f.offset, headerFieldBytes(header, i), static_cast<std::size_t>(f.width));
    }
    if (recordOffset >= 0) {
        for (std::size_t c = 0; c < channels.size(); ++c) {
            const std::size_t at = static_cast<std::size_t>(recordOffset) + c * ChannelRecordSize;
            for (int i = 0; i < ChannelFieldCount; ++i) {
                const ChannelFieldInfo& f = channelFieldInfo()[static_cast<std::size_t>(i)];
                std::memcpy(out.data() + at + static_cast<std::size_t>(f.offset), channelFieldBytes(channels[c], i),
                            static_cast<std::size_t>(f.width));
            }
        }
    }
    if (waveOffset >= 0) {
        for (std::size_t c = 0; c < samples.size(); ++c) {
            for (std::size_t s = 0; s < samples[c].size(); ++s) {
                const auto value = static_cast<uint16_t>(samples[c][s]);
                unsigned char* p = out.data() + static_cast<std::size_t>(waveOffset) + s * frameBytes + 2 * c;
                p[0] = static_cast<unsigned char>(value & 0xFF);
                p[1] = static_cast<unsigned char>(value >> 8);
            }
        }
    }
    return out;
}

}  // namespace velundia
