#pragma once
// Converts design geometry in twips to pixels with the factors of the screen
// the program runs on (1440 / logical DPI per axis), halves to even.

#include "platform/Screen.h"
#include "platform/Twips.h"

#include <QRect>
#include <QWidget>

namespace quillet::shell {

class Twips
{
public:
    explicit Twips(const platform::Screen& screen)
        : m_factorX(screen.twipsPerPixelX()), m_factorY(screen.twipsPerPixelY())
    {
    }

    int x(double twips) const { return platform::twipsToPixels(twips, m_factorX); }
    int y(double twips) const { return platform::twipsToPixels(twips, m_factorY); }

    // Left and width use the horizontal factor, top and height the vertical.
    QRect rect(double left, double top, double width, double height) const
    {
        return QRect(x(left), y(top), x(width), y(height));
    }

    void place(QWidget& control, double left, double top, double width, double height) const
    {
        control.setGeometry(rect(left, top, width, height));
    }

    double toTwipsX(int pixels) const { return pixels * m_factorX; }
    double toTwipsY(int pixels) const { return pixels * m_factorY; }

private:
    double m_factorX;
    double m_factorY;
};

}  // namespace quillet::shell
