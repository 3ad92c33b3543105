#pragma once
// The index file held in memory for the block search. The block of a folded
// word F is found exactly as by walking the index record by record: start is
// the firstRecord of the record before the first record after record 1 whose
// key sorts after F. When the keys are in order this is a binary search;
// otherwise the walk is done literally. A firstRecord below 1 reads as 1.

#include "dictionary/RecordFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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
    void load(const RecordFile& indexFile);
    void clear();

    bool empty() const { return m_keys.empty(); }
    bool sorted() const { return m_sorted; }

    // `folded` must already be trimmed. Precondition: !empty().
    Block blockFor(std::u16string_view folded) const;

private:
    Block linearBlockFor(std::u16string_view folded) const;

    std::vector<std::u16string> m_keys;  // trimmed
    std::vector<std::int32_t> m_first;   // at least 1
    bool m_sorted = true;
};

}  // namespace quillet::dictionary
