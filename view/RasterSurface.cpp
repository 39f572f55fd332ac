#include "view/RasterSurface.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cstring>

namespace velundia {

namespace {

// Exact far-off clipping needs products of two 33-bit magnitudes.
__extension__ typedef __int128 Wide;

// 96 dpi, so a font of 10 points is about 13 pixels high.
constexpr int DotsPerMeter = 3780;

// Buffer pixels are 0xFFRRGGBB; the canvas speaks 0x00BBGGRR.
inline uint32_t toPixel(Colour c) {
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
inline Colour fromPixel(uint32_t p) { return ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16); }
inline QColor toQColor(Colour c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

inline int64_t absolute(int64_t v) { return v < 0 ? -v : v; }
// Ceiling of a / b for a >= 0, b > 0.
inline Wide ceilDiv(Wide a, Wide b) { return (a + b - 1) / b; }

QImage wrap(std::vector<uint32_t>& pixels, int width, int height) {
    if (width == 0 || height == 0) return QImage();
    QImage image(reinterpret_cast<uchar*>(pixels.data()), width, height, width * 4, QImage::Format_RGB32);
    image.setDotsPerMeterX(DotsPerMeter);
    image.setDotsPerMeterY(DotsPerMeter);
    return image;
}

}  // namespace

RasterSurface::RasterSurface(int width, int height)
    : width_(std::max(0, width)),
      height_(std::max(0, height)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0xFF000000u),
      image_(wrap(pixels_, width_, height_)) {}

QImage& RasterSurface::paintTarget() {
    if (!image_.isNull() && (!image_.isDetached() || image_.constBits() != reinterpret_cast<const uchar*>(pixels_.data())))
        image_ = wrap(pixels_, width_, height_);
    return image_;
}

Colour RasterSurface::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return fromPixel(pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)]);
}

namespace {

// Pixel i of a segment (0 <= i < major length) lies at minor offset
// t(i) = floor((2 i dminor + dmajor) / (2 dmajor)): the nearest row, halves away from the start.
// Both the direct and the clipped walk step this numerator, so they set the same pixels.
// The caller has made sure both ends lie on the surface; every pixel between them does too.
inline void segmentOnSurface(uint32_t* pixels, std::ptrdiff_t stride, int x0, int y0, int x1, int y1,
                             uint32_t pixel) {
    const int dx = x1 - x0;
    const int dy = y1 - y0;
    const int adx = dx < 0 ? -dx : dx;
    const int ady = dy < 0 ? -dy : dy;
    const std::ptrdiff_t stepY = dy < 0 ? -stride : stride;
    uint32_t* p = pixels + y0 * stride + x0;
    if (adx == 0) {
        for (int i = 0; i < ady; ++i, p += stepY) *p = pixel;
        return;
    }
    const std::ptrdiff_t stepX = dx < 0 ? -1 : 1;
    if (ady == 0) {
        for (int i = 0; i < adx; ++i, p += stepX) *p = pixel;
        return;
    }
    int majorLength = adx, minorLength = ady;
    std::ptrdiff_t majorStep = stepX, minorStep = stepY;
    if (ady > adx) {
        std::swap(majorLength, minorLength);
        std::swap(majorStep, minorStep);
    }
    const int twiceMajor = 2 * majorLength;
    const int twiceMinor = 2 * minorLength;
    int remainder = majorLength;
    for (int i = 0; i < majorLength; ++i) {
        *p = pixel;
        p += majorStep;
        remainder += twiceMinor;
        if (remainder >= twiceMajor) {
            remainder -= twiceMajor;
            p += minorStep;
        }
    }
}

// Calls plot(x, y) for every pixel of the segment from (x0, y0) up to, not including, (x1, y1)
// that lies in [0, width) x [0, height), in the order of the walk. Only those pixels are
// visited: the walk enters at the first of them, its error term computed directly, so a
// segment with ends near +-2^31 costs no more than its visible part.
template <class Plot>
void walkVisible(int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t width, int64_t height, Plot&& plot) {
    const int64_t dx = x1 - x0;
    const int64_t dy = y1 - y0;
    const bool xMajor = absolute(dx) >= absolute(dy);
    const int64_t major0 = xMajor ? x0 : y0;
    const int64_t minor0 = xMajor ? y0 : x0;
    const int64_t majorDelta = xMajor ? dx : dy;
    const int64_t minorDelta = xMajor ? dy : dx;
    const int64_t majorLength = absolute(majorDelta);
    const int64_t minorLength = absolute(minorDelta);
    const int64_t majorLimit = xMajor ? width : height;
    const int64_t minorLimit = xMajor ? height : width;
    if (majorLength == 0 || majorLimit <= 0 || minorLimit <= 0) return;

    // Steps i whose major coordinate lies on the surface.
    int64_t first = majorDelta > 0 ? -major0 : major0 - (majorLimit - 1);
    int64_t last = majorDelta > 0 ? majorLimit - 1 - major0 : major0;
    first = std::max<int64_t>(first, 0);
    last = std::min<int64_t>(last, majorLength - 1);
    // Minor offsets t that lie on the surface; t(i) grows with i, so they form one run of steps.
    const int64_t tLow = minorDelta >= 0 ? -minor0 : minor0 - (minorLimit - 1);
    const int64_t tHigh = minorDelta >= 0 ? minorLimit - 1 - minor0 : minor0;
    if (tHigh < 0) return;
    if (minorLength == 0) {
        if (tLow > 0) return;
    } else {
        const Wide twiceMinor = Wide(2) * minorLength;
        if (tLow > 0) first = std::max<int64_t>(first, int64_t(ceilDiv((Wide(2) * tLow - 1) * majorLength, twiceMinor)));
        const Wide beyond = ceilDiv((Wide(2) * tHigh + 1) * majorLength, twiceMinor) - 1;
        if (beyond < Wide(last)) last = int64_t(beyond);
    }
    if (first > last) return;

    const Wide numerator = Wide(2) * first * minorLength + majorLength;
    int64_t t = int64_t(numerator / (Wide(2) * majorLength));
    int64_t remainder = int64_t(numerator % (Wide(2) * majorLength));
    const int64_t majorSign = majorDelta > 0 ? 1 : -1;
    const int64_t minorSign = minorDelta >= 0 ? 1 : -1;
    const int64_t twiceMajor = 2 * majorLength;
    const int64_t twiceMinor = 2 * minorLength;
    int64_t major = major0 + majorSign * first;
    int64_t minor = minor0 + minorSign * t;
    for (int64_t i = first; i <= last; ++i) {
        if (xMajor)
            plot(static_cast<int>(major), static_cast<int>(minor));
        else
            plot(static_cast<int>(minor), static_cast<int>(major));
        major += majorSign;
        remainder += twiceMinor;
        if (remainder >= twiceMajor) {
            remainder -= twiceMajor;
            minor += minorSign;
        }
    }
}

// The round pen of a width as row spans around its centre pixel. Odd widths centre on the
// pixel, even widths on its top-left corner, so they take the extra row above and column left.
struct PenShape {
    int reach = 0;  // farthest offset in any direction
    int top = 0;    // row offset of spans[0]
    struct Span {
        int left, right;  // column offsets, inclusive
    };
    std::vector<Span> spans;

