// Labels cut to their boxes, judged by Qt's own measures of the shown text,
// since the cut points move with the face installed.

#include "platform/ui/DesignFont.h"
#include "platform/ui/FittedLabel.h"

#include <QtTest>

using namespace quillet::platform;

class FittedLabelTest : public QObject
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

QTEST_MAIN(FittedLabelTest)
#include "FittedLabelTest.moc"
