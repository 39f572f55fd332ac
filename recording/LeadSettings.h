#pragma once

#include "recording/Constants.h"

#include <array>
#include <cstdint>

namespace velundia {

// Divisor of each per-lead gain step 0..7: step 7 draws a lead 128 times larger than step 0.
constexpr std::array<int32_t, 8> GainTable = {128, 64, 32, 16, 8, 4, 2, 1};

// Per-lead display settings. All arrays are indexed by channel, except `position`,
// which is indexed by display slot (the place of a lead among the shown leads, from the top).
struct LeadSettings {
    std::array<int32_t, MaxChannels> colour{};       // 0x00BBGGRR
    std::array<int32_t, MaxChannels> gainStep{};     // 0..7
    std::array<int32_t, MaxChannels> gainDivisor{};  // GainTable[gainStep]
    std::array<int32_t, MaxChannels> clipWidth{};    // trace-box pixels, 10..200
    std::array<int32_t, MaxChannels> shown{};        // 1 drawn, 0 hidden
    std::array<int32_t, MaxChannels> position{};     // trace-box pixels: row centre of a display slot
};

}  // namespace velundia