    explicit PenShape(int width) {
        const int low = -(width / 2);
        const int high = (width - 1) / 2;
        const double shift = width % 2 ? 0.0 : 0.5;
        const double radius2 = width * width / 4.0;
        reach = -low;
        top = low;
        for (int dy = low; dy <= high; ++dy) {
            int left = 0, right = -1;
            for (int dx = low; dx <= high; ++dx) {
                const double ex = dx + shift, ey = dy + shift;
                if (ex * ex + ey * ey <= radius2) {
                    if (right < left) left = dx;
                    right = dx;
                }
            }
            spans.push_back({left, right});
        }
    }
};

}  // namespace

void RasterSurface::segment(int x0, int y0, int x1, int y1, uint32_t pixel) {
    if (x0 < 0 || y0 < 0 || x1 < 0 || y1 < 0 || x0 >= width_ || x1 >= width_ || y0 >= height_ || y1 >= height_) {
        uint32_t* pixels = pixels_.data();
        const std::ptrdiff_t stride = width_;
        walkVisible(x0, y0, x1, y1, width_, height_, [&](int x, int y) { pixels[y * stride + x] = pixel; });
    } else {
        segmentOnSurface(pixels_.data(), width_, x0, y0, x1, y1, pixel);
    }
}

// The pen's shape set at every pixel of the one-pixel line through the points, both ends
// included: a round-capped, round-joined stroke.
void RasterSurface::wideStroke(const Point* points, std::size_t count) {
    if (count < 2 || width_ == 0 || height_ == 0) return;
    const PenShape pen(penWidth());
    const uint32_t pixel = toPixel(penColour());
    uint32_t* pixels = pixels_.data();
    const int width = width_, height = height_;
    auto fill = [&](int64_t left, int64_t top, int64_t right, int64_t bottom) {  // inclusive bounds
        const int l = int(std::max<int64_t>(left, 0)), r = int(std::min<int64_t>(right, width - 1));
        const int t = int(std::max<int64_t>(top, 0)), b = int(std::min<int64_t>(bottom, height - 1));
        for (int y = t; y <= b && l <= r; ++y)
            std::fill(pixels + std::ptrdiff_t(y) * width + l, pixels + std::ptrdiff_t(y) * width + r + 1, pixel);
    };
    auto stamp = [&](int64_t x, int64_t y) {
        for (std::size_t r = 0; r < pen.spans.size(); ++r) {
            const int64_t row = y + pen.top + int64_t(r);
            fill(x + pen.spans[r].left, row, x + pen.spans[r].right, row);
        }
    };
    const int reach = pen.reach;
    for (std::size_t i = 1; i < count; ++i) {
        const Point a = points[i - 1], b = points[i];
        stamp(a.x, a.y);
        if (a.x == b.x || a.y == b.y) {
            // A straight run: every column (or row) between the two end shapes is the pen's full width.
            const int64_t low = -(penWidth() / 2), high = (penWidth() - 1) / 2;
            if (a.x == b.x)
                fill(a.x + low, std::min(a.y, b.y), a.x + high, std::max(a.y, b.y));
            else
                fill(std::min(a.x, b.x), a.y + low, std::max(a.x, b.x), a.y + high);
            continue;
        }
        walkVisible(int64_t(a.x) + reach, int64_t(a.y) + reach, int64_t(b.x) + reach, int64_t(b.y) + reach,
                    int64_t(width) + 2 * reach, int64_t(height) + 2 * reach,
                    [&](int x, int y) { stamp(x - reach, y - reach); });
    }
    stamp(points[count - 1].x, points[count - 1].y);
}

