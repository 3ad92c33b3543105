// The window geometry helpers, worked by hand: twips to pixels, where a
// companion's frame opens beside its anchor's frame and where the bar's frame
// opens (on fake screens: a bare 1280 x 1024 one, a 640 x 300 one and one
// right of it whose top 30 pixels hold a panel, then a first opening on the
// offscreen platform, whose windows have frames), and labels cut to their boxes, judged by Qt's own
// measures of the shown text, since the cut points move with the face installed.

#include "widgets/DesignFont.h"
#include "widgets/FittedLabel.h"
#include "widgets/TwipsGeometry.h"
#include "widgets/WindowPlacement.h"

#include <QWidget>
#include <QtTest>

#include <tuple>

using namespace quillet::platform;
using namespace quillet::widgets;

class WindowGeometryTest : public QObject
{
    Q_OBJECT
    const QFontMetrics m_metrics{designFont()};
    int advance(const QString& text) const { return m_metrics.horizontalAdvance(text); }
    // The text up to the end of the first word that ends after `from`.
    static QString throughNextWord(const QString& text, qsizetype from)
    {
        static const QRegularExpression end(u"\\w\\b"_qs,
                                            QRegularExpression::UseUnicodePropertiesOption);
        return text.left(text.indexOf(end, from) + 1);
    }

private slots:
    // Halves to even, the factor of each axis.
    void twipsConvertWithHalvesToEven()
    {
        // Twips, twips per pixel, pixels.
        const std::tuple<double, double, int> rows[] = {
            {6950, 15, 463}, {22.5, 15, 2},   {37.5, 15, 2},   {52.5, 15, 4}, {37.6, 15, 3},
            {22.4, 15, 1},   {1440, 12, 120}, {-37.5, 15, -2}, {1440, 0, 0},  {1440, -15, 0},
        };
        for (const auto& [twips, factor, pixels] : rows)
            QCOMPARE(twipsToPixels(twips, factor), pixels);
        QCOMPARE(twipsPerPixel(96.0), 15.0);
        QCOMPARE(twipsPerPixel(144.0), 10.0);
        QCOMPARE(twipsPerPixel(0.0), 15.0);
        // Left and width across, top and height down.
        QCOMPARE(TwipsGeometry(15.0, 12.0).rect(150, 120, 300, 240), QRect(10, 10, 20, 20));
    }
    void belowAboveOrMovedLeftToStayOnTheScreen()
    {
        const QRect wide(0, 0, 1280, 1024);
        const QRect small(0, 0, 640, 300);
        const QRect beside(1280, 30, 1024, 738);
        // The anchor's frame, the companion's frame size, the screen, where the
        // companion's frame goes.
        const std::tuple<QRect, QSize, QRect, QPoint> rows[] = {
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
        for (const auto& [anchor, companion, screen, frameTopLeft] : rows)
            QCOMPARE(companionFramePosition(anchor, companion, screen), frameTopLeft);
    }

    // The bar's frame where it was left, or as near as keeps it wholly on a
    // screen: the one holding the point, else the nearest.
    void wantedOrNearestWhollyOnAScreen()
    {
        const QRect wide(0, 0, 1280, 1024), beside(1280, 30, 1024, 738);
        const QList<QRect> two{wide, beside};
        // Where the frame is wanted, its size, the screens, where it goes.
        const std::tuple<QPoint, QSize, QList<QRect>, QPoint> rows[] = {
            {{60, 40}, {532, 49}, two, {60, 40}},
            {{748, 975}, {532, 49}, two, {748, 975}},
            {{749, 976}, {532, 49}, two, {748, 975}},
            // 200% on a 1280 x 800 screen: a saved left of 299 is 173 after the
            // settings' own limit, and the bar 532 wide.
            {{173, 300}, {532, 38}, {{0, 0, 640, 400}}, {108, 300}},
            {{-50, -20}, {532, 49}, two, {0, 0}},
            {{2000, 40}, {532, 49}, two, {1772, 40}},
            {{1300, 10}, {532, 49}, two, {1300, 30}},
            // A second screen gone.
            {{2000, 500}, {532, 49}, {wide}, {748, 500}},
            // Larger than the screen: the top-left on it.
            {{100, 250}, {700, 100}, {{0, 0, 640, 300}}, {0, 200}},
            {{100, 250}, {532, 49}, {}, {100, 250}},
        };
        for (const auto& [wanted, frame, screens, frameTopLeft] : rows)
            QCOMPARE(framePositionOnScreens(wanted, frame, screens), frameTopLeft);
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
    // One line: the words that fit and "…"; the next word would not fit.
    void oneLineEndsWithTheLastWordThatFits()
    {
        const QString text = u"atirar, disparar, arremessar, lançar com força, chutar"_qs;
        FittedLabel label(text);
        label.setFont(designFont());
        for (int width : {advance(text), advance(text) - 1, advance(u"atirar, disparar…"_qs),
                          advance(u"atirar, disparar, arremessar…"_qs) - 1,
                          advance(u"atirar, disparar, arremessar, lançar…"_qs),
                          advance(u"atirar…"_qs), advance(u"atir"_qs)}) {
            label.resize(width, 20);
            const QString shown = label.shownText();
            const QString kept = shown.chopped(1);
            QCOMPARE(label.isCut(), width < advance(text));
            QVERIFY(label.isCut()
                        ? shown.endsWith(u'…') && text.startsWith(kept) && advance(shown) <= width
                        : shown == text);
            // Only a first word wider than the box is cut inside.
            if (label.isCut() && width >= advance(u"atirar…"_qs))
                QVERIFY(!text[kept.size()].isLetter() &&
                        advance(throughNextWord(text, kept.size()) + u'…') > width);
        }
    }

    // Wrapped: no line shown in part, and one more word would need a line too
    // many.
    void wrappedTextEndsAtTheLastWholeLineThatFits()
    {
        const QString note =
            u"act <s>\n1. ato, ação\n2. façanha, feito, obra\n3. auto, escritura\n4. "
            "agir\n5. atuar, representar um papel, fingir, comportar-se como quem "
            "não sabe"_qs;
        FittedLabel label(note);
        label.setFont(designFont());
        label.setWordWrap(true);
        const auto height = [&](const QString& part) {
            return m_metrics.boundingRect({0, 0, label.width(), 1 << 20}, Qt::TextWordWrap, part)
                .height();
        };
        const std::pair<int, double> widthAndLines[] = {{505, 4.8}, {505, 5.5}, {505, 7.5},
                                                        {180, 5.5}, {120, 9.9}, {505, 0.6}};
        for (const auto& [width, lines] : widthAndLines) {
            label.resize(width, int(lines * m_metrics.lineSpacing()));
            const QString shown = label.shownText();
            QCOMPARE(label.isCut(), height(note) > label.height());
            QVERIFY(note.startsWith(shown) && (shown.isEmpty() || height(shown) <= label.height()));
            if (label.isCut())
                QVERIFY(height(throughNextWord(note, shown.size())) > label.height());
        }
    }
};

QTEST_MAIN(WindowGeometryTest)
#include "WindowGeometryTest.moc"
