#pragma once
// Small text operations with the program's exact rules: trimming removes the
// space character (U+0020) only, never tabs or line breaks, and lower-casing
// is by character code, with no locale.

#include <string>
#include <string_view>

namespace quillet::core {

std::u16string_view trimSpacesView(std::u16string_view text);
std::u16string trimSpaces(std::u16string_view text);

// Correct for every character Windows-1252 holds, and for the other Latin,
// Greek and Cyrillic capitals; any other unit is returned unchanged.
char16_t toLower(char16_t unit);
std::u16string toLower(std::u16string_view text);

// Decimal digits of a whole number, no sign padding or grouping.
std::u16string decimal(long long value);

}  // namespace quillet::core
