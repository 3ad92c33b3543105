#pragma once

#include <string>
#include <string_view>

namespace quillet::tool {

// `text` as a JSON string literal in UTF-8, quotes included; every control
// character is escaped.
std::string jsonString(std::u16string_view text);

}  // namespace quillet::tool
