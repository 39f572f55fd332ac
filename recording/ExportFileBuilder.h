#pragma once

#include "recording/ChannelRecord.h"
#include "recording/ExportHeader.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velundia {

// Lays out the bytes of an export file: header groups at 0 and 256, channel records at the
// channelInfoOffset, frames at the waveformOffset (both as the header's texts say).
// It writes no file; velundia-cli, the tests and the benchmarks decide what to do with the bytes.
struct ExportFileBuilder {
    ExportHeader header;
    std::vector<ChannelRecord> channels;
    std::vector<std::vector<int16_t>> samples;  // per channel; frames = the longest row

    // Header and record texts for a consistent file of the given shape: offsets, counts,
    // file type '1', sample format '1', multiplex '1', STAMP 'T', patient and study texts;
    // records at 304 named "CH 1", "CH 2", ... with gain "1mv" and colour "WHITE"; frames right
    // after the records; every sample 0.
    static ExportFileBuilder standard(int channelCount, int samplesPerChannel);

    // The file: header fields at their offsets, channels.size() records at channelInfoOffset,
    // frames of samples.size() channels at waveformOffset (a negative offset writes nothing
    // there); unused bytes are 0. The size is where the last of them ends, at least the header.
    std::vector<unsigned char> bytes() const;

    // A header number as the lab system writes it: right-aligned in the field, padded with spaces.
    static std::string rightAligned(int64_t value, std::size_t width);
};

}  // namespace velundia
