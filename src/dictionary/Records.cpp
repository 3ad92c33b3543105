#include "dictionary/Records.h"

#include "core/Windows1252.h"

namespace quillet::dictionary {

namespace {

void putCount(std::string& out, std::size_t at, std::size_t count)
{
    out[at] = static_cast<char>(count & 0xFF);
    out[at + 1] = static_cast<char>((count >> 8) & 0xFF);
}

}  // namespace

EntryView parseEntryView(std::string_view record)
{
    std::size_t offset = 0;
    EntryView view;
    view.term = readCountedText(record, offset);
    view.body = readCountedText(record, offset);
    return view;
}

EntryRecord parseEntry(std::string_view record)
{
    const EntryView view = parseEntryView(record);
    return {core::fromWindows1252(view.term), core::fromWindows1252(view.body)};
}

IndexView parseIndexView(std::string_view record)
{
    std::size_t offset = 0;
    IndexView index;
    index.key = readCountedText(record, offset);
    if (offset + 4 <= record.size()) {
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i) {
            value = (value << 8) |
                    static_cast<unsigned char>(record[offset + static_cast<std::size_t>(i)]);
        }
        index.firstRecord = static_cast<std::int32_t>(value);
    }
    return index;
}

IndexRecord parseIndex(std::string_view record)
{
    const IndexView view = parseIndexView(record);
    return {core::fromWindows1252(view.key), view.firstRecord};
}

RecordError serializeEntry(const EntryRecord& record, std::size_t recordLength, std::string& out)
{
    const auto term = core::toWindows1252(record.term);
    const auto body = core::toWindows1252(record.body);
    if (!term || !body)
        return RecordError::NotWindows1252;
    if (recordLength < 4 || term->size() + body->size() > entryTextCapacity(recordLength))
        return RecordError::TooLong;
    std::string bytes(recordLength, '\0');
    putCount(bytes, 0, term->size());
    bytes.replace(2, term->size(), *term);
    const std::size_t bodyAt = 2 + term->size();
    putCount(bytes, bodyAt, body->size());
    bytes.replace(bodyAt + 2, body->size(), *body);
    out = std::move(bytes);
    return RecordError::None;
}

RecordError serializeIndex(const IndexRecord& record, std::string& out)
{
    const auto key = core::toWindows1252(record.key);
    if (!key)
        return RecordError::NotWindows1252;
    if (key->size() + 6 > kShortRecordLength)
        return RecordError::TooLong;
    std::string bytes(kShortRecordLength, '\0');
    putCount(bytes, 0, key->size());
    bytes.replace(2, key->size(), *key);
    const auto value = static_cast<std::uint32_t>(record.firstRecord);
    for (std::size_t i = 0; i < 4; ++i)
        bytes[2 + key->size() + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    out = std::move(bytes);
    return RecordError::None;
}

}  // namespace quillet::dictionary

namespace quillet::dictionary {

bool plainFieldEquals(std::string_view stored, std::u16string_view trimmedWord)
{
    const auto first = stored.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return trimmedWord.empty();
    const auto last = stored.find_last_not_of(' ');
    const std::string_view kept = stored.substr(first, last - first + 1);
    if (kept.size() != trimmedWord.size())
        return false;
    for (std::size_t i = 0; i < kept.size(); ++i)
        if (core::decodeWindows1252(static_cast<unsigned char>(kept[i])) != trimmedWord[i])
            return false;
    return true;
}

}  // namespace quillet::dictionary
