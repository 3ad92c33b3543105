#pragma once
// The system's side of UserFolders.h, in UserFoldersPosix.cpp and
// UserFoldersWindows.cpp; the functions declared there are defined there too.

#include "core/UserFolders.h"

#include <filesystem>

namespace quillet::core {

// A per-user folder must be the user's own and closed to others' writes.
FolderState checkPrivateFolder(const std::filesystem::path& folder);

}  // namespace quillet::core
