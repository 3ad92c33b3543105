#pragma once
// Encoding of fields for the tools that write main and details files (the
// program itself only decodes). The selector is the first one whose table holds
// none of the text's characters outside the plain alphabet, so that every
// character decodes to itself; when no table qualifies the identity selector
// is used.

#include <string>
#include <string_view>

namespace quillet::dictionary {

enum class EncodeError {
    None,
    // A one-character text cannot be stored: a selector plus one character
    // decodes to the empty text.
    SingleCharacter,
};

// On success `stored` receives the encoded field, and DecodeField(stored) == plain.
// The empty text is stored empty.
EncodeError encodeField(std::u16string_view plain, std::u16string& stored);

}  // namespace quillet::dictionary
