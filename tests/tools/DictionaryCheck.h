#pragma once
// Reads back a built file set and checks it against the entries it was built
// from, independently of the builder: every record decodes back to what it was
// given, the index keys and blocks obey the block rule, and the program's own
// lookup finds every headword.

#include "DictionaryBuilder.h"
#include "SourceEntry.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quillet::tool::testing {

// Adds a GoogleTest failure for every fault. Entries with the same headword
// must keep their source order; a stored text may differ from its source only
// as a note reports (cut: a shorter prefix; padded: one trailing space).
void checkBuiltSet(const std::filesystem::path& folder, const std::string& stem,
                   const std::vector<SourceEntry>& sources, const std::vector<BuildNote>& notes);

}  // namespace quillet::tool::testing
