#include "view/Canvas.h"

namespace velundia {

void Canvas::polyline(const Point* points, std::size_t count) {
    if (count == 0) return;
    moveTo(points[0].x, points[0].y);
    for (std::size_t i = 1; i < count; ++i) lineTo(points[i].x, points[i].y);
}

}  // namespace velundia
