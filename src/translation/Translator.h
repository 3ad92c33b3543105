#pragma once
// The translation routine: looks the search text up and, when it is not a
// headword itself, derives candidate base forms by a fixed cascade (trailing
// line break, punctuation, inflection endings, shorter prefixes and
// suffixes). The first form found is the main result; up to four more are
// listed as possibilities; a fifth ends the run.

#include "core/LookupResult.h"
#include "core/SharedState.h"
#include "translation/ResultDisplay.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace quillet::translation {

// Looks one exact word up in the active dictionary, as the dictionary's
// LookupWord does. `wantDetails` asks for the details note too. A lookup that
// throws counts as a word not found.
using WordLookup = std::function<core::LookupResult(std::u16string_view word, bool wantDetails)>;

// English endings for these catalogue rows, Portuguese ones for every other.
bool usesEnglishRules(std::int16_t activeDictionary);

// Runs the whole cascade for `searchText` and returns the text the search box
// shows at the end. `searchText` is rewritten only when it ends in a line
// break (carriage return as second-to-last character, or a last line feed).
std::u16string translateSearchText(std::u16string& searchText, const core::SharedState& state,
                                   const WordLookup& lookup, ResultDisplay& display);

}  // namespace quillet::translation
