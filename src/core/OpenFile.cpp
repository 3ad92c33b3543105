#include "core/OpenFile.h"

#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>

// The system calls are in OpenFilePosix.cpp and OpenFileWindows.cpp; the
// rules built on them are here.

namespace quillet::core {

namespace {

// A name beside `path` that no file has yet, made and opened in one step.
bool createBeside(const std::filesystem::path& path, OpenFile& file,
                  std::filesystem::path& temporary)
{
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 16; ++attempt) {
        char suffix[24];
        std::snprintf(suffix, sizeof suffix, ".%012llx.tmp",
                      static_cast<unsigned long long>(random() & 0xFFFFFFFFFFFFULL));
        temporary = path;
        temporary += suffix;
        if (file.create(temporary))
            return true;
        if (errno != EEXIST)
            return false;
    }
    return false;
}

}  // namespace

FileWriteStatus replaceFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::error_code error;
    const auto kind = std::filesystem::symlink_status(path, error);
    if (std::filesystem::exists(kind) && !std::filesystem::is_regular_file(kind))
        return FileWriteStatus::NotRegular;
    OpenFile file;
    std::filesystem::path temporary;
    if (!createBeside(path, file, temporary))
        return FileWriteStatus::Failed;
    const bool written = file.writeAt(0, bytes) && file.sync();
    if (file.close() && written && moveOver(temporary, path))
        return FileWriteStatus::Written;
    removeFile(temporary);
    return FileWriteStatus::Failed;
}

OpenFile& OpenFile::operator=(OpenFile&& other) noexcept
{
    if (this != &other) {
        close();
        m_handle = std::exchange(other.m_handle, kNoHandle);
        m_writable = std::exchange(other.m_writable, false);
        m_size = std::exchange(other.m_size, 0);
    }
    return *this;
}

}  // namespace quillet::core
