#pragma once

#include "recording/ChannelRecord.h"
#include "recording/ExportHeader.h"

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
    // file type '1', sample format '1', multiplex '1'.
    static ExportFileBuilder standard(int channelCount, int samplesPerChannel);

    std::vector<unsigned char> bytes() const;
};

}  // namespace velundia
