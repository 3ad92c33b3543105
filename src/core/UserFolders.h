#pragma once
// Where the program reads its data and writes a user's files.
//
// An installed tree is <prefix>/bin/quillet with its data (page files
// included) in <prefix>/share/quillet/; anything else is a portable copy with
// everything beside the program (on Windows, an installed program too). A
// portable copy in a writable folder keeps the user's files there too, unless
// the Windows setup program installed it (its uninstall.exe lies beside).
// Otherwise, and always for an installed tree, the settings file goes to
// $XDG_CONFIG_HOME/quillet/ and the user dictionary files to
// $XDG_DATA_HOME/quillet/ (on Windows both to %APPDATA%\Quillet\); the
// program's own folders are only read.

#include <filesystem>
#include <functional>

namespace quillet::core {

// Looks up an environment variable; null when it is unset (std::getenv).
using Environment = std::function<const char*(const char* name)>;

// The process's environment, its values in UTF-8 on Windows (where
// std::getenv gives the legacy code page), as paths are made from.
Environment systemEnvironment();
// Whether the program may create and change files in a folder.
using FolderWritable = std::function<bool(const std::filesystem::path& folder)>;

struct UserFolders
{
    std::filesystem::path data;      // page files, catalogue, dictionaries: read only
    std::filesystem::path userData;  // .dcu/.dtu; a catalogue and dictionaries here come first
    std::filesystem::path settings;  // quillet.cfg
    bool perUser = false;            // userData and settings are the user's XDG folders
};

// POSIX: access(W_OK), which asks without creating anything, so a read-only
// folder is never touched. Root passes it everywhere except on read-only
// mounts; an installed tree is recognised by its layout, so root does not
// write there either. Windows has no such question that heeds the folder's
// permissions: a hidden file is created there and deleted at once.
bool folderWritable(const std::filesystem::path& folder);

// Where a user's own files go when they cannot go beside the program.
struct PerUserFolders
{
    std::filesystem::path userData;
    std::filesystem::path settings;
};

// POSIX: the XDG base folders (the variable when it holds an absolute path,
// otherwise $HOME/.local/share and $HOME/.config, the user database's home
// when HOME is not absolute either), each with quillet/ added. Windows:
// Quillet\ in %APPDATA% (the system's roaming application data folder when
// the variable is not an absolute path).
PerUserFolders perUserFolders(const Environment& environment);

UserFolders chooseUserFolders(const std::filesystem::path& programFolder,
                              const Environment& environment, const FolderWritable& writable);

// Creates `folder` and its missing parents, those it creates private to the
// user (mode 700). True when the folder exists afterwards.
bool makeUserFolder(const std::filesystem::path& folder);

enum class FolderState { Ready, CannotCreate, NotPrivate };

// Makes the folder as makeUserFolder does. A per-user folder must also be the
// user's own and closed to others' writes, or another user could swap the
// files in it; a portable copy's folder is whatever its medium gives.
FolderState prepareUserFolder(const std::filesystem::path& folder, bool perUser);

}  // namespace quillet::core
