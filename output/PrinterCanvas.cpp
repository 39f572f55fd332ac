#include "output/PrinterCanvas.h"

#include "view/RasterSurface.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QString>

#include <vector>

namespace velundia {

namespace {

QColor toQColor(Colour c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

}  // namespace

PrinterCanvas::PrinterCanvas(QPainter& painter) : painter_(painter) {
    setPenColour(0);
    setFontColour(0);
}

int PrinterCanvas::width() const {
    const QPaintDevice* device = painter_.device();
    return device ? device->width() : 0;
}

int PrinterCanvas::height() const {
    const QPaintDevice* device = painter_.device();
    return device ? device->height() : 0;
}

void PrinterCanvas::applyPen() {
    if (penStyle() == PenStyle::Clear) {
        painter_.setPen(Qt::NoPen);
        return;
    }
    // Width 0 is Qt's cosmetic pen: one device dot whatever the resolution.
    QPen pen(toQColor(penColour()), penWidth() < 0 ? 0 : penWidth(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter_.setPen(pen);
}

// On paper the raster convention of leaving out the end pixel is below what the eye sees.
void PrinterCanvas::lineTo(int x, int y) {
    applyPen();
    painter_.drawLine(QPoint(current_.x, current_.y), QPoint(x, y));
    current_ = {x, y};
}

void PrinterCanvas::polyline(const Point* points, std::size_t count) {
    if (count == 0) return;
    if (count == 1) {
        moveTo(points[0].x, points[0].y);
        return;
    }
    std::vector<QPoint> path;
    path.reserve(count);
    for (std::size_t i = 0; i < count; ++i) path.emplace_back(points[i].x, points[i].y);
    applyPen();
    painter_.drawPolyline(path.data(), static_cast<int>(path.size()));
    current_ = points[count - 1];
}

void PrinterCanvas::fillRect(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    painter_.fillRect(QRect(left, top, right - left, bottom - top), toQColor(brushColour()));
}

void PrinterCanvas::textOut(int x, int y, const std::string& text) {
    QFont font(QString::fromStdString(fontName()), fontSize());
    font.setBold(fontBold());
    painter_.setFont(font);
    painter_.setPen(toQColor(fontColour()));
    if (brushStyle() == BrushStyle::Solid) {
        painter_.setBackgroundMode(Qt::OpaqueMode);
        painter_.setBackground(toQColor(brushColour()));
    } else {
        painter_.setBackgroundMode(Qt::TransparentMode);
    }
    // The canvas places text by its top-left corner; Qt by the baseline.
    const QFontMetrics metrics = painter_.fontMetrics();
    painter_.drawText(QPoint(x, y + metrics.ascent()), QString::fromStdString(text));
}

void PrinterCanvas::draw(int x, int y, const RasterSurface& source) { painter_.drawImage(QPoint(x, y), source.image()); }

}  // namespace velundia
