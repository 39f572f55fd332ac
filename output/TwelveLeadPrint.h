#pragma once

#include "output/PrintReport.h"

namespace velundia {

// The twelve-lead sheet as the page body: channels 0..11, 2200 samples each with their
// calibration pulses, scaled to the usable width; no grid, no text, no ruler.
void PrintTwelveLeadSheet(Canvas& page, const PrintGeometry& geometry, const PrintInputs& inputs);

}  // namespace velundia
