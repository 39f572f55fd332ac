#include "output/PrinterCanvas.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <utility>

#include <gtest/gtest.h>

namespace velundia {
namespace {

// A PrinterCanvas over a QPainter on a picture stands in for the printer page: the same
// painter calls, pixels that can be read back.
class PrinterCanvasTest : public ::testing::Test {
protected:
    static constexpr QRgb Grey = 0xFF808080;
    QImage image{300, 120, QImage::Format_RGB32};
    QPainter painter;

    void SetUp() override { restart(); }
    // A fresh grey picture for the next case of a table.
    void restart() {
        if (painter.isActive()) painter.end();
        image.fill(Grey);
        painter.begin(&image);
    }
    QRgb at(int x, int y) {
        if (painter.isActive()) painter.end();
        return image.pixel(x, y) | 0xFF000000;
    }
    // Rows [first, last] holding any pixel darker than the grey, in columns [left, right).
    std::pair<int, int> inkRows(int left, int right) {
        int first = -1, last = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = left; x < right; ++x)
                if (qGray(at(x, y)) < 64) {
                    if (first < 0) first = y;
                    last = y;
                }
        return {first, last};
    }
};

TEST_F(PrinterCanvasTest, SizeIsThePaintDevice) {
    PrinterCanvas page(painter);
    EXPECT_EQ(page.width(), 300);
    EXPECT_EQ(page.height(), 120);
}

TEST_F(PrinterCanvasTest, DefaultPenIsBlackAndWidthsAreDeviceDots) {
    struct Case {
        int width;
        int half;  // rows inked on each side of the line
    } const cases[] = {{0, 0}, {1, 0}, {7, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        restart();
        PrinterCanvas page(painter);
        EXPECT_EQ(page.penColour(), 0u);
        page.setPenWidth(c.width);
        page.moveTo(20, 50);
        page.lineTo(200, 50);
        EXPECT_EQ(page.currentPoint().x, 200);
        EXPECT_EQ(at(100, 50), 0xFF000000u);
        EXPECT_EQ(inkRows(100, 101), std::make_pair(50 - c.half, 50 + c.half));
    }
}

TEST_F(PrinterCanvasTest, PenColourAndClearPen) {
    PrinterCanvas page(painter);
    page.setPenColour(0x0000FF);  // 0x00BBGGRR: red
    page.moveTo(20, 30);
    page.lineTo(200, 30);
    page.setPenStyle(PenStyle::Clear);
    page.moveTo(20, 60);
    page.lineTo(200, 60);
    EXPECT_EQ(at(100, 30), qRgb(255, 0, 0));
    EXPECT_EQ(at(100, 60), Grey);
}

TEST_F(PrinterCanvasTest, PolylineDrawsEverySegment) {
    PrinterCanvas page(painter);
    const Point points[] = {{10, 10}, {100, 10}, {100, 90}};
    page.polyline(points, 3);
    EXPECT_EQ(page.currentPoint().y, 90);
    EXPECT_EQ(at(50, 10), 0xFF000000u);
    EXPECT_EQ(at(100, 50), 0xFF000000u);
}

TEST_F(PrinterCanvasTest, TextStandsBelowItsTopLeftCorner) {
    struct Case {
        BrushStyle style;
        QRgb box;  // a pixel of the text box above the capitals
    } const cases[] = {{BrushStyle::Clear, Grey}, {BrushStyle::Solid, 0xFFFFFFFF}};
    for (const Case& c : cases) {
        restart();
        PrinterCanvas page(painter);
        page.setFontName("Courier New");
        page.setFontSize(10);
        page.setBrushColour(0xFFFFFF);
        page.setBrushStyle(c.style);
        page.textOut(40, 40, "MMMM");
        const auto rows = inkRows(40, 120);
        EXPECT_GT(rows.first, 40);
        EXPECT_LT(rows.second, 40 + 20);
        EXPECT_EQ(at(41, 41), c.box);
    }
}

TEST_F(PrinterCanvasTest, FillRectLeavesOutRightAndBottom) {
    PrinterCanvas page(painter);
    page.setBrushColour(0xFF0000);  // blue
    page.fillRect(10, 20, 30, 40);
    EXPECT_EQ(at(10, 20), qRgb(0, 0, 255));
    EXPECT_EQ(at(29, 39), qRgb(0, 0, 255));
    EXPECT_EQ(at(30, 39), Grey);
    EXPECT_EQ(at(29, 40), Grey);
}

}  // namespace
}  // namespace velundia
