#include "view/TwelveLeadSheet.h"

#include "tests/support/RecordingCanvas.h"
#include "tests/support/TinyRecording.h"
#include "view/RasterSurface.h"
#include "view/TraceRenderer.h"

#include <gtest/gtest.h>

#include <QImage>

namespace velundia {
namespace {

using testing::RecordingCanvas;
using testing::TinyRecording;

constexpr Colour Black = 0x000000;
constexpr Colour White = 0xFFFFFF;

const std::vector<std::string> TwelveNames = {"I", "II", "III", "aVR", "aVL", "aVF",
                                              "V1", "V2", "V3", "V4", "V5", "V6"};

// Whether a sheet column (or row) below `limit` lies on the grid: a 2-pixel line at every
// multiple of 8 and a 4-pixel one at every multiple of 40; an even pen width covers the
// line's own pixel and those before it.
bool onGrid(int v, int limit) {
    for (int line = v - 1; line <= v + 2; ++line) {
        if (line < 0 || line >= limit) continue;
        if (line % 8 == 0 && (line == v || line == v + 1)) return true;
        if (line % 40 == 0) return true;
    }
    return false;
}

struct Sheet : ::testing::Test {
    TinyRecording tiny = TinyRecording::constant(TwelveNames, 10000, 0);
    ViewSettings settings;
    ViewControls controls;
    RasterSurface surface{SheetWidth, SheetHeight};

