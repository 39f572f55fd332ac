#include "output/PrintReport.h"

#include "tests/output/PrintedStrokes.h"
#include "tests/support/RecordingCanvas.h"
#include "tests/support/TinyRecording.h"

#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace velundia {
namespace {

using testing::RecordingCanvas;
using testing::Stroke;
using testing::TinyRecording;

// Page geometry: the worked page, names off, and the pages where the pens reach width 0.
TEST(PrintGeometryTest, FollowsThePageSize) {
    struct Case {
        double pageWidth, pageHeight;
        bool names;
        int usableWidthDots, leftMargin, topMargin, traceWidth, tickWidth;
    } const cases[] = {
        {4000, 6000, true, 3800, 200, 150, 3, 1},
        {4000, 6000, false, 3800, 100, 150, 3, 1},
        {2106, 3000, true, 2000, 105, 75, 2, 1},  // lineUnit 2.0007
        {2105, 3000, true, 1999, 105, 75, 1, 0},  // lineUnit 1.99975: ticks at the thinnest pen
        {1053, 1500, true, 1000, 52, 37, 1, 0},   // lineUnit 1.00035
        {1052, 1500, true, 999, 52, 37, 0, 0},    // lineUnit 0.9994: traces at the thinnest pen too
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pageWidth);
        const PrintGeometry g = printGeometry(c.pageWidth, c.pageHeight, 620, 3, c.names);
        EXPECT_EQ(g.usableWidthDots, c.usableWidthDots);
        EXPECT_EQ(g.leftMargin, c.leftMargin);
        EXPECT_EQ(g.topMargin, c.topMargin);
        EXPECT_EQ(g.traceWidth, c.traceWidth);
        EXPECT_EQ(g.tickWidth, c.tickWidth);
    }
    const PrintGeometry worked = printGeometry(4000, 6000, 620, 3, true);
    EXPECT_DOUBLE_EQ(worked.usableHeight, 5700);
    EXPECT_DOUBLE_EQ(worked.rowHeight, 5700 / 3.5);
    EXPECT_DOUBLE_EQ(worked.printScale, 3800.0 / 620);
}

TEST(PrintJobTitleTest, WrapsTheCaption) {
    EXPECT_EQ(printJobTitle("/data/ep/case 12.dat"), "VELUNDIA < /data/ep/case 12.dat > ");
    EXPECT_EQ(printJobTitle(""), "VELUNDIA <  > ");
}

// The worked page: 4000 x 6000 dots, W = 620, three shown leads of constant 1000, G = 25,
// gain divisor 8, square brush of width 1, no clipping, names on.
class PrintReportTest : public ::testing::Test {
protected:
    TinyRecording tiny = TinyRecording::constant({"I", "II", "III"}, MaxSamples, 1000);
    ViewSettings settings;
    ViewControls controls;
    bool names = true;

    RecordingCanvas print(int pageWidth = 4000, int pageHeight = 6000) {
        RecordingCanvas page(pageWidth, pageHeight);
        PrintReport(page, PrintInputs{tiny.rec(), tiny.leads, settings, controls, names});
        return page;
    }
    // Strokes on the baseline at the page's bottom edge are ruler ticks; the others are traces.
    static std::vector<Stroke> traces(const RecordingCanvas& page) {
        std::vector<Stroke> out;
        for (const Stroke& s : testing::strokesOf(page))
            if (s.start.y != page.height()) out.push_back(s);
        return out;
    }
    static std::vector<Stroke> ticks(const RecordingCanvas& page) {
        std::vector<Stroke> out;
        for (const Stroke& s : testing::strokesOf(page))
            if (s.start.y == page.height()) out.push_back(s);
        return out;
    }
    static std::vector<RecordingCanvas::Call> printedNames(const RecordingCanvas& page) {
        return page.callsOf(RecordingCanvas::Op::TextOut);
    }
};

