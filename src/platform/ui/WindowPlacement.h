#pragma once
// Where a companion window opens: under the window it belongs to (its
// anchor), by outer frames, so that no caption ever lies over the anchor.
// A companion that would leave the screen at the bottom opens above the
// anchor instead, and one that would leave it at the right moves left.

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace quillet::platform {

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

}  // namespace quillet::platform
