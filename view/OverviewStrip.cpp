#include "view/OverviewStrip.h"

#include "view/RasterSurface.h"
#include "view/TwelveLeadSheet.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace velundia {

namespace {
constexpr Colour Black = 0x000000;
constexpr Colour White = 0xFFFFFF;
}  // namespace

int overviewDeflection(int sample, int globalGain) { return sample / globalGain / 10; }

void RenderOverview(Canvas& overviewSurface, const Recording& recording, const LeadSettings& leads,
                    const ViewControls& controls) {
    overviewSurface.setBrushColour(Black);
    overviewSurface.setBrushStyle(BrushStyle::Solid);
    overviewSurface.fillRect(0, 0, overviewSurface.width(), overviewSurface.height());

    const int lead = controls.overviewLead;
    // No lead picked in ComboBox1 (fewer than three channels): the strip stays black.
    if (recording.totalSamples == 0 || lead < 0 || lead >= MaxChannels) return;

    const int middle = controls.stripHeight / 2;
    const int width = controls.stripWidth;
    const double step = static_cast<double>(width) / recording.totalSamples;  // strip pixels per sample
    const int gain = std::max(1, controls.globalGain);
    // The walk ends after the last loaded sample; past it the store holds nothing of the lead.
    const int loaded = std::min(recording.loadedSamples, MaxSamples);
    const int16_t* samples = recording.sampleMatrix.row(lead);

    std::vector<Point> polyline;
    polyline.reserve(static_cast<std::size_t>(std::min(width, loaded) + 1));
    polyline.push_back({0, middle - overviewDeflection(samples[0], gain)});
    double x = 1.0;
    for (int k = 0; x < width && k < loaded; ++k) {
        polyline.push_back({static_cast<int>(x), middle - overviewDeflection(samples[k], gain)});
        x = x + step;
    }
    overviewSurface.setPenColour(static_cast<Colour>(leads.colour[static_cast<std::size_t>(lead)]));
    overviewSurface.setPenWidth(1);
    overviewSurface.setPenStyle(PenStyle::Solid);
    overviewSurface.polyline(polyline.data(), polyline.size());
}

FrameEdges viewportFrame(const Recording& recording, const ViewSettings& settings, const ViewControls& controls) {
    if (recording.totalSamples == 0) return {0, 0};
    const double step = static_cast<double>(controls.stripWidth) / recording.totalSamples;
    const int left = static_cast<int>(controls.firstSample * step);
    if (controls.twelveLead) return {left, left + static_cast<int>(step * SheetWindow)};
    return {left, left + static_cast<int>(controls.traceWidth * step) * settings.sweepNumerator /
                             settings.sweepDenominator};
}

void DrawViewportFrame(Canvas& strip, const RasterSurface& overviewSurface, const Recording& recording,
                       const ViewSettings& settings, const ViewControls& controls) {
    if (recording.totalSamples == 0) return;
    strip.draw(0, 0, overviewSurface);
    strip.setPenColour(White);
    strip.setPenWidth(1);
    strip.setPenStyle(PenStyle::Solid);
    const FrameEdges edges = viewportFrame(recording, settings, controls);
    const int bottom = controls.stripHeight - 4;
    const Point frame[5] = {{edges.left, 2}, {edges.left, bottom}, {edges.right, bottom}, {edges.right, 2},
                            {edges.left, 2}};
    strip.polyline(frame, 5);
}

}  // namespace velundia
