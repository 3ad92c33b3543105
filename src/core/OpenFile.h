#pragma once
// Opening the program's own files safely. A file is used only when it is a
// regular file no larger than the caller's cap: it is opened without
// blocking, so a FIFO or a device left under its name is refused, never
// waited on or read without end. The user's own files are opened without
// following a symbolic link in their last path element, so a link planted in
// a user folder cannot turn a save into a write somewhere else.
//
// Every call that fails leaves the system's reason in errno, as the POSIX
// calls do; on Windows the reason is translated to the nearest errno value.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>

namespace quillet::core {

enum class FileReadStatus { Read, Missing, NotRegular, TooLarge, Failed };

enum class OpenMode {
    Read,         // read only; links followed (installed data may be linked)
    ReadNoLinks,  // read only; a link is refused as not regular
    Update,       // read and write, created empty when missing; a link is refused.
                  // Where the system refuses writing, the file is opened read only.
};

class OpenFile
{
public:
    OpenFile() = default;
    ~OpenFile() { close(); }
    OpenFile(OpenFile&& other) noexcept { *this = std::move(other); }
    OpenFile& operator=(OpenFile&& other) noexcept;
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    // Left closed unless the status is Read.
    FileReadStatus open(const std::filesystem::path& path, std::uintmax_t maxBytes, OpenMode mode);
    // A new, empty file for writing, private to the user unless
    // `readableByOthers` (POSIX permissions). Fails (errno EEXIST) when
    // anything at all, a dangling link included, already has the name.
    bool create(const std::filesystem::path& path, bool readableByOthers = false);
    // False when the system reports that written bytes may be lost.
    bool close();
    bool isOpen() const { return m_handle != kNoHandle; }
    bool isWritable() const { return m_writable; }
    // The size found at open.
    std::size_t size() const { return m_size; }
    // The size now, as another process may have changed it; size() when it
    // cannot be found.
    std::uintmax_t currentSize() const;
    // The whole file from its start; a file that shrank since open gives
    // fewer bytes.
    FileReadStatus readAll(std::string& bytes) const;
    // Writes every byte at `offset` and hands them to the system, so they
    // survive the program's end right after.
    bool writeAt(std::uint64_t offset, std::string_view bytes);
    // Waits until what was written is on the disk.
    bool sync();
    // The system's handle (a file descriptor, or a Windows HANDLE), valid
    // while open.
    std::intptr_t handle() const { return m_handle; }

private:
    // -1 is no file descriptor and INVALID_HANDLE_VALUE alike.
    static constexpr std::intptr_t kNoHandle = -1;

    std::intptr_t m_handle = kNoHandle;
    bool m_writable = false;
    std::size_t m_size = 0;
};

enum class FileWriteStatus { Written, NotRegular, Failed };

// Replaces the file's contents as one step: the bytes go to a new private
// file beside it, which is then renamed over it, so a reader sees the old or
// the new file whole and a failed write leaves the old one. A path that
// exists and is not a regular file (a FIFO, folder, device or link) is left
// alone and refused.
FileWriteStatus replaceFile(const std::filesystem::path& path, std::string_view bytes);

// Renames `from` to `to` in one step, replacing a file at `to`, and waits until
// the change is on the disk where the system offers that.
bool moveOver(const std::filesystem::path& from, const std::filesystem::path& to);
// Removes a file or a link (never what it points to); a folder is left alone.
bool removeFile(const std::filesystem::path& path);

}  // namespace quillet::core
