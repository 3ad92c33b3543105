// Where a companion's frame opens beside its anchor's frame, worked by hand
// on fake screens: a bare 1280 x 1024 one, a 640 x 300 one and one right of
// it whose top 30 pixels hold a panel. Then a first opening on the offscreen
// platform, whose windows have frames.

#include "platform/ui/WindowPlacement.h"

#include <QWidget>
#include <QtTest>

using namespace quillet::platform;

class WindowPlacementTest : public QObject
{
    Q_OBJECT
private slots:
    void belowAboveOrMovedLeftToStayOnTheScreen()
    {
        const QRect wide(0, 0, 1280, 1024);
        const QRect small(0, 0, 640, 300);
        const QRect beside(1280, 30, 1024, 738);
        const struct
        {
            QRect anchor;
            QSize companion;
            QRect screen;
            QPoint frameTopLeft;
        } rows[] = {
            // Below, down to the last pixel row; one lower goes above.
            {{60, 40, 532, 49}, {534, 252}, wide, {60, 89}},
            {{60, 723, 532, 49}, {534, 252}, wide, {60, 772}},
            {{60, 724, 532, 49}, {534, 252}, wide, {60, 472}},
            {{61, 820, 532, 49}, {475, 214}, wide, {61, 606}},
            {{1300, 700, 532, 49}, {475, 214}, beside, {1300, 486}},
            // Left as far as the right edge needs.
            {{805, 40, 532, 49}, {475, 214}, wide, {805, 89}},
            {{806, 40, 532, 49}, {475, 214}, wide, {805, 89}},
            {{2000, 40, 532, 49}, {475, 214}, beside, {1829, 89}},
            {{100, 40, 532, 49}, {700, 100}, small, {0, 89}},
            // Above and left at once.
            {{1000, 900, 532, 49}, {475, 214}, wide, {805, 686}},
            // Room on neither side: the roomier one, the top on the screen.
            {{0, 100, 532, 49}, {534, 252}, small, {0, 149}},
            {{0, 200, 532, 49}, {534, 252}, small, {0, 0}},
            {{1300, 429, 532, 49}, {475, 400}, beside, {1300, 30}},
            {{1300, 250, 532, 49}, {475, 600}, beside, {1300, 299}},
        };
        for (const auto& row : rows)
            QCOMPARE(companionFramePosition(row.anchor, row.companion, row.screen),
                     row.frameTopLeft);
    }

    // A window never shown takes its anchor's frame margins as a guess and
    // is put right once framed; a frameless anchor makes the guess wrong.
    void aFirstOpeningIsPutRightOnceFramed()
    {
        QWidget anchor(nullptr, Qt::FramelessWindowHint);
        anchor.setGeometry(100, 100, 300, 30);
        anchor.show();
        QWidget companion;
        companion.resize(200, 100);
        placeUnder(companion, anchor);
        companion.show();
        QTRY_COMPARE(companion.frameGeometry().topLeft(), QPoint(100, 130));
        QVERIFY(companion.frameGeometry() != companion.geometry());
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "WindowPlacementTest.moc"
