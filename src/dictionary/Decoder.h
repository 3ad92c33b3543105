#pragma once
// Decoding of encoded fields. Both functions are pure and never fail: a
// selector that names no table decodes by identity, and a character outside
// the chosen table passes through unchanged. Constant time per character.

#include <string>
#include <string_view>

namespace quillet::dictionary {

// Fields of 2 characters or fewer decode to the empty text: a selector plus a
// single character cannot hold a one-character text.
std::u16string DecodeField(std::u16string_view stored);

char16_t DecodeChar(char16_t c, char16_t selector);

// DecodeField of the Windows-1252 bytes `stored`, without building the text.
std::u16string decodeFieldBytes(std::string_view stored);

// True when DecodeField of the Windows-1252 bytes `stored`, with leading and
// trailing spaces removed, equals `trimmedWord`. Allocates nothing.
bool decodedFieldEquals(std::string_view stored, std::u16string_view trimmedWord);

}  // namespace quillet::dictionary
