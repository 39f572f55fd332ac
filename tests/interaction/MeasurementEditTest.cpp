#include "interaction/MeasurementEdit.h"

#include "tests/interaction/InteractionScene.h"

#include <gtest/gtest.h>

namespace velundia {
namespace {

using testing::InteractionScene;
using S = InteractionScene;

Measurement measurement(double x1, double x2, double heightRatio2) {
    Measurement m;
    m.x1 = x1;
    m.x2 = x2;
    m.heightRatio2 = heightRatio2;
    m.interval = static_cast<int32_t>(x2 - x1);
    return m;
}

TEST(HitTest, StrictBoundsEndsBeforeBarAndTheBarZone) {
    struct Case {
        double x1, x2, heightRatio2;
        int x, y;
        int32_t part;
    } cases[] = {
        // x1 40, x2 80, bar at trunc(80 * 0.5) = 40
        {40, 80, 0.5, 38, 5, PartNone},       // exactly 2 px beside
        {40, 80, 0.5, 39, 5, PartFirstEnd},   // 1 px beside
        {40, 80, 0.5, 41, 40, PartFirstEnd},  // at the bar's height the end comes first
        {40, 80, 0.5, 42, 40, PartBar},       // bar from x1 + 2
        {40, 80, 0.5, 78, 40, PartBar},       // to x2 - 2
        {40, 80, 0.5, 79, 40, PartSecondEnd},
        {40, 80, 0.5, 82, 40, PartNone},
        {40, 80, 0.5, 60, 38, PartNone},      // 2 rows above the bar
        {40, 80, 0.5, 60, 39, PartBar},
        {40, 80, 0.5, 60, 41, PartBar},
        {40, 80, 0.5, 60, 42, PartNone},
        {40, 80, 30.9 / 80, 60, 32, PartNone},  // bar at trunc(30.9) = 30
        {40, 80, 30.9 / 80, 60, 31, PartBar},
        {40, 43, 0.5, 41, 40, PartFirstEnd},   // x2 - x1 < 4: ends only
        {40, 43, 0.5, 42, 40, PartSecondEnd},
        {40, 44, 0.5, 42, 40, PartBar},        // x2 - x1 = 4: the single column x1 + 2
        {40, 44, 0.5, 42, 37, PartNone},
        {40, 44, 0.5, 43, 40, PartSecondEnd},
        {50, 50, 0.5, 51, 40, PartFirstEnd},   // both ends at one x: the first wins
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x1 << ".." << c.x2 << " at " << c.x << "," << c.y);
        EXPECT_EQ(hitTest(measurement(c.x1, c.x2, c.heightRatio2), c.x, c.y, S::H), c.part);
    }
}

TEST(MeasurementEdit, HoverHighlightsInMagentaAndRemembersTheGrab) {
    S s;
    s.list.entries[0] = measurement(40, 80, 0.5);
    s.list.count = 1;
    s.play({S::move(41, 5)});
    EXPECT_EQ(s.screen.pixel(40, 2), OverlayMagenta);
    EXPECT_EQ(s.screen.pixel(80, 2), OverlayMagenta);
    EXPECT_EQ(s.screen.pixel(45, 40), OverlayMagenta);
    EXPECT_EQ(s.list.hoverIndex, 0);
    EXPECT_EQ(s.list.hoverPart, PartFirstEnd);
    EXPECT_EQ(s.list.grabOffset1, -1);
    EXPECT_EQ(s.list.grabOffset2, 39);

    s.play({S::move(20, 5)});
    EXPECT_EQ(s.screen.pixel(40, 2), OverlayBlue);
    EXPECT_EQ(s.list.hoverPart, PartNone);
    EXPECT_EQ(s.list.hoverIndex, 0);
    EXPECT_EQ(s.list.grabOffset1, -1);
}

TEST(MeasurementEdit, OverlappingMeasurementsAreBothMagentaAndTheLaterOneIsDragged) {
    S s;
    s.list.entries[0] = measurement(40, 80, 0.5);
    s.list.entries[1] = measurement(78, 120, 0.25);
    s.list.count = 2;
    s.play({S::move(79, 5)});  // second end of 0, first end of 1
    EXPECT_EQ(s.screen.pixel(40, 2), OverlayMagenta);
    EXPECT_EQ(s.screen.pixel(120, 2), OverlayMagenta);
    EXPECT_EQ(s.list.hoverIndex, 1);
    EXPECT_EQ(s.list.hoverPart, PartFirstEnd);

    s.play({S::press(79, 5), S::move(90, 60)});
    EXPECT_EQ(s.list.entries[0].x2, 80);
    EXPECT_EQ(s.list.entries[1].x1, 90);
    EXPECT_DOUBLE_EQ(s.list.entries[1].heightRatio2, 60.0 / S::H);
    EXPECT_EQ(s.list.entries[1].interval, 30);
    EXPECT_EQ(s.screen.pixel(90, 2), OverlayRed);
    EXPECT_EQ(s.screen.pixel(40, 2), OverlayBlue);
}

bool redBetween(const RasterSurface& screen, int row, const Measurement& m) {
    for (int x = static_cast<int>(m.x1) + 1; x < static_cast<int>(m.x2); ++x)
        if (screen.pixel(x, row) == OverlayRed) return true;
    return false;
}

// An end dragged across the other becomes the other end and stays the one being dragged.
TEST(MeasurementEdit, AnEndDraggedPastTheOtherExchangesAndGoesOn) {
    struct Case {
        int grabX;
        int crossX, crossY;
        double x1, x2;
        int32_t dragPart;
        int onX;
        double x1After, x2After;
    } cases[] = {
        {40, 100, 20, 80, 100, PartSecondEnd, 90, 80, 90},  // first end to the right of the second
        {80, 20, 20, 20, 40, PartFirstEnd, 30, 30, 40},     // second end to the left of the first
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.grabX);
        S s;
        s.list.entries[0] = measurement(40, 80, 0.5);
        s.list.count = 1;
        s.play({S::move(c.grabX, 5), S::press(c.grabX, 5), S::move(c.crossX, c.crossY)});
        const Measurement& m = s.list.entries[0];
        EXPECT_EQ(m.x1, c.x1);
        EXPECT_EQ(m.x2, c.x2);
        EXPECT_EQ(m.interval, 20);
        EXPECT_EQ(s.list.dragPart, c.dragPart);
        EXPECT_DOUBLE_EQ(m.heightRatio2, c.crossY / double(S::H));

        s.play({S::move(c.onX, 60)});
        EXPECT_EQ(m.x1, c.x1After);
        EXPECT_EQ(m.x2, c.x2After);
        EXPECT_EQ(m.interval, 10);
        EXPECT_EQ(s.screen.pixel(c.onX, 2), OverlayRed);
        EXPECT_TRUE(redBetween(s.screen, 60, m));  // the bar follows the pointer's height
        EXPECT_FALSE(redBetween(s.screen, c.crossY, m));

        s.play({S::release(), S::move(150, 5)});
        EXPECT_FALSE(s.list.dragging);
        EXPECT_EQ(s.screen.pixel(c.onX, 2), OverlayBlue);
    }
}

