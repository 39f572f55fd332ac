#pragma once

#include "view/RasterSurface.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace velundia {

// A control drawn by the program (PaintBox1, PaintBox3, Image1): it keeps the last picture
// copied onto its canvas and shows it. Its paint handler runs only while there is no
// picture yet, when the size changed since the last one, or after requestPaintHandler()
// (the surfaces behind the picture were rebuilt, so the picture is stale).
class PictureBox : public QWidget {
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The control's canvas, the size of the control (re-created, empty, when the size changed).
    RasterSurface& canvas();
    // The picture as last presented; null before anything was drawn.
    const RasterSurface* picture() const { return canvas_.get(); }
    // Marks the canvas as the current picture and schedules a repaint.
    void picturePresented();
    // The next paint runs the paint handler, whatever the canvas holds.
    void requestPaintHandler();

    std::function<void()> onPaint;  // the control's paint handler (PaintBox1Paint, PaintBox3Paint)
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, int, int)> onMouseDown;
    std::function<void(Qt::KeyboardModifiers, int, int)> onMouseMove;
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, int, int)> onMouseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool canvasFits() const;

    std::unique_ptr<RasterSurface> canvas_;
    bool hasPicture_ = false;
    bool handlerPending_ = false;
    bool painting_ = false;
};

}  // namespace velundia
