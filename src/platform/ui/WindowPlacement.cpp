#include "platform/ui/WindowPlacement.h"

#include <QEvent>
#include <QMargins>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace quillet::platform {

namespace {

QMargins frameMargins(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

// Whether the margins are the window manager's finished frame. While it is
// still framing a window, Qt may see the client at the frame's very corner
// and keep that until the next time it asks.
bool knownFrame(const QMargins& margins)
{
    return margins.left() > 0 || margins.top() > 0;
}

// Places the companion's frame by the rule, counting `margins` as its frame.
void placeWith(QWidget& companion, const QWidget& anchor, const QWidget* base, bool matchWidth,
               QMargins margins)
{
    QRect anchorFrame = anchor.frameGeometry();
    if (base && base->frameGeometry().adjusted(0, -1, 0, 1).intersects(anchorFrame))
        anchorFrame |= base->frameGeometry();
    if (matchWidth)
        companion.setFixedWidth(
            std::max(1, anchorFrame.width() - margins.left() - margins.right()));
    const QSize frame = companion.size().grownBy(margins);
    const QScreen* screen = anchor.screen();
    const QPoint topLeft =
        screen ? companionFramePosition(anchorFrame, frame, screen->availableGeometry())
               : QPoint(anchorFrame.left(), anchorFrame.bottom() + 1);
    // The client's place, not move(): move() counts a frame only once Qt
    // knows it.
    companion.setGeometry(QRect(topLeft + QPoint(margins.left(), margins.top()), companion.size()));
}

// Qt learns a window's frame only once the window manager has framed it and
// said so, around the window's first expose, sometimes in steps and without
// an event of its own. For a while after the opening the margins are looked
// at on every move and expose and a few times a second, and each time they
// have changed the companion is placed again by them.
class FrameWatch : public QObject
{
public:
    static constexpr const char* kName = "quilletFrameWatch";
    static constexpr int kLookEveryMilliseconds = 50;
    static constexpr int kLooks = 40;

    FrameWatch(QWidget& companion, const QWidget& anchor, const QWidget* base, bool matchWidth,
               QMargins guess)
        : QObject(&companion),
          m_companion(companion),
          m_anchor(&anchor),
          m_base(base),
          m_matchWidth(matchWidth),
          m_placedBy(guess)
    {
        setObjectName(QLatin1String(kName));
        companion.installEventFilter(this);
        watchWindow();
        m_timer.callOnTimeout(this, [this] {
            look();
            if (++m_looks < kLooks)
                return;
            m_timer.stop();
            setObjectName(QString());  // not the watch the next placement replaces
            deleteLater();
        });
        m_timer.start(kLookEveryMilliseconds);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_companion && event->type() == QEvent::Show)
            watchWindow();
        if (event->type() == QEvent::Expose || event->type() == QEvent::Move)
            look();
        return false;
    }

private:
    void look()
    {
        if (!m_companion.isVisible() || !m_anchor)
            return;
        const QMargins margins = frameMargins(m_companion);
        if (knownFrame(margins) && margins != m_placedBy) {
            m_placedBy = margins;
            placeWith(m_companion, *m_anchor, m_base, m_matchWidth, margins);
        }
    }

    // The native window exists only from the first show on.
    void watchWindow()
    {
        if (QWindow* window = m_companion.windowHandle())
            window->installEventFilter(this);
    }

    QWidget& m_companion;
    QPointer<const QWidget> m_anchor;
    QPointer<const QWidget> m_base;
    bool m_matchWidth;
    QMargins m_placedBy;
    QTimer m_timer;
    int m_looks = 0;
};

void place(QWidget& companion, const QWidget& anchor, const QWidget* base, bool matchWidth)
{
    delete companion.findChild<QObject*>(QLatin1String(FrameWatch::kName),
                                         Qt::FindDirectChildrenOnly);
    QMargins margins = frameMargins(companion);
    const bool framed = knownFrame(margins);
    if (!framed)
        margins = frameMargins(anchor);
    placeWith(companion, anchor, base, matchWidth, margins);
    if (!framed)
        new FrameWatch(companion, anchor, base, matchWidth, margins);
}

}  // namespace

QPoint companionFramePosition(const QRect& anchorFrame, const QSize& companionFrame,
                              const QRect& screen)
{
    const int below = anchorFrame.bottom() + 1;
    const int above = anchorFrame.top() - companionFrame.height();
    int top = below;
    if (below + companionFrame.height() - 1 > screen.bottom()) {
        if (above >= screen.top())
            top = above;
        else if (anchorFrame.top() - screen.top() > screen.bottom() - anchorFrame.bottom())
            top = screen.top();
    }
    const int left = std::max(
        screen.left(), std::min(anchorFrame.left(), screen.right() + 1 - companionFrame.width()));
    return {left, top};
}

void placeUnder(QWidget& companion, const QWidget& anchor, const QWidget* base)
{
    place(companion, anchor, base, false);
}

void placeUnderAsWide(QWidget& companion, const QWidget& anchor)
{
    place(companion, anchor, nullptr, true);
}

}  // namespace quillet::platform
