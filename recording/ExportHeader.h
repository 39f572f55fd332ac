#pragma once

#include "recording/FixedText.h"

#include <array>
#include <cstddef>
#include <string>

namespace velundia {

// The fixed-width ASCII header of an export file, in file order.
// 0..179 is the first group, 256..303 the second; 180..255 is never read.
struct ExportHeader {
    FixedText<2> fileType;              // offset   0
    FixedText<2> versionNumber;         //          2
    FixedText<26> hospitalId;           //          4
    FixedText<26> firstName;            //         30
    FixedText<2> middleName;            //         56
    FixedText<26> lastName;             //         58
    FixedText<10> birthDate;            //         84
    FixedText<4> studyNumber;           //         94
    FixedText<20> studyId;              //         98
    FixedText<4> protocolNumber;        //        118
    FixedText<26> protocolId;           //        122
    FixedText<10> studyDate;            //        148
    FixedText<10> studyTime;            //        158
    FixedText<6> channelHeaderOffset;   //        168
    FixedText<6> waveformOffset;        //        174  parsed: file offset of the first sample
    FixedText<4> exportedChannels;      //        256  parsed: channel count
    FixedText<8> samplesPerChannel;     //        260  parsed: total samples per channel
    FixedText<10> exportStart;          //        268
    FixedText<10> exportEnd;            //        278
    FixedText<2> sampleFormat;          //        288
    FixedText<2> multiplexMode;         //        290
    FixedText<4> samplesPerMuxBlock;    //        292
    FixedText<2> stampFlag;             //        296
    FixedText<6> channelInfoOffset;     //        298  parsed: file offset of the first channel record
};

constexpr int HeaderFieldCount = 24;

struct HeaderFieldInfo {
    const char* name;  // the member's name, e.g. "samplesPerChannel"
    int offset;        // byte offset in the file
    int width;         // bytes
};

// The 24 fields in file order, which is also the row order of the HEADER page.
const std::array<HeaderFieldInfo, HeaderFieldCount>& headerFieldInfo();

// Field access by index in file order (0 = fileType .. 23 = channelInfoOffset).
std::string headerFieldText(const ExportHeader& header, int index);
void assignHeaderField(ExportHeader& header, int index, const char* data, std::size_t size);
// The field's stored bytes (its width of them, NULs included); nullptr for an index out of range.
const char* headerFieldBytes(const ExportHeader& header, int index);

}  // namespace velundia
