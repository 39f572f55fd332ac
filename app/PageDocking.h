#pragma once

#include <QRect>
#include <QSize>

namespace velundia {

// Window and page sizes of the design: at a client size of 800 x 550 every page's client
// area is 784 x 446, and both grow one for one with the window.
constexpr QSize DesignWindowSize{800, 550};
constexpr QSize DesignPageSize{784, 446};

// Client area of the pages for a main window client of the given size.
QSize pageClientSize(QSize windowClient);

// Controls docked to a side take the whole free width or height on that side, in the order
// they are docked; a client-docked control takes what remains.
class DockArea {
public:
    explicit DockArea(QRect free) : free_(free) {}
    QRect top(int height);
    QRect bottom(int height);
    QRect left(int width);
    QRect right(int width);
    QRect client() const { return free_; }

private:
    QRect free_;
};

// The docking tree of the ICECG page, each rectangle in its parent's client coordinates.
struct IcecgDocking {
    QRect Panel1, Panel19;                               // tool strip and its right part
    QRect Panel2, Panel14, Panel15;                      // left column
    QRect CheckListBox1, ScrollBar2;                     // in Panel15
    QRect Panel9, Panel11, ScrollBarX, Panel17;          // drawing area and its bottom strip
    QRect PaintBox3;                                     // in Panel17, inside its bevel
    QRect Panel12, Panel18, ScrollBarG;                  // global gain bar at the right
    QRect Panel16, PaintBox1;                            // trace box inside Panel16's bevel
};

// Width of the lowered inner bevel of Panel16 and Panel17.
constexpr int InnerBevelWidth = 2;

IcecgDocking dockIcecgPage(QSize pageClient);

}  // namespace velundia
