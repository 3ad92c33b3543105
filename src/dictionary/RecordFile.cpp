#include "dictionary/RecordFile.h"

#include <fstream>
#include <utility>

namespace quillet::dictionary {

namespace {

std::string describe(const std::filesystem::path& path, const char* what)
{
    std::string reason = what;
    reason += ": ";
    reason += path.string();
    return reason;
}

const char* describe(FileReadStatus status)
{
    switch (status) {
        case FileReadStatus::NotRegular:
            return "is not a regular file";
        case FileReadStatus::TooLarge:
            return "is too large";
        case FileReadStatus::Missing:
            return "cannot be created";
        default:
            return "cannot be read";
    }
}

}  // namespace

RecordFile::RecordFile(std::size_t recordLength) : m_recordLength(recordLength) {}

bool RecordFile::open(const std::filesystem::path& path, Mode mode, std::string& reason)
{
    close();
    m_path = path;
    m_mode = mode;
    FileReadStatus status = FileReadStatus::Read;
    if (isUserFile()) {
        status = openUserFile(m_userFile, m_data);
    } else {
        status = load(m_mapped);
        if (status == FileReadStatus::Missing && std::ofstream(path, std::ios::binary))
            status = FileReadStatus::Read;  // made empty, as a new set needs
    }
    m_openStatus = status;
    if (status != FileReadStatus::Read) {
        m_userFile.close();
        reason = describe(path, describe(status));
        return false;
    }
    m_open = true;
    viewBytes();
    m_pastEnd = false;
    m_lastRead = 0;
    return true;
}

FileReadStatus RecordFile::openUserFile(core::OpenFile& file, std::string& bytes) const
{
    const bool writable = m_mode == Mode::WriteThrough;
    const FileReadStatus status = file.open(
        m_path, maxFileBytes(), writable ? core::OpenMode::Update : core::OpenMode::ReadNoLinks);
    if (status == FileReadStatus::Missing && !writable) {
        bytes.clear();  // nothing saved yet
        return FileReadStatus::Read;
    }
    return status == FileReadStatus::Read ? file.readAll(bytes) : status;
}

FileReadStatus RecordFile::load(MappedFile& into) const
{
    return into.open(m_path, maxFileBytes(),
                     m_mode == Mode::ReadOnly ? FileAccess::Map : FileAccess::ReadWhole);
}

bool RecordFile::refresh()
{
    if (!m_open)
        return false;
    if (!isUserFile()) {
        MappedFile fresh;
        if (load(fresh) != FileReadStatus::Read)
            return false;
        m_mapped = std::move(fresh);
        viewBytes();
        return true;
    }
    // Opened anew by name: a file replaced on disk is followed.
    core::OpenFile fresh;
    std::string bytes;
    if (openUserFile(fresh, bytes) != FileReadStatus::Read)
        return false;
    m_userFile = std::move(fresh);
    m_data = std::move(bytes);
    viewBytes();
    return true;
}

void RecordFile::close()
{
    m_userFile.close();
    m_mapped.close();
    m_data.clear();
    m_data.shrink_to_fit();
    m_open = false;
    m_bytes = {};
    m_pastEnd = false;
    m_lastRead = 0;
}

std::uintmax_t RecordFile::maxFileBytes() const
{
    // Every whole record must have a positive 32-bit number; a short tail may follow.
    const std::uintmax_t records = isUserFile() ? kMaxUserRecords : INT32_MAX;
    return m_recordLength * records + m_recordLength - 1;
}

void RecordFile::viewBytes()
{
    m_bytes = isUserFile() ? std::string_view(m_data) : m_mapped.bytes();
}

std::int32_t RecordFile::recordCount() const
{
    const std::size_t count = bytes().size() / m_recordLength;
    return count > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<std::int32_t>(count);
}

std::string_view RecordFile::recordBytes(std::int32_t number) const
{
    if (number < 1 || number > recordCount())
        return {};
    return bytes().substr(static_cast<std::size_t>(number - 1) * m_recordLength, m_recordLength);
}

std::string_view RecordFile::touch(std::int32_t number)
{
    m_lastRead = number;
    const std::string_view bytes = recordBytes(number);
    m_pastEnd = bytes.empty();
    return bytes;
}

bool RecordFile::read(std::int32_t number, EntryRecord& out)
{
    const std::string_view bytes = touch(number);
    out = parseEntry(bytes);
    return !m_pastEnd;
}

bool RecordFile::read(std::int32_t number, IndexRecord& out)
{
    const std::string_view bytes = touch(number);
    out = m_pastEnd ? IndexRecord{} : parseIndex(bytes);
    return !m_pastEnd;
}

bool RecordFile::readNext(EntryRecord& out)
{
    return read(m_lastRead < 0x7FFFFFFF ? m_lastRead + 1 : m_lastRead, out);
}

bool RecordFile::readNext(IndexRecord& out)
{
    return read(m_lastRead < 0x7FFFFFFF ? m_lastRead + 1 : m_lastRead, out);
}

RecordError RecordFile::write(std::int32_t number, const EntryRecord& record)
{
    if (!m_open || !m_userFile.isWritable())
        return RecordError::NotOpen;
    if (number < 1 || number > recordCount() + 1 || number > kMaxUserRecords)
        return RecordError::BadRecordNumber;
    std::string bytes;
    const RecordError error = serializeEntry(record, m_recordLength, bytes);
    if (error != RecordError::None)
        return error;
    const std::size_t at = static_cast<std::size_t>(number - 1) * m_recordLength;
    if (!m_userFile.writeAt(at, bytes))
        return RecordError::WriteFailed;
    // A short trailing record is overwritten by the append, so it goes from memory too.
    if (at + m_recordLength > m_data.size())
        m_data.resize(at + m_recordLength);
    m_data.replace(at, m_recordLength, bytes);
    viewBytes();
    return RecordError::None;
}

}  // namespace quillet::dictionary