    Sheet() {
        settings.amplitudeDivisor = 215;
        controls.twelveLead = true;
    }
    void render() { RenderTraces(surface, tiny.rec(), tiny.leads, settings, controls); }
    bool black(int x, int y) const { return surface.pixel(x, y) == Black; }
    std::vector<int> blackRows(int x, int from, int to) const {
        std::vector<int> rows;
        for (int y = from; y < to; ++y)
            if (black(x, y)) rows.push_back(y);
        return rows;
    }
};

TEST(SheetGeometry, CalibrationFactorsCaptionsAndCells) {
    struct Case {
        int position, factor;
        const char* caption;
    } cases[] = {{2, 1, "x1"}, {1, 2, "x1/2"}, {0, 4, "x1/4"}};
    for (const Case& c : cases) {
        EXPECT_EQ(calibrationFactor(c.position), c.factor);
        EXPECT_STREQ(calibrationCaption(c.position), c.caption);
    }
    struct Deflection {
        int sample, divisor, factor, pixels;
    } deflections[] = {{430, 215, 1, 2}, {430, 215, 2, 1}, {430, 215, 4, 0}, {430, 86, 1, 5},
                       {430, 86, 2, 2},  {430, 86, 4, 1},  {-430, 86, 1, -5}, {80 * 86, 86, 4, 20}};
    for (const Deflection& d : deflections)
        EXPECT_EQ(sheetDeflection(d.sample, d.divisor, d.factor), d.pixels) << d.sample << "/" << d.divisor << "/" << d.factor;
    EXPECT_EQ(sheetCell(4).originX, 480);
    EXPECT_EQ(sheetCell(4).baseline, 640);
    EXPECT_EQ(sheetCell(11).originX, 1440);
    EXPECT_EQ(sheetCell(11).baseline, 1040);
}

// Rows above the first baseline's pulses carry only the grid: pink lines on white, pixel for pixel.
TEST_F(Sheet, PinkGridOnWhite) {
    render();
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < SheetWidth; ++x)
            ASSERT_EQ(surface.pixel(x, y), onGrid(x, SheetWidth) || onGrid(y, SheetHeight) ? SheetGridColour : White) << x << "," << y;
    for (int y = 1200; y < SheetHeight; ++y) ASSERT_EQ(surface.pixel(1000, y), onGrid(1000, SheetWidth) || onGrid(y, SheetHeight) ? SheetGridColour : White);
}

TEST_F(Sheet, SampleOf430AtBothDivisorsAndAllFactors) {
    struct Case {
        int divisor, position, deflection;
    } cases[] = {{215, 2, 2}, {215, 1, 1}, {215, 0, 0}, {86, 2, 5}, {86, 1, 2}, {86, 0, 1}};
    tiny = TinyRecording::constant(TwelveNames, 10000, 430);
    for (const Case& c : cases) {
        settings.amplitudeDivisor = c.divisor;
        controls.calibrationSteps[0] = c.position;
        render();
        // The square brush's first pass lies one row below the trace.
        EXPECT_EQ(blackRows(201, 150, 300), std::vector<int>{240 - c.deflection + 1})
            << c.divisor << " at bar position " << c.position;
    }
}

TEST_F(Sheet, PulseOfLeadFourAndOriginOfLeadEleven) {
    for (const bool round : {true, false}) {
        // A round brush of width 1 draws without offset; the square brush one row lower.
        settings.brushShape = round ? 2 : 1;
        const int o = round ? 0 : 1;
        render();
        SCOPED_TRACE(round ? "round" : "square");
        for (int x = 920; x < 930; ++x) EXPECT_TRUE(black(x, 640 + o)) << x;
        EXPECT_EQ(blackRows(930, 500, 700), [&] {
            std::vector<int> rows;
            for (int y = 560; y <= 640; ++y) rows.push_back(y + o);
            return rows;
        }());
        for (int x = 930; x < 950; ++x) EXPECT_TRUE(black(x, 560 + o)) << x;
        for (int y = 560; y <= 640; ++y) EXPECT_TRUE(black(950, y + o)) << y;
        for (int x = 950; x < 960; ++x) EXPECT_TRUE(black(x, 640 + o)) << x;
        EXPECT_FALSE(black(940, 600));
        EXPECT_TRUE(blackRows(940, 500, 700) == std::vector<int>{560 + o});

        EXPECT_TRUE(black(1440, 1040 + o));
        EXPECT_FALSE(black(1440, 1039 + o));
        for (int x = 1440; x < 1879; ++x) ASSERT_TRUE(black(x, 1040 + o)) << x;
    }
}

TEST_F(Sheet, BrushOfWidthTwo) {
    struct Case {
        int shape;
        std::vector<int> rows;  // of lead 0, flat on baseline 240
    } cases[] = {{1, {241, 242}}, {2, {239, 240}}};
    settings.brushWidth = 2;
    for (const Case& c : cases) {
        settings.brushShape = c.shape;
        render();
        EXPECT_EQ(blackRows(201, 150, 300), c.rows) << (c.shape == 2 ? "round" : "square");
        const int top = 240 - 80;
        EXPECT_EQ(blackRows(460, 100, 200), (std::vector<int>{top + c.rows[0] - 240, top + c.rows[1] - 240}));  // pulse top
    }
}

TEST_F(Sheet, FewerThanTwelveChannelsDrawFlatLinesWithPulses) {
    tiny = TinyRecording::constant({"I", "II", "III"}, 10000, 1000);
    render();
    EXPECT_EQ(blackRows(201, 150, 300), std::vector<int>{240 - 4 + 1});
    // Lead 5, column 1, row 2: nothing in the store, flat on its baseline 1040.
    EXPECT_EQ(blackRows(601, 900, 1100), std::vector<int>{1041});
    EXPECT_EQ(blackRows(940, 900, 1100), std::vector<int>{961});
}

TEST_F(Sheet, LeadSettingsAndTheTraceBoxSettingsLeaveTheSheetAlone) {
    tiny = TinyRecording::constant(TwelveNames, 10000, 700);
    render();
    const QImage before = surface.toImage();
    tiny.hide(1);
    tiny.leads.colour[0] = 0x00FF00;
    tiny.leads.gainDivisor[2] = 1;
    tiny.leads.clipWidth[3] = 10;
    settings.clippingOn = 1;
    settings.sweepNumerator = 4;
    controls.globalGain = 3;
    controls.ruler = false;
    render();
    EXPECT_TRUE(surface.toImage() == before);
}

TEST_F(Sheet, WindowPastTheStoreEndsEachTraceAtTheLastStoredSample) {
    tiny = TinyRecording::constant(TwelveNames, 10000, 1000);
    controls.firstSample = 9000;  // 2200 samples would reach 11199
    RecordingCanvas canvas(SheetWidth, SheetHeight);
    RenderTraces(canvas, tiny.rec(), tiny.leads, settings, controls);
    // Per lead: a trace of the 1000 stored samples, then the pulse of six points.
    const auto& calls = canvas.calls();
    int traceEnd = -1;
    for (std::size_t i = 0; i < calls.size(); ++i)
        if (calls[i].op == RecordingCanvas::Op::MoveTo && calls[i].x == 440 && calls[i].y == 241) {
            traceEnd = calls[i - 1].x;
            break;
        }
    EXPECT_EQ(traceEnd, 199);  // sample 9999 is j = 999, in column 999 / 5

    render();
    EXPECT_TRUE(black(150, 237));
    EXPECT_FALSE(black(250, 237));
    EXPECT_TRUE(black(445, 241));  // the pulse is drawn all the same
}

}  // namespace
}  // namespace velundia
