#include "dictionary/IndexTable.h"

#include "core/TextUtil.h"
#include "core/Windows1252.h"

#include <algorithm>

namespace quillet::dictionary {

void IndexTable::load(const RecordFile& indexFile)
{
    clear();
    const std::int32_t count = indexFile.recordCount();
    m_keys.reserve(static_cast<std::size_t>(count));
    m_first.reserve(static_cast<std::size_t>(count));
    for (std::int32_t number = 1; number <= count; ++number) {
        const IndexRecord record = parseIndex(indexFile.recordBytes(number));
        m_keys.push_back(core::trimSpaces(record.key));
        m_first.push_back(std::max<std::int32_t>(record.firstRecord, 1));
    }
    m_sorted = std::is_sorted(m_keys.begin(), m_keys.end());
}

void IndexTable::clear()
{
    m_keys.clear();
    m_first.clear();
    m_sorted = true;
}

Block IndexTable::blockFor(std::u16string_view folded) const
{
    if (folded < std::u16string_view(m_keys.front()))
        return {1, m_keys.size() >= 2 ? m_first[1] : kLastBlockEnd};
    if (!m_sorted)
        return linearBlockFor(folded);
    const auto after = std::upper_bound(m_keys.begin() + 1, m_keys.end(), folded,
                                        [](std::u16string_view word, const std::u16string& key) {
                                            return word < std::u16string_view(key);
                                        });
    const auto j = static_cast<std::size_t>(after - m_keys.begin());
    if (j == m_keys.size())
        return {m_first.back(), kLastBlockEnd};
    return {m_first[j - 1], m_first[j]};
}

Block IndexTable::linearBlockFor(std::u16string_view folded) const
{
    for (std::size_t j = 1; j < m_keys.size(); ++j)
        if (folded < std::u16string_view(m_keys[j]))
            return {m_first[j - 1], m_first[j]};
    return {m_first.back(), kLastBlockEnd};
}

}  // namespace quillet::dictionary
