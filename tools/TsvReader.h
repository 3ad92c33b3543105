#pragma once
// Reads "headword<TAB>translation[<TAB>details]" lines of UTF-8 text. Blank
// lines are ignored; a line with another shape, or bytes that are not UTF-8,
// is a FileError naming the line. In the details field the two characters
// \n stand for a line break and \\ for one backslash.

#include "SourceEntry.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillet::tool {

std::vector<SourceEntry> parseTsv(std::string_view bytes, const std::string& fileName);

// Throws FileError when the file cannot be read; reads a pipe as it comes.
std::vector<SourceEntry> readTsvFile(const std::filesystem::path& path);

}  // namespace quillet::tool
