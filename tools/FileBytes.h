#pragma once
// The tool's own reading and writing of files, the one place that calls the
// system. Every failure is a FileError naming the file and the system's reason.

#include "dictionary/MappedFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace quillet::tool {

// An input read a piece at a time, a file, a pipe or a device alike, so that
// only its reader bounds what is held. A read error is an error, never the end.
class FileReader
{
public:
    explicit FileReader(const std::filesystem::path& path);
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    // Appends at most `count` bytes to `bytes`; false once the input has ended.
    bool readMore(std::string& bytes, std::size_t count);

private:
    std::filesystem::path m_path;
    std::FILE* m_stream = nullptr;
};

// A regular file's bytes, read whole as core::readRegularFile reads them;
// false, with `bytes` empty, when the file holds more than `limit` bytes.
bool readCappedFile(const std::filesystem::path& path, std::size_t limit, std::string& bytes);

// A dictionary file, mapped. A folder, a device or a FIFO under its name is
// refused, never read.
dictionary::MappedFile mapDictionaryFile(const std::filesystem::path& path);

// A new file written under a temporary name, then moved over the file it
// replaces. It is created afresh, never opened where anything of its name is
// already (a link, a FIFO, another run's file), and removed again unless
// replace() moved it.
class TemporaryFile
{
public:
    explicit TemporaryFile(std::filesystem::path path);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    void write(std::string_view bytes);
    // On the disk and closed.
    void finish();
    void replace(const std::filesystem::path& target);

    // Removes a file or a link that a killed run left at `path`, without
    // following the link; anything else there is not this tool's, and stays.
    static void removeLeftover(const std::filesystem::path& path);

private:
    [[noreturn]] void fail(int error) const;

    std::filesystem::path m_path;
    core::OpenFile m_file;
    std::uint64_t m_written = 0;
    bool m_placed = false;
};

// An empty file at `path` unless something, even a dangling link, is there.
void createIfMissing(const std::filesystem::path& path);

}  // namespace quillet::tool