TEST_F(PrintReportTest, WorkedExampleRowsAndNames) {
    tiny.leads.colour.fill(0x00FFFF);
    const RecordingCanvas page = print();

    const std::vector<Stroke> rows = traces(page);
    ASSERT_EQ(rows.size(), 3u);
    const int rowY[] = {936, 2564, 4193};  // centres 814, 2442, 4071; 30 dots up, 2 down, 150 margin
    for (std::size_t k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(rows[k].start.x, 200);
        ASSERT_EQ(rows[k].ends.size(), 619u);
        for (int y : rows[k].ys()) ASSERT_EQ(y, rowY[k]);
        EXPECT_EQ(rows[k].last().x, 3993);  // K = 619: just short of 200 + 3800
        for (int w : rows[k].penWidths) ASSERT_EQ(w, 3);
    }

    const auto texts = printedNames(page);
    ASSERT_EQ(texts.size(), 3u);
    const struct {
        const char* name;
        int y;
    } expected[] = {{"I", 935}, {"II", 2563}, {"III", 4192}};
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(texts[k].text, expected[k].name);
        EXPECT_EQ(texts[k].x, 0);
        EXPECT_EQ(texts[k].y, expected[k].y);
        EXPECT_EQ(texts[k].fontName, "Courier New");
        EXPECT_EQ(texts[k].fontSize, 10);
    }
    // Paper shows neither the screen's lead colours nor its white pen.
    for (const RecordingCanvas::Call& c : page.calls()) ASSERT_EQ(c.penColour, 0u);
}

TEST_F(PrintReportTest, CanvasSettingsLeaveTheColoursAlone) {
    RecordingCanvas page(4000, 6000);
    page.setPenColour(0x123456);
    page.setFontColour(0x654321);
    page.setBrushStyle(BrushStyle::Solid);
    page.setPenStyle(PenStyle::Clear);
    page.setFontCharset(128);
    PrintReport(page, PrintInputs{tiny.rec(), tiny.leads, settings, controls, names});
    EXPECT_EQ(page.penColour(), 0x123456u);
    EXPECT_EQ(page.fontColour(), 0x654321u);
    EXPECT_EQ(page.brushStyle(), BrushStyle::Clear);
    EXPECT_EQ(page.penStyle(), PenStyle::Solid);
    EXPECT_EQ(page.fontCharset(), 0);
    EXPECT_EQ(page.fontName(), "Courier New");
}

TEST_F(PrintReportTest, WorkedExampleRuler) {
    const RecordingCanvas page = print();
    const std::vector<Stroke> t = ticks(page);
    // i = 0 .. 3799 trace-box pixels: 190 multiples of 20, 38 of 100, 4 of 1000.
    ASSERT_EQ(t.size(), 190u + 38u + 4u);
    const struct {
        int x, end, width;
    } first[] = {{200, 5975, 1}, {200, 5963, 2}, {200, 5938, 3}, {322, 5975, 1}};
    for (std::size_t n = 0; n < std::size(first); ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(t[n].start.x, first[n].x);
        ASSERT_EQ(t[n].ends.size(), 1u);
        EXPECT_EQ(t[n].ends[0].x, first[n].x);
        EXPECT_EQ(t[n].ends[0].y, first[n].end);
        EXPECT_EQ(t[n].penWidths[0], first[n].width);
    }
    // The ruler runs on in trace-box pixels past the traces; the device clips it.
    EXPECT_EQ(t.back().start.x, 23367);  // i = 3780
    // Ticks come after every row.
    EXPECT_EQ(page.calls().back().op, RecordingCanvas::Op::LineTo);
    EXPECT_EQ(page.calls().back().y2, 6000);
}

TEST_F(PrintReportTest, NamesOffMoveTheTracesToTwoAndAHalfPerCent) {
    names = false;
    const RecordingCanvas page = print();
    EXPECT_TRUE(printedNames(page).empty());
    const std::vector<Stroke> rows = traces(page);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].start.x, 100);
    EXPECT_EQ(rows[0].last().x, 3893);
    EXPECT_EQ(ticks(page).front().start.x, 100);
}

