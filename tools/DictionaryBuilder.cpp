#include "DictionaryBuilder.h"

#include "FileBytes.h"
#include "ToolError.h"

#include "core/TextUtil.h"
#include "core/Utf8.h"
#include "core/Windows1252.h"
#include "dictionary/Encoder.h"
#include "dictionary/Folding.h"
#include "dictionary/IndexTable.h"
#include "dictionary/Records.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <utility>

namespace quillet::tool {

namespace dict = quillet::dictionary;

namespace {

// Main record: 2 + (selector + headword) + 2 + (selector + translation).
constexpr std::size_t kMainTextCapacity = dict::entryTextCapacity(dict::kShortRecordLength) - 2;
// Details record: 2 + (selector + key) + 2 + note.
constexpr std::size_t kDetailsTextCapacity = dict::entryTextCapacity(dict::kLongRecordLength) - 1;
constexpr std::size_t kMinimumTranslation = 2;

// Sorts after every key that does not itself begin with the code page's
// highest character; ends the last real block when the file is longer than
// the lookup's cap on the last block.
constexpr std::u16string_view kSentinelKey = u"\u2122";

// By its code point, then in quotes. Every source is decoded from UTF-8, so
// no lone surrogate comes here.
std::string describeCharacter(char32_t c)
{
    char hex[12];
    std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(c));
    std::u16string units;
    if (c < 0x10000) {
        units.push_back(static_cast<char16_t>(c));
    } else {
        units.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
        units.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    }
    return std::string(hex) + " '" + core::toUtf8(units) + "'";
}

std::string firstOutsideCodePage(std::u16string_view text)
{
    const char32_t c = core::firstNotInWindows1252(text);
    return c == 0 ? std::string() : describeCharacter(c);
}

std::string cutReason(const char* field, std::size_t from, std::size_t to, std::size_t recordLength)
{
    return std::string(field) + " cut from " + std::to_string(from) + " to " + std::to_string(to) +
           " characters to fit the " + std::to_string(recordLength) + "-byte record";
}

std::u16string encoded(std::u16string_view plain)
{
    std::u16string stored;
    if (dict::encodeField(plain, stored) != dict::EncodeError::None)
        throw std::logic_error("field too short to encode");
    return stored;
}

struct Prepared
{
    std::u16string headword;
    std::u16string folded;
    std::u16string translation;
    std::u16string details;
    std::size_t origin;
};

}  // namespace

const char* kindName(BuildNote::Kind kind)
{
    switch (kind) {
        case BuildNote::Kind::Skipped:
            return "skipped";
        case BuildNote::Kind::Cut:
            return "cut";
        case BuildNote::Kind::Padded:
            return "padded";
        case BuildNote::Kind::Duplicate:
            return "duplicate";
    }
    return "?";
}

std::u16string cutText(std::u16string_view text, std::size_t limit, bool atLines)
{
    if (text.size() <= limit)
        return std::u16string(text);
    std::size_t cut = std::u16string_view::npos;
    if (atLines)
        cut = text.substr(0, limit + 1).rfind(u'\n');
    if (cut == std::u16string_view::npos || cut == 0)
        cut = text.substr(0, limit + 2).rfind(u", ");
    if (cut == std::u16string_view::npos || cut == 0)
        cut = limit;
    return std::u16string(text.substr(0, cut));
}

