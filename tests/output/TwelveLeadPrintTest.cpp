#include "output/PrintReport.h"
#include "output/TwelveLeadPrint.h"

#include "tests/output/PrintedStrokes.h"
#include "tests/support/RecordingCanvas.h"
#include "tests/support/TinyRecording.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velundia {
namespace {

using testing::RecordingCanvas;
using testing::Stroke;
using testing::TinyRecording;

std::vector<std::string> twelveNames() {
    return {"I", "II", "III", "aVR", "aVL", "aVF", "V1", "V2", "V3", "V4", "V5", "V6"};
}

// The worked sheet: usableWidth 3800, leftMargin 200, topMargin 150, traceWidth 3 (a page of
// 4000 x 6000 dots), amplitude divisor 86, square brush of width 1 (offset 3).
class TwelveLeadPrintTest : public ::testing::Test {
protected:
    TinyRecording tiny = TinyRecording::constant(twelveNames(), MaxSamples, 0);
    ViewSettings settings;
    ViewControls controls;
    bool names = true;

    void SetUp() override {
        settings.amplitudeDivisor = 86;
        controls.twelveLead = true;
    }
    RecordingCanvas print() {
        RecordingCanvas page(4000, 6000);
        PrintReport(page, PrintInputs{tiny.rec(), tiny.leads, settings, controls, names});
        return page;
    }
    // Per lead and pass: the trace, then its pulse.
    static const Stroke& trace(const std::vector<Stroke>& s, int lead, int pass = 0) { return s[(pass * 12 + lead) * 2]; }
    static const Stroke& pulse(const std::vector<Stroke>& s, int lead, int pass = 0) {
        return s[(pass * 12 + lead) * 2 + 1];
    }
};

TEST_F(TwelveLeadPrintTest, WorkedExampleOfLeadAVL) {
    tiny.fill(4, 860, 0, MaxSamples);
    const std::vector<Stroke> s = testing::strokesOf(print());
    ASSERT_EQ(s.size(), 24u);

    EXPECT_EQ(trace(s, 4).start.x, 1150);
    EXPECT_EQ(trace(s, 4).start.y, 1399);
    const Stroke& p = pulse(s, 4);
    EXPECT_EQ(p.start.x, 2020);
    EXPECT_EQ(p.start.y, 1419);
    const std::vector<Point> corners = {{2040, 1419}, {2040, 1261}, {2080, 1261}, {2080, 1419}, {2100, 1419}};
    ASSERT_EQ(p.ends.size(), corners.size());
    for (std::size_t i = 0; i < corners.size(); ++i) {
        EXPECT_EQ(p.ends[i].x, corners[i].x);
        EXPECT_EQ(p.ends[i].y, corners[i].y);
    }
}

TEST_F(TwelveLeadPrintTest, CalibrationStepScalesTraceAndPulse) {
    struct Case {
        int barPosition, sampleY, pulseTop;
    } const cases[] = {
        {2, 1399, 1261},  // "x1": 10 units, pulse 80
        {1, 1409, 1340},  // "x1/2": 5 units, pulse 40
        {0, 1414, 1380},  // "x1/4": 2.5 units, pulse 20
    };
    tiny.fill(4, 860, 0, MaxSamples);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.barPosition);
        controls.calibrationSteps[4] = c.barPosition;
        const std::vector<Stroke> s = testing::strokesOf(print());
        for (int y : trace(s, 4).ys()) ASSERT_EQ(y, c.sampleY);
        EXPECT_EQ(pulse(s, 4).start.y, 1419);
        EXPECT_EQ(pulse(s, 4).ends[1].y, c.pulseTop);
        // The neighbour keeps its own factor.
        EXPECT_EQ(pulse(s, 5).ends[1].y, 2211 - 158);
    }
}

TEST_F(TwelveLeadPrintTest, FourColumnsOfThreeRows) {
    const int columnX[] = {200, 1150, 2100, 3050};
    const int rowBase[] = {628, 1419, 2211};
    const std::vector<Stroke> s = testing::strokesOf(print());
    for (int n = 0; n < 12; ++n) {
        SCOPED_TRACE(n);
        const Stroke& t = trace(s, n);
        EXPECT_EQ(t.start.x, columnX[n / 3]);
        ASSERT_EQ(t.ends.size(), 2199u);
        EXPECT_EQ(t.last().x, columnX[n / 3] + 870);  // sample 2199 at 439.8 units
        for (int y : t.ys()) ASSERT_EQ(y, rowBase[n % 3]);
        EXPECT_EQ(pulse(s, n).start.y, rowBase[n % 3]);
    }
}

