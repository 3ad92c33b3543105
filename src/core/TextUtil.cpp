#include "core/TextUtil.h"

namespace quillet::core {

std::u16string_view trimSpacesView(std::u16string_view text)
{
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos)
        return {};
    const auto last = text.find_last_not_of(u' ');
    return text.substr(first, last - first + 1);
}

std::u16string trimSpaces(std::u16string_view text)
{
    return std::u16string(trimSpacesView(text));
}

char16_t toLower(char16_t c)
{
    if (c < 0x80)
        return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 0x20) : c;
    // Latin-1 capitals, except the multiplication sign.
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return static_cast<char16_t>(c + 0x20);
    // Latin Extended-A: capitals at even positions up to U+0137, at odd ones
    // from U+0139 to U+0148, at even ones again from U+014A to U+0177.
    if (c >= 0x0100 && c <= 0x0137 && c != 0x0130)
        return (c % 2 == 0) ? static_cast<char16_t>(c + 1) : c;
    if (c == 0x0130)
        return u'i';
    if (c >= 0x0139 && c <= 0x0148)
        return (c % 2 == 1) ? static_cast<char16_t>(c + 1) : c;
    if (c >= 0x014A && c <= 0x0177)
        return (c % 2 == 0) ? static_cast<char16_t>(c + 1) : c;
    if (c == 0x0178)
        return 0x00FF;
    if (c == 0x0179 || c == 0x017B || c == 0x017D)
        return static_cast<char16_t>(c + 1);
    // Greek and Cyrillic capitals.
    if (c == 0x0386)
        return 0x03AC;
    if (c >= 0x0388 && c <= 0x038A)
        return static_cast<char16_t>(c + 0x25);
    if (c >= 0x0391 && c <= 0x03AB && c != 0x03A2)
        return static_cast<char16_t>(c + 0x20);
    if (c >= 0x0400 && c <= 0x040F)
        return static_cast<char16_t>(c + 0x50);
    if (c >= 0x0410 && c <= 0x042F)
        return static_cast<char16_t>(c + 0x20);
    return c;
}

std::u16string toLower(std::u16string_view text)
{
    std::u16string lower(text);
    for (auto& unit : lower) unit = toLower(unit);
    return lower;
}

std::u16string decimal(long long value)
{
    const auto digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace quillet::core
