#include "platform/wayland/OfferText.h"

#include "core/Utf8.h"
#include "core/Windows1252.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtText.h"
#include "platform/wayland/PipeTransfer.h"

#include <algorithm>
#include <memory>
#include <string_view>
#include <utility>

namespace quillet::platform {

namespace {

const std::string kPasswordHint = "x-kde-passwordManagerHint";

bool offers(const std::vector<std::string>& offered, const std::string& type)
{
    return std::find(offered.begin(), offered.end(), type) != offered.end();
}

// Whether `bytes` are UTF-8; a text cut short may end inside a character.
bool isUtf8(std::string_view bytes, bool cut)
{
    for (std::size_t tail = 0; tail <= (cut ? 3 : 0) && tail <= bytes.size(); ++tail)
        if (core::isValidUtf8(bytes.substr(0, bytes.size() - tail)))
            return true;
    return false;
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
        readPipe(fd, kMaxTextBytes, context, [type, done](const QByteArray& bytes, bool whole) {
            // The type that names no charset is UTF-8 where its bytes are,
            // else the Windows code page older programs write (Latin-1 in it).
            const std::string_view all(bytes.constData(), static_cast<std::size_t>(bytes.size()));
            const bool cut = !whole || bytes.size() == kMaxTextBytes;
            if (type == kUndeclaredText && !isUtf8(all, cut))
                return done(core::fromWindows1252(all));
            done(toU16(QString::fromUtf8(bytes)));
        });
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
