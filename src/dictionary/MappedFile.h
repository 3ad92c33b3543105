#pragma once
// A dictionary file mapped into memory. A file is used only as
// core::OpenFile allows: a regular file no larger than the caller's cap.

#include "core/OpenFile.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace quillet::dictionary {

using core::FileReadStatus;

enum class FileAccess {
    Map,        // mapped where the system can, else read whole
    ReadWhole,  // always read whole into memory
};

// A read-only view of a whole file, checked as core::OpenFile checks it.
// Mapped, only the pages a reader touches are read and kept. A file cut short
// in place while mapped would make a read of a lost page fault: the fault is
// caught, a page of zero bytes stands in for the lost one, and wasCut() turns
// true. The file stays open, so isStale() also sees it change size in place
// (cut, then written again) and the owner can open it again. A file replaced
// on disk (renamed over) leaves the view on the old one.
//
// On Windows a file is always read whole and closed at once: Windows cannot
// cut a mapped file short, nor rename a new file over one that any program
// holds open, which would stop a rebuild while the program runs. isStale()
// then compares the size of the file now under the name.
class MappedFile
{
public:
    MappedFile() = default;
    ~MappedFile() { close(); }
    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&& other) noexcept;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    // Left closed (empty) unless the status is Read.
    FileReadStatus open(const std::filesystem::path& path, std::uintmax_t maxBytes,
                        FileAccess access);
    void close();

    std::string_view bytes() const { return m_mapped ? m_view : std::string_view(m_copy); }
    bool isOpen() const;
    bool isMapped() const { return m_mapped; }
    bool wasCut() const;
    // Cut or of another size than its view: worth opening again.
    bool isStale() const;
    // Lets the system drop the pages read so far from this process; they are
    // read again when touched.
    void releasePages() const;

private:
    std::string_view m_view;  // the mapping
    bool m_mapped = false;
    std::filesystem::path m_path;  // Windows: the file read, while open
    core::OpenFile m_file;
    int m_region = -1;  // slot of the mapping in the fault handler's table
    std::string m_copy;
};

}  // namespace quillet::dictionary
