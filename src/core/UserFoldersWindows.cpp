// UserFolders on Windows.

#include "core/UserFoldersSystem.h"

#include "core/Paths.h"
#include "core/Utf8.h"

#include <windows.h>
// After windows.h, whose types it uses.
#include <shlobj.h>

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <set>
#include <string>

namespace quillet::core {

namespace fs = std::filesystem;

namespace {

fs::path roamingAppData(const Environment& environment)
{
    const char* value = environment("APPDATA");
    if (value != nullptr && pathFromText(value).is_absolute())
        return pathFromText(value);
    PWSTR folder = nullptr;
    fs::path found;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &folder)))
        found = folder;
    ::CoTaskMemFree(folder);
    return found.is_absolute() ? found : fs::path(L"C:\\");
}

}  // namespace

Environment systemEnvironment()
{
    return [](const char* name) -> const char* {
        // Every value given out stays valid for the program's life, so a
        // caller's pointer survives later calls (a set's strings never move).
        static std::mutex guard;
        static std::set<std::string> values;
        const std::wstring wideName(name, name + std::strlen(name));  // names are ASCII
        const wchar_t* wide = ::_wgetenv(wideName.c_str());
        if (wide == nullptr)
            return nullptr;
        const std::lock_guard lock(guard);
        return values.insert(toUtf8(fromPath(fs::path(wide)))).first->c_str();
    };
}

bool folderWritable(const fs::path& folder)
{
    const fs::path probe = folder / (L".quillet-" + std::to_wstring(::GetCurrentProcessId()) +
                                     L"-" + std::to_wstring(::GetTickCount64()) + L".tmp");
    HANDLE handle = ::CreateFileW(
        probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
        FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(handle);
    return true;
}

PerUserFolders perUserFolders(const Environment& environment)
{
    const fs::path folder = roamingAppData(environment) / L"Quillet\\";
    return {folder, folder};
}

// The roaming application data folder is closed to other users by the
// profile's own permissions.
FolderState checkPrivateFolder(const fs::path&)
{
    return FolderState::Ready;
}

}  // namespace quillet::core
