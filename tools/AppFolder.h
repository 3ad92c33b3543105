#pragma once
// The lookup and translate commands work on one catalogue row of an
// application folder, opened as the program opens its active dictionary.

#include "core/SharedState.h"
#include "dictionary/DictionaryFiles.h"

#include <filesystem>
#include <string>

namespace quillet::tool {

// A ROW argument, 0 to 50; anything else is a UsageError.
int parseRowArgument(const std::string& argument);

// Makes `row` of the folder's catalogue active in `state` and opens its five
// files into `files`, creating none. A missing folder, an unusable catalogue, a
// row the catalogue lacks or a file that is missing or does not open is a
// FileError naming the file.
void openAppFolderRow(const std::filesystem::path& folder, int row, core::SharedState& state,
                      dictionary::DictionaryFiles& files);

}  // namespace quillet::tool
