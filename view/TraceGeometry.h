#pragma once

#include "view/ViewSettings.h"

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

struct RulerSpacing {
    int small;   // 20 samples
    int middle;  // 100 samples
    int large;   // 1000 samples
};
// Tick spacings in pixels: (n / sweepNumerator) * sweepDenominator.
RulerSpacing rulerSpacing(const ViewSettings& settings);

}  // namespace velundia
