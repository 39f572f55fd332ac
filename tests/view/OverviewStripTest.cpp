#include "view/OverviewStrip.h"

#include "tests/support/RecordingCanvas.h"
#include "tests/support/TinyRecording.h"
#include "view/RasterSurface.h"

#include <gtest/gtest.h>

#include <QImage>

namespace velundia {
namespace {

using testing::RecordingCanvas;
using testing::TinyRecording;

constexpr Colour White = 0xFFFFFF;
constexpr Colour Green = 0x00FF00;

// The design strip, 643 x 56, under a 620-pixel trace box, with the overview lead as after an open.
struct Strip : ::testing::Test {
    TinyRecording tiny = TinyRecording::constant({"I", "II", "III"}, 10000, 0);
    ViewSettings settings;
    ViewControls controls;
    RasterSurface overview{643, 56};
    RasterSurface strip{643, 56};

    Strip() {
        controls.overviewLead = 2;
        tiny.leads.colour[2] = Green;
    }
    void render() {
        RenderOverview(overview, tiny.rec(), tiny.leads, controls);
        DrawViewportFrame(strip, overview, tiny.rec(), settings, controls);
    }
    std::vector<int> litRows(const RasterSurface& s, int x) const {
        std::vector<int> rows;
        for (int y = 0; y < s.height(); ++y)
            if (s.pixel(x, y) != 0) rows.push_back(y);
        return rows;
    }
};

TEST_F(Strip, FrameEdges) {
    struct Case {
        int numerator, denominator;
        bool twelve;
        int pos, left, right;
    } cases[] = {{1, 1, false, 0, 0, 39}, {4, 1, false, 0, 0, 156}, {1, 4, false, 0, 0, 9},
                 {1, 1, true, 0, 0, 141}, {1, 1, false, 5000, 321, 360}, {2, 1, false, 100, 6, 84}};
    for (const Case& c : cases) {
        settings.sweepNumerator = c.numerator;
        settings.sweepDenominator = c.denominator;
        controls.twelveLead = c.twelve;
        controls.firstSample = c.pos;
        const FrameEdges e = viewportFrame(tiny.rec(), settings, controls);
        EXPECT_EQ(e.left, c.left) << c.numerator << "/" << c.denominator << (c.twelve ? " sheet" : "") << " pos " << c.pos;
        EXPECT_EQ(e.right, c.right) << c.numerator << "/" << c.denominator << (c.twelve ? " sheet" : "") << " pos " << c.pos;
    }
}

// With no lead picked (fewer than three channels) the strip is black and carries the frame:
// a closed white rectangle from (left, 2) to (right, 52), nothing else.
TEST_F(Strip, NoLeadPickedGivesBlackStripWithFrame) {
    tiny = TinyRecording::constant({"I", "II"}, 10000, 3000);
    controls.overviewLead = -1;
    controls.firstSample = 5000;
    render();
    for (int y = 0; y < 56; ++y)
        for (int x = 0; x < 643; ++x) {
            const bool border = (x == 321 || x == 360) ? (y >= 2 && y <= 52) : (x > 321 && x < 360 && (y == 2 || y == 52));
            ASSERT_EQ(strip.pixel(x, y), border ? White : 0u) << x << "," << y;
        }
}

TEST_F(Strip, MiddleRowAndDeflections) {
    struct Case {
        int value, gain, row;
    } cases[] = {{500, 25, 26}, {-500, 25, 30}, {240, 25, 28}, {0, 25, 28}, {500, 1, -22}, {-100, 1, 38}};
    for (const Case& c : cases) {
        tiny = TinyRecording::constant({"I", "II", "III"}, 10000, c.value);
        tiny.leads.colour[2] = Green;
        controls.globalGain = c.gain;
        render();
        const std::vector<int> expected = c.row >= 0 ? std::vector<int>{c.row} : std::vector<int>{};
        EXPECT_EQ(litRows(overview, 500), expected) << c.value << " at G " << c.gain;
        if (c.row >= 0) {
            EXPECT_EQ(overview.pixel(500, c.row), Green);
        }
    }
}

TEST_F(Strip, WalkCoversTheStripAtTheRecordingsScale) {
    RecordingCanvas canvas(643, 56);
    RenderOverview(canvas, tiny.rec(), tiny.leads, controls);
    const auto lines = canvas.callsOf(RecordingCanvas::Op::LineTo);
    // x runs 1, 1.0643, ... while below 643: samples 0 .. 9984, the last at column 642.
    ASSERT_EQ(lines.size(), 9985u);
    EXPECT_EQ(lines.front().x, 1);
    EXPECT_EQ(lines.back().x, 642);
    EXPECT_EQ(canvas.callsOf(RecordingCanvas::Op::MoveTo).front().x, 0);
}

TEST_F(Strip, RecordingLongerThanTheStoreFillsOnlyItsPartOfTheStrip) {
    tiny = TinyRecording::constant({"I", "II", "III"}, 20000, 0);
    tiny.leads.colour[2] = Green;
    RecordingCanvas canvas(643, 56);
    RenderOverview(canvas, tiny.rec(), tiny.leads, controls);
    const auto lines = canvas.callsOf(RecordingCanvas::Op::LineTo);
    ASSERT_EQ(lines.size(), 10000u);  // samples 0 .. 9999, no further
    EXPECT_EQ(lines.back().x, 322);   // 1 + 9999 x 643 / 20000

    render();
    EXPECT_EQ(overview.pixel(300, 28), Green);
    for (int x = 322; x < 643; ++x) ASSERT_EQ(overview.pixel(x, 28), 0u) << x;
}

TEST_F(Strip, LeadGainAndClippingDoNotReachTheStrip) {
    tiny = TinyRecording::constant({"I", "II", "III"}, 10000, 1500);
    render();
    const QImage before = overview.toImage();
    tiny.leads.gainDivisor[2] = 1;
    tiny.leads.clipWidth[2] = 10;
    settings.clippingOn = 1;
    render();
    EXPECT_TRUE(overview.toImage() == before);
}

TEST_F(Strip, NoFileLoadedLeavesTheStripAsItWas) {
    tiny = TinyRecording::constant({}, 0, 0);
    strip.setBrushColour(Green);
    strip.fillRect(0, 0, 643, 56);
    render();
    EXPECT_TRUE(litRows(overview, 10).empty());
    EXPECT_EQ(strip.pixel(10, 10), Green);
    EXPECT_EQ(strip.pixel(0, 2), Green);
}

}  // namespace
}  // namespace velundia
