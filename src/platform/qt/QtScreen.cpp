#include "platform/qt/QtScreen.h"

#include <QGuiApplication>
#include <QScreen>

namespace quillet::platform {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kFallbackDpi = 96.0;

// Without a screen (or with a nonsense density) the program still lays out
// its windows as on an ordinary 96 DPI screen.
double twipsPerPixel(double dpi)
{
    return kTwipsPerInch / (dpi > 0.0 ? dpi : kFallbackDpi);
}

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
