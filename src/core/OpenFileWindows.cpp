// OpenFile on Windows. Files are opened with every sharing mode, so that
// another program (or another copy of this one) may read and write them
// meanwhile, as on POSIX systems. Renaming a file over one that is open fails
// on Windows, which is why dictionaries are not kept open there.

#include "core/OpenFile.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>

namespace quillet::core {

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// ReadFile and WriteFile take at most a DWORD of bytes at a time.
constexpr std::size_t kMaxChunk = 1U << 30;

HANDLE toHandle(std::intptr_t handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

// errno for the last Windows error, so that callers see the same reasons
// (and the same messages from strerror) as on POSIX systems.
void setErrnoFromSystem()
{
    switch (::GetLastError()) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
            errno = ENOENT;
            break;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            errno = EACCES;
            break;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            errno = EEXIST;
            break;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            errno = ENOSPC;
            break;
        case ERROR_WRITE_PROTECT:
            errno = EROFS;
            break;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            errno = ENOMEM;
            break;
        case ERROR_INVALID_NAME:
        case ERROR_DIRECTORY:
            errno = EINVAL;
            break;
        default:
            errno = EIO;
    }
}

bool isFolder(const std::filesystem::path& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Whether the file is a reparse point, and then whether one that names
// another file (a symbolic link or a junction) rather than a cloud
// placeholder or a deduplicated file.
bool isReparsePoint(HANDLE handle, bool& link)
{
    FILE_ATTRIBUTE_TAG_INFO tag = {};
    if (!::GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof tag) ||
        (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
        return false;
    link = IsReparseTagNameSurrogate(tag.ReparseTag);
    return true;
}

// Opened first without following a reparse point, so that a link is seen for
// what it is; any other reparse point, and a link where links are allowed, is
// then opened the ordinary way.
HANDLE openHandle(const std::filesystem::path& path, DWORD access, DWORD disposition,
                  bool linksAllowed)
{
    HANDLE handle = ::CreateFileW(path.c_str(), access, kShareAll, nullptr, disposition,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    bool link = false;
    if (handle == INVALID_HANDLE_VALUE || !isReparsePoint(handle, link))
        return handle;
    ::CloseHandle(handle);
    if (link && !linksAllowed) {
        ::SetLastError(ERROR_CANT_RESOLVE_FILENAME);
        return INVALID_HANDLE_VALUE;
    }
    return ::CreateFileW(path.c_str(), access, kShareAll, nullptr, disposition,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
}

HANDLE openHandle(const std::filesystem::path& path, OpenMode mode, bool& writable)
{
    writable = false;
    if (mode != OpenMode::Update)
        return openHandle(path, GENERIC_READ, OPEN_EXISTING, mode == OpenMode::Read);
    HANDLE handle = openHandle(path, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS, false);
    const DWORD error = ::GetLastError();
    if (handle != INVALID_HANDLE_VALUE ||
        (error != ERROR_ACCESS_DENIED && error != ERROR_WRITE_PROTECT)) {
        writable = handle != INVALID_HANDLE_VALUE;
        return handle;
    }
    return openHandle(path, GENERIC_READ, OPEN_EXISTING, false);
}

bool sizeOf(HANDLE handle, std::uintmax_t& size)
{
    LARGE_INTEGER value;
    if (!::GetFileSizeEx(handle, &value))
        return false;
    size = static_cast<std::uintmax_t>(value.QuadPart);
    return true;
}

OVERLAPPED at(std::uint64_t offset)
{
    OVERLAPPED position = {};
    position.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFU);
    position.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return position;
}

}  // namespace

FileReadStatus OpenFile::open(const std::filesystem::path& path, std::uintmax_t maxBytes,
                              OpenMode mode)
{
    close();
    bool writable = false;
    HANDLE handle = openHandle(path, mode, writable);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        setErrnoFromSystem();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return FileReadStatus::Missing;
        // A refused link, or a folder (which opens only as a folder).
        return error == ERROR_CANT_RESOLVE_FILENAME || isFolder(path) ? FileReadStatus::NotRegular
                                                                      : FileReadStatus::Failed;
    }
    // A device name (CON, NUL, COM1) opens the device, a pipe's name the pipe.
    std::uintmax_t size = 0;
    FileReadStatus status = FileReadStatus::Read;
    BY_HANDLE_FILE_INFORMATION facts;
    if (::GetFileType(handle) != FILE_TYPE_DISK)
        status = FileReadStatus::NotRegular;
    else if (!::GetFileInformationByHandle(handle, &facts) || !sizeOf(handle, size))
        status = FileReadStatus::Failed;
    else if ((facts.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        status = FileReadStatus::NotRegular;
    else if (size > maxBytes)
        status = FileReadStatus::TooLarge;
    if (status != FileReadStatus::Read) {
        if (status == FileReadStatus::Failed)
            setErrnoFromSystem();
        ::CloseHandle(handle);
        return status;
    }
    m_handle = reinterpret_cast<std::intptr_t>(handle);
    m_writable = writable;
    m_size = static_cast<std::size_t>(size);
    return status;
}

bool OpenFile::create(const std::filesystem::path& path, bool)
{
    close();
    // CREATE_NEW fails on any existing name, a link's included, and never
    // follows one.
    HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_WRITE, kShareAll, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        setErrnoFromSystem();
        return false;
    }
    m_handle = reinterpret_cast<std::intptr_t>(handle);
    m_writable = true;
    return true;
}

bool OpenFile::close()
{
    const bool closed = m_handle == kNoHandle || ::CloseHandle(toHandle(m_handle));
    if (!closed)
        setErrnoFromSystem();
    m_handle = kNoHandle;
    m_writable = false;
    m_size = 0;
    return closed;
}

std::uintmax_t OpenFile::currentSize() const
{
    std::uintmax_t size = 0;
    return sizeOf(toHandle(m_handle), size) ? size : m_size;
}

FileReadStatus OpenFile::readAll(std::string& bytes) const
{
    bytes.assign(m_size, '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        OVERLAPPED position = at(got);
        DWORD count = 0;
        const auto wanted = static_cast<DWORD>(std::min(bytes.size() - got, kMaxChunk));
        if (!::ReadFile(toHandle(m_handle), bytes.data() + got, wanted, &count, &position) &&
            ::GetLastError() != ERROR_HANDLE_EOF) {
            setErrnoFromSystem();
            bytes.clear();
            return FileReadStatus::Failed;
        }
        if (count == 0)
            break;
        got += count;
    }
    bytes.resize(got);  // the file shrank since it was opened
    return FileReadStatus::Read;
}

bool OpenFile::writeAt(std::uint64_t offset, std::string_view bytes)
{
    if (!m_writable)
        return false;
    while (!bytes.empty()) {
        OVERLAPPED position = at(offset);
        DWORD count = 0;
        const auto wanted = static_cast<DWORD>(std::min(bytes.size(), kMaxChunk));
        if (!::WriteFile(toHandle(m_handle), bytes.data(), wanted, &count, &position) ||
            count == 0) {
            setErrnoFromSystem();
            return false;
        }
        bytes.remove_prefix(count);
        offset += count;
    }
    return true;
}

bool OpenFile::sync()
{
    if (::FlushFileBuffers(toHandle(m_handle)))
        return true;
    setErrnoFromSystem();
    return false;
}

// MoveFileExW cannot replace a file that any program holds open; this
// program holds none of its dictionaries open (dictionary/MappedFile.h).
bool moveOver(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    setErrnoFromSystem();
    return false;
}

bool removeFile(const std::filesystem::path& path)
{
    if (::DeleteFileW(path.c_str()))
        return true;
    setErrnoFromSystem();
    return false;
}

}  // namespace quillet::core
