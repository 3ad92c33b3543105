#pragma once
// Reading and locking the program's own files. A file is read only when it is
// a regular file no larger than the caller's cap: it is opened without
// blocking, so a FIFO or a device left under its name is refused, never waited
// on or read without end.

#include <cstdint>
#include <filesystem>
#include <string>

namespace quillet::dictionary {

enum class FileReadStatus { Read, Missing, NotRegular, TooLarge, Failed };

// Reads the whole file into `bytes` (left empty unless the status is Read).
FileReadStatus readRegularFile(const std::filesystem::path& path, std::uintmax_t maxBytes,
                               std::string& bytes);

// An exclusive advisory lock on a file while the object lives, so running
// copies of the program take turns. Waits for another holder. Where the
// system has no such locks, or the file cannot be opened for one, it does
// nothing: the save goes ahead as it did before locks existed.
class FileLock
{
public:
    explicit FileLock(const std::filesystem::path& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int m_handle = -1;
};

}  // namespace quillet::dictionary
