#pragma once

#include "interaction/Divider.h"
#include "interaction/Measurement.h"
#include "interaction/Overlay.h"
#include "view/RasterSurface.h"
#include "view/ViewSettings.h"

#include <algorithm>
#include <initializer_list>

namespace velundia::testing {

// A small trace box with its three pictures: the traces (dark green, so a copy is seen),
// the overlay and what the trace box shows (filled with a marker until something is copied).
struct InteractionScene {
    static constexpr int W = 160;
    static constexpr int H = 80;
    static constexpr Colour TraceColour = 0x003000;
    static constexpr Colour ScreenMarker = 0x123456;

    ViewSettings settings;
    RasterSurface trace{W, H};
    RasterSurface overlay{W, H};
    RasterSurface screen{W, H};
    MeasurementList list;

    InteractionScene() {
        trace.setBrushColour(TraceColour);
        trace.fillRect(0, 0, W, H);
        screen.setBrushColour(ScreenMarker);
        screen.fillRect(0, 0, W, H);
    }

    OverlayScene scene() { return OverlayScene{overlay, trace, screen, W, H, settings}; }

    // One pointer event as the window passes it on.
    struct Event {
        enum Kind { Press, Move, Release, Toggle } kind;
        int x = 0;
        int y = 0;
        PointerButton button = PointerButton::Left;
        bool shift = false;
    };
    void play(std::initializer_list<Event> events) {
        for (const Event& e : events) {
            switch (e.kind) {
            case Event::Press: pointerPress(list, e.button, PointerModifiers{e.shift, false}, e.x, e.y, scene()); break;
            case Event::Move: pointerMove(list, e.x, e.y, scene()); break;
            case Event::Release: pointerRelease(list, e.button); break;
            case Event::Toggle: toggleDivider(list, scene()); break;
            }
        }
    }
    static Event press(int x, int y, PointerButton b = PointerButton::Left) { return {Event::Press, x, y, b, false}; }
    static Event shiftPress(int x, int y) { return {Event::Press, x, y, PointerButton::Left, true}; }
    static Event move(int x, int y) { return {Event::Move, x, y}; }
    static Event release(PointerButton b = PointerButton::Left) { return {Event::Release, 0, 0, b, false}; }
    static Event toggle() { return {Event::Toggle}; }

    // Arms the divider and clicks both ends, with a move before each press as a user makes.
    void measure(int xa, int ya, int xb, int yb) {
        play({toggle(), move(xa, ya), press(xa, ya), move(xb, yb), press(xb, yb), move(xb, yb)});
    }

    // Bounding box of the pixels of one colour on a picture, looking only from column `from`
    // on; width 0 when there is none.
    struct Box {
        int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
        int width() const { return right - left; }
    };
    static Box boxOf(const RasterSurface& s, Colour c, int from = 0) {
        Box b{s.width(), s.height(), 0, 0};
        for (int y = 0; y < s.height(); ++y)
            for (int x = from; x < s.width(); ++x)
                if (s.pixel(x, y) == c) {
                    b.left = std::min(b.left, x);
                    b.top = std::min(b.top, y);
                    b.right = std::max(b.right, x + 1);
                    b.bottom = std::max(b.bottom, y + 1);
                }
        if (b.right == 0) return Box{};
        return b;
    }
    static bool samePicture(const RasterSurface& a, const RasterSurface& b) {
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y)) return false;
        return a.width() == b.width() && a.height() == b.height();
    }
};

}  // namespace velundia::testing
