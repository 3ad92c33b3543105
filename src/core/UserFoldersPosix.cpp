// UserFolders on POSIX systems.

#include "core/UserFoldersSystem.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace quillet::core {

namespace fs = std::filesystem;

namespace {

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

}  // namespace

Environment systemEnvironment()
{
    return [](const char* name) { return std::getenv(name); };
}

bool folderWritable(const fs::path& folder)
{
    return ::access(folder.c_str(), W_OK) == 0;
}

PerUserFolders perUserFolders(const Environment& environment)
{
    return {xdgBaseFolder(environment, "XDG_DATA_HOME", ".local/share") / "quillet/",
            xdgBaseFolder(environment, "XDG_CONFIG_HOME", ".config") / "quillet/"};
}

FolderState checkPrivateFolder(const fs::path& folder)
{
    struct stat facts;
    if (::stat(folder.c_str(), &facts) != 0)
        return FolderState::CannotCreate;
    const bool own = facts.st_uid == ::geteuid();
    return own && (facts.st_mode & (S_IWGRP | S_IWOTH)) == 0 ? FolderState::Ready
                                                             : FolderState::NotPrivate;
}

}  // namespace quillet::core
