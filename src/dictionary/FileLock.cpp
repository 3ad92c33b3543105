#include "dictionary/FileLock.h"

#include <cstdint>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/file.h>

#include <cerrno>
#endif

namespace quillet::dictionary {

#ifndef _WIN32

// flock, not fcntl: its lock belongs to this open file, so the program's other
// handles on the same file, opened and closed meanwhile, do not release it.
FileLock::FileLock(const std::filesystem::path& path)
{
    if (m_file.open(path, UINTMAX_MAX, core::OpenMode::ReadNoLinks) == core::FileReadStatus::Read)
        while (::flock(static_cast<int>(m_file.handle()), LOCK_EX) != 0 && errno == EINTR) continue;
}

FileLock::~FileLock() = default;  // closing the file releases the lock

#else

namespace {

// Windows locks byte ranges, and a locked range cannot be read through other
// handles. The lock is on one byte far past any real file's end, so that
// readers of the file never meet it.
OVERLAPPED lockedByte()
{
    OVERLAPPED position = {};
    position.OffsetHigh = 0x40000000;
    return position;
}

}  // namespace

FileLock::FileLock(const std::filesystem::path& path)
{
    if (m_file.open(path, UINTMAX_MAX, core::OpenMode::ReadNoLinks) != core::FileReadStatus::Read)
        return;
    OVERLAPPED position = lockedByte();
    ::LockFileEx(reinterpret_cast<HANDLE>(m_file.handle()), LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0,
                 &position);
}

// Closing the file would release the lock too, but only once the system gets
// to it; unlocked here, the next holder need not wait for that.
FileLock::~FileLock()
{
    if (!m_file.isOpen())
        return;
    OVERLAPPED position = lockedByte();
    ::UnlockFileEx(reinterpret_cast<HANDLE>(m_file.handle()), 0, 1, 0, &position);
}

#endif

}  // namespace quillet::dictionary
