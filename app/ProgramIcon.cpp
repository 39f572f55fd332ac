#include "app/ProgramIcon.h"

#include "app/WidgetHelpers.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <array>

namespace velundia {

namespace {

constexpr int GlyphSize = 16;

QPixmap emptyGlyph() {
    QPixmap pixmap(GlyphSize, GlyphSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// One heartbeat across the unit width: base line, P wave, QRS spike, T wave (y up is negative).
QPolygonF beatShape() {
    static const std::array<QPointF, 13> points = {{
        {0.00, 0.0}, {0.18, 0.0}, {0.24, -0.12}, {0.30, 0.0}, {0.38, 0.0}, {0.42, 0.10},
        {0.48, -0.85}, {0.54, 0.28}, {0.58, 0.0}, {0.68, 0.0}, {0.77, -0.22}, {0.86, 0.0}, {1.00, 0.0},
    }};
    return QPolygonF(QList<QPointF>(points.begin(), points.end()));
}

QPixmap newPicture() {
    QPixmap pixmap = emptyGlyph();
    QPainter painter(&pixmap);
    painter.setPen(QColor(64, 64, 64));
    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygon({{3, 1}, {10, 1}, {13, 4}, {13, 14}, {3, 14}}));
    painter.drawPolyline(QPolygon({{10, 1}, {10, 4}, {13, 4}}));
    return pixmap;
}

QPixmap openPicture() {
    QPixmap pixmap = emptyGlyph();
    QPainter painter(&pixmap);
    painter.setPen(QColor(96, 72, 0));
    painter.setBrush(QColor(232, 192, 64));
    painter.drawPolygon(QPolygon({{1, 4}, {5, 4}, {6, 5}, {12, 5}, {12, 13}, {1, 13}}));
    painter.setBrush(QColor(248, 220, 120));
    painter.drawPolygon(QPolygon({{3, 7}, {15, 7}, {12, 13}, {1, 13}}));
    return pixmap;
}

QPixmap savePicture() {
    QPixmap pixmap = emptyGlyph();
    QPainter painter(&pixmap);
    painter.setPen(QColor(16, 16, 64));
    painter.setBrush(QColor(48, 64, 160));
    painter.drawRect(1, 1, 13, 13);
    painter.setBrush(Qt::white);
    painter.drawRect(4, 1, 7, 5);
    painter.setBrush(QColor(200, 200, 200));
    painter.drawRect(4, 9, 7, 5);
    return pixmap;
}

QPixmap printPicture() {
    QPixmap pixmap = emptyGlyph();
    QPainter painter(&pixmap);
    painter.setPen(QColor(48, 48, 48));
    painter.setBrush(Qt::white);
    painter.drawRect(4, 1, 7, 5);
    painter.setBrush(QColor(176, 176, 176));
    painter.drawRect(1, 6, 13, 6);
    painter.setBrush(Qt::white);
    painter.drawRect(4, 10, 7, 5);
    painter.setPen(QColor(0, 160, 0));
    painter.drawPoint(12, 8);
    return pixmap;
}

}  // namespace

QPixmap programPicture(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::black);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 255, 96), std::max(1.0, size / 20.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPolygonF beat = beatShape();
    QPolygonF trace;
    const double margin = size * 0.06;
    const double beatWidth = (size - 2 * margin) / 2.0;
    const double baseline = size * 0.62;
    const double amplitude = size * 0.5;
    for (int b = 0; b < 2; ++b) {
        for (const QPointF& p : beat) {
            trace << QPointF(margin + (b + p.x()) * beatWidth, baseline + p.y() * amplitude);
        }
    }
    painter.drawPolyline(trace);
    return pixmap;
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) icon.addPixmap(programPicture(size));
    return icon;
}

QList<QIcon> imageList() {
    QList<QIcon> pictures(15);
    pictures[6] = QIcon(newPicture());
    pictures[7] = QIcon(openPicture());
    pictures[8] = QIcon(savePicture());
    pictures[14] = QIcon(printPicture());
    return pictures;
}

QIcon colourSwatch(uint32_t packed) {
    QPixmap pixmap = emptyGlyph();
    QPainter painter(&pixmap);
    painter.setPen(QColor(192, 192, 192));
    painter.setBrush(colourFromPacked(packed));
    painter.drawRect(0, 0, 14, 14);  // 15 x 15 with its edge
    return QIcon(pixmap);
}

QIcon manyColourPicture() {
    QPixmap pixmap = emptyGlyph();
    QPainter painter(&pixmap);
    static const std::array<QColor, 6> bands = {QColor(255, 0, 0),   QColor(255, 160, 0), QColor(255, 255, 0),
                                                QColor(0, 200, 0),   QColor(0, 128, 255), QColor(160, 0, 255)};
    for (int i = 0; i < 6; ++i) {
        const int left = 1 + i * 13 / 6;
        const int right = 1 + (i + 1) * 13 / 6;
        painter.fillRect(left, 1, right - left, 13, bands[static_cast<std::size_t>(i)]);
    }
    painter.setPen(QColor(192, 192, 192));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, 14, 14);
    return QIcon(pixmap);
}

}  // namespace velundia
