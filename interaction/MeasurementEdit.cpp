#include "interaction/MeasurementEdit.h"

#include <utility>

namespace velundia {

int32_t hitTest(const Measurement& m, int x, int y, int traceHeight) {
    const double px = x;
    const double py = y;
    // The end lines span the full height, so only x decides; the first end wins where both lie.
    if (m.x1 - HitTolerance < px && px < m.x1 + HitTolerance) return PartFirstEnd;
    if (m.x2 - HitTolerance < px && px < m.x2 + HitTolerance) return PartSecondEnd;
    const double yb = barRow(m, traceHeight);
    if (m.x1 + HitTolerance <= px && px <= m.x2 - HitTolerance && yb - HitTolerance < py && py < yb + HitTolerance)
        return PartBar;
    return PartNone;
}

namespace {

// Moves the dragged part of one measurement to the pointer; the bar always follows the
// pointer's height. An end dragged across the other becomes the other end, so that x1 stays
// the smaller x and the end under the pointer stays the dragged one.
void applyDrag(MeasurementList& list, Measurement& m, int x, int y, const OverlayScene& scene) {
    switch (list.dragPart) {
    case PartFirstEnd:
        m.x1 = x;
        m.heightRatio2 = heightRatioOf(y, scene.traceHeight);
        break;
    case PartSecondEnd:
        m.x2 = x;
        m.heightRatio2 = heightRatioOf(y, scene.traceHeight);
        break;
    case PartBar:
        // The edge zones of the trace box do nothing here: a caliper drag never touches a lead.
        m.x1 = static_cast<double>(x) + list.grabOffset1;
        m.x2 = static_cast<double>(x) + list.grabOffset2;
        m.heightRatio2 = heightRatioOf(y, scene.traceHeight);
        break;
    default:
        break;
    }
    m.interval = intervalOf(m.x1, m.x2, scene.settings.sweepNumerator, scene.settings.sweepDenominator);
    if (m.x1 > m.x2) {
        std::swap(m.x1, m.x2);
        if (list.dragPart == PartFirstEnd)
            list.dragPart = PartSecondEnd;
        else if (list.dragPart == PartSecondEnd)
            list.dragPart = PartFirstEnd;
    }
}

}  // namespace

void TrackMeasurementEdit(MeasurementList& list, int x, int y, const OverlayScene& scene) {
    RasterSurface& overlay = scene.overlay;
    prepareOverlayCanvas(overlay, scene.settings);
    overlay.draw(0, 0, scene.trace);
    list.hoverPart = PartNone;
    const int completed = completedCount(list);
    if (completed > 0) {
        // Only a completed measurement is ever dragged; an index left behind by a removal
        // names none.
        const bool dragTarget = list.dragging && list.hoverIndex >= 0 && list.hoverIndex < completed;
        if (dragTarget) applyDrag(list, list.entries[list.hoverIndex], x, y, scene);
        for (int i = 0; i < completed; ++i) {
            Measurement& m = list.entries[i];
            if (list.dragging) {
                overlay.setPenColour(i == list.hoverIndex ? OverlayRed : OverlayBlue);
            } else if (const int32_t part = hitTest(m, x, y, scene.traceHeight); part != PartNone) {
                overlay.setPenColour(OverlayMagenta);
                list.hoverIndex = i;
                list.hoverPart = part;
                list.grabOffset1 = truncatePixel(m.x1 - x);
                list.grabOffset2 = truncatePixel(m.x2 - x);
            } else {
                overlay.setPenColour(OverlayBlue);
            }
            drawMeasurementLines(overlay, m, scene.traceHeight);
            drawMeasurementNumber(overlay, m, scene.traceHeight);
        }
    }
    overlay.setBrushColour(0);
    overlay.setBrushStyle(BrushStyle::Clear);
    scene.traceBox.draw(0, 0, overlay);
}

}  // namespace velundia
