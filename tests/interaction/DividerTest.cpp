#include "interaction/Divider.h"

#include "tests/interaction/InteractionScene.h"

#include <gtest/gtest.h>

namespace velundia {
namespace {

using testing::InteractionScene;
using S = InteractionScene;

TEST(Divider, EndsGivenRightToLeftAreStoredLeftToRightWithTheHeightsOfTheirClicks) {
    S s;
    s.measure(100, 10, 30, 60);
    const Measurement& m = s.list.entries[0];
    EXPECT_EQ(s.list.count, 1);
    EXPECT_FALSE(s.list.dividerArmed);
    EXPECT_FALSE(s.list.firstPointPending);
    EXPECT_EQ(dividerCaptionColour(s.list), 0u);
    EXPECT_EQ(m.x1, 30);
    EXPECT_EQ(m.x2, 100);
    EXPECT_DOUBLE_EQ(m.heightRatio1, 10.0 / S::H);
    EXPECT_DOUBLE_EQ(m.heightRatio2, 60.0 / S::H);
    EXPECT_EQ(m.interval, 70);

    // The next move draws it: bar at the second click's height, from the smaller x.
    s.play({S::move(150, 5)});
    EXPECT_EQ(s.screen.pixel(30, 2), OverlayBlue);
    EXPECT_EQ(s.screen.pixel(100, 2), OverlayBlue);
    EXPECT_EQ(s.screen.pixel(35, 60), OverlayBlue);
    EXPECT_EQ(s.screen.pixel(35, 10), S::TraceColour);
}

TEST(Divider, IntervalIsInSamplesAtTheSweepRatio) {
    struct Case {
        int32_t numerator, denominator, interval;
    } cases[] = {{1, 4, 2}, {1, 2, 5}, {1, 1, 10}, {2, 1, 20}, {4, 1, 40}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.interval);
        S s;
        s.settings.sweepNumerator = c.numerator;
        s.settings.sweepDenominator = c.denominator;
        s.measure(50, 40, 60, 40);
        EXPECT_EQ(s.list.entries[0].interval, c.interval);
    }
}

TEST(Divider, BothEndsAtOneXGiveZeroWrittenAtXMinus8) {
    S s;
    s.settings.numberBackClear = 0;
    s.measure(70, 20, 70, 50);
    s.play({S::move(150, 5)});
    EXPECT_EQ(s.list.entries[0].interval, 0);
    const S::Box grey = S::boxOf(s.screen, OverlayGrey);
    EXPECT_EQ(grey.left, 62);
    EXPECT_EQ(grey.top, 42);
}

TEST(Divider, RubberBandShowsRedLinesAndTheLiveNumber) {
    S s;
    s.settings.numberBackClear = 0;
    s.list.entries[0] = Measurement{10, 0, 20, 0.25, 10};
    s.list.count = 1;

    s.play({S::toggle(), S::move(100, 30)});
    EXPECT_EQ(s.screen.pixel(100, 2), OverlayRed);
    EXPECT_EQ(s.screen.pixel(45, 30), S::TraceColour);
    EXPECT_EQ(s.screen.pixel(10, 2), OverlayBlue);  // completed measurements stay on screen
    EXPECT_FALSE(s.list.overlayComposeOnly);

    s.play({S::press(40, 60), S::move(100, 30)});
    EXPECT_EQ(s.screen.pixel(40, 2), OverlayRed);
    EXPECT_EQ(s.screen.pixel(100, 2), OverlayRed);
    EXPECT_EQ(s.screen.pixel(45, 30), OverlayRed);
    EXPECT_EQ(s.screen.pixel(100, 30), OverlayRed);
    EXPECT_EQ(s.screen.pixel(45, 31), S::TraceColour);
    const S::Box grey = S::boxOf(s.screen, OverlayGrey, 40);
    EXPECT_EQ(grey.left, 140 / 2 - 8);
    EXPECT_EQ(grey.top, 22);
}

// Held outside the trace box the pointer x is negative; the halving truncates toward zero.
TEST(Divider, RubberBandNumberLeftOfTheBoxHalvesTowardZero) {
    S s;
    s.settings.numberBackClear = 0;
    s.play({S::toggle(), S::press(5, 40), S::move(-12, 40)});  // "17" at trunc(-7) / 2 - 8 = -11

    RasterSurface reference(S::W, S::H);
    prepareOverlayCanvas(reference, s.settings);
    reference.textOut(0, 0, "17");
    const int textWidth = S::boxOf(reference, OverlayGrey).width();
    ASSERT_GT(textWidth, 11);
    const S::Box grey = S::boxOf(s.screen, OverlayGrey);
    EXPECT_EQ(grey.left, 0);
    EXPECT_EQ(grey.right, -11 + textWidth);
    EXPECT_EQ(grey.top, 32);
}

void makeNineteen(S& s) {
    for (int i = 0; i < 19; ++i) s.measure(5 + 8 * i, 10, 8 + 8 * i, 20);
    ASSERT_EQ(s.list.count, 19);
}

TEST(Divider, WithNineteenMeasurementsAMoveDisarmsAndNoTwentiethIsMade) {
    S s;
    makeNineteen(s);
    s.play({S::toggle()});
    EXPECT_TRUE(s.list.dividerArmed);
    EXPECT_EQ(dividerCaptionColour(s.list), OverlayRed);
    s.play({S::move(40, 40)});
    EXPECT_FALSE(s.list.dividerArmed);
    EXPECT_EQ(dividerCaptionColour(s.list), 0u);
    // Right of all nineteen, so that no press grabs one of them.
    s.play({S::press(157, 40), S::move(159, 40), S::press(159, 40), S::move(158, 40)});
    EXPECT_EQ(s.list.count, 19);
}

// Entry 19 is the last one the list holds: with 19 complete an end is never taken, so a
// twentieth measurement cannot be completed even when no move disarmed the divider.
TEST(Divider, EndsPressedAtNineteenWithoutAMoveAreIgnored) {
    S s;
    makeNineteen(s);
    s.play({S::toggle(), S::press(40, 40), S::press(60, 40), S::press(80, 40)});
    EXPECT_EQ(s.list.count, 19);
    EXPECT_FALSE(s.list.firstPointPending);
    EXPECT_EQ(s.list.entries[19].x1, 0);
    EXPECT_EQ(s.list.entries[19].x2, 0);
}

TEST(Divider, APlacedFirstEndIsAbandonedByClearAllAndByDisarming) {
    for (const bool clearAll : {true, false}) {
        SCOPED_TRACE(clearAll);
        S s;
        s.measure(10, 10, 20, 10);
        s.play({S::toggle(), S::move(40, 20), S::press(40, 20)});
        ASSERT_TRUE(s.list.firstPointPending);
        if (clearAll) {
            clearMeasurements(s.list);
            EXPECT_EQ(s.list.count, 0);
            EXPECT_FALSE(s.list.firstPointPending);
        } else {
            s.play({S::toggle()});
            EXPECT_TRUE(S::samePicture(s.screen, s.overlay));  // disarming presents the overlay
            EXPECT_EQ(s.screen.pixel(10, 2), OverlayBlue);
            EXPECT_EQ(s.screen.pixel(40, 2), S::TraceColour);
        }
        EXPECT_FALSE(s.list.dividerArmed);
        const int before = s.list.count;
        s.play({S::toggle(), S::press(50, 20), S::press(70, 30)});
        EXPECT_EQ(s.list.count, before + 1);
        EXPECT_EQ(s.list.entries[before].x1, 50);
        EXPECT_EQ(s.list.entries[before].x2, 70);
    }
}

TEST(Divider, ShiftPressRemovesTheHoveredOrElseTheLastMeasurement) {
    S s;
    s.play({S::shiftPress(50, 5)});
    EXPECT_EQ(s.list.count, 0);
    EXPECT_TRUE(S::samePicture(s.screen, s.trace));

    s.measure(10, 10, 30, 10);
    s.measure(50, 10, 70, 10);
    s.measure(100, 10, 120, 10);
    s.play({S::move(50, 5), S::shiftPress(50, 5)});  // the middle one
    ASSERT_EQ(s.list.count, 2);
    EXPECT_EQ(s.list.entries[1].x1, 100);
    EXPECT_EQ(s.screen.pixel(50, 2), S::TraceColour);

    s.play({S::move(100, 5), S::shiftPress(100, 5)});  // hovered index 1, now the last
    ASSERT_EQ(s.list.count, 1);
    EXPECT_EQ(s.list.hoverIndex, 1);  // the list is now shorter than the hovered index
    s.play({S::move(150, 5), S::shiftPress(150, 5)});
    EXPECT_EQ(s.list.count, 0);
}

// A Shift-press while armed removes and places an end; the first end placed before stays
// with the measurement being made, also when the hovered index names no completed one.
TEST(Divider, ShiftPressWhileArmedKeepsThePlacedFirstEnd) {
    struct Case {
        const char* name;
        bool removeHoveredFirst;  // leaves hoverIndex at count
        int countAfter;
        double keptX1, keptX2;  // entry 0 afterwards
    } cases[] = {{"hovered below count", false, 2, 10, 30}, {"hovered index at count", true, 1, 100, 130}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        S s;
        s.measure(10, 10, 30, 10);
        s.measure(50, 10, 70, 10);
        s.play({S::move(50, 5)});
        if (c.removeHoveredFirst) s.play({S::shiftPress(50, 5)});
        s.play({S::toggle(), S::move(100, 20), S::press(100, 20), S::move(130, 40), S::shiftPress(130, 40)});
        ASSERT_EQ(s.list.count, c.countAfter);
        EXPECT_EQ(s.list.entries[0].x1, c.keptX1);
        EXPECT_EQ(s.list.entries[0].x2, c.keptX2);
        const Measurement& made = s.list.entries[c.countAfter - 1];
        EXPECT_EQ(made.x1, 100);
        EXPECT_EQ(made.x2, 130);
        EXPECT_DOUBLE_EQ(made.heightRatio1, 20.0 / S::H);
        EXPECT_EQ(made.interval, 30);
    }
}

}  // namespace
}  // namespace velundia
