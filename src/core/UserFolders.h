#pragma once
// Where the program reads its data and writes a user's files.
//
// An installed tree is <prefix>/bin/quillet with its data (page files
// included) in <prefix>/share/quillet/; anything else is a portable copy with
// everything beside the program. A portable copy in a writable folder keeps
// the user's files there too. Otherwise, and always for an installed tree,
// the settings file goes to $XDG_CONFIG_HOME/quillet/ and the user dictionary
// files to $XDG_DATA_HOME/quillet/; the program's own folders are only read.

#include <filesystem>
#include <functional>

namespace quillet::core {

// Looks up an environment variable; null when it is unset (std::getenv).
using Environment = std::function<const char*(const char* name)>;
// Whether the program may create and change files in a folder.
using FolderWritable = std::function<bool(const std::filesystem::path& folder)>;

struct UserFolders
{
    std::filesystem::path data;      // page files, catalogue, dictionaries: read only
    std::filesystem::path userData;  // .dcu/.dtu; a catalogue and dictionaries here come first
    std::filesystem::path settings;  // quillet.cfg
    bool perUser = false;            // userData and settings are the user's XDG folders
};

// access(W_OK): asks without creating anything, so a read-only folder is
// never touched. Root passes it everywhere except on read-only mounts; an
// installed tree is recognised by its layout, so root does not write there
// either.
bool folderWritable(const std::filesystem::path& folder);

// A base folder per the XDG rules: the variable when it holds an absolute
// path, otherwise $HOME/`fallback` (the user database's home when HOME is
// not absolute either).
std::filesystem::path xdgBaseFolder(const Environment& environment, const char* variable,
                                    const char* fallback);

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
