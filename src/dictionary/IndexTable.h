#pragma once
// The block search over the index file, read in place. The block of a folded
// word F is found exactly as by walking the index record by record: start is
// the firstRecord of the record before the first record after record 1 whose
// key sorts after F. When the keys are in order this is a binary search;
// otherwise the walk is done literally. A firstRecord below 1 reads as 1.
// Keys are compared trimmed, as UTF-16 units decoded from Windows-1252.

#include "dictionary/RecordFile.h"

#include <cstdint>
#include <string_view>

namespace quillet::dictionary {

// End of the last block, and the cap of every block.
inline constexpr std::int32_t kLastBlockEnd = 99999;

struct Block
{
    std::int32_t start = 1;
    std::int32_t end = kLastBlockEnd;
};

class IndexTable
{
public:
    // Checks the order of the keys once. The table reads the file's bytes in
    // place: load it again after the file is opened, refreshed or closed.
    void load(const RecordFile& indexFile);
    void clear();

    bool empty() const { return m_count == 0; }
    bool sorted() const { return m_sorted; }

    // `folded` must already be trimmed. Precondition: !empty().
    Block blockFor(std::u16string_view folded) const;

private:
    std::string_view record(std::int32_t number) const;
    std::string_view key(std::int32_t number) const;  // trimmed
    std::int32_t firstOf(std::int32_t number) const;
    Block linearBlockFor(std::u16string_view folded) const;

    std::string_view m_records;
    std::int32_t m_count = 0;
    bool m_sorted = true;
};

}  // namespace quillet::dictionary
