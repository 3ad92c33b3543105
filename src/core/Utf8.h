#pragma once
// UTF-8 <-> UTF-16 for files, tools and standard streams. Malformed UTF-8 and
// unpaired surrogates become U+FFFD; nothing is dropped silently.

#include <string>
#include <string_view>

namespace quillet::core {

std::u16string fromUtf8(std::string_view bytes);
std::string toUtf8(std::u16string_view text);

// True when `bytes` is well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view bytes);

}  // namespace quillet::core
