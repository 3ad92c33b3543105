#include "dictionary/RecordFile.h"

#include <iterator>
#include <system_error>

namespace quillet::dictionary {

namespace {

std::string describe(const std::filesystem::path& path, const char* what)
{
    std::string reason = what;
    reason += ": ";
    reason += path.string();
    return reason;
}

}  // namespace

RecordFile::RecordFile(std::size_t recordLength) : m_recordLength(recordLength) {}

bool RecordFile::open(const std::filesystem::path& path, Mode mode, std::string& reason)
{
    close();
    m_path = path;
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        reason = describe(path, "is a folder");
        return false;
    }
    if (!std::filesystem::exists(path, error)) {
        std::ofstream create(path, std::ios::binary);
        if (!create) {
            reason = describe(path, "cannot be created");
            return false;
        }
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        reason = describe(path, "cannot be opened for reading");
        return false;
    }
    m_data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        m_data.clear();
        reason = describe(path, "cannot be read");
        return false;
    }
    if (mode == Mode::WriteThrough) {
        // Left closed on read-only media: reads still work, writes are refused.
        m_stream.open(path, std::ios::binary | std::ios::in | std::ios::out);
    }
    m_open = true;
    m_pastEnd = false;
    m_lastRead = 0;
    return true;
}

void RecordFile::close()
{
    if (m_stream.is_open())
        m_stream.close();
    m_stream.clear();
    m_data.clear();
    m_data.shrink_to_fit();
    m_open = false;
    m_pastEnd = false;
    m_lastRead = 0;
}

std::int32_t RecordFile::recordCount() const
{
    const std::size_t count = m_data.size() / m_recordLength;
    return count > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<std::int32_t>(count);
}

std::string_view RecordFile::recordBytes(std::int32_t number) const
{
    if (number < 1 || number > recordCount())
        return {};
    return std::string_view(m_data).substr(static_cast<std::size_t>(number - 1) * m_recordLength,
                                           m_recordLength);
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
    if (!m_open || !m_stream.is_open())
        return RecordError::NotOpen;
    if (number < 1 || number > recordCount() + 1)
        return RecordError::BadRecordNumber;
    std::string bytes;
    const RecordError error = serializeEntry(record, m_recordLength, bytes);
    if (error != RecordError::None)
        return error;
    const std::size_t at = static_cast<std::size_t>(number - 1) * m_recordLength;
    m_stream.clear();
    m_stream.seekp(static_cast<std::streamoff>(at));
    m_stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    m_stream.flush();
    if (!m_stream) {
        m_stream.clear();
        return RecordError::WriteFailed;
    }
    // A short trailing record is overwritten by the append, so it goes from memory too.
    if (at + m_recordLength > m_data.size())
        m_data.resize(at + m_recordLength);
    m_data.replace(at, m_recordLength, bytes);
    return RecordError::None;
}

}  // namespace quillet::dictionary
