#pragma once
// An exclusive advisory lock on a file while the object lives, so running
// copies of the program take turns. Waits for another holder. Where the
// system has no such locks, or the file cannot be opened for one, it does
// nothing: the save goes ahead as it did before locks existed.

#include "core/OpenFile.h"

#include <filesystem>

namespace quillet::dictionary {

class FileLock
{
public:
    explicit FileLock(const std::filesystem::path& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    core::OpenFile m_file;
};

}  // namespace quillet::dictionary
