#pragma once

#include "view/RasterSurface.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace velundia {

// A control drawn by the program (PaintBox1, PaintBox3, Image1): it keeps the last picture
// copied onto its canvas and shows it. Its paint handler runs only while there is no
// picture yet or the size changed since the last one (e.g. after the surfaces were rebuilt).
class PictureBox : public QWidget {
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The control's canvas, the size of the control; drawing on it schedules a repaint
    // through picturePresented().
    RasterSurface& canvas();
    // Marks the canvas as the current picture and schedules a repaint.
    void picturePresented();

    std::function<void()> onPaint;  // the specified paint handler
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, int, int)> onMouseDown;
    std::function<void(Qt::KeyboardModifiers, int, int)> onMouseMove;
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, int, int)> onMouseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::unique_ptr<RasterSurface> canvas_;
    bool hasPicture_ = false;
};

}  // namespace velundia
