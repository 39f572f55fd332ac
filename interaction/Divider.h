#pragma once

#include "interaction/Measurement.h"
#include "interaction/Overlay.h"

namespace velundia {

enum class PointerButton { Left, Right, Middle };

struct PointerModifiers {
    bool shift = false;
    bool alt = false;
};

// The divider's pointer handling over the trace box, in trace-box pixels. The window returns
// before calling these while the twelve-lead sheet is on.

// SpeedButtonS1: arms, or disarms (abandoning a placed first end) and presents the overlay.
void toggleDivider(MeasurementList& list, const OverlayScene& scene);
// "AC": no measurements, divider idle. The caller redraws traces and overlay.
void clearMeasurements(MeasurementList& list);
// Press: removal with Shift/Alt, drag state, then hover editing or placing an end. With 19
// measurements complete no end is taken, so the list never outgrows MaxMeasurements.
void pointerPress(MeasurementList& list, PointerButton button, PointerModifiers modifiers, int x, int y,
                  const OverlayScene& scene);
// Move: disarms once 19 measurements exist, then TrackPointer.
void pointerMove(MeasurementList& list, int x, int y, const OverlayScene& scene);
// Release: a left release ends a drag.
void pointerRelease(MeasurementList& list, PointerButton button);

// Rubber band while armed (red lines and the live interval), else TrackMeasurementEdit.
void TrackPointer(MeasurementList& list, int x, int y, const OverlayScene& scene);

// Caption colour of SpeedButtonS1: red while armed, else black.
inline Colour dividerCaptionColour(const MeasurementList& list) { return list.dividerArmed ? 0x0000FF : 0; }

}  // namespace velundia
