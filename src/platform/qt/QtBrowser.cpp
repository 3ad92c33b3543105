#include "platform/qt/QtBrowser.h"

#include "platform/qt/QtText.h"

#include <QDesktopServices>
#include <QUrl>

namespace quillet::platform {

void QtBrowser::open(const std::u16string& address)
{
    QDesktopServices::openUrl(QUrl(toQString(address), QUrl::StrictMode));
}

}  // namespace quillet::platform
