#include "dictionary/Encoder.h"

#include "dictionary/CipherTables.h"

namespace quillet::dictionary {

namespace {

bool tableHoldsAnyOf(std::u16string_view table, std::u16string_view plain)
{
    for (const char16_t c : plain)
        if (kPlainAlphabet.find(c) == std::u16string_view::npos &&
            table.find(c) != std::u16string_view::npos)
            return true;
    return false;
}

}  // namespace

EncodeError encodeField(std::u16string_view plain, std::u16string& stored)
{
    if (plain.empty()) {
        stored.clear();
        return EncodeError::None;
    }
    if (plain.size() == 1)
        return EncodeError::SingleCharacter;
    std::u16string result;
    result.reserve(plain.size() + 1);
    std::u16string_view table = kPlainAlphabet;
    char16_t selector = kIdentitySelector;
    for (std::size_t t = 0; t < kTableCount; ++t) {
        if (!tableHoldsAnyOf(kCipherTables[t], plain)) {
            table = kCipherTables[t];
            selector = kSelectors[t];
            break;
        }
    }
    result.push_back(selector);
    for (const char16_t c : plain) {
        const auto k = kPlainAlphabet.find(c);
        result.push_back(k == std::u16string_view::npos ? c : table[k]);
    }
    stored = std::move(result);
    return EncodeError::None;
}

}  // namespace quillet::dictionary
