#pragma once

#include "tests/support/RecordingCanvas.h"

#include <vector>

namespace velundia::testing {

// The printed page read back as strokes: each moveTo and the lineTo calls that follow it.
struct Stroke {
    Point start;
    std::vector<Point> ends;  // targets of the lineTo calls, in order
    std::vector<int> penWidths;  // pen width of each lineTo
    std::vector<int> ys() const;
    Point last() const { return ends.empty() ? start : ends.back(); }
};

std::vector<Stroke> strokesOf(const RecordingCanvas& page);

}  // namespace velundia::testing
