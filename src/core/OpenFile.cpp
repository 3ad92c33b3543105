#include "core/OpenFile.h"

#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#define QUILLET_POSIX_FILES 1
#else
#include <cstdio>
#include <fstream>
#endif

namespace quillet::core {

#ifdef QUILLET_POSIX_FILES

namespace {

// O_NONBLOCK: opening a FIFO without a writer would otherwise wait for one.
// It has no effect on a regular file's reads and writes.
constexpr int kCommonFlags = O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

int openHandle(const std::filesystem::path& path, OpenMode mode, bool& writable)
{
    writable = false;
    if (mode == OpenMode::Read)
        return ::open(path.c_str(), O_RDONLY | kCommonFlags);
    if (mode == OpenMode::ReadNoLinks)
        return ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | kCommonFlags);
    const int handle = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | kCommonFlags, 0600);
    if (handle >= 0 || (errno != EROFS && errno != EACCES && errno != EPERM)) {
        writable = handle >= 0;
        return handle;
    }
    return ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | kCommonFlags);
}

bool writeAll(int handle, std::string_view bytes, off_t offset)
{
    while (!bytes.empty()) {
        const ssize_t count = ::pwrite(handle, bytes.data(), bytes.size(), offset);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(count));
        offset += count;
    }
    return true;
}

// A name beside `path` that no file has yet, made and opened in one step.
int createTemporary(const std::filesystem::path& path, std::filesystem::path& temporary)
{
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 16; ++attempt) {
        char suffix[24];
        std::snprintf(suffix, sizeof suffix, ".%012llx.tmp",
                      static_cast<unsigned long long>(random() & 0xFFFFFFFFFFFFULL));
        temporary = path;
        temporary += suffix;
        const int handle =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (handle >= 0 || errno != EEXIST)
            return handle;
    }
    return -1;
}

}  // namespace

FileReadStatus OpenFile::open(const std::filesystem::path& path, std::uintmax_t maxBytes,
                              OpenMode mode)
{
    close();
    bool writable = false;
    const int handle = openHandle(path, mode, writable);
    if (handle < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return FileReadStatus::Missing;
        // A refused link, a folder opened for writing, or a FIFO opened for
        // writing without a reader.
        return errno == ELOOP || errno == EISDIR || errno == ENXIO ? FileReadStatus::NotRegular
                                                                   : FileReadStatus::Failed;
    }
    struct stat facts;
    FileReadStatus status = FileReadStatus::Read;
    if (::fstat(handle, &facts) != 0)
        status = FileReadStatus::Failed;
    else if (!S_ISREG(facts.st_mode))
        status = FileReadStatus::NotRegular;
    else if (static_cast<std::uintmax_t>(facts.st_size) > maxBytes)
        status = FileReadStatus::TooLarge;
    if (status != FileReadStatus::Read) {
        ::close(handle);
        return status;
    }
    m_handle = handle;
    m_writable = writable;
    m_size = static_cast<std::size_t>(facts.st_size);
    return status;
}

void OpenFile::close()
{
    if (m_handle >= 0)
        ::close(m_handle);
    m_handle = -1;
    m_writable = false;
    m_size = 0;
}

std::uintmax_t OpenFile::currentSize() const
{
    struct stat facts;
    return ::fstat(m_handle, &facts) == 0 ? static_cast<std::uintmax_t>(facts.st_size) : m_size;
}

FileReadStatus OpenFile::readAll(std::string& bytes) const
{
    bytes.assign(m_size, '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t count =
            ::pread(m_handle, bytes.data() + got, bytes.size() - got, static_cast<off_t>(got));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            bytes.clear();
            return FileReadStatus::Failed;
        }
        if (count == 0)
            break;
        got += static_cast<std::size_t>(count);
    }
    bytes.resize(got);  // the file shrank since it was opened
    return FileReadStatus::Read;
}

bool OpenFile::writeAt(std::uint64_t offset, std::string_view bytes)
{
    return m_writable && writeAll(m_handle, bytes, static_cast<off_t>(offset));
}

