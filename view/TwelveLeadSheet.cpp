#include "view/TwelveLeadSheet.h"

#include "recording/Constants.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace velundia {

namespace {

constexpr Colour Black = 0x000000;
constexpr Colour White = 0xFFFFFF;
constexpr int SmallSquare = 8;   // sheet pixels between 2-pixel grid lines
constexpr int LargeSquare = 40;  // sheet pixels between 4-pixel grid lines
constexpr int SamplesPerColumn = 5;
constexpr int PulseHeight = 80;  // sheet pixels at "x1"

void drawGridLine(Canvas& sheet, int x0, int y0, int x1, int y1, int width) {
    sheet.setPenWidth(width);
    sheet.moveTo(x0, y0);
    sheet.lineTo(x1, y1);
}

}  // namespace

int calibrationFactor(int barPosition) {
    if (barPosition >= 2) return 1;
    return barPosition == 1 ? 2 : 4;
}

const char* calibrationCaption(int barPosition) {
    if (barPosition >= 2) return "x1";
    return barPosition == 1 ? "x1/2" : "x1/4";
}

SheetCell sheetCell(int lead) { return {480 * (lead / 3), 400 * (lead % 3) + 240}; }

int sheetDeflection(int sample, int amplitudeDivisor, int factor) { return sample / amplitudeDivisor / factor; }

void RenderTwelveLeadSheet(Canvas& surface, const Recording& recording, const ViewSettings& settings,
                           const ViewControls& controls) {
    surface.setBrushColour(White);
    surface.setPenColour(SheetGridColour);
    surface.setPenWidth(1);
    surface.setBrushStyle(BrushStyle::Solid);
    surface.fillRect(0, 0, surface.width(), surface.height());

    for (int x = 0; x < SheetWidth; ++x) {
        if (x % SmallSquare == 0) drawGridLine(surface, x, 0, x, SheetHeight, 2);
        if (x % LargeSquare == 0) drawGridLine(surface, x, 0, x, SheetHeight, 4);
    }
    for (int y = 0; y < SheetHeight; ++y) {
        if (y % SmallSquare == 0) drawGridLine(surface, 0, y, SheetWidth, y, 2);
        if (y % LargeSquare == 0) drawGridLine(surface, 0, y, SheetWidth, y, 4);
    }

    surface.setPenColour(Black);
    const bool round = settings.brushShape == 2;
    const int passes = round ? 1 : std::max(1, settings.brushWidth);
    const int pos = controls.firstSample;
    const int divisor = settings.amplitudeDivisor != 0 ? settings.amplitudeDivisor : 1;
    // The sheet's window may reach past the store; each trace then ends at sample MaxSamples - 1.
    const int stored = pos >= 0 && pos < MaxSamples ? std::min(SheetWindow, MaxSamples - pos) : 0;
    std::vector<Point> trace(static_cast<std::size_t>(stored));
    if (round) surface.setPenWidth(settings.brushWidth);

    for (int n = 0; n < SheetLeads; ++n) {
        const int f = calibrationFactor(controls.calibrationSteps[static_cast<std::size_t>(n)]);
        const SheetCell cell = sheetCell(n);
        const int16_t* samples = recording.sampleMatrix.row(n) + (stored > 0 ? pos : 0);
        for (int j = 0; j < stored; ++j)
            trace[static_cast<std::size_t>(j)] = {cell.originX + j / SamplesPerColumn,
                                                  cell.baseline - sheetDeflection(samples[j], divisor, f)};
        const int top = cell.baseline - PulseHeight / f;
        const int x0 = cell.originX;
        Point pulse[6] = {{x0 + 440, cell.baseline}, {x0 + 450, cell.baseline}, {x0 + 450, top},
                          {x0 + 470, top},           {x0 + 470, cell.baseline}, {x0 + 480, cell.baseline}};
        surface.setPenWidth(round ? settings.brushWidth : 1);
        for (int pass = 1; pass <= passes; ++pass) {
            // Square brush: pass i lies i pixels below the unshifted trace, the first one included.
            const int offset = round ? 0 : 1;
            for (Point& p : trace) p.y += offset;
            for (Point& p : pulse) p.y += offset;
            surface.polyline(trace.data(), trace.size());
            surface.polyline(pulse, 6);
        }
    }
}

}  // namespace velundia
