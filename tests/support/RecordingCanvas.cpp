#include "tests/support/RecordingCanvas.h"

namespace velundia::testing {

RecordingCanvas::Call RecordingCanvas::makeCall(Op op, int x, int y) const {
    Call c;
    c.op = op;
    c.x = x;
    c.y = y;
    c.penWidth = penWidth();
    c.penColour = penColour();
    c.fontName = fontName();
    c.fontSize = fontSize();
    return c;
}

void RecordingCanvas::moveTo(int x, int y) {
    calls_.push_back(makeCall(Op::MoveTo, x, y));
    Canvas::moveTo(x, y);
}

void RecordingCanvas::lineTo(int x, int y) {
    Call c = makeCall(Op::LineTo, x, y);
    c.x2 = current_.x;
    c.y2 = current_.y;
    calls_.push_back(c);
    current_ = {x, y};
}

void RecordingCanvas::fillRect(int left, int top, int right, int bottom) {
    Call c = makeCall(Op::FillRect, left, top);
    c.x2 = right;
    c.y2 = bottom;
    calls_.push_back(c);
}

void RecordingCanvas::textOut(int x, int y, const std::string& text) {
    Call c = makeCall(Op::TextOut, x, y);
    c.text = text;
    calls_.push_back(c);
}

void RecordingCanvas::draw(int x, int y, const RasterSurface&) { calls_.push_back(makeCall(Op::Draw, x, y)); }

std::vector<RecordingCanvas::Call> RecordingCanvas::callsOf(Op op) const {
    std::vector<Call> out;
    for (const Call& c : calls_)
        if (c.op == op) out.push_back(c);
    return out;
}

}  // namespace velundia::testing
