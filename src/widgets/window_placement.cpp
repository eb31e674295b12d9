#include "widgets/window_placement.h"

#include <algorithm>

#include <QLayout>
#include <QMargins>
#include <QScreen>
#include <QWidget>

namespace corvane::widgets {

namespace {

// Where a span `length` long starts along one axis.
int startAlong(int behindStart, int behindLength, int length, int screenStart, int screenLength) {
    if (length >= screenLength) return screenStart;
    const int centred = behindStart + (behindLength - length) / 2;
    return std::clamp(centred, screenStart, screenStart + screenLength - length);
}

}  // namespace

QPoint coveringPosition(const QRect& behind, const QSize& size, const QRect& screen) {
    return {startAlong(behind.x(), behind.width(), size.width(), screen.x(), screen.width()),
            startAlong(behind.y(), behind.height(), size.height(), screen.y(), screen.height())};
}

void coverParentWindow(QWidget& window) {
    const QWidget* behind = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    if (!behind || !behind->isVisible()) return;
    // The size its layout needs in this language and style, known before it
    // is shown.
    window.ensurePolished();
    if (window.layout()) window.layout()->activate();
    window.resize(window.size().expandedTo(window.minimumSizeHint()).expandedTo(behind->size()));
    // The window manager, if any, gives this window the frame it gave the
    // one behind; a top-level window's position is its frame's.
    const QRect frame = behind->frameGeometry();
    const QRect inside = behind->geometry();
    const QMargins decoration(inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
                              frame.bottom() - inside.bottom());
    const QScreen* screen = behind->screen();
    window.move(
        coveringPosition(frame, window.size().grownBy(decoration), screen ? screen->availableGeometry() : frame));
}

}  // namespace corvane::widgets
