#pragma once

#include <cstdint>

namespace velundia {

// The global display settings, held by the main window for the life of the process.
// Opening a file changes only amplitudeDivisor.
struct ViewSettings {
    int32_t sweepNumerator = 1;     // 1, 2, 4; samples per pixel = numerator / denominator
    int32_t sweepDenominator = 1;   // 1, 2, 4; one of the two is always 1
    int32_t amplitudeDivisor = 50;  // divides every sample on the twelve-lead sheet: 50, 215, 86
    int32_t brushWidth = 1;         // trace thickness in pixels, 1..5
    int32_t brushShape = 1;         // 1 square brush (stacked one-pixel passes), 2 round brush (wide pen)
    int32_t clippingOn = 0;         // 1: deflections limited to +-clipWidth of the lead
    int32_t currentLead = 0;        // 0-based channel of the selected lead
    int32_t numberBackClear = 1;    // 1: divider numbers without background; 0: on grey
};

}  // namespace velundia
