#pragma once
// The start-up check that the data folder holds a complete installation.

#include "core/Paths.h"
#include "core/SharedState.h"
#include "platform/Dialogs.h"

#include <functional>
#include <string>
#include <string_view>

namespace quillet::core {

// The Portuguese and the English page; every installation has both.
inline constexpr char16_t kPortuguesePage[] = u"quillet.htm";
inline constexpr char16_t kEnglishPage[] = u"quillete.htm";

using FileExists = std::function<bool(const std::u16string& path)>;

// Drops one trailing NUL character, then appends `separator` unless the
// folder already ends with it (a root folder stays as it is).
std::u16string normaliseFolder(std::u16string_view folder,
                               char16_t separator = kDirectorySeparator);

// Sets `appFolder` from `dataFolder` and checks for the two page files, in
// order. The first one missing is reported (message 3 titled by message 4,
// critical icon, OK) and the check stops there, so at most one box is shown.
// Returns false when the installation is incomplete; the caller then ends the
// program without writing anything.
bool checkInstallation(SharedState& state, std::u16string_view dataFolder,
                       const FileExists& fileExists, platform::Dialogs& dialogs,
                       char16_t separator = kDirectorySeparator);

}  // namespace quillet::core
