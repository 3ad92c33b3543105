// OpenFile on POSIX systems.

#include "core/OpenFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace quillet::core {

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

int descriptor(std::intptr_t handle)
{
    return static_cast<int>(handle);
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

bool OpenFile::create(const std::filesystem::path& path, bool readableByOthers)
{
    close();
    const int handle = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                              readableByOthers ? 0644 : 0600);
    if (handle < 0)
        return false;
    m_handle = handle;
    m_writable = true;
    return true;
}

bool OpenFile::close()
{
    const bool closed = m_handle == kNoHandle || ::close(descriptor(m_handle)) == 0;
    m_handle = kNoHandle;
    m_writable = false;
    m_size = 0;
    return closed;
}

std::uintmax_t OpenFile::currentSize() const
{
    struct stat facts;
    return ::fstat(descriptor(m_handle), &facts) == 0 ? static_cast<std::uintmax_t>(facts.st_size)
                                                      : m_size;
}

FileReadStatus OpenFile::readAll(std::string& bytes) const
{
    bytes.assign(m_size, '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t count = ::pread(descriptor(m_handle), bytes.data() + got, bytes.size() - got,
                                      static_cast<off_t>(got));
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
    if (!m_writable)
        return false;
    auto at = static_cast<off_t>(offset);
    while (!bytes.empty()) {
        const ssize_t count = ::pwrite(descriptor(m_handle), bytes.data(), bytes.size(), at);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(count));
        at += count;
    }
    return true;
}

bool OpenFile::sync()
{
    return ::fsync(descriptor(m_handle)) == 0;
}

bool moveOver(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (::rename(from.c_str(), to.c_str()) != 0)
        return false;
    // The new name is in the folder's own data: flushed with the folder.
    std::filesystem::path folder = to.parent_path();
    if (folder.empty())
        folder = ".";
    const int handle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle >= 0) {
        ::fsync(handle);
        ::close(handle);
    }
    return true;
}

bool removeFile(const std::filesystem::path& path)
{
    return ::unlink(path.c_str()) == 0;
}

}  // namespace quillet::core
