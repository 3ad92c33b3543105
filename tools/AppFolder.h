#pragma once
// The lookup and translate commands work on one catalogue row of an
// application folder, opened as the program opens its active dictionary.

#include "core/SharedState.h"
#include "dictionary/DictionaryFiles.h"

#include <filesystem>
#include <ostream>
#include <string>

namespace quillet::tool {

// A ROW argument, 0 to 50; anything else is a UsageError.
int parseRowArgument(const std::string& argument);

// Makes `row` of the catalogue active in `state` and opens its five files
// into `files`, creating and changing none, as the program would with
// `folder` as its data folder: the user's files, and a catalogue and
// dictionaries the user added, come from the user's data folder when the
// program keeps them there ($XDG_DATA_HOME/quillet/ for an installed tree or a
// read-only folder), else from `folder`. A missing user file holds no entries.
// A user catalogue without a usable line is reported on `err` and the
// folder's is read. A missing folder, an unusable catalogue, a row the
// catalogue lacks, a dictionary file that is missing or any file that does not
// open is a FileError naming the file.
void openAppFolderRow(const std::filesystem::path& folder, int row, core::SharedState& state,
                      dictionary::DictionaryFiles& files, std::ostream& err);

}  // namespace quillet::tool
