#include "core/Installation.h"

#include "core/Messages.h"

namespace quillet::core {

std::u16string normaliseFolder(std::u16string_view folder, char16_t separator)
{
    std::u16string result(folder);
    if (!result.empty() && result.back() == u'\0')
        result.pop_back();
    if (result.empty() || result.back() != separator)
        result.push_back(separator);
    return result;
}

bool checkInstallation(SharedState& state, std::u16string_view dataFolder,
                       const FileExists& fileExists, platform::Dialogs& dialogs, char16_t separator)
{
    state.appFolder = normaliseFolder(dataFolder, separator);
    for (const char16_t* page : {kPortuguesePage, kEnglishPage}) {
        if (!fileExists(state.appFolder + page)) {
            dialogs.showMessage(platform::MessageIcon::Critical, state.messages[kMsgWarningTitle],
                                state.messages[kMsgBadInstallation], platform::MessageButtons::Ok);
            return false;
        }
    }
    return true;
}

}  // namespace quillet::core
