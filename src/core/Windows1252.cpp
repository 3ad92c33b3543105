#include "core/Windows1252.h"

#include <array>

namespace quillet::core {
namespace {

// 0x80..0x9F; every other byte has the code point of its own value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

}  // namespace

char16_t decodeWindows1252(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

std::optional<unsigned char> encodeWindows1252(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<unsigned char>(unit);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == unit)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

std::u16string fromWindows1252(std::string_view bytes)
{
    std::u16string text;
    text.reserve(bytes.size());
    for (char byte : bytes) text.push_back(decodeWindows1252(static_cast<unsigned char>(byte)));
    return text;
}

std::optional<std::string> toWindows1252(std::u16string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (char16_t unit : text) {
        auto byte = encodeWindows1252(unit);
        if (!byte)
            return std::nullopt;
        bytes.push_back(static_cast<char>(*byte));
    }
    return bytes;
}

bool isWindows1252(std::u16string_view text)
{
    for (char16_t unit : text)
        if (!encodeWindows1252(unit))
            return false;
    return true;
}

char32_t firstNotInWindows1252(std::u16string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (encodeWindows1252(unit))
            continue;
        const bool pair = unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size() &&
                          text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000;
        if (!pair)
            return unit;
        return 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
    }
    return 0;
}

}  // namespace quillet::core
