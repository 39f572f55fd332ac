#include "view/RasterSurface.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ostream>
#include <cstdint>
#include <limits>
#include <vector>

namespace velundia {

// Found by argument-dependent lookup from the standard containers and GoogleTest.
static bool operator==(const Point& a, const Point& b) { return a.x == b.x && a.y == b.y; }
static void PrintTo(const Point& p, std::ostream* os) { *os << "(" << p.x << "," << p.y << ")"; }

namespace {

constexpr Colour White = 0xFFFFFF;
constexpr Colour Red = 0x0000FF;

// Coordinates of every pixel of the surface that is not black.
std::vector<Point> litPixels(const RasterSurface& s) {
    std::vector<Point> out;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.pixel(x, y) != 0) out.push_back({x, y});
    return out;
}

void expectSamePixels(const RasterSurface& a, int ax, int ay, const RasterSurface& b) {
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            ASSERT_EQ(a.pixel(ax + x, ay + y), b.pixel(x, y)) << "at " << x << "," << y;
}

TEST(RasterSurface, LineToSetsRunUpToButNotIncludingTarget) {
    struct Case {
        Point from, to;
        std::vector<Point> lit;
    } cases[] = {
        {{2, 5}, {6, 5}, {{2, 5}, {3, 5}, {4, 5}, {5, 5}}},
        {{6, 5}, {2, 5}, {{3, 5}, {4, 5}, {5, 5}, {6, 5}}},
        {{3, 1}, {3, 4}, {{3, 1}, {3, 2}, {3, 3}}},
        {{3, 4}, {3, 1}, {{3, 2}, {3, 3}, {3, 4}}},
        {{1, 1}, {4, 4}, {{1, 1}, {2, 2}, {3, 3}}},
        {{4, 4}, {4, 4}, {}},
    };
    for (const Case& c : cases) {
        RasterSurface s(10, 8);
        s.setPenColour(White);
        s.moveTo(c.from.x, c.from.y);
        s.lineTo(c.to.x, c.to.y);
        const std::vector<Point> lit = litPixels(s);
        std::vector<Point> sorted = c.lit;
        std::sort(sorted.begin(), sorted.end(), [](Point a, Point b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
        EXPECT_EQ(lit, sorted) << "from " << c.from.x << "," << c.from.y << " to " << c.to.x << "," << c.to.y;
        EXPECT_EQ(s.currentPoint(), c.to);
    }
}

TEST(RasterSurface, SlopedLinesTakeTheNearestRowAndMatchTheirPolyline) {
    RasterSurface s(12, 6);
    s.setPenColour(White);
    s.moveTo(0, 0);
    s.lineTo(10, 3);  // 0.3 rows per column: rows change where the ideal line passes a half
    const int expectedRow[10] = {0, 0, 1, 1, 1, 2, 2, 2, 2, 3};
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 6; ++y) EXPECT_EQ(s.pixel(x, y) != 0, y == expectedRow[x]) << x << "," << y;

    // One polyline call draws what the sequence of lineTo calls draws, also across the edges.
    const std::vector<Point> path = {{-30, 4}, {5, -7}, {11, 5}, {3, 2}, {3, 2}, {20, 9}, {-4, 3}, {6, 0}};
    RasterSurface one(12, 6), many(12, 6);
    one.setPenColour(White);
    many.setPenColour(White);
    one.polyline(path.data(), path.size());
    many.moveTo(path[0].x, path[0].y);
    for (std::size_t i = 1; i < path.size(); ++i) many.lineTo(path[i].x, path[i].y);
    expectSamePixels(one, 0, 0, many);
    EXPECT_EQ(one.currentPoint(), path.back());
}

// A clipped line sets exactly the pixels of the whole line that lie on the surface: the same
// line drawn on a larger surface, where it fits whole, shows them at an offset.
TEST(RasterSurface, ClippedLineEqualsVisiblePartOfWholeLine) {
    constexpr int Offset = 300;
    const Point ends[][2] = {
        {{-40, -7}, {90, 61}},  {{90, 61}, {-40, -7}}, {{-3, 80}, {17, -90}}, {{70, 3}, {-250, 12}},
        {{5, -200}, {6, 200}},  {{-99, 50}, {99, -50}}, {{-10, -10}, {60, 60}}, {{31, -1}, {-1, 47}},
    };
    for (const int penWidth : {1, 2, 5})
        for (const auto& e : ends) {
            RasterSurface whole(2 * Offset, 2 * Offset), part(64, 48);
            for (RasterSurface* s : {&whole, &part}) {
                s->setPenColour(White);
                s->setPenWidth(penWidth);
            }
            whole.moveTo(e[0].x + Offset, e[0].y + Offset);
            whole.lineTo(e[1].x + Offset, e[1].y + Offset);
            part.moveTo(e[0].x, e[0].y);
            part.lineTo(e[1].x, e[1].y);
            SCOPED_TRACE(testing::Message() << "pen " << penWidth << ": " << e[0].x << "," << e[0].y << " -> " << e[1].x
                                            << "," << e[1].y);
            expectSamePixels(whole, Offset, Offset, part);
            EXPECT_FALSE(litPixels(part).empty());
        }
}

// A line from P - m*v to P + m*v sets the same pixels near P whatever m: far-off ends near
// +-2^31 must draw what a short line of the same direction through P draws.
TEST(RasterSurface, LinesFromFarOutsideDrawTheirVisiblePartExactlyAndQuickly) {
    const Point p{25, 17};
    const Point directions[] = {{3, 1}, {-3, 1}, {1, 3}, {1, -3}, {7, 5}, {-5, -7}, {1, 0}, {0, -1}, {2, 2}, {9, 4}};
    const auto started = std::chrono::steady_clock::now();
    for (const Point v : directions) {
        const int64_t reach = std::max(std::abs(v.x), std::abs(v.y));
        const int far = static_cast<int>((int64_t(std::numeric_limits<int>::max()) - 100) / reach);
        const int near = static_cast<int>(200 / reach);
        for (const int penWidth : {1, 4}) {
            RasterSurface farLine(50, 40), nearLine(50, 40);
            for (RasterSurface* s : {&farLine, &nearLine}) {
                s->setPenColour(White);
                s->setPenWidth(penWidth);
            }
            for (int repeat = 0; repeat < 100; ++repeat) {
                farLine.moveTo(p.x - far * v.x, p.y - far * v.y);
                farLine.lineTo(p.x + far * v.x, p.y + far * v.y);
            }
            nearLine.moveTo(p.x - near * v.x, p.y - near * v.y);
            nearLine.lineTo(p.x + near * v.x, p.y + near * v.y);
            SCOPED_TRACE(testing::Message() << "direction " << v.x << "," << v.y << " pen " << penWidth);
            expectSamePixels(farLine, 0, 0, nearLine);
            EXPECT_NE(farLine.pixel(p.x, p.y), 0u);
        }
    }
    // Stepping through the invisible part would take seconds per line.
    const auto elapsed = std::chrono::steady_clock::now() - started;
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 500);

    RasterSurface s(20, 20);
    s.setPenColour(White);
    const int big = std::numeric_limits<int>::max();
    const int small = std::numeric_limits<int>::min();
    const Point extremes[][2] = {{{small, small}, {big, big}}, {{big, small}, {small, big}},
                                 {{small, 5}, {big, 5}},       {{small, big}, {big, small + 1}}};
    for (const int penWidth : {1, 3})
        for (const auto& e : extremes) {
            s.setPenWidth(penWidth);
            s.moveTo(e[0].x, e[0].y);
            s.lineTo(e[1].x, e[1].y);
        }
    EXPECT_NE(s.pixel(7, 5), 0u);   // the horizontal one
    EXPECT_NE(s.pixel(10, 10), 0u);  // the main diagonal
}

TEST(RasterSurface, FillRectIsHalfOpenAndClipped) {
    struct Case {
        int left, top, right, bottom;
        int expectedCount;
    } cases[] = {
        {2, 3, 5, 4, 3},       // [2,5) x [3,4)
        {-5, -5, 3, 2, 6},     // clipped to [0,3) x [0,2)
        {8, 6, 100, 100, 4},   // clipped to [8,10) x [6,8)
        {5, 5, 5, 9, 0},       // empty
        {6, 2, 3, 5, 0},       // inverted
        {20, 20, 30, 30, 0},   // outside
    };
    for (const Case& c : cases) {
        RasterSurface s(10, 8);
        s.setBrushColour(Red);
        s.setBrushStyle(BrushStyle::Clear);  // fillRect uses the brush colour whatever its style
        s.fillRect(c.left, c.top, c.right, c.bottom);
        const std::vector<Point> lit = litPixels(s);
        EXPECT_EQ(int(lit.size()), c.expectedCount) << c.left << "," << c.top << "," << c.right << "," << c.bottom;
        for (const Point q : lit) {
            EXPECT_EQ(s.pixel(q.x, q.y), Red);
            EXPECT_TRUE(q.x >= c.left && q.x < c.right && q.y >= c.top && q.y < c.bottom);
        }
    }
}

TEST(RasterSurface, ColoursAreBgrOnTheCanvasAndRgbInTheImage) {
    RasterSurface s(4, 1);
    const Colour colours[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x123456};
    for (int x = 0; x < 4; ++x) {
        s.setPenColour(colours[x]);
        s.moveTo(x, 0);
        s.lineTo(x + 1, 0);
    }
    for (int x = 0; x < 4; ++x) EXPECT_EQ(s.pixel(x, 0), colours[x]);
    EXPECT_EQ(s.image().pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(s.image().pixel(2, 0), 0xFF0000FFu);
    EXPECT_EQ(s.image().pixel(3, 0), 0xFF563412u);
    EXPECT_EQ(s.image().format(), QImage::Format_RGB32);
    EXPECT_EQ(s.pixel(-1, 0), 0u);
    EXPECT_EQ(s.pixel(4, 0), 0u);
}

TEST(RasterSurface, PenStylesAndWidths) {
    RasterSurface s(30, 20);
    s.setPenColour(White);
    s.setPenStyle(PenStyle::Clear);
    s.moveTo(2, 10);
    s.lineTo(25, 10);
    EXPECT_TRUE(litPixels(s).empty());
    EXPECT_EQ(s.currentPoint(), (Point{25, 10}));

    // Wide pens: a horizontal stroke centred on its row; an even width takes the row above.
    struct Case {
        int width, firstRow, lastRow;
    } cases[] = {{0, 10, 10}, {1, 10, 10}, {2, 9, 10}, {3, 9, 11}, {4, 8, 11}, {5, 8, 12}};
    for (const Case& c : cases) {
        RasterSurface w(30, 20);
        w.setPenColour(White);
        w.setPenWidth(c.width);
        w.moveTo(5, 10);
        w.lineTo(20, 10);
        for (int y = 0; y < 20; ++y)
            EXPECT_EQ(w.pixel(12, y) != 0, y >= c.firstRow && y <= c.lastRow) << "width " << c.width << " row " << y;
        // Round caps reach past the ends of a wide stroke.
        if (c.width > 2) {
            EXPECT_NE(w.pixel(4, 10), 0u) << "width " << c.width;
        }
        EXPECT_EQ(w.pixel(12, 10), White);
    }
}

TEST(RasterSurface, TextBoxIsFilledOnlyWithSolidBrush) {
    for (const BrushStyle style : {BrushStyle::Solid, BrushStyle::Clear}) {
        RasterSurface s(80, 30);
        s.setFontName("Arial");
        s.setFontSize(10);
        s.setFontBold(true);
        s.setFontColour(White);
        s.setBrushColour(Red);
        s.setBrushStyle(style);
        s.textOut(10, 5, "88");
        int red = 0, white = 0, redTop = 99, redBottom = -1;
        for (const Point q : litPixels(s)) {
            if (s.pixel(q.x, q.y) == Red) {
                ++red;
                redTop = std::min(redTop, q.y);
                redBottom = std::max(redBottom, q.y);
            }
            if (s.pixel(q.x, q.y) == White) ++white;
            EXPECT_TRUE(q.x >= 10 && q.y >= 5) << q.x << "," << q.y;
        }
        EXPECT_GT(white, 10);
        if (style == BrushStyle::Solid) {
            EXPECT_EQ(s.pixel(10, 5), Red);  // the box starts at the given corner
            EXPECT_EQ(redTop, 5);
            EXPECT_GE(redBottom - redTop + 1, 13);  // 10 points at 96 dpi: about 13 pixels and more
            EXPECT_LE(redBottom - redTop + 1, 18);
        } else {
            EXPECT_EQ(red, 0);
        }
    }
}

TEST(RasterSurface, TextAndDirectLinesShareOnePictureAlsoWhileTheImageIsCopied) {
    RasterSurface s(60, 20);
    const QImage held = s.image();  // a copy held elsewhere must not split the pixels
    s.setFontColour(White);
    s.setBrushStyle(BrushStyle::Clear);
    s.textOut(2, 2, "M");
    s.setPenColour(Red);
    s.moveTo(0, 19);
    s.lineTo(60, 19);
    EXPECT_FALSE(litPixels(s).empty());
    int whiteInImage = 0;
    for (int y = 0; y < 19; ++y)
        for (int x = 0; x < 60; ++x) whiteInImage += s.image().pixel(x, y) == 0xFFFFFFFFu;
    EXPECT_GT(whiteInImage, 5);
    EXPECT_EQ(s.image().pixel(30, 19), 0xFFFF0000u);
    EXPECT_EQ(s.toImage().pixel(30, 19), 0xFFFF0000u);
}

TEST(RasterSurface, DrawCopiesClipped) {
    RasterSurface source(4, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            source.setBrushColour(static_cast<Colour>(0x010000 * (y + 1) + x + 1));
            source.fillRect(x, y, x + 1, y + 1);
        }
    struct Case {
        int x, y;
    } cases[] = {{0, 0}, {-1, 8}, {8, -2}, {-4, 0}, {10, 10}, {3, 4}};
    for (const Case& c : cases) {
        RasterSurface target(10, 10);
        target.draw(c.x, c.y, source);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) {
                const bool inside = x >= c.x && x < c.x + 4 && y >= c.y && y < c.y + 3;
                EXPECT_EQ(target.pixel(x, y), inside ? source.pixel(x - c.x, y - c.y) : 0u)
                    << "draw at " << c.x << "," << c.y << " pixel " << x << "," << y;
            }
    }
    // Onto itself, lower down: every row arrives as it was before the copy.
    RasterSurface self(4, 6);
    self.draw(0, 0, source);
    self.draw(0, 1, self);
    for (int y = 0; y < 3; ++y) EXPECT_EQ(self.pixel(2, y + 1), source.pixel(2, y));
}

}  // namespace
}  // namespace velundia
