#pragma once
// Source entries from a FreeDict dictd database: one entry per index line,
// headword as the index column spells it (lower case, so that the program's
// lower-cased captured text finds it; variants that share one entry each get
// their own). Index lines with the same headword are merged into one entry:
// their senses joined, their details one after the other.

#include "SourceEntry.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillet::tool {

// Throws FileError naming the file at fault.
std::vector<SourceEntry> importDictd(std::string_view indexBytes, const std::string& indexName,
                                     std::string_view data, const std::string& dataName);

std::vector<SourceEntry> importDictdFiles(const std::filesystem::path& indexPath,
                                          const std::filesystem::path& dataPath);

}  // namespace quillet::tool
