#include "interaction/Overlay.h"

#include "interaction/MeasurementEdit.h"
#include "tests/interaction/InteractionScene.h"
#include "tests/support/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace velundia {
namespace {

using testing::InteractionScene;
using testing::RecordingCanvas;

Measurement measurement(double x1, double x2, double heightRatio2, int interval) {
    Measurement m;
    m.x1 = x1;
    m.x2 = x2;
    m.heightRatio2 = heightRatio2;
    m.interval = interval;
    return m;
}

TEST(PresentOverlay, WithoutMeasurementsShowsTheTracesUnchangedAndLeavesTheCanvasSetUp) {
    InteractionScene s;
    s.trace.setPenColour(0x00FF00);
    s.trace.moveTo(0, 10);
    s.trace.lineTo(s.W, 50);
    PresentOverlay(s.list, s.scene());
    EXPECT_TRUE(InteractionScene::samePicture(s.screen, s.trace));

    const RasterSurface& o = s.overlay;
    EXPECT_EQ(o.fontName(), "Arial");
    EXPECT_TRUE(o.fontBold());
    EXPECT_EQ(o.fontSize(), 10);
    EXPECT_EQ(o.fontColour(), OverlayWhite);
    EXPECT_EQ(o.fontCharset(), 0);
    EXPECT_EQ(o.penColour(), OverlayBlue);
    EXPECT_EQ(o.brushColour(), 0u);
    EXPECT_EQ(o.brushStyle(), BrushStyle::Clear);
}

TEST(PresentOverlay, DrawsLinesInBlueAndTheNumberOnGreyOnlyWithGreyBack) {
    struct Case {
        int32_t numberBackClear;
        bool greyBox;
    } cases[] = {{0, true}, {1, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.numberBackClear);
        InteractionScene s;
        s.settings.numberBackClear = c.numberBackClear;
        s.list.entries[0] = measurement(40, 80, 0.5, 40);  // bar at row 40
        s.list.count = 1;
        PresentOverlay(s.list, s.scene());

        EXPECT_EQ(s.screen.pixel(40, 5), OverlayBlue);
        EXPECT_EQ(s.screen.pixel(40, s.H - 1), OverlayBlue);
        EXPECT_EQ(s.screen.pixel(80, 5), OverlayBlue);
        EXPECT_EQ(s.screen.pixel(45, 40), OverlayBlue);
        EXPECT_EQ(s.screen.pixel(39, 40), InteractionScene::TraceColour);
        EXPECT_EQ(s.screen.pixel(41, 41), InteractionScene::TraceColour);

        const auto grey = InteractionScene::boxOf(s.screen, OverlayGrey);
        const auto white = InteractionScene::boxOf(s.screen, OverlayWhite);
        EXPECT_GT(white.width(), 0);  // the digits
        if (c.greyBox) {
            EXPECT_EQ(grey.left, 120 / 2 - 8);
            EXPECT_EQ(grey.top, 40 - 8);
        } else {
            EXPECT_EQ(grey.width(), 0);
            EXPECT_GE(white.left, 52);
            EXPECT_GE(white.top, 32);
        }
    }
}

TEST(PresentOverlay, ComposeOnlyLeavesTheTraceBoxAlone) {
    InteractionScene s;
    s.list.entries[0] = measurement(40, 80, 0.5, 40);
    s.list.count = 1;
    s.list.overlayComposeOnly = true;
    PresentOverlay(s.list, s.scene());
    EXPECT_EQ(InteractionScene::boxOf(s.screen, InteractionScene::ScreenMarker).width(), s.W);
    EXPECT_EQ(InteractionScene::boxOf(s.screen, InteractionScene::ScreenMarker).bottom, s.H);
    EXPECT_EQ(s.overlay.pixel(40, 5), OverlayBlue);
    EXPECT_EQ(s.overlay.pixel(10, 5), InteractionScene::TraceColour);
}

// The line of a later measurement runs through the number box of an earlier one: the overlay
// writes all numbers after all lines, the edit pass each number right after its own lines.
TEST(PresentOverlay, NumbersCoverEveryLineButInTheEditPassOnlyTheirOwn) {
    InteractionScene s;
    s.settings.numberBackClear = 0;
    s.list.entries[0] = measurement(40, 80, 0.5, 40);   // number box from (52, 32)
    s.list.entries[1] = measurement(60, 100, 0.125, 40);  // its first end at x 60 crosses that box
    s.list.count = 2;
    auto blueInBoxColumn = [&](const InteractionScene::Box& box) {
        for (int y = box.top + 1; y < box.bottom - 1; ++y)
            if (s.screen.pixel(60, y) == OverlayBlue) return true;
        return false;
    };
    PresentOverlay(s.list, s.scene());
    InteractionScene::Box box = InteractionScene::boxOf(s.screen, OverlayGrey);
    box.top = 32;  // the lower box only
    ASSERT_GT(box.bottom, 40);
    EXPECT_FALSE(blueInBoxColumn(box));

    TrackMeasurementEdit(s.list, 150, 70, s.scene());
    EXPECT_TRUE(blueInBoxColumn(box));
}

TEST(MeasurementMarks, LinesAndNumberPlaces) {
    struct Case {
        double x1, x2, heightRatio2;
        int traceHeight;
        int textX, textY;
    } cases[] = {
        {40, 80, 0.5, 80, 52, 32},
        {30, 30, 0.25, 80, 22, 12},     // both ends at one x: at x - 8
        {-7, 0, 0.5, 80, -11, 32},      // the halving truncates toward zero: -7 / 2 is -3
        {41, 44, 0.4999, 80, 34, 31},   // bar at trunc(39.992) = 39
        {10, 20, -0.1, 80, 7, -16},     // a bar dragged above the box: trunc(-8) - 8
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x1);
        RecordingCanvas canvas(160, 80);
        const Measurement m = measurement(c.x1, c.x2, c.heightRatio2, 7);
        drawMeasurementLines(canvas, m, c.traceHeight);
        drawMeasurementNumber(canvas, m, c.traceHeight);
        const auto lines = canvas.callsOf(RecordingCanvas::Op::LineTo);
        ASSERT_EQ(lines.size(), 3u);
        const int a = static_cast<int>(c.x1);
        const int b = static_cast<int>(c.x2);
        const int yb = c.textY + 8;
        EXPECT_EQ(std::vector<int>({lines[0].x2, lines[0].y2, lines[0].x, lines[0].y}),
                  std::vector<int>({a, 0, a, c.traceHeight}));
        EXPECT_EQ(std::vector<int>({lines[1].x2, lines[1].y2, lines[1].x, lines[1].y}),
                  std::vector<int>({b, 0, b, c.traceHeight}));
        EXPECT_EQ(std::vector<int>({lines[2].x2, lines[2].y2, lines[2].x, lines[2].y}), std::vector<int>({a, yb, b, yb}));
        const auto texts = canvas.callsOf(RecordingCanvas::Op::TextOut);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].x, c.textX);
        EXPECT_EQ(texts[0].y, c.textY);
        EXPECT_EQ(texts[0].text, "7");
    }
}

}  // namespace
}  // namespace velundia
