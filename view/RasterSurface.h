#pragma once

#include "view/Canvas.h"

#include <QImage>

#include <cstdint>
#include <vector>

namespace velundia {

// An off-screen bitmap of 32-bit pixels. Lines are written straight into the buffer: one-pixel
// lines as Bresenham lines (exact for horizontal and vertical runs), wide ones as the round pen
// set along such a line. Text goes through QPainter on the same pixels. image() shares the
// buffer as a QImage (RGB32).
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
    // One-pixel Bresenham segment from (x0, y0) up to, not including, (x1, y1).
    void segment(int x0, int y0, int x1, int y1, uint32_t pixel);
    // A round-capped, round-joined stroke of the pen's width through the points.
    void wideStroke(const Point* points, std::size_t count);
    // image_ made sure to paint into pixels_ (a shared copy of it would detach on painting).
    QImage& paintTarget();

    int width_;
    int height_;
    std::vector<uint32_t> pixels_;  // 0xFFRRGGBB, row-major
    QImage image_;
};

}  // namespace velundia
