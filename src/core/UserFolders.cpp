#include "core/UserFolders.h"

#include "core/Installation.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <system_error>

namespace quillet::core {

namespace fs = std::filesystem;

bool folderWritable(const fs::path& folder)
{
    return ::access(folder.c_str(), W_OK) == 0;
}

fs::path xdgBaseFolder(const Environment& environment, const char* variable, const char* fallback)
{
    const char* value = environment(variable);
    if (value != nullptr && fs::path(value).is_absolute())
        return value;
    fs::path home;
    if (const char* homeValue = environment("HOME"))
        home = homeValue;
    if (!home.is_absolute()) {
        const passwd* entry = ::getpwuid(::getuid());
        home = entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "/";
    }
    return home / fallback;
}

UserFolders chooseUserFolders(const fs::path& programFolder, const Environment& environment,
                              const FolderWritable& writable)
{
    const fs::path installed = (programFolder / "../share/quillet/").lexically_normal();
    const bool portable = !isPlainFile(installed / kPortuguesePage);
    if (portable && writable(programFolder))
        return {programFolder, programFolder, programFolder};
    return {portable ? programFolder : installed,
            xdgBaseFolder(environment, "XDG_DATA_HOME", ".local/share") / "quillet/",
            xdgBaseFolder(environment, "XDG_CONFIG_HOME", ".config") / "quillet/", true};
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
    struct stat facts;
    if (::stat(folder.c_str(), &facts) != 0)
        return FolderState::CannotCreate;
    const bool own = facts.st_uid == ::geteuid();
    return own && (facts.st_mode & (S_IWGRP | S_IWOTH)) == 0 ? FolderState::Ready
                                                             : FolderState::NotPrivate;
}

}  // namespace quillet::core
