#pragma once

#include "view/Canvas.h"

#include <QImage>

#include <cstdint>
#include <vector>

namespace velundia {

// An off-screen bitmap of 32-bit pixels. One-pixel lines are written straight into the
// buffer (Bresenham, exact for horizontal and vertical runs); text and wide strokes go
// through QPainter on the same pixels. image() shares the buffer as a QImage (RGB32).
class RasterSurface final : public Canvas {
public:
    RasterSurface(int width, int height);
    RasterSurface(const RasterSurface&) = delete;
    RasterSurface& operator=(const RasterSurface&) = delete;

    int width() const override { return width_; }
    int height() const override { return height_; }

    void lineTo(int x, int y) override;
    void polyline(const Point* points, std::size_t count) override;
    void fillRect(int left, int top, int right, int bottom) override;
    void textOut(int x, int y, const std::string& text) override;
    void draw(int x, int y, const RasterSurface& source) override;

    // Pixel as 0x00BBGGRR; 0 outside the surface.
    Colour pixel(int x, int y) const;
    // The pixels as a QImage in Format_RGB32 over this surface's buffer (valid while it lives).
    const QImage& image() const { return image_; }
    // A deep copy, e.g. for the clipboard or a picture file.
    QImage toImage() const { return image_.copy(); }

private:
    int width_;
    int height_;
    std::vector<uint32_t> pixels_;  // 0xFFRRGGBB, row-major
    QImage image_;
};

}  // namespace velundia
