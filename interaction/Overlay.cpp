#include "interaction/Overlay.h"

#include <algorithm>
#include <string>

namespace velundia {

void prepareOverlayCanvas(Canvas& overlay, const ViewSettings& settings) {
    overlay.setFontCharset(0);
    overlay.setFontName("Arial");
    overlay.setFontBold(true);
    overlay.setBrushColour(OverlayGrey);
    overlay.setBrushStyle(BrushStyle::Solid);
    overlay.setPenColour(OverlayBlue);
    if (settings.numberBackClear) overlay.setBrushStyle(BrushStyle::Clear);
    overlay.setFontSize(10);
    overlay.setFontColour(OverlayWhite);
}

void drawMeasurementLines(Canvas& overlay, const Measurement& m, int traceHeight) {
    const int a = truncatePixel(m.x1);
    const int b = truncatePixel(m.x2);
    const int yb = barRow(m, traceHeight);
    overlay.moveTo(a, 0);
    overlay.lineTo(a, traceHeight);
    overlay.moveTo(b, 0);
    overlay.lineTo(b, traceHeight);
    overlay.moveTo(a, yb);
    overlay.lineTo(b, yb);
}

void drawMeasurementNumber(Canvas& overlay, const Measurement& m, int traceHeight) {
    // The halving is an integer division, so it truncates toward zero also left of the box.
    const int left = truncatePixel(m.x1 + m.x2) / 2 - 8;
    overlay.textOut(left, barRow(m, traceHeight) - 8, std::to_string(m.interval));
}

void PresentOverlay(const MeasurementList& list, const OverlayScene& scene) {
    RasterSurface& overlay = scene.overlay;
    prepareOverlayCanvas(overlay, scene.settings);
    overlay.draw(0, 0, scene.trace);
    const int completed = completedCount(list);
    // All lines first, then all numbers, so that no line crosses a number.
    for (int i = 0; i < completed; ++i) drawMeasurementLines(overlay, list.entries[i], scene.traceHeight);
    for (int i = 0; i < completed; ++i) drawMeasurementNumber(overlay, list.entries[i], scene.traceHeight);
    overlay.setBrushColour(0);
    overlay.setBrushStyle(BrushStyle::Clear);
    if (!list.overlayComposeOnly) scene.traceBox.draw(0, 0, overlay);
}

}  // namespace velundia
