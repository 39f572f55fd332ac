#include "view/TraceRenderer.h"

#include "view/TraceGeometry.h"
#include "view/TwelveLeadSheet.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace velundia {

namespace {

constexpr Colour Black = 0x000000;
constexpr Colour White = 0xFFFFFF;

// Vertices of the sweep rule that still fall on a stored sample: the store holds
// MaxSamples per channel, so a window reaching further ends the trace at sample MaxSamples - 1.
std::size_t storedPrefix(const std::vector<SweepPoint>& sweep, int firstSample) {
    if (firstSample < 0 || firstSample >= MaxSamples) return 0;
    const int lastOffset = MaxSamples - 1 - firstSample;
    const auto end = std::upper_bound(sweep.begin(), sweep.end(), lastOffset,
                                      [](int offset, const SweepPoint& p) { return offset < p.sample; });
    return static_cast<std::size_t>(end - sweep.begin());
}

void drawRuler(Canvas& canvas, const ViewSettings& settings, int width, int height) {
    canvas.setPenColour(White);
    canvas.setPenWidth(1);
    const RulerSpacing spacing = rulerSpacing(settings);
    auto tick = [&](int x, int length) {
        canvas.moveTo(x, height);
        canvas.lineTo(x, height - length);
    };
    for (int x = 1; x < width; ++x) {
        if (spacing.small > 0 && x % spacing.small == 0) tick(x, 4);
        if (spacing.middle > 0 && x % spacing.middle == 0) {
            tick(x, 6);
            tick(x - 1, 6);
        }
        if (spacing.large > 0 && x % spacing.large == 0) {
            tick(x, 10);
            tick(x - 1, 10);
            tick(x + 1, 10);
        }
    }
}

}  // namespace

void RenderTraces(Canvas& traceSurface, const Recording& recording, LeadSettings& leads,
                  const ViewSettings& settings, const ViewControls& controls) {
    const double rh = rowHeight(controls.traceHeight, recording.shownCount);
    const int width = controls.traceWidth;
    const int pos = controls.firstSample;
    const int gain = std::max(1, controls.globalGain);
    const bool round = settings.brushShape == 2;

    traceSurface.setBrushColour(Black);
    traceSurface.setPenColour(White);
    traceSurface.setPenWidth(round ? settings.brushWidth : 1);
    traceSurface.setBrushStyle(BrushStyle::Solid);
    traceSurface.fillRect(0, 0, traceSurface.width(), traceSurface.height());

    if (controls.twelveLead) {
        RenderTwelveLeadSheet(traceSurface, recording, settings, controls);
        return;
    }

    const std::vector<SweepPoint> sweep = sweepPoints(width, settings);
    const std::size_t vertices = storedPrefix(sweep, pos);
    std::vector<Point> polyline(vertices);
    const int passes = round ? 1 : std::max(1, settings.brushWidth);

    int channel = -1;
    for (int k = 1; k <= recording.shownCount; ++k) {
        do {
            ++channel;
        } while (channel < MaxChannels && !leads.shown[static_cast<std::size_t>(channel)]);
        // shownCount counts more leads than are flagged: nothing is left to draw.
        if (channel >= MaxChannels) break;
        const auto c = static_cast<std::size_t>(channel);

        int y0;
        if (controls.moveMode) {
            y0 = leads.position[static_cast<std::size_t>(k - 1)];
        } else {
            y0 = rowCentre(k, rh);
            leads.position[static_cast<std::size_t>(k - 1)] = y0;
        }
        if (vertices == 0) continue;

        const int16_t* samples = recording.sampleMatrix.row(channel) + pos;
        const LeadDeflection deflection(gain, leads.gainDivisor[c], settings.clippingOn == 1, leads.clipWidth[c]);
        const SweepPoint* rule = sweep.data();
        Point* vertex = polyline.data();
        for (std::size_t j = 0; j < vertices; ++j) {
            const int y = y0 - deflection(samples[rule[j].sample]);
            vertex[j] = {rule[j].x, y};
        }
        for (int pass = 1; pass <= passes; ++pass) {
            // Square brush: each further pass one pixel lower than the one before.
            if (pass > 1)
                for (Point& p : polyline) ++p.y;
            traceSurface.setPenColour(static_cast<Colour>(leads.colour[c]));
            traceSurface.polyline(polyline.data(), polyline.size());
        }
    }

    if (controls.ruler) drawRuler(traceSurface, settings, width, controls.traceHeight);
}

}  // namespace velundia
