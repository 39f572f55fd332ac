#pragma once

namespace velundia {

constexpr int MaxChannels = 80;          // channel capacity of every per-channel array
constexpr int MaxSamples = 10000;        // samples per channel kept in memory
constexpr int ChannelRecordSize = 64;    // bytes per channel record in an export file
constexpr int SecondHeaderOffset = 256;  // file offset of the second group of header fields

}  // namespace velundia
