#include "platform/qt/QtBrowser.h"

#include "platform/qt/QtText.h"

#include <QDesktopServices>
#include <QUrl>

namespace quillet::platform {

bool QtBrowser::open(const std::u16string& address)
{
    return QDesktopServices::openUrl(QUrl(toQString(address), QUrl::StrictMode));
}

}  // namespace quillet::platform
