#pragma once
// Record layouts of the dictionary files. A record is a run of counted texts
// (16-bit little-endian byte count, then that many Windows-1252 bytes), padded
// with zero bytes to the record length. Parsing never reads outside the record:
// a count that runs past the record's end is cut there, and a field that starts
// past the end (or whose count itself does not fit) is empty.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillet::dictionary {

// Main (.qlc), index (.ind) and user (.dcu) files.
inline constexpr std::size_t kShortRecordLength = 128;
// Details (.pdt) and user details (.dtu) files.
inline constexpr std::size_t kLongRecordLength = 512;

struct EntryRecord
{
    std::u16string term;
    std::u16string body;
    bool operator==(const EntryRecord&) const = default;
};

struct IndexRecord
{
    std::u16string key;
    std::int32_t firstRecord = 0;
    bool operator==(const IndexRecord&) const = default;
};

// The raw Windows-1252 bytes of an index key, pointing into the record.
struct IndexView
{
    std::string_view key;
    std::int32_t firstRecord = 0;
};

// The raw Windows-1252 bytes of an entry's fields, pointing into the record.
struct EntryView
{
    std::string_view term;
    std::string_view body;
};

enum class RecordError {
    None,
    TooLong,          // the fields do not fit the record length
    NotWindows1252,   // a character the code page cannot hold
    BadRecordNumber,  // below 1, or beyond the record after the last
    NotOpen,          // the file is not open (or not open for writing)
    WriteFailed,      // the system refused the write
};

// Reads the counted text at `offset` and moves `offset` past it; cut at the
// end of `record`. Inline: a lookup reads a few dozen of them.
inline std::string_view readCountedText(std::string_view record, std::size_t& offset)
{
    if (offset + 2 > record.size()) {
        offset = record.size();
        return {};
    }
    const auto low = static_cast<unsigned char>(record[offset]);
    const auto high = static_cast<unsigned char>(record[offset + 1]);
    const std::size_t count = static_cast<std::size_t>(low) | (static_cast<std::size_t>(high) << 8);
    offset += 2;
    const std::size_t available = record.size() - offset;
    const std::size_t taken = count < available ? count : available;
    const std::string_view text = record.substr(offset, taken);
    offset += taken;
    return text;
}

EntryView parseEntryView(std::string_view record);
EntryRecord parseEntry(std::string_view record);
IndexRecord parseIndex(std::string_view record);
IndexView parseIndexView(std::string_view record);

// Exactly `recordLength` bytes in `out` on success; `out` is left alone on error.
RecordError serializeEntry(const EntryRecord& record, std::size_t recordLength, std::string& out);
RecordError serializeIndex(const IndexRecord& record, std::string& out);

// True when the plain Windows-1252 field `stored`, with leading and trailing
// spaces removed, equals `trimmedWord`. Allocates nothing.
bool plainFieldEquals(std::string_view stored, std::u16string_view trimmedWord);

// Bytes of text an entry record of `recordLength` can hold (both fields together).
constexpr std::size_t entryTextCapacity(std::size_t recordLength)
{
    return recordLength - 4;
}

}  // namespace quillet::dictionary