void RasterSurface::lineTo(int x, int y) {
    const Point segmentPoints[2] = {current_, {x, y}};
    polyline(segmentPoints, 2);
}

void RasterSurface::polyline(const Point* points, std::size_t count) {
    if (count == 0) return;
    if (penStyle() != PenStyle::Clear) {
        if (penWidth() > 1) {
            wideStroke(points, count);
        } else {
            const uint32_t pixel = toPixel(penColour());
            int left = points[0].x, right = left, top = points[0].y, bottom = top;
            for (std::size_t i = 1; i < count; ++i) {
                left = std::min(left, points[i].x);
                right = std::max(right, points[i].x);
                top = std::min(top, points[i].y);
                bottom = std::max(bottom, points[i].y);
            }
            if (left >= 0 && top >= 0 && right < width_ && bottom < height_) {
                // The usual trace: all on the surface, so no segment needs a test of its own.
                uint32_t* pixels = pixels_.data();
                for (std::size_t i = 1; i < count; ++i)
                    segmentOnSurface(pixels, width_, points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, pixel);
            } else {
                for (std::size_t i = 1; i < count; ++i)
                    segment(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, pixel);
            }
        }
    }
    current_ = points[count - 1];
}

void RasterSurface::fillRect(int left, int top, int right, int bottom) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width_);
    bottom = std::min(bottom, height_);
    if (left >= right || top >= bottom) return;
    const uint32_t pixel = toPixel(brushColour());
    // One row is filled pixel by pixel and copied into the others: the copy moves whole cache
    // lines, which the per-pixel loop of a 1920 x 1080 background does not.
    const std::size_t span = static_cast<std::size_t>(right - left);
    uint32_t* first = pixels_.data() + static_cast<std::ptrdiff_t>(top) * width_ + left;
    std::fill(first, first + span, pixel);
    for (int y = top + 1; y < bottom; ++y)
        std::memcpy(pixels_.data() + static_cast<std::ptrdiff_t>(y) * width_ + left, first, span * sizeof(uint32_t));
}

void RasterSurface::textOut(int x, int y, const std::string& text) {
    if (image_.isNull() || text.empty()) return;
    QImage& target = paintTarget();
    QPainter painter(&target);
    QFont font(QString::fromStdString(fontName()));
    font.setPointSize(std::max(1, fontSize()));
    font.setBold(fontBold());
    // A raster device's text: the font colour and the box colour, no blended edges.
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    const QString s = QString::fromStdString(text);
    const QFontMetrics metrics = painter.fontMetrics();
    if (brushStyle() == BrushStyle::Solid)
        painter.fillRect(x, y, metrics.horizontalAdvance(s), metrics.height(), toQColor(brushColour()));
    painter.setPen(toQColor(fontColour()));
    painter.drawText(x, y + metrics.ascent(), s);
}

void RasterSurface::draw(int x, int y, const RasterSurface& source) {
    if (&source == this && x == 0 && y == 0) return;  // a surface onto itself at its origin is itself
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = static_cast<int>(std::min<int64_t>(int64_t(x) + source.width_, width_));
    const int bottom = static_cast<int>(std::min<int64_t>(int64_t(y) + source.height_, height_));
    if (left >= right || top >= bottom) return;
    const std::size_t rowBytes = static_cast<std::size_t>(right - left) * sizeof(uint32_t);
    // A surface copied onto itself further down is copied bottom-up, so no row is read after it was written.
    const bool upwards = &source == this && y > 0;
    for (int n = 0; n < bottom - top; ++n) {
        const int row = upwards ? bottom - 1 - n : top + n;
        const uint32_t* from = source.pixels_.data() + static_cast<std::ptrdiff_t>(row - y) * source.width_ + (left - x);
        uint32_t* to = pixels_.data() + static_cast<std::ptrdiff_t>(row) * width_ + left;
        std::memmove(to, from, rowBytes);
    }
}

}  // namespace velundia
