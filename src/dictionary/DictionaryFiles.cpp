#include "dictionary/DictionaryFiles.h"

#include "core/Paths.h"
#include "core/UserFolders.h"

namespace quillet::dictionary {

std::u16string_view extensionOf(FileRole role)
{
    switch (role) {
        case FileRole::Main:
            return u".qlc";
        case FileRole::Index:
            return u".ind";
        case FileRole::Details:
            return u".pdt";
        case FileRole::User:
            return u".dcu";
        case FileRole::UserDetails:
            return u".dtu";
    }
    return u"";
}

std::filesystem::path dictionaryFilePath(const std::filesystem::path& folder,
                                         std::u16string_view stem, FileRole role)
{
    std::u16string name(stem);
    name += extensionOf(role);
    return folder / core::toPath(name);
}

DictionaryFiles::DictionaryFiles(RecordFile::Mode readOnlyMode)
    : m_readOnlyMode(readOnlyMode),
      m_files{RecordFile(kShortRecordLength), RecordFile(kShortRecordLength),
              RecordFile(kLongRecordLength), RecordFile(kShortRecordLength),
              RecordFile(kLongRecordLength)}
{
}

std::vector<OpenFailure> DictionaryFiles::open(const std::filesystem::path& folder,
                                               const std::filesystem::path& userFolder,
                                               std::u16string_view stem)
{
    close();
    core::makeUserFolder(userFolder);
    std::vector<OpenFailure> failures;
    for (const FileRole role : kFileRoles) {
        const bool writable = role == FileRole::User || role == FileRole::UserDetails;
        const std::filesystem::path path =
            dictionaryFilePath(writable ? userFolder : folder, stem, role);
        std::string reason;
        if (!file(role).open(path, writable ? RecordFile::Mode::WriteThrough : m_readOnlyMode,
                             reason))
            failures.push_back({role, path, reason});
    }
    m_indexTable.load(index());
    return failures;
}

void DictionaryFiles::reopenCutFiles()
{
    for (const FileRole role : {FileRole::Main, FileRole::Details})
        if (file(role).wasCut())
            file(role).refresh();
    if (index().wasCut()) {
        index().refresh();
        m_indexTable.load(index());
    }
}

void DictionaryFiles::close()
{
    for (RecordFile& recordFile : m_files) recordFile.close();
    m_indexTable.clear();
}

}  // namespace quillet::dictionary
