#include "dictionary/RegularFile.h"

#if __has_include(<unistd.h>)
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#define QUILLET_POSIX_FILES 1
#else
#include <fstream>
#endif

namespace quillet::dictionary {

#ifdef QUILLET_POSIX_FILES

namespace {

// O_NONBLOCK: opening a FIFO without a writer would otherwise wait for one.
int openForReading(const std::filesystem::path& path)
{
    return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}

FileReadStatus readOpenFile(int handle, std::uintmax_t maxBytes, std::string& bytes)
{
    struct stat facts;
    if (::fstat(handle, &facts) != 0)
        return FileReadStatus::Failed;
    if (!S_ISREG(facts.st_mode))
        return FileReadStatus::NotRegular;
    if (static_cast<std::uintmax_t>(facts.st_size) > maxBytes)
        return FileReadStatus::TooLarge;
    bytes.resize(static_cast<std::size_t>(facts.st_size));
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t count = ::read(handle, bytes.data() + got, bytes.size() - got);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return FileReadStatus::Failed;
        if (count == 0)
            break;
        got += static_cast<std::size_t>(count);
    }
    bytes.resize(got);  // the file shrank since fstat
    return FileReadStatus::Read;
}

}  // namespace

FileReadStatus readRegularFile(const std::filesystem::path& path, std::uintmax_t maxBytes,
                               std::string& bytes)
{
    bytes.clear();
    const int handle = openForReading(path);
    if (handle < 0)
        return errno == ENOENT ? FileReadStatus::Missing : FileReadStatus::Failed;
    const FileReadStatus status = readOpenFile(handle, maxBytes, bytes);
    ::close(handle);
    if (status != FileReadStatus::Read)
        bytes.clear();
    return status;
}

// flock, not fcntl: its lock belongs to this open file, so the program's other
// handles on the same file, opened and closed meanwhile, do not release it.
FileLock::FileLock(const std::filesystem::path& path) : m_handle(openForReading(path))
{
    if (m_handle >= 0)
        while (::flock(m_handle, LOCK_EX) != 0 && errno == EINTR) continue;
}

FileLock::~FileLock()
{
    if (m_handle >= 0)
        ::close(m_handle);  // releases the lock
}

#else

FileReadStatus readRegularFile(const std::filesystem::path& path, std::uintmax_t maxBytes,
                               std::string& bytes)
{
    bytes.clear();
    std::error_code error;
    const auto kind = std::filesystem::status(path, error);
    if (!std::filesystem::exists(kind))
        return error && error != std::errc::no_such_file_or_directory ? FileReadStatus::Failed
                                                                      : FileReadStatus::Missing;
    if (!std::filesystem::is_regular_file(kind))
        return FileReadStatus::NotRegular;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return FileReadStatus::Failed;
    if (size > maxBytes)
        return FileReadStatus::TooLarge;
    std::ifstream in(path, std::ios::binary);
    bytes.resize(static_cast<std::size_t>(size));
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (!in.is_open() || in.bad())
        bytes.clear();
    return in.is_open() && !in.bad() ? FileReadStatus::Read : FileReadStatus::Failed;
}

FileLock::FileLock(const std::filesystem::path&)
{
    (void)m_handle;
}

FileLock::~FileLock() {}

#endif

}  // namespace quillet::dictionary
