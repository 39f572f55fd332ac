#include "output/PrintReport.h"

#include "output/PrintDots.h"
#include "output/TwelveLeadPrint.h"
#include "view/TraceGeometry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace velundia {

namespace {

// What stays the same for every row of one print.
struct RowContext {
    const PrintInputs& in;
    const PrintGeometry& g;
    double traceBoxWidth;  // W, trace-box pixels
    int firstSample;       // pos
    int globalGain;        // G
};

// Deflection in printer dots of sample value s: the screen's mapping scaled by printScale,
// evaluated left to right in double precision and truncated once, then clipped to the lead's
// clip width on paper.
int printedDeflection(const RowContext& ctx, int channel, int sample) {
    const std::size_t c = static_cast<std::size_t>(channel);
    const double scale = ctx.g.printScale;
    int d = truncDots(sample * scale / ctx.globalGain / ctx.in.leads.gainDivisor[c]);
    if (ctx.in.settings.clippingOn == 1) {
        const double limit = ctx.in.leads.clipWidth[c] * scale;
        if (d > limit) d = truncDots(limit);
        if (d < -limit) d = truncDots(-limit);
    }
    return d;
}

// One stroke of a lead row: the name (when printed) and the trace, offset o dots downwards.
// rowCentre is in printer dots without the top margin.
void printStroke(Canvas& page, const RowContext& ctx, int channel, double rowCentre, int o,
                 std::vector<Point>& points) {
    const PrintGeometry& g = ctx.g;
    if (ctx.in.printLeadNames) {
        page.textOut(0, truncDots(rowCentre + o + g.topMargin - 5 * g.printScale),
                     ctx.in.recording.channelTable.leadName(channel));
    }

    // The row holds MaxSamples samples; a window reaching past them stops at the last one,
    // as the trace box does.
    const int pos = ctx.firstSample;
    if (pos < 0 || pos >= MaxSamples) return;
    const int16_t* samples = ctx.in.recording.sampleMatrix.row(channel);
    const auto y = [&](int sample) {
        return truncDots(rowCentre - printedDeflection(ctx, channel, sample) + o + g.topMargin);
    };

    const int numerator = ctx.in.settings.sweepNumerator;
    const int denominator = ctx.in.settings.sweepDenominator;
    points.clear();
    points.push_back({g.leftMargin, y(samples[pos])});
    for (int k = 1; k < ctx.traceBoxWidth * numerator; k += denominator) {
        const int index = pos + k / denominator;
        if (index >= MaxSamples) break;
        points.push_back({truncDots(k * g.printScale / numerator + g.leftMargin), y(samples[index])});
    }
    page.polyline(points.data(), points.size());
}

void printLeadRows(Canvas& page, const RowContext& ctx) {
    const ViewSettings& settings = ctx.in.settings;
    const bool squareBrush = settings.brushShape == 1;
    const int strokes = squareBrush ? settings.brushWidth : 1;
    std::vector<Point> points;

    // Rows take the shown channels in ascending order; the walk never leaves the channel
    // arrays, even when shownCount promises more shown leads than there are.
    int channel = -1;
    for (int k = 1; k <= ctx.in.recording.shownCount; ++k) {
        do {
            ++channel;
        } while (channel < MaxChannels && ctx.in.leads.shown[static_cast<std::size_t>(channel)] == 0);
        if (channel >= MaxChannels) return;

        const double y0 = ctx.in.controls.moveMode
                              ? ctx.in.leads.position[static_cast<std::size_t>(k - 1)] * ctx.g.printScale
                              : rowCentre(k, ctx.g.rowHeight);
        for (int j = 1; j <= strokes; ++j) {
            const int o = squareBrush ? j * ctx.g.traceWidth - 1 : 0;
            printStroke(page, ctx, channel, y0, o, points);
        }
    }
}

// Ticks every 20, 100 and 1000 samples counted in trace-box pixels from the start of the
// traces, on the bottom edge of the printable area.
void printRuler(Canvas& page, const PrintGeometry& g, const ViewSettings& settings, int pageHeight) {
    struct Tick {
        int spacing;  // trace-box pixels
        int widthFactor;
        double height;  // trace-box pixels
    };
    const RulerSpacing spacing = rulerSpacing(settings);
    const Tick ticks[] = {{spacing.small, 1, 4}, {spacing.middle, 2, 6}, {spacing.large, 3, 10}};

    page.setPenWidth(g.tickWidth);
    const int baseline = pageHeight;
    for (int i = 0; i < g.usableWidthDots; ++i) {
        const int x = truncDots(i * g.printScale + g.leftMargin);
        for (const Tick& tick : ticks) {
            if (tick.spacing <= 0 || i % tick.spacing != 0) continue;
            page.setPenWidth(tick.widthFactor * g.tickWidth);
            page.moveTo(x, baseline);
            page.lineTo(x, truncDots(pageHeight - tick.height * g.printScale));
        }
    }
}

}  // namespace

PrintGeometry printGeometry(double pageWidth, double pageHeight, double traceBoxWidth, int shownCount,
                            bool printLeadNames) {
    PrintGeometry g;
    g.usableWidth = pageWidth - pageWidth * 0.05;
    g.usableHeight = pageHeight - pageHeight * 0.05;
    g.rowHeight = g.usableHeight / (shownCount + 0.5);
    g.usableWidthDots = truncDots(g.usableWidth);
    g.printScale = g.usableWidth / traceBoxWidth;
    g.lineUnit = g.usableWidth * 0.001;
    g.leftMargin = printLeadNames ? truncDots(pageWidth * 0.05) : truncDots(pageWidth * 0.05 * 0.5);
    g.topMargin = truncDots(pageHeight * 0.05 * 0.5);
    g.traceWidth = truncDots(g.lineUnit);
    g.tickWidth = truncDots(g.lineUnit * 0.5);
    return g;
}

std::string printJobTitle(const std::string& caption) { return "VELUNDIA < " + caption + " > "; }

void PrintReport(Canvas& page, const PrintInputs& inputs) {
    const double traceBoxWidth = inputs.controls.traceWidth;
    const int firstSample = inputs.controls.firstSample;
    const int globalGain = inputs.controls.globalGain;
    const int pageHeight = page.height();
    const int pageWidth = page.width();
    const PrintGeometry g =
        printGeometry(pageWidth, pageHeight, traceBoxWidth, inputs.recording.shownCount, inputs.printLeadNames);

    // Pen and font colours stay at the page's defaults (black): screen colours never reach paper.
    const ViewSettings& settings = inputs.settings;
    page.setPenWidth(settings.brushShape == 2 ? settings.brushWidth * g.traceWidth : g.traceWidth);
    page.setFontName("Courier New");
    page.setFontCharset(0);
    page.setFontSize(10);
    page.setPenStyle(PenStyle::Solid);
    page.setBrushStyle(BrushStyle::Clear);

    if (inputs.controls.twelveLead) {
        PrintTwelveLeadSheet(page, g, inputs);
        return;
    }
    printLeadRows(page, RowContext{inputs, g, traceBoxWidth, firstSample, globalGain});
    if (inputs.controls.ruler) printRuler(page, g, settings, pageHeight);
}

}  // namespace velundia
