#pragma once

#include "recording/Recording.h"
#include "view/Canvas.h"
#include "view/ViewControls.h"
#include "view/ViewSettings.h"

namespace velundia {

constexpr int SheetWidth = 1920;
constexpr int SheetHeight = 1280;
constexpr int SheetWindow = 2200;  // samples per lead on the sheet
constexpr Colour SheetGridColour = 0xFF88FF;

// Calibration factor of a scale bar position: 2 gives 1, 1 gives 2, 0 gives 4.
int calibrationFactor(int barPosition);
// Caption of the factor label: "x1", "x1/2", "x1/4".
const char* calibrationCaption(int barPosition);
// Lead n of the sheet: column n / 3, row n % 3.
struct SheetCell {
    int originX;   // 480 * column
    int baseline;  // 400 * row + 240
};
SheetCell sheetCell(int lead);
// Sheet pixels above the baseline: (s / amplitudeDivisor) / factor, truncating toward zero.
int sheetDeflection(int sample, int amplitudeDivisor, int factor);

// The sheet branch of RenderTraces, after the surface has been filled black:
// pink grid on white, channels 0..11 in black with their calibration pulses.
void RenderTwelveLeadSheet(Canvas& surface, const Recording& recording, const ViewSettings& settings,
                           const ViewControls& controls);

}  // namespace velundia
