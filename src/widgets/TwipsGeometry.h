#pragma once
// Converts design geometry in twips to pixels with a twips-per-pixel factor
// per axis (1440 / logical DPI), halves to even. Left and width use the
// horizontal factor, top and height the vertical.

#include "platform/Twips.h"

#include <QRect>

class QWidget;

namespace quillet::platform {
class Screen;
}

namespace quillet::widgets {

class TwipsGeometry
{
public:
    TwipsGeometry(double factorX, double factorY) : m_factorX(factorX), m_factorY(factorY) {}
    explicit TwipsGeometry(const platform::Screen& screen);

    int x(double twips) const { return platform::twipsToPixels(twips, m_factorX); }
    int y(double twips) const { return platform::twipsToPixels(twips, m_factorY); }

    QRect rect(double left, double top, double width, double height) const
    {
        return QRect(x(left), y(top), x(width), y(height));
    }

    void place(QWidget& control, double left, double top, double width, double height) const;

    double toTwipsX(int pixels) const { return pixels * m_factorX; }
    double toTwipsY(int pixels) const { return pixels * m_factorY; }

private:
    double m_factorX;
    double m_factorY;
};

}  // namespace quillet::widgets
