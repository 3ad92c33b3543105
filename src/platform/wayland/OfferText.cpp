#include "platform/wayland/OfferText.h"

#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtText.h"
#include "platform/wayland/PipeTransfer.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace quillet::platform {

namespace {

const std::string kPasswordHint = "x-kde-passwordManagerHint";

bool offers(const std::vector<std::string>& offered, const std::string& type)
{
    return std::find(offered.begin(), offered.end(), type) != offered.end();
}

}  // namespace

std::string chooseTextType(const std::vector<std::string>& offered)
{
    for (const std::string& type : kTextTypes)
        if (offers(offered, type))
            return type;
    return {};
}

void readOfferText(const std::vector<std::string>& offered, const ReceiveType& receive,
                   QObject* context, std::function<void(const std::u16string& text)> done)
{
    const std::string type = chooseTextType(offered);
    const auto readText = [type, receive, context, done] {
        const int fd = type.empty() ? -1 : receive(type);
        if (fd < 0)
            return done({});
        readPipe(fd, kMaxTextBytes, context,
                 [done](const QByteArray& bytes, bool) { done(toU16(QString::fromUtf8(bytes))); });
    };
    if (!offers(offered, kPasswordHint))
        return readText();
    const int fd = receive(kPasswordHint);
    if (fd < 0)
        return done({});
    // A mark that cannot be read whole might be "secret".
    readPipe(fd, 64, context, [readText, done](const QByteArray& hint, bool whole) {
        if (!whole || QtClipboard::isSecretMark(hint))
            return done({});
        readText();
    });
}

}  // namespace quillet::platform
