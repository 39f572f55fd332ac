#include "app/PageDocking.h"

#include <algorithm>

namespace velundia {

QSize pageClientSize(QSize windowClient) { return windowClient - (DesignWindowSize - DesignPageSize); }

QRect DockArea::top(int height) {
    const int h = std::min(height, std::max(0, free_.height()));
    const QRect taken(free_.left(), free_.top(), free_.width(), h);
    free_.setTop(free_.top() + h);
    return taken;
}

QRect DockArea::bottom(int height) {
    const int h = std::min(height, std::max(0, free_.height()));
    const QRect taken(free_.left(), free_.top() + free_.height() - h, free_.width(), h);
    free_.setHeight(free_.height() - h);
    return taken;
}

QRect DockArea::left(int width) {
    const int w = std::min(width, std::max(0, free_.width()));
    const QRect taken(free_.left(), free_.top(), w, free_.height());
    free_.setLeft(free_.left() + w);
    return taken;
}

QRect DockArea::right(int width) {
    const int w = std::min(width, std::max(0, free_.width()));
    const QRect taken(free_.left() + free_.width() - w, free_.top(), w, free_.height());
    free_.setWidth(free_.width() - w);
    return taken;
}

namespace {
QRect local(const QRect& r) { return QRect(QPoint(0, 0), r.size()); }
QRect insideBevel(const QRect& r) {
    return local(r).adjusted(InnerBevelWidth, InnerBevelWidth, -InnerBevelWidth, -InnerBevelWidth);
}
}  // namespace

IcecgDocking dockIcecgPage(QSize pageClient) {
    IcecgDocking d;
    DockArea page(QRect(QPoint(0, 0), pageClient));
    d.Panel1 = page.top(25);
    d.Panel19 = DockArea(local(d.Panel1)).right(392);
    d.Panel2 = page.left(137);
    d.Panel9 = page.client();

    DockArea column(local(d.Panel2));
    d.Panel14 = column.bottom(76);
    d.Panel15 = column.client();
    DockArea leadColumn(local(d.Panel15));
    d.CheckListBox1 = leadColumn.left(73);
    d.ScrollBar2 = leadColumn.left(16);

    DockArea drawing(local(d.Panel9));
    d.Panel11 = drawing.bottom(76);
    d.Panel12 = drawing.right(23);
    d.Panel16 = drawing.client();
    d.PaintBox1 = insideBevel(d.Panel16);

    DockArea strip(local(d.Panel11));
    d.ScrollBarX = strip.bottom(16);
    d.Panel17 = strip.client();
    d.PaintBox3 = insideBevel(d.Panel17);

    DockArea gain(local(d.Panel12));
    d.Panel18 = gain.right(4);
    d.ScrollBarG = gain.right(16);
    return d;
}

}  // namespace velundia
