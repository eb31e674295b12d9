// Where a window opened in place of another goes: over all of it. Without a
// window manager nothing but their contents tells two windows apart, so an
// edge of the window behind showing along a smaller or shifted window reads
// as a strip of that window. Qt's own placement shifts a dialog up and left
// by a title bar it guesses when there is none, which uncovers the bottom of
// the window behind.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace corvane::widgets {

// Where a window `size` large (its frame included) starts: centred on
// `behind`, moved back onto `screen` where it would leave it, and starting at
// the screen's edge where it is larger than the screen. A window at least as
// large as `behind` covers it whenever `behind` lies on the screen.
QPoint coveringPosition(const QRect& behind, const QSize& size, const QRect& screen);

// Before `window` is shown: makes it at least as large as the window of its
// parent and places it over that window, its frame as large as the one
// behind has. Does nothing for a window without a shown parent.
void coverParentWindow(QWidget& window);

}  // namespace corvane::widgets
