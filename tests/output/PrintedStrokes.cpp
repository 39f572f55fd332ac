#include "tests/output/PrintedStrokes.h"

namespace velundia::testing {

std::vector<int> Stroke::ys() const {
    std::vector<int> out{start.y};
    for (const Point& p : ends) out.push_back(p.y);
    return out;
}

std::vector<Stroke> strokesOf(const RecordingCanvas& page) {
    std::vector<Stroke> out;
    for (const RecordingCanvas::Call& c : page.calls()) {
        if (c.op == RecordingCanvas::Op::MoveTo) {
            out.push_back(Stroke{{c.x, c.y}, {}, {}});
        } else if (c.op == RecordingCanvas::Op::LineTo && !out.empty()) {
            out.back().ends.push_back({c.x, c.y});
            out.back().penWidths.push_back(c.penWidth);
        }
    }
    return out;
}

}  // namespace velundia::testing
