#include "view/TraceRenderer.h"

#include "tests/support/RecordingCanvas.h"
#include "tests/support/TinyRecording.h"
#include "view/RasterSurface.h"
#include "view/TraceGeometry.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <chrono>
#include <cmath>
#include <iostream>
#include <vector>

namespace velundia {
namespace {

using testing::RecordingCanvas;
using testing::TinyRecording;

constexpr Colour White = 0xFFFFFF;
constexpr Colour Green = 0x00FF00;
constexpr Colour Blue = 0xFF0000;

// A trace box of the design size with the program's defaults; leads as after an open.
struct TraceBox : ::testing::Test {
    TinyRecording tiny = TinyRecording::constant({"I", "II", "III", "aVR"}, 10000, 0);
    ViewSettings settings;
    ViewControls controls;
    std::unique_ptr<RasterSurface> surface = std::make_unique<RasterSurface>(620, 341);

    void resize(int width, int height) {
        controls.traceWidth = width;
        controls.traceHeight = height;
        surface = std::make_unique<RasterSurface>(width, height);
    }
    void render() { RenderTraces(*surface, tiny.rec(), tiny.leads, settings, controls); }
    std::vector<int> litRows(int x) const {
        std::vector<int> rows;
        for (int y = 0; y < surface->height(); ++y)
            if (surface->pixel(x, y) != 0) rows.push_back(y);
        return rows;
    }
};

TEST_F(TraceBox, RowCentresAreStoredOutsideMoveModeAndFollowedInside) {
    controls.ruler = false;
    render();
    const int centres[] = {37, 113, 189, 265};
    for (int k = 0; k < 4; ++k) EXPECT_EQ(tiny.leads.position[std::size_t(k)], centres[k]);
    EXPECT_EQ(litRows(300), (std::vector<int>{37, 113, 189, 265}));

    controls.moveMode = true;
    tiny.leads.position = {};
    const int placed[] = {150, 20, 300, 60};
    for (int k = 0; k < 4; ++k) tiny.leads.position[std::size_t(k)] = placed[k];
    render();
    EXPECT_EQ(litRows(300), (std::vector<int>{20, 60, 150, 300}));
    for (int k = 0; k < 4; ++k) EXPECT_EQ(tiny.leads.position[std::size_t(k)], placed[k]) << "nothing is stored";
}

TEST_F(TraceBox, DeflectionsAndClippingOnTheSurface) {
    struct Case {
        int value;
        bool clipping;
        int row;  // centre 113 of the one lead, G 25, gain divisor 8
    } cases[] = {{1000, false, 108}, {-1000, false, 118}, {199, false, 113},
                 {24000, true, 63},  {-24000, true, 163}, {24000, false, -7}};
    controls.ruler = false;
    for (const Case& c : cases) {
        tiny = TinyRecording::constant({"I"}, 10000, c.value);
        settings.clippingOn = c.clipping ? 1 : 0;
        render();
        const std::vector<int> expected = c.row >= 0 ? std::vector<int>{c.row} : std::vector<int>{};
        EXPECT_EQ(litRows(300), expected) << c.value << (c.clipping ? " clipped" : "");
    }
}

TEST_F(TraceBox, BrushWidthsAndShapes) {
    struct Case {
        int shape, width;
        std::vector<int> rows;  // flat trace whose row is 108
    } cases[] = {
        {1, 1, {108}}, {1, 3, {108, 109, 110}}, {1, 5, {108, 109, 110, 111, 112}},
        {2, 1, {108}}, {2, 2, {107, 108}},      {2, 3, {107, 108, 109}},
    };
    tiny = TinyRecording::constant({"I"}, 10000, 1000);
    controls.ruler = false;
    for (const Case& c : cases) {
        settings.brushShape = c.shape;
        settings.brushWidth = c.width;
        render();
        EXPECT_EQ(litRows(300), c.rows) << (c.shape == 2 ? "round " : "square ") << c.width;
    }
}

// The last vertex of a trace is a line target and so is not set: a flat lead ends one
// column before the polyline's last x.
TEST_F(TraceBox, FlatTraceEndsBeforeItsLastVertex) {
    struct Case {
        int numerator, denominator, lastLit;
    } cases[] = {{1, 4, 616}, {1, 2, 618}, {1, 1, 618}, {2, 1, 618}, {4, 1, 618}};
    tiny = TinyRecording::constant({"I"}, 10000, 1000);
    controls.ruler = false;
    for (const Case& c : cases) {
        settings.sweepNumerator = c.numerator;
        settings.sweepDenominator = c.denominator;
        render();
        for (int x = 0; x < 620; ++x)
            ASSERT_EQ(surface->pixel(x, 108), x <= c.lastLit ? White : 0u) << c.numerator << "/" << c.denominator << " x " << x;
    }
}

// Every vertex shows the sample the sweep rule names, counted from the first visible sample.
TEST_F(TraceBox, VerticesFollowTheSweepRuleFromTheFirstVisibleSample) {
    tiny = TinyRecording::constant({"I"}, 10000, 0);
    for (int i = 0; i < 10000; ++i) tiny.fill(0, 200 * (i % 7), i, i + 1);  // deflection i % 7
    controls.firstSample = 100;
    controls.ruler = false;
    const int ratios[][2] = {{1, 4}, {1, 2}, {1, 1}, {2, 1}, {4, 1}};
    for (const auto& r : ratios) {
        settings.sweepNumerator = r[0];
        settings.sweepDenominator = r[1];
        RecordingCanvas canvas(620, 341);
        RenderTraces(canvas, tiny.rec(), tiny.leads, settings, controls);
        const std::vector<SweepPoint> rule = sweepPoints(620, settings);
        const auto moves = canvas.callsOf(RecordingCanvas::Op::MoveTo);
        const auto lines = canvas.callsOf(RecordingCanvas::Op::LineTo);
        ASSERT_EQ(moves.size(), 1u);
        EXPECT_EQ(moves[0].y, 113 - 100 % 7);
        ASSERT_EQ(lines.size(), rule.size() - 1);
        for (std::size_t j = 1; j < rule.size(); ++j) {
            ASSERT_EQ(lines[j - 1].x, rule[j].x);
            ASSERT_EQ(lines[j - 1].y, 113 - (100 + rule[j].sample) % 7) << r[0] << "/" << r[1] << " vertex " << j;
        }
    }
}

TEST_F(TraceBox, RulerTicks) {
    struct Case {
        int numerator, denominator;
        int column, height;  // visible pixels above the bottom edge
    } cases[] = {
        {1, 1, 19, 0}, {1, 1, 20, 3},  {1, 1, 21, 0}, {1, 1, 98, 0},  {1, 1, 99, 5},  {1, 1, 100, 5},
        {1, 1, 101, 0}, {1, 1, 599, 5}, {1, 1, 600, 5}, {1, 1, 619, 0}, {1, 1, 0, 0},  {4, 1, 5, 3},
        {4, 1, 24, 5}, {4, 1, 25, 5},  {4, 1, 249, 9}, {4, 1, 250, 9}, {4, 1, 251, 9}, {4, 1, 252, 0},
        {4, 1, 248, 0}, {1, 4, 80, 3},  {1, 4, 399, 5},
    };
    tiny.hide(0), tiny.hide(1), tiny.hide(2), tiny.hide(3);
    for (const Case& c : cases) {
        settings.sweepNumerator = c.numerator;
        settings.sweepDenominator = c.denominator;
        render();
        std::vector<int> expected;
        for (int y = 341 - c.height; y < 341; ++y) expected.push_back(y);
        EXPECT_EQ(litRows(c.column), expected) << c.numerator << "/" << c.denominator << " column " << c.column;
    }
    controls.ruler = false;
    render();
    EXPECT_TRUE(litRows(100).empty());
}

TEST_F(TraceBox, LaterLeadsCoverEarlierOnesAndTheRulerCoversAll) {
    controls.moveMode = true;
    tiny.leads.colour[0] = Green;
    tiny.leads.colour[1] = Blue;
    tiny.leads.position[0] = 339;
    tiny.leads.position[1] = 339;
    tiny.hide(2), tiny.hide(3);
    render();
    EXPECT_EQ(surface->pixel(21, 339), Blue);
    EXPECT_EQ(surface->pixel(20, 339), White);
}

TEST_F(TraceBox, HiddenChannelUsesNoRow) {
    tiny = TinyRecording::constant({"I", "II", "III"}, 10000, 0);
    tiny.leads.colour[0] = Green;
    tiny.leads.colour[2] = Blue;
    tiny.hide(1);
    controls.ruler = false;
    render();
    EXPECT_EQ(litRows(300), (std::vector<int>{68, 204}));
    EXPECT_EQ(surface->pixel(300, 204), Blue);
}

TEST_F(TraceBox, TraceStopsAtTheLastStoredSample) {
    // 2600 columns at four samples per column reach sample 10399; the store ends at 9999,
    // whose vertex is x = 2499.
    tiny = TinyRecording::constant({"I"}, 12000, 1000);
    resize(2600, 341);
    settings.sweepNumerator = 4;
    controls.ruler = false;
    render();
    EXPECT_EQ(surface->pixel(2498, 108), White);
    for (int x = 2499; x < 2600; ++x) ASSERT_EQ(surface->pixel(x, 108), 0u) << x;

    RecordingCanvas canvas(2600, 341);
    RenderTraces(canvas, tiny.rec(), tiny.leads, settings, controls);
    EXPECT_EQ(canvas.callsOf(RecordingCanvas::Op::LineTo).back().x, 2499);

    // Scrolled to the end: the same, from a later first sample.
    controls.firstSample = 9990;
    resize(620, 341);
    settings.sweepNumerator = 1;
    render();
    EXPECT_EQ(surface->pixel(8, 108), White);
    EXPECT_EQ(surface->pixel(9, 108), 0u);
}

TEST_F(TraceBox, ZerosOfTheStoreBeyondTheLoadedSamplesDrawOnTheCentre) {
    tiny = TinyRecording::constant({"I"}, 5000, 1000);
    controls.firstSample = 4800;
    controls.ruler = false;
    render();
    EXPECT_EQ(litRows(150), std::vector<int>{108});
    EXPECT_EQ(litRows(300), std::vector<int>{113});
}

TEST_F(TraceBox, MiscountedShownLeadsNeverReadPastTheArrays) {
    tiny = TinyRecording::constant({"I", "II", "III"}, 10000, 0);
    tiny.rec().shownCount = 200;
    controls.ruler = false;
    render();
    const double rh = rowHeight(341, 200);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(tiny.leads.position[std::size_t(k - 1)], rowCentre(k, rh));
    EXPECT_EQ(tiny.leads.position[3], 0);
    EXPECT_EQ(litRows(300).size(), 3u);
}

TEST(TraceRendererSpeed, FullRedrawOf80LeadsAtSweep4OutrunsQPainter) {
#if !defined(NDEBUG) || defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "timing only in optimised builds without sanitizers";
#endif
    std::vector<std::string> names(80, "X");
    TinyRecording tiny = TinyRecording::constant(names, 10000, 0);
    for (int c = 0; c < 80; ++c)
        for (int i = 0; i < 10000; ++i)
            tiny.fill(c, int(3000 * std::sin(i * 0.05 + c)) + (i % 97 == 0 ? 9000 : 0), i, i + 1);
    ViewSettings settings;
    settings.sweepNumerator = 4;
    ViewControls controls;
    controls.traceWidth = 2480;
    controls.traceHeight = 1400;
    RasterSurface surface(2480, 1400);

    // The same polylines through QPainter on an image of the same size.
    const std::vector<SweepPoint> rule = sweepPoints(2480, settings);
    std::vector<std::vector<QPoint>> polylines;
    for (int k = 1; k <= 80; ++k) {
        const int y0 = rowCentre(k, rowHeight(1400, 80));
        std::vector<QPoint> line;
        for (const SweepPoint p : rule)
            line.emplace_back(p.x, y0 - traceDeflection(tiny.rec().sampleMatrix.at(k - 1, p.sample), 25, 8, false, 50));
        polylines.push_back(std::move(line));
    }
    QImage image(2480, 1400, QImage::Format_RGB32);

    using Clock = std::chrono::steady_clock;
    double ours = 1e9, theirs = 1e9;
    for (int round = 0; round < 7; ++round) {
        auto t0 = Clock::now();
        RenderTraces(surface, tiny.rec(), tiny.leads, settings, controls);
        auto t1 = Clock::now();
        image.fill(0xFF000000u);
        {
            QPainter painter(&image);
            painter.setPen(QPen(Qt::white, 1));
            for (const auto& line : polylines) painter.drawPolyline(line.data(), int(line.size()));
        }
        auto t2 = Clock::now();
        ours = std::min(ours, std::chrono::duration<double, std::milli>(t1 - t0).count());
        theirs = std::min(theirs, std::chrono::duration<double, std::milli>(t2 - t1).count());
    }
    std::cout << "80 leads, sweep 4, 2480 x 1400: RenderTraces " << ours << " ms, QPainter::drawPolyline " << theirs
              << " ms\n";
    EXPECT_LT(2 * ours, theirs);
}

}  // namespace
}  // namespace velundia
