#include "view/TraceGeometry.h"

#include "recording/LeadSettings.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace velundia {
namespace {

ViewSettings sweep(int numerator, int denominator) {
    ViewSettings s;
    s.sweepNumerator = numerator;
    s.sweepDenominator = denominator;
    return s;
}

TEST(TraceGeometry, RowCentres) {
    struct Case {
        int height, shown, k, centre;
    } cases[] = {
        {341, 4, 1, 37}, {341, 4, 2, 113}, {341, 4, 3, 189}, {341, 4, 4, 265}, {341, 1, 1, 113}, {1400, 80, 80, 1382},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rowCentre(c.k, rowHeight(c.height, c.shown)), c.centre) << c.height << "/" << c.shown << " k " << c.k;
    EXPECT_NEAR(rowHeight(341, 4), 75.78, 0.01);
    EXPECT_NEAR(rowHeight(341, 1), 227.33, 0.01);
}

TEST(TraceGeometry, DeflectionTruncatesEachDivisionAndClips) {
    struct Case {
        int sample, gain, divisor;
        bool clipping;
        int clipWidth, deflection;
    } cases[] = {
        {1000, 25, 8, false, 50, 5},    {-1000, 25, 8, false, 50, -5}, {199, 25, 8, false, 50, 0},
        {-199, 25, 8, false, 50, 0},    {24000, 1, 1, true, 50, 50},   {-24000, 1, 1, true, 50, -50},
        {24000, 1, 1, false, 50, 24000}, {120, 1, 1, true, 200, 120},  {-32768, 1, 1, false, 50, -32768},
        {32767, 50, 128, false, 50, 5},  {-124, 25, 1, false, 50, -4},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(traceDeflection(c.sample, c.gain, c.divisor, c.clipping, c.clipWidth), c.deflection)
            << c.sample << " / " << c.gain << " / " << c.divisor;
        EXPECT_EQ(LeadDeflection(c.gain, c.divisor, c.clipping, c.clipWidth)(c.sample), c.deflection) << c.sample;
    }
}

// The redraw's prepared rule must agree with the plain two divisions for every sample the
// store can hold, every global gain and every per-lead divisor.
TEST(TraceGeometry, PreparedDeflectionEqualsPlainDivisionsForEverySample) {
    for (int gain = 1; gain <= 50; ++gain)
        for (const int divisor : GainTable) {
            const LeadDeflection prepared(gain, divisor, false, 0);
            for (int s = INT16_MIN; s <= INT16_MAX; ++s)
                if (prepared(s) != traceDeflection(s, gain, divisor, false, 0)) {
                    FAIL() << s << " / " << gain << " / " << divisor;
                }
        }
    const LeadDeflection clipped(1, 1, true, 10);
    for (int s = INT16_MIN; s <= INT16_MAX; s += 7) ASSERT_EQ(clipped(s), traceDeflection(s, 1, 1, true, 10)) << s;
}

TEST(TraceGeometry, VisibleWindowAndScrollRange) {
    struct Case {
        int numerator, denominator, width, loaded, visible, maximum;
    } cases[] = {
        {1, 4, 620, 10000, 155, 9845}, {4, 1, 620, 10000, 2480, 7520}, {1, 1, 620, 10000, 620, 9380},
        {1, 2, 621, 10000, 310, 9690}, {4, 1, 620, 2000, 2480, 0},      {1, 1, 620, 0, 620, 0},
        {1, 1, 620, 620, 620, 0},
    };
    for (const Case& c : cases) {
        const int v = visibleWindow(c.width, sweep(c.numerator, c.denominator));
        EXPECT_EQ(v, c.visible) << c.numerator << "/" << c.denominator;
        EXPECT_EQ(scrollMaximum(c.loaded, v), c.maximum) << c.numerator << "/" << c.denominator;
    }
}

// At W = 620: which samples each ratio draws after the start point and where sample pos + m lands.
TEST(TraceGeometry, SweepRuleForAllFiveRatios) {
    struct Case {
        int numerator, denominator;
        int firstSample, lastSample;  // drawn after the start point
        int xOf(int m) const {
            if (denominator == 4) return 1 + 4 * m;
            if (denominator == 2) return 1 + 2 * m;
            return m / numerator;
        }
    } cases[] = {{1, 4, 0, 154}, {1, 2, 0, 309}, {1, 1, 1, 619}, {2, 1, 1, 1239}, {4, 1, 1, 2479}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "sweep " << c.numerator << "/" << c.denominator);
        const std::vector<SweepPoint> points = sweepPoints(620, sweep(c.numerator, c.denominator));
        ASSERT_EQ(points.size(), std::size_t(c.lastSample - c.firstSample + 2));
        EXPECT_EQ(points[0].x, 0);
        EXPECT_EQ(points[0].sample, 0);
        for (std::size_t j = 1; j < points.size(); ++j) {
            const int m = c.firstSample + int(j) - 1;
            ASSERT_EQ(points[j].sample, m);
            ASSERT_EQ(points[j].x, c.xOf(m)) << "sample " << m;
        }
        EXPECT_LT(points.back().x, 620);
    }
}

TEST(TraceGeometry, RulerSpacingIsTwentyHundredAndThousandSamples) {
    struct Case {
        int numerator, denominator, small, middle, large;
    } cases[] = {{1, 4, 80, 400, 4000}, {1, 2, 40, 200, 2000}, {1, 1, 20, 100, 1000}, {2, 1, 10, 50, 500}, {4, 1, 5, 25, 250}};
    for (const Case& c : cases) {
        const RulerSpacing r = rulerSpacing(sweep(c.numerator, c.denominator));
        EXPECT_EQ(r.small, c.small);
        EXPECT_EQ(r.middle, c.middle);
        EXPECT_EQ(r.large, c.large);
    }
}

}  // namespace
}  // namespace velundia
