#pragma once

#include <QLabel>

#include <functional>

namespace velundia {

// A label that reports left clicks (press and release on it) and pointer moves, also while no
// button is held (the lead labels LabelE1..LabelE69); a right click opens its pop-up menu.
class ClickLabel : public QLabel {
public:
    explicit ClickLabel(QWidget* parent = nullptr);

    std::function<void()> onClick;
    std::function<void()> onMouseMove;
    std::function<void(const QPoint& globalPos)> onContextMenu;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool leftPressed_ = false;
};

}  // namespace velundia
