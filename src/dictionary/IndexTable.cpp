#include "dictionary/IndexTable.h"

#include "core/Windows1252.h"

#include <algorithm>

namespace quillet::dictionary {

namespace {

std::string_view trimmedKey(std::string_view key)
{
    if (key.empty() || (key.front() != ' ' && key.back() != ' '))
        return key;  // as the tool writes them
    const auto first = key.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return key.substr(first, key.find_last_not_of(' ') - first + 1);
}

char16_t unitOf(char byte)
{
    const auto value = static_cast<unsigned char>(byte);
    return value < 0x80 ? value : core::decodeWindows1252(value);
}

// word < key, as UTF-16 texts.
bool sortsBefore(std::u16string_view word, std::string_view key)
{
    const std::size_t common = std::min(word.size(), key.size());
    for (std::size_t i = 0; i < common; ++i) {
        const char16_t unit = unitOf(key[i]);
        if (word[i] != unit)
            return word[i] < unit;
    }
    return word.size() < key.size();
}

bool keysInOrder(std::string_view lower, std::string_view upper)
{
    const std::size_t common = std::min(lower.size(), upper.size());
    for (std::size_t i = 0; i < common; ++i) {
        const char16_t a = unitOf(lower[i]);
        const char16_t b = unitOf(upper[i]);
        if (a != b)
            return a < b;
    }
    return lower.size() <= upper.size();
}

}  // namespace

void IndexTable::load(const RecordFile& indexFile)
{
    clear();
    m_count = indexFile.recordCount();
    m_records = indexFile.bytes().substr(0, static_cast<std::size_t>(m_count) * kShortRecordLength);
    for (std::int32_t number = 2; number <= m_count && m_sorted; ++number)
        m_sorted = keysInOrder(key(number - 1), key(number));
    // The search touches a few records a lookup; the walk touched them all.
    indexFile.releasePages();
}

void IndexTable::clear()
{
    m_records = {};
    m_count = 0;
    m_sorted = true;
}

std::string_view IndexTable::record(std::int32_t number) const
{
    return m_records.substr(static_cast<std::size_t>(number - 1) * kShortRecordLength,
                            kShortRecordLength);
}

std::string_view IndexTable::key(std::int32_t number) const
{
    std::size_t offset = 0;
    return trimmedKey(readCountedText(record(number), offset));
}

std::int32_t IndexTable::firstOf(std::int32_t number) const
{
    return std::max<std::int32_t>(parseIndexView(record(number)).firstRecord, 1);
}

Block IndexTable::blockFor(std::u16string_view folded) const
{
    if (sortsBefore(folded, key(1)))
        return {1, m_count >= 2 ? firstOf(2) : kLastBlockEnd};
    if (!m_sorted)
        return linearBlockFor(folded);
    // The first record after record 1 whose key sorts after `folded`.
    std::int32_t low = 2;
    std::int32_t high = m_count + 1;
    while (low < high) {
        const std::int32_t middle = low + (high - low) / 2;
        if (sortsBefore(folded, key(middle)))
            high = middle;
        else
            low = middle + 1;
    }
    if (low > m_count)
        return {firstOf(m_count), kLastBlockEnd};
    return {firstOf(low - 1), firstOf(low)};
}

Block IndexTable::linearBlockFor(std::u16string_view folded) const
{
    for (std::int32_t number = 2; number <= m_count; ++number)
        if (sortsBefore(folded, key(number)))
            return {firstOf(number - 1), firstOf(number)};
    return {firstOf(m_count), kLastBlockEnd};
}

}  // namespace quillet::dictionary
