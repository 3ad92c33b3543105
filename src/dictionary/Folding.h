#pragma once
// Text keys of the dictionary files.

#include <string>
#include <string_view>

namespace quillet::dictionary {

// Folds the lower-case accented letters (á à ã â é è ê í ì î ó ò ô õ ú ù û ü ç)
// to their plain letters. Upper-case letters stay as they are, so "Água" keeps
// its "Á". The length never changes.
char16_t foldAccent(char16_t c);
std::u16string foldAccents(std::u16string_view word);

// The key of a details record: the word itself when it has 5 or more
// characters, otherwise the word followed by "xalxa", cut to 5 characters
// ("cat" -> "catxa", "a" -> "axalx").
std::u16string detailsKey(std::u16string_view word);

}  // namespace quillet::dictionary
