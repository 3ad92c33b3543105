#include "dictionary/UserFileReport.h"

#include "core/Messages.h"
#include "core/Paths.h"
#include "platform/Dialogs.h"

#include <algorithm>
#include <string_view>

namespace quillet::dictionary {

namespace {

void warn(platform::Dialogs& dialogs, const core::SharedState& state, int message,
          const std::filesystem::path& path, int reason)
{
    dialogs.showMessage(
        platform::MessageIcon::Exclamation, state.messages[core::kMsgWarningTitle],
        core::fillMessage(state.messages[message], core::fromPath(path), state.messages[reason]),
        platform::MessageButtons::Ok);
}

int reasonFor(core::FileReadStatus status)
{
    switch (status) {
        case core::FileReadStatus::NotRegular:
            return core::kMsgReasonNotRegular;
        case core::FileReadStatus::TooLarge:
            return core::kMsgReasonTooLarge;
        default:
            return core::kMsgReasonCannotCreate;
    }
}

}  // namespace

void reportUserFolder(platform::Dialogs& dialogs, const core::SharedState& state,
                      const std::filesystem::path& folder, core::FolderState folderState)
{
    if (folderState == core::FolderState::Ready)
        return;
    warn(dialogs, state, core::kMsgUserFolderUnusable, folder,
         folderState == core::FolderState::NotPrivate ? core::kMsgReasonNotPrivate
                                                      : core::kMsgReasonCannotCreate);
}

void reportUserFiles(platform::Dialogs& dialogs, const core::SharedState& state,
                     const std::vector<OpenFailure>& failures)
{
    const auto user =
        std::find_if(failures.begin(), failures.end(),
                     [](const OpenFailure& failure) { return isUserRole(failure.role); });
    if (user != failures.end())
        warn(dialogs, state, core::kMsgUserFileUnusable, user->path, reasonFor(user->status));
}

void reportUserCatalogue(platform::Dialogs& dialogs, const core::SharedState& state,
                         const std::filesystem::path& catalogue)
{
    dialogs.showMessage(platform::MessageIcon::Exclamation, state.messages[core::kMsgWarningTitle],
                        core::fillMessage(state.messages[core::kMsgUserCatalogueUnusable],
                                          core::fromPath(catalogue), u""),
                        platform::MessageButtons::Ok);
}

}  // namespace quillet::dictionary
