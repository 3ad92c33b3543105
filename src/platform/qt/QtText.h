#pragma once
// Conversions between the engine's UTF-16 text and Qt's. Both are UTF-16, so
// no unit changes on the way.

#include <QString>
#include <string>
#include <string_view>

namespace quillet::platform {

inline QString toQString(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

inline std::u16string toU16(const QString& text)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                          static_cast<std::size_t>(text.size()));
}

}  // namespace quillet::platform
