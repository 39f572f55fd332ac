#pragma once

#include "recording/LeadSettings.h"
#include "recording/Recording.h"
#include "view/Canvas.h"
#include "view/ViewControls.h"
#include "view/ViewSettings.h"

namespace velundia {

class RasterSurface;

// Draws the overview lead (controls.overviewLead) over the whole recording into the
// OverviewSurface at the totalSamples scale. Black with no lead selected; the walk stops
// after the last loaded sample.
// Strip pixels above the middle row: (s / G) / 10; no per-lead gain, no clipping.
int overviewDeflection(int sample, int globalGain);

void RenderOverview(Canvas& overviewSurface, const Recording& recording, const LeadSettings& leads,
                    const ViewControls& controls);

struct FrameEdges {
    int left;
    int right;
};
// Edges of the viewport frame in strip pixels (the sheet's frame spans 2200 samples).
FrameEdges viewportFrame(const Recording& recording, const ViewSettings& settings, const ViewControls& controls);

// Copies the OverviewSurface onto the strip and draws the white frame; nothing at all
// while no file is loaded (totalSamples 0).
void DrawViewportFrame(Canvas& strip, const RasterSurface& overviewSurface, const Recording& recording,
                       const ViewSettings& settings, const ViewControls& controls);

}  // namespace velundia
