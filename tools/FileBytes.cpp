#include "FileBytes.h"

#include "ToolError.h"

#include "core/ReadRegularFile.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <utility>

namespace quillet::tool {

namespace {

[[noreturn]] void failWith(const std::filesystem::path& path, int error)
{
    throw FileError(path.string(), error != 0 ? std::strerror(error) : "cannot be read");
}

constexpr const char* kFolder = "is a folder, not a file";

// The reason a file core::OpenFile refused cannot be used.
[[noreturn]] void failToOpen(const std::filesystem::path& path, core::FileReadStatus status)
{
    switch (status) {
        case core::FileReadStatus::NotRegular:
            throw FileError(path.string(), std::filesystem::is_directory(path)
                                               ? kFolder
                                               : "is a device, a FIFO or a socket, not a file");
        case core::FileReadStatus::Missing:
            failWith(path, ENOENT);
        default:
            failWith(path, errno);
    }
}

}  // namespace

// A folder opens for reading on some systems, and reads fail there.
FileReader::FileReader(const std::filesystem::path& path) : m_path(path)
{
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored))
        throw FileError(m_path.string(), kFolder);
#ifdef _WIN32
    m_stream = ::_wfopen(path.c_str(), L"rb");
#else
    m_stream = std::fopen(path.c_str(), "rbe");  // e: closed on exec
#endif
    if (m_stream == nullptr)
        failWith(m_path, errno);
}

FileReader::~FileReader()
{
    std::fclose(m_stream);
}

bool FileReader::readMore(std::string& bytes, std::size_t count)
{
    const std::size_t had = bytes.size();
    bytes.resize(had + count);
    errno = 0;
    const std::size_t got = std::fread(bytes.data() + had, 1, count, m_stream);
    const int error = errno;
    bytes.resize(had + got);
    if (got == 0 && std::ferror(m_stream))
        failWith(m_path, error);
    return got > 0;
}

bool readCappedFile(const std::filesystem::path& path, std::size_t limit, std::string& bytes)
{
    errno = 0;
    const core::FileReadStatus status = core::readRegularFile(path, limit, bytes);
    if (status != core::FileReadStatus::Read && status != core::FileReadStatus::TooLarge)
        failToOpen(path, status);
    return status == core::FileReadStatus::Read;
}

dictionary::MappedFile mapDictionaryFile(const std::filesystem::path& path)
{
    dictionary::MappedFile file;
    errno = 0;
    const core::FileReadStatus status = file.open(path, UINTMAX_MAX, dictionary::FileAccess::Map);
    if (status != core::FileReadStatus::Read)
        failToOpen(path, status);
    return file;
}

TemporaryFile::TemporaryFile(std::filesystem::path path) : m_path(std::move(path))
{
    if (m_file.create(m_path, true))
        return;
    if (errno == EEXIST)
        throw FileError(m_path.string(), "is in the way, and not a file this tool leaves behind");
    fail(errno);
}

TemporaryFile::~TemporaryFile()
{
    m_file.close();
    // A file's removal, not a folder's: a folder that took the name since is
    // not this file.
    if (!m_placed)
        core::removeFile(m_path);
}

void TemporaryFile::write(std::string_view bytes)
{
    if (!m_file.writeAt(m_written, bytes))
        fail(errno);
    m_written += bytes.size();
}

void TemporaryFile::finish()
{
    const bool synced = m_file.sync();
    const int error = errno;
    if (!m_file.close())
        fail(errno);
    if (!synced)
        fail(error);
}

void TemporaryFile::replace(const std::filesystem::path& target)
{
    if (!core::moveOver(m_path, target))
        throw FileError(target.string(), std::strerror(errno));
    m_placed = true;
}

void TemporaryFile::removeLeftover(const std::filesystem::path& path)
{
    std::error_code error;
    const auto kind = std::filesystem::symlink_status(path, error);
    // A leftover that cannot be removed stops the build when its name is created.
    if (std::filesystem::is_regular_file(kind) || std::filesystem::is_symlink(kind))
        std::filesystem::remove(path, error);
}

void TemporaryFile::fail(int error) const
{
    failWith(m_path, error);
}

void createIfMissing(const std::filesystem::path& path)
{
    core::OpenFile file;
    if (!file.create(path, true) && errno != EEXIST)
        failWith(path, errno);
}

}  // namespace quillet::tool
