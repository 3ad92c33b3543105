#pragma once
// A label whose box is fixed by design and may be too small for its text.
// text() stays whole; the label draws only what fits: with word wrap, the
// lines down to the last one that fits whole; without, the words up to the
// last one that fits, followed by "…".

#include <QLabel>

namespace quillet::widgets {

class FittedLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

    // What the label draws for its text, font and box.
    QString shownText() const;
    bool isCut() const { return shownText() != text(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int drawFlags() const;
};

}  // namespace quillet::widgets
