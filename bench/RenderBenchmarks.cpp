// The redraws a user waits for: the full trace box at the densest sweep, the same picture by
// QPainter as a typical Qt viewer would draw it, one scroll step, the overview, a plain copy.
#include "bench/BenchScene.h"
#include "interaction/Measurement.h"
#include "interaction/Overlay.h"
#include "view/OverviewStrip.h"
#include "view/RasterSurface.h"
#include "view/TraceGeometry.h"
#include "view/TraceRenderer.h"
#include "view/ViewControls.h"
#include "view/ViewSettings.h"

#include <benchmark/benchmark.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPoint>

#include <vector>

namespace velundia::bench {

namespace {

// The densest picture: 80 leads at 4 samples per pixel on a 2480 x 1400 trace box show
// 9920 of the 10000 samples, four segments per pixel column.
constexpr int DenseWidth = 2480;
constexpr int DenseHeight = 1400;
constexpr int DenseLeads = 80;

ViewSettings sweep4(int brushWidth, int brushShape) {
    ViewSettings settings;
    settings.sweepNumerator = 4;
    settings.sweepDenominator = 1;
    settings.brushWidth = brushWidth;
    settings.brushShape = brushShape;
    return settings;
}

ViewControls denseControls() {
    ViewControls controls;
    controls.traceWidth = DenseWidth;
    controls.traceHeight = DenseHeight;
    return controls;
}

void denseTraces(benchmark::State& state, int brushWidth, int brushShape) {
    const LoadedRecording& loaded = loadedRecording(DenseLeads, MaxSamples);
    LeadSettings leads = loaded.leads;
    const ViewSettings settings = sweep4(brushWidth, brushShape);
    const ViewControls controls = denseControls();
    RasterSurface surface(DenseWidth, DenseHeight);
    for (auto _ : state) {
        RenderTraces(surface, *loaded.recording, leads, settings, controls);
        benchmark::ClobberMemory();
    }
}

void traces_80_sweep4_brush1(benchmark::State& state) { denseTraces(state, 1, 1); }
void traces_80_sweep4_brush5(benchmark::State& state) { denseTraces(state, 5, 1); }
void traces_80_sweep4_round5(benchmark::State& state) { denseTraces(state, 5, 2); }
BENCHMARK(traces_80_sweep4_brush1)->Unit(benchmark::kMillisecond);
BENCHMARK(traces_80_sweep4_brush5)->Unit(benchmark::kMillisecond);
BENCHMARK(traces_80_sweep4_round5)->Unit(benchmark::kMillisecond);

QColor qtColour(int32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// The baseline: the same black fill and the same polylines, with the sample-to-point mapping
// worked out per redraw as RenderTraces does, drawn by QPainter (aliased, one-pixel pen).
// The ruler is left out, so the baseline draws a little less than RenderTraces.
void qpainter_80_sweep4(benchmark::State& state) {
    const LoadedRecording& loaded = loadedRecording(DenseLeads, MaxSamples);
    const Recording& recording = *loaded.recording;
    const LeadSettings& leads = loaded.leads;
    const ViewSettings settings = sweep4(1, 1);
    const ViewControls controls = denseControls();
    QImage image(DenseWidth, DenseHeight, QImage::Format_RGB32);
    std::vector<QPoint> points;
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillRect(image.rect(), Qt::black);
        const std::vector<SweepPoint> sweep = sweepPoints(controls.traceWidth, settings);
        const double rh = rowHeight(controls.traceHeight, recording.shownCount);
        points.resize(sweep.size());
        for (int k = 1; k <= recording.shownCount; ++k) {
            const int channel = k - 1;  // every channel is shown
            const int y0 = rowCentre(k, rh);
            const int16_t* samples = recording.sampleMatrix.row(channel) + controls.firstSample;
            const LeadDeflection deflection(controls.globalGain, leads.gainDivisor[static_cast<std::size_t>(channel)],
                                            false, 0);
            for (std::size_t j = 0; j < sweep.size(); ++j)
                points[j] = QPoint(sweep[j].x, y0 - deflection(samples[sweep[j].sample]));
            painter.setPen(QPen(qtColour(leads.colour[static_cast<std::size_t>(channel)]), 1));
            painter.drawPolyline(points.data(), static_cast<int>(points.size()));
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(qpainter_80_sweep4)->Unit(benchmark::kMillisecond);

constexpr int ScreenWidth = 1920;
constexpr int ScreenHeight = 1080;
constexpr int StripWidth = 1900;
constexpr int StripHeight = 56;

// 19 complete measurements spread over the box, as many as the divider keeps.
MeasurementList nineteenMeasurements() {
    MeasurementList list;
    for (int i = 0; i < MaxCompletedMeasurements; ++i) {
        Measurement& m = list.entries[static_cast<std::size_t>(i)];
        m.x1 = 30 + 98 * i;
        m.x2 = m.x1 + 40 + 4 * i;
        m.heightRatio1 = 0.1;
        m.heightRatio2 = 0.05 + 0.045 * i;
        m.interval = intervalOf(m.x1, m.x2, 1, 1);
    }
    list.count = MaxCompletedMeasurements;
    return list;
}

// One step of the scroll bar at 1920 x 1080 with 16 leads at sweep 1: what ScrollBarXChange
// runs (traces, frame, overlay with every measurement and its number), moving 10 samples on.
void scroll_step_1920x1080(benchmark::State& state) {
    const LoadedRecording& loaded = loadedRecording(16, MaxSamples);
    const Recording& recording = *loaded.recording;
    LeadSettings leads = loaded.leads;
    const ViewSettings settings;
    ViewControls controls;
    controls.traceWidth = ScreenWidth;
    controls.traceHeight = ScreenHeight;
    controls.stripWidth = StripWidth;
    controls.stripHeight = StripHeight;
    controls.overviewLead = 2;
    RasterSurface trace(ScreenWidth, ScreenHeight), overlay(ScreenWidth, ScreenHeight);
    RasterSurface overview(StripWidth, StripHeight), strip(StripWidth, StripHeight);
    RenderOverview(overview, recording, leads, controls);
    const MeasurementList list = nineteenMeasurements();
    // As in the program, the trace box shows the OverlaySurface itself.
    const OverlayScene scene{overlay, trace, overlay, ScreenWidth, ScreenHeight, settings};
    const int last = scrollMaximum(recording.loadedSamples, visibleWindow(ScreenWidth, settings));
    for (auto _ : state) {
        controls.firstSample = controls.firstSample + 10 > last ? 0 : controls.firstSample + 10;
        RenderTraces(trace, recording, leads, settings, controls);
        DrawViewportFrame(strip, overview, recording, settings, controls);
        PresentOverlay(list, scene);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(scroll_step_1920x1080)->Unit(benchmark::kMillisecond);

void overview_1900(benchmark::State& state) {
    const LoadedRecording& loaded = loadedRecording(16, MaxSamples);
    ViewControls controls;
    controls.stripWidth = StripWidth;
    controls.stripHeight = StripHeight;
    controls.overviewLead = 2;
    RasterSurface overview(StripWidth, StripHeight);
    for (auto _ : state) {
        RenderOverview(overview, *loaded.recording, loaded.leads, controls);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(overview_1900)->Unit(benchmark::kMillisecond);

// The floor of every step: one whole-surface copy, as the overlay pass makes twice.
void copy_1920x1080(benchmark::State& state) {
    RasterSurface source(ScreenWidth, ScreenHeight), target(ScreenWidth, ScreenHeight);
    source.setBrushColour(0x203040);
    source.fillRect(0, 0, ScreenWidth, ScreenHeight);
    for (auto _ : state) {
        target.draw(0, 0, source);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(copy_1920x1080)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace velundia::bench
