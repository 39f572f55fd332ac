#pragma once

#include "view/ViewSettings.h"

#include <cstdint>
#include <vector>

namespace velundia {

// Arithmetic of the trace box that users read; integer divisions truncate toward zero.

// Row height rh = H / (shownCount + 0.5), a real number.
double rowHeight(int traceHeight, int shownCount);
// Row centre of the k-th shown lead (k from 1): trunc(k * rh - rh * 0.5).
int rowCentre(int k, double rh);
// V = W * sweepNumerator / sweepDenominator samples (multiply, then divide).
int visibleWindow(int traceWidth, const ViewSettings& settings);
// Maximum of ScrollBarX: loadedSamples - V when V < loadedSamples, else 0.
int scrollMaximum(int loadedSamples, int visible);
// d = (s / G) / gainDivisor, then limited to +-clipWidth while clipping is on.
int traceDeflection(int sample, int globalGain, int gainDivisor, bool clipping, int clipWidth);

// traceDeflection of one lead with its divisions prepared once, for the hot loop of a redraw.
// (s / G) / gainDivisor equals s / (G * gainDivisor) truncated; that quotient is taken by a
// multiplication with a rounded-up reciprocal, exact for every 16-bit sample and any
// product of the divisors up to 65536.
class LeadDeflection {
public:
    LeadDeflection(int globalGain, int gainDivisor, bool clipping, int clipWidth)
        : reciprocal_(((uint64_t(1) << 32) + product(globalGain, gainDivisor) - 1) / product(globalGain, gainDivisor)),
          clipping_(clipping),
          clipWidth_(clipWidth) {}

    int operator()(int sample) const {
        const uint32_t magnitude = static_cast<uint32_t>(sample < 0 ? -sample : sample);
        const int quotient = static_cast<int>((magnitude * reciprocal_) >> 32);
        int d = sample < 0 ? -quotient : quotient;
        if (clipping_) {
            if (d > clipWidth_) d = clipWidth_;
            if (d < -clipWidth_) d = -clipWidth_;
        }
        return d;
    }

private:
    static uint64_t product(int globalGain, int gainDivisor) {
        const uint64_t p = uint64_t(globalGain > 0 ? globalGain : 1) * uint64_t(gainDivisor > 0 ? gainDivisor : 1);
        return p;
    }
    uint64_t reciprocal_;
    bool clipping_;
    int clipWidth_;
};

struct RulerSpacing {
    int small;   // 20 samples
    int middle;  // 100 samples
    int large;   // 1000 samples
};
// One vertex of a lead's polyline in the trace box: its column and the sample it shows,
// counted from the first visible sample.
struct SweepPoint {
    int x;       // trace-box pixel
    int sample;  // samples after pos
};
// The horizontal rule of every lead: the start (0, 0), then for K = 1, 1 + sweepDenominator, ...
// while K < W * sweepNumerator the point (K / sweepNumerator, K / sweepDenominator).
std::vector<SweepPoint> sweepPoints(int traceWidth, const ViewSettings& settings);

// Tick spacings in pixels: (n / sweepNumerator) * sweepDenominator.
RulerSpacing rulerSpacing(const ViewSettings& settings);

}  // namespace velundia
