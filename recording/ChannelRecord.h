#pragma once

#include "recording/FixedText.h"

#include <array>
#include <cstddef>
#include <string>

namespace velundia {

// One 64-byte channel record of an export file.
struct ChannelRecord {
    FixedText<16> leadName;    // offset  0
    FixedText<6> gain;         //        16
    FixedText<6> lowPass;      //        22
    FixedText<6> highPass;     //        28
    FixedText<6> sampling;     //        34
    FixedText<6> scale;        //        40
    FixedText<12> colourName;  //        46
    FixedText<6> trailer;      //        58  read and ignored
};

constexpr int ChannelFieldCount = 8;

struct ChannelFieldInfo {
    const char* name;
    int offset;
    int width;
};

const std::array<ChannelFieldInfo, ChannelFieldCount>& channelFieldInfo();
std::string channelFieldText(const ChannelRecord& record, int index);
void assignChannelField(ChannelRecord& record, int index, const char* data, std::size_t size);
// The field's stored bytes (its width of them, NULs included); nullptr for an index out of range.
const char* channelFieldBytes(const ChannelRecord& record, int index);

}  // namespace velundia
