#pragma once

#include "view/Canvas.h"

class QPainter;

namespace velundia {

// The canvas interface over a QPainter on a printer page: sizes are the painter device's
// printable area in device dots; a pen of width 0 is the device's thinnest line.
// Pen and font colours start black, the printer's defaults.
class PrinterCanvas final : public Canvas {
public:
    explicit PrinterCanvas(QPainter& painter);

    int width() const override;
    int height() const override;
    void lineTo(int x, int y) override;
    // One path per polyline keeps the joins of wide pens round and the page description small.
    void polyline(const Point* points, std::size_t count) override;
    void fillRect(int left, int top, int right, int bottom) override;
    void textOut(int x, int y, const std::string& text) override;
    void draw(int x, int y, const RasterSurface& source) override;

private:
    void applyPen();
    QPainter& painter_;
};

}  // namespace velundia
