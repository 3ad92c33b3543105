#pragma once
// The word lookup: user file first, then the index block of the main file and
// the details file of the open dictionary.

#include "core/LookupResult.h"
#include "core/SharedState.h"
#include "dictionary/DictionaryFiles.h"

#include <string_view>

namespace quillet::dictionary {

// Looks `word` up exactly (case and accents kept; only leading and trailing
// spaces are ignored). The result's translation and details:
//   user entry:  as readUserEntry reads it: its translation; its user note
//                when wantDetails, else empty
//   main entry:  the decoded translation; the details note when wantDetails
//                and present, else the translation
//   not found:   both empty
// Reads state.activeDictionary and the aligned-details flag of its catalogue
// row (the details file is aligned with the main file). An empty word, or one of
// spaces only, is never found.
core::LookupResult LookupWord(DictionaryFiles& files, const core::SharedState& state,
                              std::u16string_view word, bool wantDetails);

}  // namespace quillet::dictionary
