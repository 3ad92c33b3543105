#include "dictionary/FileLock.h"

#include <cstdint>

#ifndef _WIN32
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
        while (::flock(m_file.handle(), LOCK_EX) != 0 && errno == EINTR) continue;
}

FileLock::~FileLock() = default;  // closing the file releases the lock

#else

FileLock::FileLock(const std::filesystem::path&) {}

FileLock::~FileLock() = default;

#endif

}  // namespace quillet::dictionary
