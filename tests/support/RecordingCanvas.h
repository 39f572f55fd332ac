#pragma once

#include "view/Canvas.h"

#include <string>
#include <vector>

namespace velundia::testing {

// A canvas that draws nothing and logs every call with the state it was made in,
// for checking printed coordinates exactly.
class RecordingCanvas final : public Canvas {
public:
    enum class Op { MoveTo, LineTo, FillRect, TextOut, Draw };
    struct Call {
        Op op;
        int x = 0, y = 0;        // target point, or left/top
        int x2 = 0, y2 = 0;      // right/bottom of FillRect; start point of LineTo
        std::string text;        // TextOut
        int penWidth = 0;
        Colour penColour = 0;
        std::string fontName;
        int fontSize = 0;
    };

    RecordingCanvas(int width, int height) : width_(width), height_(height) {}

    int width() const override { return width_; }
    int height() const override { return height_; }
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void fillRect(int left, int top, int right, int bottom) override;
    void textOut(int x, int y, const std::string& text) override;
    void draw(int x, int y, const RasterSurface& source) override;

    const std::vector<Call>& calls() const { return calls_; }
    std::vector<Call> callsOf(Op op) const;

private:
    Call makeCall(Op op, int x, int y) const;
    int width_;
    int height_;
    std::vector<Call> calls_;
};

}  // namespace velundia::testing
