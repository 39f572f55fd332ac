#include "app/ClickLabel.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

namespace velundia {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) { setMouseTracking(true); }

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    leftPressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = leftPressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    leftPressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click && onClick) onClick();
}

void ClickLabel::mouseMoveEvent(QMouseEvent* event) {
    QLabel::mouseMoveEvent(event);
    if (onMouseMove) onMouseMove();
}

void ClickLabel::contextMenuEvent(QContextMenuEvent* event) {
    if (onContextMenu) {
        onContextMenu(event->globalPos());
        event->accept();
    } else {
        QLabel::contextMenuEvent(event);
    }
}

}  // namespace velundia
