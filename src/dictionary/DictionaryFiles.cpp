#include "dictionary/DictionaryFiles.h"

#include "core/Paths.h"

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
                                               std::u16string_view stem)
{
    close();
    std::vector<OpenFailure> failures;
    for (const FileRole role : kFileRoles) {
        const std::filesystem::path path = dictionaryFilePath(folder, stem, role);
        const bool writable = role == FileRole::User || role == FileRole::UserDetails;
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
