#pragma once
// Tells the user, in the interface language, which of their own folders or
// files cannot be used and why. None of these stops the program: the
// installed dictionary still works, only nothing is saved where it failed.
// Each box has the warning title (message 4) and an exclamation icon.

#include "core/OpenFile.h"
#include "core/SharedState.h"
#include "core/UserFolders.h"
#include "dictionary/DictionaryFiles.h"

#include <filesystem>
#include <vector>

namespace quillet::platform {
class Dialogs;
}

namespace quillet::dictionary {

// Message 96 for a folder that is not Ready; nothing for a Ready one.
void reportUserFolder(platform::Dialogs& dialogs, const core::SharedState& state,
                      const std::filesystem::path& folder, core::FolderState folderState);

// Message 97 for the first user file among `failures`; the others are alike.
// Failures of the read-only files are not this report's.
void reportUserFiles(platform::Dialogs& dialogs, const core::SharedState& state,
                     const std::vector<OpenFailure>& failures);

// Message 98: the user's catalogue had no usable line.
void reportUserCatalogue(platform::Dialogs& dialogs, const core::SharedState& state,
                         const std::filesystem::path& catalogue);

}  // namespace quillet::dictionary
