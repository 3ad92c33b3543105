#pragma once
// Numbers as the settings file holds them.
//
// A number is: optional blanks (space, tab, CR), an optional "+" or "-",
// decimal digits with at most one "." among them (at least one digit in all),
// optional blanks. Nothing else counts: no exponent, no grouping, no hexadecimal, no
// comma as decimal point. The value is rounded to the nearest whole number,
// halves to the even neighbour, exactly (no binary floating point involved).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillet::core {

// Nothing when `text` is not a number or rounds outside -32768..32767.
std::optional<std::int16_t> parseInt16(std::u16string_view text);

// Shortest decimal text that reads back as `value`: "120" for a whole number,
// "120.5" with a point otherwise, never an exponent. Not-a-number and
// infinities give "0".
std::u16string floatText(float value);

}  // namespace quillet::core
