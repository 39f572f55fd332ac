#include "interaction/Divider.h"

#include "interaction/MeasurementEdit.h"

#include <algorithm>
#include <string>

namespace velundia {

namespace {

void disarm(MeasurementList& list) {
    list.dividerArmed = false;
    list.firstPointPending = false;
}

// Shift- or Alt-press: the measurement found under the pointer last goes, the later entries
// (with the one being made, entry count) move up one place. An index no longer below count
// names no completed measurement; then the last completed one goes, and the entry being made
// still moves with it, so a placed first end is kept.
void removeHovered(MeasurementList& list) {
    const int completed = completedCount(list);
    if (completed == 0) return;
    const int from = list.hoverIndex >= 0 && list.hoverIndex < completed ? list.hoverIndex : completed - 1;
    const int last = std::min(completed, MaxMeasurements - 1);  // entry being made
    for (int i = from; i < last; ++i) list.entries[i] = list.entries[i + 1];
    list.count = completed - 1;
}

void placeEnd(MeasurementList& list, int x, int y, const OverlayScene& scene) {
    // Entry count must stay a free slot: with 19 complete no further end is taken, also when
    // no pointer move has disarmed the divider yet.
    if (list.count < 0 || list.count >= MaxCompletedMeasurements) return;
    Measurement& m = list.entries[list.count];
    if (!list.firstPointPending) {
        list.firstPointPending = true;
        m.x1 = x;
        m.heightRatio1 = heightRatioOf(y, scene.traceHeight);
        return;
    }
    list.firstPointPending = false;
    m.x2 = x;
    m.heightRatio2 = heightRatioOf(y, scene.traceHeight);
    m.interval = intervalOf(m.x1, x, scene.settings.sweepNumerator, scene.settings.sweepDenominator);
    // The heights stay with their clicks: the bar is at the second click's height either way.
    if (m.x1 > m.x2) std::swap(m.x1, m.x2);
    list.count += 1;
    list.dividerArmed = false;
    list.dragging = false;
}

}  // namespace

void toggleDivider(MeasurementList& list, const OverlayScene& scene) {
    if (!list.dividerArmed) {
        list.firstPointPending = false;
        list.dividerArmed = true;
        return;
    }
    // A first end already placed is abandoned: the next arming starts with a first end.
    list.dividerArmed = false;
    PresentOverlay(list, scene);
}

void clearMeasurements(MeasurementList& list) {
    list.count = 0;
    disarm(list);
}

void pointerPress(MeasurementList& list, PointerButton button, PointerModifiers modifiers, int x, int y,
                  const OverlayScene& scene) {
    if (modifiers.shift || modifiers.alt) {
        removeHovered(list);
    } else {
        if (button == PointerButton::Left) list.dragging = true;
        if (button == PointerButton::Right) list.dragging = !list.dragging;
        list.dragPart = list.hoverPart;
    }
    if (!list.dividerArmed) {
        TrackMeasurementEdit(list, x, y, scene);
        return;
    }
    // Nothing is redrawn: the next pointer move shows the end or the finished measurement.
    placeEnd(list, x, y, scene);
}

void pointerMove(MeasurementList& list, int x, int y, const OverlayScene& scene) {
    if (list.count >= MaxCompletedMeasurements) disarm(list);
    TrackPointer(list, x, y, scene);
}

void pointerRelease(MeasurementList& list, PointerButton button) {
    if (button == PointerButton::Left) list.dragging = false;
}

void TrackPointer(MeasurementList& list, int x, int y, const OverlayScene& scene) {
    if (!list.dividerArmed) {
        TrackMeasurementEdit(list, x, y, scene);
        return;
    }
    list.overlayComposeOnly = true;
    PresentOverlay(list, scene);
    list.overlayComposeOnly = false;

    RasterSurface& overlay = scene.overlay;
    const int h = scene.traceHeight;
    overlay.setPenColour(OverlayRed);
    if (!list.firstPointPending) {
        overlay.moveTo(x, 0);
        overlay.lineTo(x, h);
    } else {
        const Measurement& m = list.entries[std::clamp(static_cast<int>(list.count), 0, MaxMeasurements - 1)];
        const int a = truncatePixel(m.x1);
        overlay.moveTo(a, 0);
        overlay.lineTo(a, h);
        overlay.moveTo(a, y);
        overlay.lineTo(x, y);
        overlay.moveTo(x, 0);
        overlay.lineTo(x, h);
        const int32_t n = intervalOf(a, x, scene.settings.sweepNumerator, scene.settings.sweepDenominator);
        overlay.setBrushColour(OverlayGrey);
        overlay.setBrushStyle(scene.settings.numberBackClear ? BrushStyle::Clear : BrushStyle::Solid);
        // The halving is an integer division: it truncates toward zero also for a negative x.
        overlay.textOut(truncatePixel(x + m.x1) / 2 - 8, y - 8, std::to_string(n));
    }
    scene.traceBox.draw(0, 0, overlay);
}

}  // namespace velundia
