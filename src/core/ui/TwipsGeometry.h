#pragma once
// Places controls at positions designed in twips, converted with the logical
// DPI of the screen the window is on (or the primary screen before it shows).

#include "platform/Twips.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace quillet::core::ui {

class TwipsGeometry
{
public:
    explicit TwipsGeometry(const QWidget& window)
    {
        const QScreen* screen =
            window.screen() ? window.screen() : QGuiApplication::primaryScreen();
        if (screen) {
            m_factorX = platform::twipsPerPixel(screen->logicalDotsPerInchX());
            m_factorY = platform::twipsPerPixel(screen->logicalDotsPerInchY());
        }
    }

    int x(double twips) const { return platform::twipsToPixels(twips, m_factorX); }
    int y(double twips) const { return platform::twipsToPixels(twips, m_factorY); }

    QRect rect(double left, double top, double width, double height) const
    {
        return QRect(x(left), y(top), x(width), y(height));
    }

    void place(QWidget& control, double left, double top, double width, double height) const
    {
        control.setGeometry(rect(left, top, width, height));
    }

private:
    double m_factorX = 15.0;
    double m_factorY = 15.0;
};

}  // namespace quillet::core::ui
