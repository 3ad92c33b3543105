#pragma once
// The product's title, as the windows, boxes and messages show it.

#include <string_view>

// A macro so that the message table's literals can take it in.
#define QUILLET_PRODUCT_TITLE u"Quillet 2007"

namespace quillet::core {

inline constexpr std::u16string_view kProductTitle = QUILLET_PRODUCT_TITLE;

}  // namespace quillet::core