namespace {

using Kind = BuildNote::Kind;

void addNote(BuiltDictionary& result, Kind kind, std::size_t origin, std::u16string headword,
             std::string reason)
{
    result.notes.push_back({kind, origin, std::move(headword), std::move(reason)});
}

// Why `entry` cannot be stored at all, or empty when it can.
std::string skipReason(const SourceEntry& entry, std::u16string_view headword)
{
    if (headword.empty())
        return "empty headword";
    if (headword.size() == 1)
        return "one-letter headword: a selector and one character decode to empty text";
    if (std::string bad = firstOutsideCodePage(headword); !bad.empty())
        return "headword holds " + bad + ", not in Windows-1252";
    if (headword.size() > kMainTextCapacity - kMinimumTranslation)
        return "headword of " + std::to_string(headword.size()) +
               " characters leaves no room for a translation in the 128-byte record";
    if (core::trimSpaces(entry.translation).empty())
        return "empty translation";
    if (std::string bad = firstOutsideCodePage(entry.translation); !bad.empty())
        return "translation holds " + bad + ", not in Windows-1252";
    return {};
}

// The translation as the main record holds it: cut to the room the headword
// leaves, and a single character padded so that it survives encoding.
std::u16string fitTranslation(const SourceEntry& entry, const std::u16string& headword,
                              BuiltDictionary& result)
{
    std::u16string translation =
        cutText(entry.translation, kMainTextCapacity - headword.size(), false);
    if (translation.size() < entry.translation.size()) {
        addNote(result, Kind::Cut, entry.origin, headword,
                cutReason("translation", entry.translation.size(), translation.size(),
                          dict::kShortRecordLength));
    }
    if (translation.size() == 1) {
        translation += u' ';
        addNote(result, Kind::Padded, entry.origin, headword,
                "one-character translation stored with a trailing space");
    }
    return translation;
}

// The note as the details record holds it; left out when the code page cannot hold it.
std::u16string fitDetails(const SourceEntry& entry, const std::u16string& headword,
                          BuiltDictionary& result)
{
    if (entry.details.empty())
        return {};
    if (std::string bad = firstOutsideCodePage(entry.details); !bad.empty()) {
        addNote(result, Kind::Cut, entry.origin, headword,
                "details left out: they hold " + bad + ", not in Windows-1252");
        return {};
    }
    const std::size_t room = kDetailsTextCapacity - dict::detailsKey(headword).size();
    std::u16string details = cutText(entry.details, room, true);
    if (details.size() < entry.details.size()) {
        addNote(
            result, Kind::Cut, entry.origin, headword,
            cutReason("details", entry.details.size(), details.size(), dict::kLongRecordLength));
    }
    return details;
}

// The entries that can be stored, in source order.
std::vector<Prepared> prepareEntries(const std::vector<SourceEntry>& entries,
                                     BuiltDictionary& result)
{
    std::vector<Prepared> kept;
    kept.reserve(entries.size());
    for (const SourceEntry& entry : entries) {
        std::u16string headword = core::trimSpaces(entry.headword);
        if (std::string reason = skipReason(entry, headword); !reason.empty()) {
            addNote(result, Kind::Skipped, entry.origin,
                    headword.empty() ? entry.headword : headword, std::move(reason));
            continue;
        }
        Prepared item{
            headword, core::trimSpaces(dict::foldAccents(headword)), {}, {}, entry.origin};
        item.translation = fitTranslation(entry, headword, result);
        item.details = fitDetails(entry, headword, result);
        kept.push_back(std::move(item));
    }
    return kept;
}

// Main records in `sorted` order, and an index record wherever a block of at
// least `blockSize` records ends and the folded headword changes.
void addMainAndIndex(const std::vector<Prepared>& sorted, std::size_t blockSize,
                     BuiltDictionary& result)
{
    result.main.reserve(sorted.size());
    std::size_t blockStart = 0;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        const Prepared& item = sorted[i];
        const bool keyChanges = i == 0 || item.folded != sorted[i - 1].folded;
        if (!keyChanges && item.headword == sorted[i - 1].headword) {
            addNote(result, Kind::Duplicate, item.origin, item.headword,
                    "same headword as an earlier entry, which a lookup finds first");
        }
        if (i == 0 || (keyChanges && i - blockStart >= blockSize)) {
            blockStart = i;
            result.index.push_back({item.folded, static_cast<std::int32_t>(i + 1)});
        }
        result.main.push_back({encoded(item.headword), encoded(item.translation)});
    }
    if (sorted.size() > static_cast<std::size_t>(dict::kLastBlockEnd) &&
        sorted.back().folded < kSentinelKey) {
        result.index.push_back(
            {std::u16string(kSentinelKey), static_cast<std::int32_t>(sorted.size())});
    }
}

