#include "view/TraceGeometry.h"

#include <cstdint>

namespace velundia {

double rowHeight(int traceHeight, int shownCount) { return traceHeight / (shownCount + 0.5); }

int rowCentre(int k, double rh) { return static_cast<int>(k * rh - rh * 0.5); }

int visibleWindow(int traceWidth, const ViewSettings& settings) {
    return traceWidth * settings.sweepNumerator / settings.sweepDenominator;
}

int scrollMaximum(int loadedSamples, int visible) { return visible < loadedSamples ? loadedSamples - visible : 0; }

int traceDeflection(int sample, int globalGain, int gainDivisor, bool clipping, int clipWidth) {
    int d = sample / globalGain / gainDivisor;
    if (clipping) {
        if (d > clipWidth) d = clipWidth;
        if (d < -clipWidth) d = -clipWidth;
    }
    return d;
}

std::vector<SweepPoint> sweepPoints(int traceWidth, const ViewSettings& settings) {
    const int numerator = settings.sweepNumerator > 0 ? settings.sweepNumerator : 1;
    const int denominator = settings.sweepDenominator > 0 ? settings.sweepDenominator : 1;
    const int64_t end = int64_t(traceWidth) * numerator;
    std::vector<SweepPoint> points;
    points.reserve(static_cast<std::size_t>(end > 0 ? end / denominator + 2 : 1));
    points.push_back({0, 0});
    for (int64_t k = 1; k < end; k += denominator)
        points.push_back({static_cast<int>(k / numerator), static_cast<int>(k / denominator)});
    return points;
}

RulerSpacing rulerSpacing(const ViewSettings& settings) {
    const int n = settings.sweepNumerator;
    const int m = settings.sweepDenominator;
    return {20 / n * m, 100 / n * m, 1000 / n * m};
}

}  // namespace velundia
