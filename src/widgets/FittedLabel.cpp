#include "widgets/FittedLabel.h"

#include <QPainter>
#include <QStyle>
#include <QTextLayout>

#include <limits>

namespace quillet::widgets {

namespace {

const QChar kEllipsis(0x2026);

// Laid out as QPainter::drawText lays out a label's text, for its line ends.
QList<int> lineEnds(QString text, const QFont& font, int width)
{
    text.replace(u'\r', u' ').replace(u'\n', QChar::LineSeparator);
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QList<int> ends;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        ends.append(line.textStart() + line.textLength());
    }
    layout.endLayout();
    return ends;
}

QString withoutTrailing(QString text, QStringView characters)
{
    while (!text.isEmpty() && (text.back().isSpace() || characters.contains(text.back())))
        text.chop(1);
    return text;
}

}  // namespace

int FittedLabel::drawFlags() const
{
    // QLabel keeps tab expansion in its alignment, which alignment() leaves out.
    return int(alignment()) | Qt::TextExpandTabs | (wordWrap() ? Qt::TextWordWrap : 0);
}

QString FittedLabel::shownText() const
{
    const QString whole = text();
    const QRect box = contentsRect();
    const QFontMetrics metrics = fontMetrics();
    if (wordWrap()) {
        // Measured as drawn, so a shown line is never clipped at the bottom.
        const auto fits = [&](const QString& part) {
            const QRect tall(0, 0, box.width(), std::numeric_limits<int>::max() / 2);
            return metrics.boundingRect(tall, drawFlags(), part).height() <= box.height();
        };
        if (fits(whole))
            return whole;
        // The most lines that fit, by halves: a long note has dozens.
        const QList<int> ends = lineEnds(whole, font(), box.width());
        const auto lines = [&](qsizetype count) {
            return count == 0 ? QString() : withoutTrailing(whole.left(ends[count - 1]), {});
        };
        qsizetype fitting = 0;
        qsizetype tooMany = ends.size();
        while (tooMany - fitting > 1) {
            const qsizetype middle = (fitting + tooMany) / 2;
            (fits(lines(middle)) ? fitting : tooMany) = middle;
        }
        return lines(fitting);
    }
    if (metrics.horizontalAdvance(whole) <= box.width())
        return whole;
    QString best;
    for (qsizetype end = 1; end < whole.size(); ++end) {
        if (!whole[end].isSpace() || whole[end - 1].isSpace())
            continue;
        const QString part = withoutTrailing(whole.left(end), u",;:") + kEllipsis;
        if (metrics.horizontalAdvance(part) > box.width())
            break;
        best = part;
    }
    // A first word wider than the box is cut where it must be.
    return best.isEmpty() ? metrics.elidedText(whole, Qt::ElideRight, box.width()) : best;
}

void FittedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    style()->drawItemText(&painter, contentsRect(), drawFlags(), palette(), isEnabled(),
                          shownText(), foregroundRole());
}

}  // namespace quillet::widgets
