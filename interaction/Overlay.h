#pragma once

#include "interaction/Measurement.h"
#include "view/Canvas.h"
#include "view/RasterSurface.h"
#include "view/ViewSettings.h"

namespace velundia {

constexpr Colour OverlayBlue = 0xFF0000;
constexpr Colour OverlayRed = 0x0000FF;
constexpr Colour OverlayMagenta = 0xFF00FF;
constexpr Colour OverlayGrey = 0x808080;
constexpr Colour OverlayWhite = 0xFFFFFF;

// What the overlay and the divider draw on.
struct OverlayScene {
    RasterSurface& overlay;        // OverlaySurface, the trace box's size
    const RasterSurface& trace;    // TraceSurface
    Canvas& traceBox;              // the picture the trace box shows
    int traceWidth;                // W
    int traceHeight;               // H
    const ViewSettings& settings;
};

// Canvas set-up shared by every overlay composition: bold Arial 10 in white, grey brush
// (clear while numberBackClear), blue pen.
void prepareOverlayCanvas(Canvas& overlay, const ViewSettings& settings);
// Draws the two end lines and the bar of one measurement in the current pen colour.
void drawMeasurementLines(Canvas& overlay, const Measurement& m, int traceHeight);
// Writes a measurement's interval centred over its bar.
void drawMeasurementNumber(Canvas& overlay, const Measurement& m, int traceHeight);

// TraceSurface plus every complete measurement into the OverlaySurface (all lines first,
// then all numbers), then onto the trace box unless list.overlayComposeOnly is set.
void PresentOverlay(const MeasurementList& list, const OverlayScene& scene);

}  // namespace velundia
