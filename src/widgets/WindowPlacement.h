#pragma once
// Where windows open, by their outer frames. A companion window opens under
// the window it belongs to (its anchor), so that no caption ever lies over
// the anchor; one that would leave the screen at the bottom opens above the
// anchor instead, and one that would leave it at the right moves left. The
// main bar opens where the user left it, as near as keeps it wholly on a
// screen.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

class QWidget;

namespace quillet::widgets {

// The companion frame's top-left. Below: top = anchor bottom + 1, left =
// anchor left. When that leaves the bottom of `screen`: bottom = anchor top
// - 1. When neither fits: the side with more room, and on the upper side
// the top stays on the screen so the caption can still be reached. Moved
// left as far as the right edge needs, never past the left edge.
QPoint companionFramePosition(const QRect& anchorFrame, const QSize& companionFrame,
                              const QRect& screen);

// Moves `companion` by the rule above on `anchor`'s screen. `base` is the
// window the anchor itself opened against (the bar, for the toolbar): while
// the two still touch they count as one anchor, so that a companion going
// above the toolbar goes above the bar too. A window that was never framed
// takes the anchor's frame margins as a guess and is placed again once the
// window manager has framed it.
void placeUnder(QWidget& companion, const QWidget& anchor, const QWidget* base = nullptr);
// The same, and the companion's frame becomes as wide as the anchor's.
void placeUnderAsWide(QWidget& companion, const QWidget& anchor);

// The top-left of a frame of size `frame` that is wanted at `wanted`: the
// point itself when the frame fits there on the screen that holds it (on no
// screen: the nearest one), else moved by the least that brings it wholly on
// that screen; a frame larger than the screen keeps its top-left on it.
// `screens`: the screens' usable areas; none: `wanted`.
QPoint framePositionOnScreens(const QPoint& wanted, const QSize& frame,
                              const QList<QRect>& screens);

// Moves `window`'s frame by the rule above on the usable areas of the
// screens Qt knows, and again once the window manager has framed it;
// `placed` hears each position given to the frame.
void placeOnScreen(QWidget& window, const QPoint& wanted,
                   const std::function<void(const QPoint&)>& placed);

}  // namespace quillet::widgets
