#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

namespace velundia {

constexpr int MaxMeasurements = 20;

// One divider measurement in trace-box pixels. The x values are whole pixels held in doubles
// and stay at their screen places when the view scrolls; the heights are fractions of the
// trace-box height, so a bar keeps its relative height when the box is resized.
struct Measurement {
    double x1 = 0;            // first end; once complete, the smaller x
    double heightRatio1 = 0;  // y of the first click / H; kept, not drawn
    double x2 = 0;            // second end; once complete, the larger x
    double heightRatio2 = 0;  // bar height / H
    int32_t interval = 0;     // samples: abs(trunc(x1 - x2)) * sweepNumerator / sweepDenominator
};

// Parts of a measurement under the pointer.
enum MeasurementPart : int32_t { PartNone = 0, PartFirstEnd = 1, PartSecondEnd = 2, PartBar = 3 };

// The divider's list. Entries 0..count-1 are complete; entry count receives the one being made.
struct MeasurementList {
    std::array<Measurement, MaxMeasurements> entries{};
    int32_t count = 0;
    bool dividerArmed = false;       // presses place ends instead of editing
    bool firstPointPending = false;  // the first end of entry count is placed
    bool dragging = false;           // a part follows the pointer
    int32_t dragPart = PartNone;
    int32_t hoverIndex = 0;          // measurement last found under the pointer
    int32_t hoverPart = PartNone;    // part under the pointer at the latest hover test
    int32_t grabOffset1 = 0;         // x1 - pointer x at the last hover hit
    int32_t grabOffset2 = 0;         // x2 - pointer x at the last hover hit
    bool overlayComposeOnly = false; // PresentOverlay composes without copying to the trace box
};

// At most this many measurements are ever completed: entry count (at most 19) must stay free
// for the one being made.
constexpr int MaxCompletedMeasurements = MaxMeasurements - 1;

// Real trace-box coordinate to a pixel, truncating toward zero; far-off values are held
// within int range so that the conversion is always defined.
inline int truncatePixel(double v) {
    constexpr double limit = 1.0e9;
    return static_cast<int>(std::clamp(v, -limit, limit));
}

// A pointer y as a fraction of the trace-box height (0 for a box without height).
inline double heightRatioOf(int y, int traceHeight) {
    return traceHeight > 0 ? static_cast<double>(y) / static_cast<double>(traceHeight) : 0.0;
}

// Pixel row of a measurement's bar.
inline int barRow(const Measurement& m, int traceHeight) { return truncatePixel(traceHeight * m.heightRatio2); }

// Samples between two ends at the sweep ratio numerator / denominator (samples per pixel).
inline int32_t intervalOf(double x1, double x2, int32_t sweepNumerator, int32_t sweepDenominator) {
    if (sweepDenominator == 0) return 0;
    return std::abs(truncatePixel(x1 - x2)) * sweepNumerator / sweepDenominator;
}

// Completed entries that may be read: count held within the array.
inline int completedCount(const MeasurementList& list) {
    return std::clamp(static_cast<int>(list.count), 0, MaxMeasurements);
}

}  // namespace velundia