TEST_F(TwelveLeadPrintTest, NoTextNoRulerNoGrid) {
    controls.ruler = true;
    const RecordingCanvas page = print();
    EXPECT_TRUE(page.callsOf(RecordingCanvas::Op::TextOut).empty());
    EXPECT_TRUE(page.callsOf(RecordingCanvas::Op::FillRect).empty());
    EXPECT_EQ(page.callsOf(RecordingCanvas::Op::MoveTo).size(), 24u);
}

TEST_F(TwelveLeadPrintTest, NamesOffStillMoveTheMargin) {
    names = false;
    const std::vector<Stroke> s = testing::strokesOf(print());
    EXPECT_EQ(trace(s, 0).start.x, 100);
    EXPECT_EQ(pulse(s, 11).last().x, 100 + 3800);
}

TEST_F(TwelveLeadPrintTest, BrushPasses) {
    struct Case {
        int shape, width;
        std::vector<int> offsets;  // per pass
        int penWidth;
    } const cases[] = {
        {1, 2, {3, 6}, 3},  // whole passes of all twelve leads, t x traceWidth down
        {2, 2, {0}, 6},     // one pass with the wide pen
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shape);
        settings.brushShape = c.shape;
        settings.brushWidth = c.width;
        const std::vector<Stroke> s = testing::strokesOf(print());
        ASSERT_EQ(s.size(), 24 * c.offsets.size());
        for (std::size_t pass = 0; pass < c.offsets.size(); ++pass) {
            for (int n = 0; n < 12; ++n) {
                const int p = static_cast<int>(pass);
                EXPECT_EQ(trace(s, n, p).start.y, (n % 3 == 0 ? 625 : n % 3 == 1 ? 1416 : 2208) + c.offsets[pass]);
                EXPECT_EQ(trace(s, n, p).penWidths.front(), c.penWidth);
                EXPECT_EQ(pulse(s, n, p).penWidths.front(), c.penWidth);
            }
        }
    }
}

TEST_F(TwelveLeadPrintTest, ChannelsZeroToElevenWhateverTheirFlagsAndCount) {
    tiny = TinyRecording::constant({"X", "Y"}, 2000, 860);
    tiny.hide(0);
    tiny.hide(1);
    const std::vector<Stroke> s = testing::strokesOf(print());
    ASSERT_EQ(s.size(), 24u);
    EXPECT_EQ(trace(s, 0).start.y, 608);  // 10 units above the baseline at 628
    EXPECT_EQ(trace(s, 1).start.y, 1399);
    EXPECT_EQ(trace(s, 0).ends[1998].y, 608);  // sample 1999, the last loaded
    EXPECT_EQ(trace(s, 0).ends[1999].y, 628);  // past loadedSamples the store holds zeros
    EXPECT_EQ(trace(s, 2).start.y, 2211);  // rows the file does not have hold zeros
    EXPECT_EQ(trace(s, 11).start.y, 2211);
}

TEST_F(TwelveLeadPrintTest, FollowsTheFirstVisibleSampleAndStopsAtTheStoreEnd) {
    tiny.setSamples(4, {860}, 9000);
    tiny.setSamples(4, {860}, MaxSamples - 1);
    controls.firstSample = 9000;
    const std::vector<Stroke> s = testing::strokesOf(print());
    ASSERT_EQ(s.size(), 24u);
    const Stroke& t = trace(s, 4);
    EXPECT_EQ(t.start.y, 1399);
    ASSERT_EQ(t.ends.size(), 999u);  // samples 9000 .. 9999
    EXPECT_EQ(t.last().y, 1399);
    EXPECT_EQ(t.ends[997].y, 1419);
    EXPECT_EQ(pulse(s, 4).start.x, 2020);  // the pulse stays where it belongs
}

}  // namespace
}  // namespace velundia
