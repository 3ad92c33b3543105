#include "platform/qt/QtScreen.h"

#include "platform/ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace quillet::platform {

namespace {

// Without a screen the program still lays out its windows as on an ordinary
// 96 DPI screen.
constexpr double kFallbackDpi = 96.0;

}  // namespace

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

double QtScreen::twipsPerPixelX() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return twipsPerPixel(screen ? screen->logicalDotsPerInchX() : kFallbackDpi);
}

double QtScreen::twipsPerPixelY() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return twipsPerPixel(screen ? screen->logicalDotsPerInchY() : kFallbackDpi);
}

}  // namespace quillet::platform
