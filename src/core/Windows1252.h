#pragma once
// The single-byte code page of the dictionary files and the settings file.
// Every one of the 256 bytes decodes to one UTF-16 unit; the five bytes the
// code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the code
// points of the same value, so decoding never fails and encoding reverses it.

#include <optional>
#include <string>
#include <string_view>

namespace quillet::core {

char16_t decodeWindows1252(unsigned char byte);

// The byte for `unit`, or nothing when the code page cannot hold it.
std::optional<unsigned char> encodeWindows1252(char16_t unit);

std::u16string fromWindows1252(std::string_view bytes);

// Nothing when any unit of `text` has no byte in the code page.
std::optional<std::string> toWindows1252(std::u16string_view text);

bool isWindows1252(std::u16string_view text);

// The first character of `text` the code page cannot hold, as a code point (a
// surrogate pair is one character, a lone surrogate its own), or 0 when it
// holds them all.
char32_t firstNotInWindows1252(std::u16string_view text);

}  // namespace quillet::core
