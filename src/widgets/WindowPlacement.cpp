#include "widgets/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <memory>
#include <optional>

namespace quillet::widgets {

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
// have changed the window is placed again by them.
class FrameWatch : public QObject
{
public:
    static constexpr const char* kName = "quilletFrameWatch";
    static constexpr int kLookEveryMilliseconds = 50;
    static constexpr int kLooks = 40;

    FrameWatch(QWidget& window, std::function<void(const QMargins&)> place, QMargins guess)
        : QObject(&window), m_window(window), m_place(std::move(place)), m_placedBy(guess)
    {
        setObjectName(QLatin1String(kName));
        window.installEventFilter(this);
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

    // Places `window` by its frame margins now, a guess when it was never
    // framed, and again once they are known. Replaces a watch still running.
    static void place(QWidget& window, const QMargins& guess,
                      const std::function<void(const QMargins&)>& placeBy)
    {
        delete window.findChild<QObject*>(QLatin1String(kName), Qt::FindDirectChildrenOnly);
        const QMargins margins = frameMargins(window);
        const bool framed = knownFrame(margins);
        placeBy(framed ? margins : guess);
        if (!framed)
            new FrameWatch(window, placeBy, guess);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_window && event->type() == QEvent::Show)
            watchWindow();
        if (event->type() == QEvent::Expose || event->type() == QEvent::Move)
            look();
        return false;
    }

private:
    void look()
    {
        if (!m_window.isVisible())
            return;
        const QMargins margins = frameMargins(m_window);
        if (knownFrame(margins) && margins != m_placedBy) {
            m_placedBy = margins;
            m_place(margins);
        }
    }

    // The native window exists only from the first show on.
    void watchWindow()
    {
        if (QWindow* window = m_window.windowHandle())
            window->installEventFilter(this);
    }

    QWidget& m_window;
    std::function<void(const QMargins&)> m_place;
    QMargins m_placedBy;
    QTimer m_timer;
    int m_looks = 0;
};

void place(QWidget& companion, const QWidget& anchor, const QWidget* base, bool matchWidth)
{
    FrameWatch::place(
        companion, frameMargins(anchor),
        [&companion, anchor = QPointer<const QWidget>(&anchor),
         base = QPointer<const QWidget>(base), matchWidth](const QMargins& margins) {
            if (anchor)
                placeWith(companion, *anchor, base, matchWidth, margins);
        });
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

QPoint framePositionOnScreens(const QPoint& wanted, const QSize& frame, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return wanted;
    // The screen holding the point, or else the one nearest to it.
    const auto distance = [&wanted](const QRect& screen) {
        const int x = std::max({screen.left() - wanted.x(), 0, wanted.x() - screen.right()});
        const int y = std::max({screen.top() - wanted.y(), 0, wanted.y() - screen.bottom()});
        return qint64(x) * x + qint64(y) * y;
    };
    const QRect screen = *std::min_element(
        screens.begin(), screens.end(),
        [&](const QRect& a, const QRect& b) { return distance(a) < distance(b); });
    // A frame larger than the screen keeps its top-left corner, and with it
    // the caption, on the screen.
    return {std::max(screen.left(), std::min(wanted.x(), screen.right() + 1 - frame.width())),
            std::max(screen.top(), std::min(wanted.y(), screen.bottom() + 1 - frame.height()))};
}

void placeOnScreen(QWidget& window, const QPoint& wanted,
                   const std::function<void(const QPoint&)>& placed)
{
    // Once moved away from where this put it, the window stays where it is.
    auto last = std::make_shared<std::optional<QPoint>>();
    FrameWatch::place(window, QMargins(), [&window, wanted, placed, last](const QMargins& margins) {
        if (last->has_value() && window.pos() != **last)
            return;
        QList<QRect> screens;
        for (const QScreen* screen : QGuiApplication::screens())
            screens.append(screen->availableGeometry());
        // At a high-density scale Qt counts the frame in whole pixels of its
        // own, and a border of one screen pixel may come out as none.
        const int slack = window.devicePixelRatioF() > 1.0 ? 1 : 0;
        const QPoint topLeft = framePositionOnScreens(
            wanted, window.size().grownBy(margins + QMargins(slack, slack, slack, slack)), screens);
        // move() places the frame, by the window manager's own account of
        // it once there is one.
        window.move(topLeft);
        *last = topLeft;
        if (placed)
            placed(topLeft);
    });
}

void placeUnder(QWidget& companion, const QWidget& anchor, const QWidget* base)
{
    place(companion, anchor, base, false);
}

void placeUnderAsWide(QWidget& companion, const QWidget& anchor)
{
    place(companion, anchor, nullptr, true);
}

}  // namespace quillet::widgets
