#pragma once
// A file of fixed-length records, numbered from 1. Reading past the end gives
// empty fields and sets the end flag; the flag describes the last read only, so
// reading the last record leaves it clear and reading the one after sets it.
// A short trailing record (the file length is not a multiple of the record
// length) counts as absent.
//
// Read-only files are mapped (see MappedFile), so a record is read in place
// and only when asked for; the copy mode reads them whole at open instead.
// Writable files are the user's: read whole, never through a symbolic link,
// and every record is written through to disk at once, so a saved record
// survives a crash right after. They hold at most kMaxUserRecords records: the
// editor adds one a word, so a larger file is not the user's own.
//
// Only a regular file opens: a folder, FIFO or device is a damaged
// installation. So does a read-only file with more whole records than 32-bit
// record numbers can address.

#include "dictionary/MappedFile.h"
#include "dictionary/Records.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace quillet::dictionary {

inline constexpr std::int32_t kMaxUserRecords = 100000;

class RecordFile
{
public:
    // UserReadOnly reads a user file as WriteThrough does, without creating
    // or changing it; a missing one reads as empty.
    enum class Mode { ReadOnly, ReadOnlyCopy, WriteThrough, UserReadOnly };

    explicit RecordFile(std::size_t recordLength);

    // Creates the file empty when it does not exist. On failure the file stays
    // closed, `reason` says why and the status tells what kind of failure it was.
    bool open(const std::filesystem::path& path, Mode mode, std::string& reason);
    FileReadStatus openStatus() const { return m_openStatus; }
    void close();
    // Re-reads (or maps again) the open file from disk, so records another
    // running copy of the program wrote are seen. False (the old contents
    // kept) when it cannot.
    bool refresh();
    // A mapped read-only file was cut short in place since it was opened (the
    // lost records read as empty until refresh()), or it was empty when opened.
    bool isStale() const { return m_mapped.isStale(); }
    void releasePages() const { m_mapped.releasePages(); }
    bool isOpen() const { return m_open; }
    bool isWritable() const { return m_userFile.isWritable(); }
    const std::filesystem::path& path() const { return m_path; }

    std::size_t recordLength() const { return m_recordLength; }
    // Every byte of the file; valid until it is opened, refreshed, written or closed.
    std::string_view bytes() const { return m_bytes; }
    std::int32_t recordCount() const;

    // The bytes of record `number`, or an empty view when it lies past the end.
    // Touches neither the end flag nor the read position.
    std::string_view recordBytes(std::int32_t number) const;

    // Each returns false (empty fields, end flag set) when the record lies past the end.
    bool read(std::int32_t number, EntryRecord& out);
    bool read(std::int32_t number, IndexRecord& out);
    bool readNext(EntryRecord& out);
    bool readNext(IndexRecord& out);
    bool endOfFile() const { return m_pastEnd; }

    // Writes record `number`, padded to the record length; count + 1 appends,
    // up to kMaxUserRecords. Nothing is written when an error is returned.
    RecordError write(std::int32_t number, const EntryRecord& record);

private:
    bool isUserFile() const { return m_mode == Mode::WriteThrough || m_mode == Mode::UserReadOnly; }
    std::uintmax_t maxFileBytes() const;
    FileReadStatus openUserFile(core::OpenFile& file, std::string& bytes) const;
    FileReadStatus load(MappedFile& into) const;
    void viewBytes();
    std::string_view touch(std::int32_t number);

    std::size_t m_recordLength;
    std::filesystem::path m_path;
    Mode m_mode = Mode::ReadOnly;
    MappedFile m_mapped;        // read-only modes
    std::string m_data;         // user modes
    std::string_view m_bytes;   // of m_mapped or m_data
    core::OpenFile m_userFile;  // user modes
    bool m_open = false;
    FileReadStatus m_openStatus = FileReadStatus::Missing;
    bool m_pastEnd = false;
    std::int32_t m_lastRead = 0;
};

}  // namespace quillet::dictionary
