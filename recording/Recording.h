#pragma once

#include "recording/ChannelTable.h"
#include "recording/Constants.h"
#include "recording/ExportHeader.h"
#include "recording/SampleMatrix.h"

#include <cstdint>
#include <vector>

namespace velundia {

// The in-memory image of the one open export file. Each open overwrites it in place.
struct Recording {
    ExportHeader header;
    ChannelTable channelTable;
    SampleMatrix sampleMatrix;
    std::vector<int16_t> scratchRow = std::vector<int16_t>(MaxSamples, 0);  // spare row for moving a channel
    int32_t channelCount = 0;   // 0..MaxChannels
    int32_t shownCount = 0;     // channels whose shown flag is set
    int32_t totalSamples = 0;   // samples per channel as the header states them
    int32_t loadedSamples = 0;  // min(totalSamples, MaxSamples)
};

}  // namespace velundia
