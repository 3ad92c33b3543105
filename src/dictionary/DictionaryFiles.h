#pragma once
// The five files of one dictionary, named folder + stem + extension. They are
// opened and closed as a set; a missing file is created empty. Files that did
// open stay usable when another of the set failed. The main, index and details
// files are opened in the read-only mode given at construction, the user files
// write-through; the user's two files may live in another folder than the
// three read-only ones.

#include "dictionary/IndexTable.h"
#include "dictionary/RecordFile.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillet::dictionary {

enum class FileRole { Main, Index, Details, User, UserDetails };

// Every role, in the order a set is opened.
inline constexpr std::array<FileRole, 5> kFileRoles = {
    FileRole::Main, FileRole::Index, FileRole::Details, FileRole::User, FileRole::UserDetails};

// ".qlc", ".ind", ".pdt", ".dcu", ".dtu".
std::u16string_view extensionOf(FileRole role);

// folder / (stem + the role's extension).
std::filesystem::path dictionaryFilePath(const std::filesystem::path& folder,
                                         std::u16string_view stem, FileRole role);

struct OpenFailure
{
    FileRole role;
    std::filesystem::path path;
    std::string reason;
    FileReadStatus status = FileReadStatus::Failed;
};

inline bool isUserRole(FileRole role)
{
    return role == FileRole::User || role == FileRole::UserDetails;
}

class DictionaryFiles
{
public:
    explicit DictionaryFiles(RecordFile::Mode readOnlyMode = RecordFile::Mode::ReadOnly);
    // The index table points at the index file.
    DictionaryFiles(const DictionaryFiles&) = delete;
    DictionaryFiles& operator=(const DictionaryFiles&) = delete;

    // Closes all five, then opens main, index, details, user and user details
    // in that order. Returns the files that could not be opened (none: success).
    std::vector<OpenFailure> open(const std::filesystem::path& folder, std::u16string_view stem)
    {
        return open(folder, folder, stem);
    }
    // The same with the user and user details files in `userFolder`, which
    // is created when missing.
    std::vector<OpenFailure> open(const std::filesystem::path& folder,
                                  const std::filesystem::path& userFolder,
                                  std::u16string_view stem);
    void close();
    // False: the user's files are only read from then on, never made or
    // changed (their folder cannot be trusted or made).
    void setUserFilesWritable(bool writable) { m_userFilesWritable = writable; }
    // Opens again, at its present size, each read-only file that was cut short
    // in place since it was opened or was empty then (it may have been caught
    // between a cut and a rewrite). Cheap when none was: call before a lookup.
    void reopenCutFiles();

    RecordFile& file(FileRole role) { return m_files[static_cast<std::size_t>(role)]; }
    RecordFile& main() { return file(FileRole::Main); }
    RecordFile& index() { return file(FileRole::Index); }
    RecordFile& details() { return file(FileRole::Details); }
    RecordFile& user() { return file(FileRole::User); }
    RecordFile& userDetails() { return file(FileRole::UserDetails); }

    // The block search over the index file, whose order is checked at open.
    const IndexTable& indexTable() const { return m_indexTable; }

private:
    RecordFile::Mode m_readOnlyMode;
    bool m_userFilesWritable = true;
    std::array<RecordFile, 5> m_files;
    IndexTable m_indexTable;
};

}  // namespace quillet::dictionary