// One details record per main record, up to the last one with a note.
void addDetails(const std::vector<Prepared>& sorted, BuiltDictionary& result)
{
    const auto lastWithDetails = std::find_if(
        sorted.rbegin(), sorted.rend(), [](const Prepared& item) { return !item.details.empty(); });
    const auto count = static_cast<std::size_t>(sorted.rend() - lastWithDetails);
    result.details.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        result.details.push_back(
            {encoded(dict::detailsKey(sorted[i].headword)), sorted[i].details});
}

}  // namespace

BuiltDictionary buildDictionary(const std::vector<SourceEntry>& entries,
                                const BuildOptions& options)
{
    BuiltDictionary result;
    result.offered = entries.size();
    std::vector<Prepared> kept = prepareEntries(entries, result);
    std::stable_sort(kept.begin(), kept.end(),
                     [](const Prepared& a, const Prepared& b) { return a.folded < b.folded; });
    addMainAndIndex(kept, options.blockSize, result);
    addDetails(kept, result);
    std::stable_sort(result.notes.begin(), result.notes.end(),
                     [](const BuildNote& a, const BuildNote& b) { return a.origin < b.origin; });
    return result;
}

namespace {

// Writes the records to `file`, finished on the disk.
template <typename Record, typename Serialize>
void writeRecords(TemporaryFile& file, const std::vector<Record>& records, Serialize serialize)
{
    std::string bytes;
    std::string buffer;
    for (const Record& record : records) {
        if (serialize(record, bytes) != dict::RecordError::None)
            throw std::logic_error("a record does not fit its layout");
        buffer += bytes;
        if (buffer.size() >= (1u << 20)) {
            file.write(buffer);
            buffer.clear();
        }
    }
    file.write(buffer);
    file.finish();
}

}  // namespace

void writeDictionary(const BuiltDictionary& dictionary, const std::filesystem::path& folder,
                     const std::string& stem)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        throw FileError(folder.string(), error.message());
    auto pathOf = [&](const char* extension) { return folder / (stem + extension); };
    auto entry = [](std::size_t length) {
        return [length](const dict::EntryRecord& record, std::string& out) {
            return dict::serializeEntry(record, length, out);
        };
    };
    // A folder in the way would stop a rename after others had replaced their files.
    for (const char* extension : {".qlc", ".ind", ".pdt"})
        if (std::filesystem::is_directory(pathOf(extension)))
            throw FileError(pathOf(extension).string(), "is a folder, not a file");
    // The new files are written beside the old ones, which they replace only
    // once all three are complete: a failure leaves the old set as it was, and
    // removes the new files.
    for (const char* extension : {".qlc.tmp", ".ind.tmp", ".pdt.tmp"})
        TemporaryFile::removeLeftover(pathOf(extension));
    TemporaryFile main(pathOf(".qlc.tmp"));
    writeRecords(main, dictionary.main, entry(dict::kShortRecordLength));
    TemporaryFile index(pathOf(".ind.tmp"));
    writeRecords(index, dictionary.index, [](const dict::IndexRecord& record, std::string& out) {
        return dict::serializeIndex(record, out);
    });
    TemporaryFile details(pathOf(".pdt.tmp"));
    writeRecords(details, dictionary.details, entry(dict::kLongRecordLength));
    main.replace(pathOf(".qlc"));
    index.replace(pathOf(".ind"));
    details.replace(pathOf(".pdt"));
    createIfMissing(pathOf(".dcu"));
    createIfMissing(pathOf(".dtu"));
}

}  // namespace quillet::tool