TEST_F(PrintReportTest, BrushStrokesAndNameCopies) {
    struct Case {
        int shape, width;
        std::vector<int> offsets;
        int penWidth;
    } const cases[] = {
        {1, 1, {2}, 3},
        {1, 3, {2, 5, 8}, 3},  // traceWidth - 1, 2 x traceWidth - 1, 3 x traceWidth - 1
        {2, 3, {0}, 9},        // one stroke, pen of 3 x traceWidth
    };
    controls.ruler = false;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shape * 10 + c.width);
        settings.brushShape = c.shape;
        settings.brushWidth = c.width;
        const RecordingCanvas page = print();
        const std::vector<Stroke> rows = traces(page);
        const auto texts = printedNames(page);
        ASSERT_EQ(rows.size(), 3 * c.offsets.size());
        ASSERT_EQ(texts.size(), rows.size());
        for (std::size_t j = 0; j < c.offsets.size(); ++j) {
            EXPECT_EQ(rows[j].start.y, 934 + c.offsets[j]);
            EXPECT_EQ(texts[j].y, 933 + c.offsets[j]);
            EXPECT_EQ(texts[j].text, "I");
            EXPECT_EQ(rows[j].penWidths.front(), c.penWidth);
        }
        // Each copy of the name comes just before its stroke.
        const auto& calls = page.calls();
        ASSERT_EQ(calls[0].op, RecordingCanvas::Op::TextOut);
        ASSERT_EQ(calls[1].op, RecordingCanvas::Op::MoveTo);
    }
}

TEST_F(PrintReportTest, ClippingLimitsDeflectionsOnPaper) {
    struct Case {
        int clippingOn, sample, clipWidth, deflection;
    } const cases[] = {
        {1, 120, 50, 306},      // 735 dots, limited to trunc(50 x 6.129)
        {1, -120, 50, -306},
        {1, 30, 50, 183},       // within the limit
        {1, 30000, 200, 1225},  // trunc(1225.8)
        {0, 120, 50, 735},
    };
    controls.ruler = false;
    controls.globalGain = 1;
    tiny.leads.gainDivisor.fill(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sample);
        settings.clippingOn = c.clippingOn;
        tiny.leads.clipWidth[0] = c.clipWidth;
        tiny.fill(0, c.sample, 0, MaxSamples);
        const std::vector<Stroke> rows = traces(print());
        for (int y : rows[0].ys()) ASSERT_EQ(y, 814 + 2 + 150 - c.deflection);
    }
}

TEST_F(PrintReportTest, PensReachWidthZeroBelowTheThresholds) {
    struct Case {
        int pageWidth, pageHeight, shape, brushWidth, tracePen;
        std::set<int> tickPens;
    } const cases[] = {
        {2106, 3000, 1, 1, 2, {1, 2, 3}},
        {2105, 3000, 1, 1, 1, {0}},
        {1052, 1500, 1, 1, 0, {0}},
        {1052, 1500, 2, 4, 0, {0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pageWidth);
        settings.brushShape = c.shape;
        settings.brushWidth = c.brushWidth;
        const RecordingCanvas page = print(c.pageWidth, c.pageHeight);
        const std::vector<Stroke> rows = traces(page);
        ASSERT_FALSE(rows.empty());
        for (const Stroke& s : rows)
            for (int w : s.penWidths) ASSERT_EQ(w, c.tracePen);
        std::set<int> pens;
        for (const Stroke& s : ticks(page)) pens.insert(s.penWidths.begin(), s.penWidths.end());
        EXPECT_EQ(pens, c.tickPens);
    }
}

TEST_F(PrintReportTest, MoveModeRowsComeFromThePositions) {
    controls.moveMode = true;
    controls.ruler = false;
    tiny.leads.position[0] = 100;
    tiny.leads.position[1] = 37;
    tiny.leads.position[2] = 250;
    const LeadSettings before = tiny.leads;
    const RecordingCanvas page = print();

    const std::vector<Stroke> rows = traces(page);
    ASSERT_EQ(rows.size(), 3u);
    // position x printScale stays a real number until each coordinate is truncated.
    EXPECT_EQ(rows[0].start.y, 734);   // 612.90 - 30 + 152
    EXPECT_EQ(rows[1].start.y, 348);   // 226.77 - 30 + 152
    EXPECT_EQ(rows[2].start.y, 1654);  // 1532.26 - 30 + 152
    const auto texts = printedNames(page);
    EXPECT_EQ(texts[0].y, 734);
    EXPECT_EQ(texts[1].y, 348);
    EXPECT_EQ(texts[2].y, 1653);
    EXPECT_EQ(tiny.leads.position, before.position);
}

TEST_F(PrintReportTest, ComputedRowsLeaveThePositionsUntouched) {
    tiny.leads.position[0] = 7;
    tiny.leads.position[1] = 8;
    const LeadSettings before = tiny.leads;
    print();
    EXPECT_EQ(tiny.leads.position, before.position);
    EXPECT_EQ(tiny.leads.shown, before.shown);
}

TEST_F(PrintReportTest, RowsFollowChannelOrderSkippingHiddenLeads) {
    tiny = TinyRecording::constant({"A", "B", "C", "D"}, MaxSamples, 1000);
    tiny.hide(1);
    tiny.fill(2, 2000, 0, MaxSamples);
    settings.currentLead = 3;
    controls.ruler = false;
    const RecordingCanvas page = print();

    const auto texts = printedNames(page);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "A");
    EXPECT_EQ(texts[1].text, "C");
    EXPECT_EQ(texts[2].text, "D");
    const std::vector<Stroke> rows = traces(page);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].start.y, 936);
    EXPECT_EQ(rows[1].start.y, 2594 - 61);  // channel 2's samples in the second row
    EXPECT_EQ(rows[2].start.y, 4193);
}

