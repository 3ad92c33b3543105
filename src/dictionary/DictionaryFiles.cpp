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
    if (m_userFilesWritable)
        core::makeUserFolder(userFolder);
    const RecordFile::Mode userMode =
        m_userFilesWritable ? RecordFile::Mode::WriteThrough : RecordFile::Mode::UserReadOnly;
    std::vector<OpenFailure> failures;
    for (const FileRole role : kFileRoles) {
        const std::filesystem::path path =
            dictionaryFilePath(isUserRole(role) ? userFolder : folder, stem, role);
        std::string reason;
        if (!file(role).open(path, isUserRole(role) ? userMode : m_readOnlyMode, reason))
            failures.push_back({role, path, reason, file(role).openStatus()});
    }
    m_indexTable.load(index());
    return failures;
}

void DictionaryFiles::reopenCutFiles()
{
    for (const FileRole role : {FileRole::Main, FileRole::Details})
        if (file(role).isStale())
            file(role).refresh();
    if (index().isStale()) {
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
