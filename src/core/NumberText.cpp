#include "core/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace quillet::core {
namespace {

bool isBlank(char16_t unit)
{
    return unit == u' ' || unit == u'\t' || unit == u'\r';
}

bool isDigit(char16_t unit)
{
    return unit >= u'0' && unit <= u'9';
}

}  // namespace

std::optional<std::int16_t> parseInt16(std::u16string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    bool negative = false;
    if (begin < end && (text[begin] == u'+' || text[begin] == u'-')) {
        negative = text[begin] == u'-';
        ++begin;
    }

    // Whole part, capped well above 32768 so it cannot overflow.
    constexpr long kCap = 1'000'000;
    long whole = 0;
    bool anyDigit = false;
    std::size_t i = begin;
    for (; i < end && isDigit(text[i]); ++i) {
        anyDigit = true;
        whole = std::min(kCap, whole * 10 + (text[i] - u'0'));
    }

    // Only the first fraction digit and whether any later one is non-zero
    // decide the rounding.
    int firstFraction = 0;
    bool laterNonZero = false;
    if (i < end && text[i] == u'.') {
        ++i;
        const std::size_t fractionBegin = i;
        for (; i < end && isDigit(text[i]); ++i) {
            anyDigit = true;
            if (i == fractionBegin)
                firstFraction = text[i] - u'0';
            else if (text[i] != u'0')
                laterNonZero = true;
        }
    }
    if (!anyDigit || i != end)
        return std::nullopt;

    const bool roundUp = firstFraction > 5 || (firstFraction == 5 && laterNonZero) ||
                         (firstFraction == 5 && whole % 2 == 1);
    const long magnitude = whole + (roundUp ? 1 : 0);
    const long value = negative ? -magnitude : magnitude;
    if (value < INT16_MIN || value > INT16_MAX)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

std::u16string floatText(float value)
{
    if (!std::isfinite(value) || value == 0.0f)
        return u"0";
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (result.ec != std::errc())
        return u"0";
    return std::u16string(buffer, result.ptr);
}

}  // namespace quillet::core
