#pragma once

#include <QLabel>

#include <functional>

namespace velundia {

// A label that reports left clicks and pointer moves (the lead labels LabelE1..LabelE69);
// a right click opens its pop-up menu if it has one.
class ClickLabel : public QLabel {
public:
    explicit ClickLabel(QWidget* parent = nullptr);

    std::function<void()> onClick;
    std::function<void()> onMouseMove;
    std::function<void(const QPoint& globalPos)> onContextMenu;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace velundia