FileWriteStatus replaceFile(const std::filesystem::path& path, std::string_view bytes)
{
    struct stat facts;
    if (::lstat(path.c_str(), &facts) == 0 && !S_ISREG(facts.st_mode))
        return FileWriteStatus::NotRegular;
    std::filesystem::path temporary;
    const int handle = createTemporary(path, temporary);
    if (handle < 0)
        return FileWriteStatus::Failed;
    const bool written = writeAll(handle, bytes, 0) && ::fsync(handle) == 0;
    const bool closed = ::close(handle) == 0;
    if (written && closed && ::rename(temporary.c_str(), path.c_str()) == 0)
        return FileWriteStatus::Written;
    ::unlink(temporary.c_str());
    return FileWriteStatus::Failed;
}

#else

// Without POSIX calls: C streams, which cannot refuse a link before opening
// it or open a FIFO without waiting. The handle stays -1.

FileReadStatus OpenFile::open(const std::filesystem::path& path, std::uintmax_t maxBytes,
                              OpenMode mode)
{
    close();
    std::error_code error;
    const auto kind = mode == OpenMode::Read ? std::filesystem::status(path, error)
                                             : std::filesystem::symlink_status(path, error);
    const bool exists = std::filesystem::exists(kind);
    if (exists && !std::filesystem::is_regular_file(kind))
        return FileReadStatus::NotRegular;
    if (!exists && mode != OpenMode::Update)
        return FileReadStatus::Missing;
    const std::uintmax_t size = exists ? std::filesystem::file_size(path, error) : 0;
    if (error)
        return FileReadStatus::Failed;
    if (size > maxBytes)
        return FileReadStatus::TooLarge;
    const char* how = mode != OpenMode::Update ? "rb" : exists ? "r+b" : "w+b";
    std::FILE* stream = std::fopen(path.string().c_str(), how);
    if (!stream && mode == OpenMode::Update && exists)
        stream = std::fopen(path.string().c_str(), "rb");
    else
        m_writable = stream && mode == OpenMode::Update;
    if (!stream)
        return FileReadStatus::Failed;
    m_stream = stream;
    m_size = static_cast<std::size_t>(size);
    return FileReadStatus::Read;
}

void OpenFile::close()
{
    if (m_stream)
        std::fclose(static_cast<std::FILE*>(m_stream));
    m_stream = nullptr;
    m_writable = false;
    m_size = 0;
}

std::uintmax_t OpenFile::currentSize() const
{
    auto* stream = static_cast<std::FILE*>(m_stream);
    return m_stream && std::fseek(stream, 0, SEEK_END) == 0
               ? static_cast<std::uintmax_t>(std::ftell(stream))
               : m_size;
}

FileReadStatus OpenFile::readAll(std::string& bytes) const
{
    auto* stream = static_cast<std::FILE*>(m_stream);
    bytes.assign(m_size, '\0');
    if (std::fseek(stream, 0, SEEK_SET) != 0) {
        bytes.clear();
        return FileReadStatus::Failed;
    }
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), stream));
    if (std::ferror(stream)) {
        bytes.clear();
        return FileReadStatus::Failed;
    }
    return FileReadStatus::Read;
}

bool OpenFile::writeAt(std::uint64_t offset, std::string_view bytes)
{
    auto* stream = static_cast<std::FILE*>(m_stream);
    return m_writable && std::fseek(stream, static_cast<long>(offset), SEEK_SET) == 0 &&
           std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() &&
           std::fflush(stream) == 0;
}

FileWriteStatus replaceFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::error_code error;
    const auto kind = std::filesystem::symlink_status(path, error);
    if (std::filesystem::exists(kind) && !std::filesystem::is_regular_file(kind))
        return FileWriteStatus::NotRegular;
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out.fail()) {
            std::filesystem::rename(temporary, path, error);
            if (!error)
                return FileWriteStatus::Written;
        }
    }
    std::filesystem::remove(temporary, error);
    return FileWriteStatus::Failed;
}

#endif

OpenFile& OpenFile::operator=(OpenFile&& other) noexcept
{
    if (this != &other) {
        close();
        m_handle = std::exchange(other.m_handle, -1);
        m_stream = std::exchange(other.m_stream, nullptr);
        m_writable = std::exchange(other.m_writable, false);
        m_size = std::exchange(other.m_size, 0);
    }
    return *this;
}

}  // namespace quillet::core
