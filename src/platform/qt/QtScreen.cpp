#include "platform/qt/QtScreen.h"

#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace quillet::platform {

int QtScreen::widthPixels() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size().width() : 1024;
}

int QtScreen::heightPixels() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size().height() : 768;
}

// Without a screen the resolution is unknown, and the windows are laid out as
// on an ordinary one.
double QtScreen::twipsPerPixelX() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return twipsPerPixel(screen ? screen->logicalDotsPerInchX() : 0.0);
}

double QtScreen::twipsPerPixelY() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return twipsPerPixel(screen ? screen->logicalDotsPerInchY() : 0.0);
}

}  // namespace quillet::platform
