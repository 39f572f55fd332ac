#include "output/TwelveLeadPrint.h"

#include "output/PrintDots.h"
#include "view/TwelveLeadSheet.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

namespace velundia {

namespace {

// Sheet units as on the screen's sheet (sheetCell places the leads): five samples per unit.
constexpr double UnitsPerSample = 0.2;
constexpr double PulseUnits = 80;  // pulse height at factor 1

void printSheetLead(Canvas& page, const PrintGeometry& g, double printScale, const PrintInputs& in, int lead,
                    int o, std::vector<Point>& points) {
    const double factor = calibrationFactor(in.controls.calibrationSteps[static_cast<std::size_t>(lead)]);
    const SheetCell cell = sheetCell(lead);
    const double origin = cell.originX;
    const double baseline = cell.baseline;
    const double amplitudeDivisor = in.settings.amplitudeDivisor;
    const auto x = [&](int i) { return truncDots((UnitsPerSample * i + origin) * printScale + g.leftMargin); };
    const auto y = [&](int s) {
        return truncDots((baseline - s / amplitudeDivisor / factor) * printScale + g.topMargin + o);
    };

    // The lead's row holds MaxSamples samples: a window reaching past them ends the trace at
    // the last one, as on the screen's sheet.
    const int pos = in.controls.firstSample;
    if (pos >= 0 && pos < MaxSamples) {
        const int16_t* samples = in.recording.sampleMatrix.row(lead);
        points.clear();
        for (int i = 0; i < SheetWindow && pos + i < MaxSamples; ++i) points.push_back({x(i), y(samples[pos + i])});
        page.polyline(points.data(), points.size());
    }

    const auto xp = [&](double u) { return truncDots((origin + u) * printScale + g.leftMargin); };
    const int base = truncDots(baseline * printScale + g.topMargin + o);
    const int top = truncDots((baseline - PulseUnits / factor) * printScale + g.topMargin + o);
    const Point pulse[] = {{xp(440), base}, {xp(450), base}, {xp(450), top},
                           {xp(470), top},  {xp(470), base}, {xp(480), base}};
    page.polyline(pulse, std::size(pulse));
}

}  // namespace

void PrintTwelveLeadSheet(Canvas& page, const PrintGeometry& geometry, const PrintInputs& inputs) {
    const double printScale = geometry.usableWidth / SheetWidth;  // printer dots per sheet unit
    const ViewSettings& settings = inputs.settings;
    std::vector<Point> points;
    points.reserve(SheetWindow);

    if (settings.brushShape == 2) {
        for (int lead = 0; lead < SheetLeads; ++lead) {
            page.setPenWidth(settings.brushWidth * geometry.traceWidth);
            printSheetLead(page, geometry, printScale, inputs, lead, 0, points);
        }
        return;
    }
    // Square brush: whole passes over the twelve leads, each one trace width further down.
    page.setPenWidth(geometry.traceWidth);
    for (int pass = 1; pass <= settings.brushWidth; ++pass) {
        for (int lead = 0; lead < SheetLeads; ++lead)
            printSheetLead(page, geometry, printScale, inputs, lead, pass * geometry.traceWidth, points);
    }
}

}  // namespace velundia