TEST_F(PrintReportTest, NoFilePrintsOnlyTheRuler) {
    tiny = TinyRecording{};
    RecordingCanvas page = print();
    EXPECT_TRUE(printedNames(page).empty());
    EXPECT_TRUE(traces(page).empty());
    EXPECT_EQ(ticks(page).size(), 232u);

    controls.ruler = false;
    page = print();
    EXPECT_TRUE(page.calls().empty());
}

TEST_F(PrintReportTest, EverySweepRatioSpansTheUsableWidth) {
    struct Case {
        int numerator, denominator;
        std::size_t lines;
        int lastX;
        int lastSample;  // pos + K / sweepDenominator of the last point
    } const cases[] = {
        {1, 4, 155, 3981, 154}, {1, 2, 310, 3993, 309}, {1, 1, 619, 3993, 619},
        {2, 1, 1239, 3996, 1239}, {4, 1, 2479, 3998, 2479},
    };
    controls.ruler = false;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.numerator * 10 + c.denominator);
        settings.sweepNumerator = c.numerator;
        settings.sweepDenominator = c.denominator;
        tiny.fill(0, 0, 0, MaxSamples);
        tiny.setSamples(0, {1000}, c.lastSample);
        const Stroke row = traces(print())[0];
        ASSERT_EQ(row.ends.size(), c.lines);
        EXPECT_EQ(row.last().x, c.lastX);
        EXPECT_EQ(row.last().y, 936);
        EXPECT_EQ(row.ends[row.ends.size() - 2].y, 966);
    }
}

TEST_F(PrintReportTest, WindowPastTheStoreStopsAtTheLastSample) {
    settings.sweepNumerator = 4;
    controls.firstSample = 9000;  // 2480 samples wanted, 1000 stored
    controls.ruler = false;
    tiny.fill(0, 0, 0, MaxSamples);
    tiny.setSamples(0, {1000}, MaxSamples - 1);
    const Stroke row = traces(print())[0];
    EXPECT_EQ(row.ends.size(), 999u);  // K = 1 .. 999
    EXPECT_EQ(row.last().x, 1730);
    EXPECT_EQ(row.last().y, 936);
}

TEST_F(PrintReportTest, ShownCountBeyondTheShownFlagsStopsAtTheLastChannel) {
    tiny.rec().shownCount = 5;  // only three flags set
    controls.ruler = false;
    const RecordingCanvas page = print();
    EXPECT_EQ(printedNames(page).size(), 3u);
    EXPECT_EQ(traces(page).size(), 3u);
}

}  // namespace
}  // namespace velundia
