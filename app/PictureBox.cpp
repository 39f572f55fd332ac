#include "app/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace velundia {

namespace {
// A canvas is never smaller than one pixel, so a control squeezed to nothing still has one.
int canvasExtent(int extent) { return std::max(1, extent); }
}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

bool PictureBox::canvasFits() const {
    return canvas_ && canvas_->width() == canvasExtent(width()) && canvas_->height() == canvasExtent(height());
}

RasterSurface& PictureBox::canvas() {
    if (!canvasFits()) {
        canvas_ = std::make_unique<RasterSurface>(canvasExtent(width()), canvasExtent(height()));
        hasPicture_ = false;
    }
    return *canvas_;
}

void PictureBox::picturePresented() {
    hasPicture_ = true;
    if (!painting_) update();
}

void PictureBox::requestPaintHandler() {
    handlerPending_ = true;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (onPaint && (!hasPicture_ || !canvasFits() || handlerPending_)) {
        handlerPending_ = false;
        painting_ = true;
        onPaint();
        painting_ = false;
    }
    QPainter painter(this);
    if (hasPicture_ && canvas_) {
        painter.drawImage(0, 0, canvas_->image());
    } else {
        painter.fillRect(rect(), palette().window());
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (onMouseDown) onMouseDown(event->button(), event->modifiers(), event->position().toPoint().x(),
                                 event->position().toPoint().y());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    if (onMouseMove) onMouseMove(event->modifiers(), event->position().toPoint().x(), event->position().toPoint().y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (onMouseUp) onMouseUp(event->button(), event->modifiers(), event->position().toPoint().x(),
                             event->position().toPoint().y());
}

}  // namespace velundia
