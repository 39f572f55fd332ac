#pragma once

#include "interaction/Measurement.h"
#include "interaction/Overlay.h"

namespace velundia {

constexpr double HitTolerance = 2.0;

// Part of a measurement under the pointer (ends before bar, first end before second;
// strict bounds), with H the trace-box height.
int32_t hitTest(const Measurement& m, int x, int y, int traceHeight);

// Hover test, drag and highlighted overlay, used whenever the divider is not armed.
// Ends with the traces and all measurements copied to the trace box.
void TrackMeasurementEdit(MeasurementList& list, int x, int y, const OverlayScene& scene);

}  // namespace velundia