TEST(MeasurementEdit, BarDragMovesBothEndsAndTheBarAlsoInTheEdgeZones) {
    S s;
    s.list.entries[0] = measurement(40, 80, 0.5);
    s.list.count = 1;
    const ViewSettings before = s.settings;
    s.play({S::move(60, 41)});
    ASSERT_EQ(s.list.hoverPart, PartBar);
    EXPECT_EQ(s.list.grabOffset1, -20);
    EXPECT_EQ(s.list.grabOffset2, 20);

    struct Step {
        int x, y;
        double x1, x2;
    } steps[] = {{10, 20, -10, 30}, {S::W - 5, 70, S::W - 25, S::W + 15}, {70, 10, 50, 90}};
    s.play({S::press(60, 41)});
    for (const Step& st : steps) {
        SCOPED_TRACE(st.x);
        s.play({S::move(st.x, st.y)});
        EXPECT_EQ(s.list.entries[0].x1, st.x1);
        EXPECT_EQ(s.list.entries[0].x2, st.x2);
        EXPECT_DOUBLE_EQ(s.list.entries[0].heightRatio2, st.y / double(S::H));
        EXPECT_EQ(s.list.entries[0].interval, 40);
        EXPECT_EQ(s.list.dragPart, PartBar);
    }
    EXPECT_EQ(s.screen.pixel(60, 10), OverlayRed);
    EXPECT_EQ(s.screen.pixel(60, 41), S::TraceColour);
    // A caliper drag touches nothing but the measurement.
    EXPECT_EQ(s.settings.sweepNumerator, before.sweepNumerator);
    EXPECT_EQ(s.settings.currentLead, before.currentLead);
}

TEST(MeasurementEdit, RightPressOnEmptySpaceAfterAHighlightHoldsTheMeasurementRed) {
    S s;
    s.list.entries[0] = measurement(40, 80, 0.5);
    s.list.count = 1;
    s.play({S::move(40, 5), S::move(140, 5), S::press(140, 5, PointerButton::Right)});
    EXPECT_TRUE(s.list.dragging);
    EXPECT_EQ(s.list.dragPart, PartNone);
    EXPECT_EQ(s.screen.pixel(40, 2), OverlayRed);

    s.play({S::move(10, 70), S::release(PointerButton::Right)});
    EXPECT_TRUE(s.list.dragging);  // only a left release or the next right press ends it
    EXPECT_EQ(s.list.entries[0].x1, 40);
    EXPECT_EQ(s.list.entries[0].x2, 80);
    EXPECT_DOUBLE_EQ(s.list.entries[0].heightRatio2, 0.5);
    EXPECT_EQ(s.screen.pixel(40, 2), OverlayRed);

    s.play({S::press(10, 70, PointerButton::Right), S::move(150, 5)});
    EXPECT_FALSE(s.list.dragging);
    EXPECT_EQ(s.screen.pixel(40, 2), OverlayBlue);
}

// A drag that goes on after its measurement was removed names no completed one: nothing moves.
TEST(MeasurementEdit, DragOfARemovedMeasurementMovesNothing) {
    S s;
    s.list.entries[0] = measurement(20, 40, 0.5);
    s.list.entries[1] = measurement(100, 120, 0.5);
    s.list.count = 2;
    s.play({S::move(100, 5), S::press(100, 5, PointerButton::Right), S::shiftPress(100, 5)});
    ASSERT_EQ(s.list.count, 1);
    ASSERT_TRUE(s.list.dragging);
    ASSERT_EQ(s.list.hoverIndex, 1);
    const Measurement left = s.list.entries[1];

    s.play({S::move(60, 30)});
    EXPECT_EQ(s.list.entries[0].x1, 20);
    EXPECT_EQ(s.list.entries[0].x2, 40);
    EXPECT_EQ(s.list.entries[1].x1, left.x1);
    EXPECT_EQ(s.list.entries[1].x2, left.x2);
    EXPECT_EQ(s.list.entries[1].heightRatio2, left.heightRatio2);
    EXPECT_EQ(s.screen.pixel(20, 2), OverlayBlue);
    EXPECT_EQ(s.screen.pixel(60, 2), S::TraceColour);
}

}  // namespace
}  // namespace velundia
