#include "core/UserFolders.h"

#include "core/Installation.h"
#include "core/UserFoldersSystem.h"

#include <system_error>

namespace quillet::core {

namespace fs = std::filesystem;

UserFolders chooseUserFolders(const fs::path& programFolder, const Environment& environment,
                              const FolderWritable& writable)
{
    const fs::path installed = (programFolder / "../share/quillet/").lexically_normal();
    const bool portable = !isPlainFile(installed / kPortuguesePage);
    // The Windows setup program leaves its uninstaller beside the program. A
    // folder it installed into may still be writable (an administrator's,
    // or one the user chose), yet is shared by every user of the machine.
    const bool installedBySetup = isPlainFile(programFolder / "uninstall.exe");
    if (portable && !installedBySetup && writable(programFolder))
        return {programFolder, programFolder, programFolder};
    const PerUserFolders user = perUserFolders(environment);
    return {portable ? programFolder : installed, user.userData, user.settings, true};
}

bool makeUserFolder(const fs::path& folder)
{
    std::error_code error;
    if (fs::is_directory(folder, error))
        return true;
    const fs::path parent = folder.parent_path();
    if (parent != folder && !parent.empty() && !makeUserFolder(parent))
        return false;
    if (fs::create_directory(folder, error))
        fs::permissions(folder, fs::perms::owner_all, error);
    return fs::is_directory(folder, error);
}

FolderState prepareUserFolder(const fs::path& folder, bool perUser)
{
    if (!makeUserFolder(folder))
        return FolderState::CannotCreate;
    if (!perUser)
        return FolderState::Ready;
    return checkPrivateFolder(folder);
}

}  // namespace quillet::core
