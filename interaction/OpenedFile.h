#pragma once

#include "interaction/Measurement.h"
#include "recording/Recording.h"
#include "view/ViewControls.h"
#include "view/ViewSettings.h"

namespace velundia {

// What an accepted open does to the view and the divider, beside the store itself:
// the sheet's amplitude divisor, the overview lead (item 2, or none below three channels),
// no list selection, move mode off, first visible sample 0, no measurements, divider idle.
void resetViewAfterOpen(const Recording& recording, ViewSettings& settings, ViewControls& controls,
                        MeasurementList& measurements);

}  // namespace velundia
