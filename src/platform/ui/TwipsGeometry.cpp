#include "platform/ui/TwipsGeometry.h"

#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quillet::platform {

TwipsGeometry::TwipsGeometry(const Screen& screen)
    : m_factorX(screen.twipsPerPixelX()), m_factorY(screen.twipsPerPixelY())
{
}

TwipsGeometry::TwipsGeometry(const QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen) {
        m_factorX = twipsPerPixel(screen->logicalDotsPerInchX());
        m_factorY = twipsPerPixel(screen->logicalDotsPerInchY());
    }
}

void TwipsGeometry::place(QWidget& control, double left, double top, double width,
                          double height) const
{
    control.setGeometry(rect(left, top, width, height));
}

}  // namespace quillet::platform
