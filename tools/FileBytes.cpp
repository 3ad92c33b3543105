// POSIX calls; a port to another system replaces this file.

#include "FileBytes.h"

#include "ToolError.h"

#include "core/ReadRegularFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

FileReader::FileReader(const std::filesystem::path& path)
    : m_path(path), m_descriptor(::open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC))
{
    if (m_descriptor < 0)
        failWith(m_path, errno);
    struct stat facts;
    if (::fstat(m_descriptor, &facts) == 0 && S_ISDIR(facts.st_mode)) {
        ::close(m_descriptor);
        throw FileError(m_path.string(), kFolder);
    }
}

FileReader::~FileReader()
{
    ::close(m_descriptor);
}

bool FileReader::readMore(std::string& bytes, std::size_t count)
{
    const std::size_t had = bytes.size();
    bytes.resize(had + count);
    ssize_t got = 0;
    do {
        got = ::read(m_descriptor, bytes.data() + had, count);
    } while (got < 0 && errno == EINTR);
    const int error = errno;
    bytes.resize(had + static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    if (got < 0)
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

TemporaryFile::TemporaryFile(std::filesystem::path path)
    : m_path(std::move(path)),
      m_descriptor(
          ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644))
{
    if (m_descriptor < 0 && errno == EEXIST)
        throw FileError(m_path.string(), "is in the way, and not a file this tool leaves behind");
    if (m_descriptor < 0)
        fail(errno);
}

TemporaryFile::~TemporaryFile()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
    // unlink, not remove: a folder that took the name since is not this file.
    if (!m_placed)
        ::unlink(m_path.c_str());
}

void TemporaryFile::write(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(m_descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno != EINTR)
            fail(errno);
        if (written > 0)
            bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void TemporaryFile::finish()
{
    const int descriptor = std::exchange(m_descriptor, -1);
    if (::fsync(descriptor) != 0) {
        const int error = errno;
        ::close(descriptor);
        fail(error);
    }
    if (::close(descriptor) != 0)
        fail(errno);
}

void TemporaryFile::replace(const std::filesystem::path& target)
{
    std::error_code error;
    std::filesystem::rename(m_path, target, error);
    if (error)
        throw FileError(target.string(), error.message());
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
    const int descriptor =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (descriptor < 0 && errno != EEXIST)
        failWith(path, errno);
    if (descriptor >= 0)
        ::close(descriptor);
}

}  // namespace quillet::tool
