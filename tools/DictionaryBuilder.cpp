#include "DictionaryBuilder.h"

#include "ToolError.h"

#include "core/TextUtil.h"
#include "core/Utf8.h"
#include "core/Windows1252.h"
#include "dictionary/Encoder.h"
#include "dictionary/Folding.h"
#include "dictionary/IndexTable.h"
#include "dictionary/Records.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>

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

std::string describeCharacter(char16_t c)
{
    char hex[8];
    std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(c));
    return "U+" + std::string(hex) + " '" + core::toUtf8(std::u16string_view(&c, 1)) + "'";
}

std::string firstOutsideCodePage(std::u16string_view text)
{
    for (char16_t c : text) {
        if (!core::encodeWindows1252(c))
            return describeCharacter(c);
    }
    return {};
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

BuiltDictionary buildDictionary(const std::vector<SourceEntry>& entries, const BuildOptions& options)
{
    BuiltDictionary result;
    result.offered = entries.size();
    std::vector<Prepared> kept;
    kept.reserve(entries.size());

    auto note = [&](BuildNote::Kind kind, const SourceEntry& entry, std::u16string headword,
                    std::string reason) {
        result.notes.push_back({kind, entry.origin, std::move(headword), std::move(reason)});
    };

    for (const SourceEntry& entry : entries) {
        using Kind = BuildNote::Kind;
        std::u16string headword = core::trimSpaces(entry.headword);
        if (headword.empty()) {
            note(Kind::Skipped, entry, entry.headword, "empty headword");
            continue;
        }
        if (headword.size() == 1) {
            note(Kind::Skipped, entry, headword,
                 "one-letter headword: a selector and one character decode to empty text");
            continue;
        }
        if (std::string bad = firstOutsideCodePage(headword); !bad.empty()) {
            note(Kind::Skipped, entry, headword, "headword holds " + bad + ", not in Windows-1252");
            continue;
        }
        if (headword.size() > kMainTextCapacity - kMinimumTranslation) {
            note(Kind::Skipped, entry, headword,
                 "headword of " + std::to_string(headword.size()) +
                     " characters leaves no room for a translation in the 128-byte record");
            continue;
        }
        if (core::trimSpaces(entry.translation).empty()) {
            note(Kind::Skipped, entry, headword, "empty translation");
            continue;
        }
        if (std::string bad = firstOutsideCodePage(entry.translation); !bad.empty()) {
            note(Kind::Skipped, entry, headword, "translation holds " + bad + ", not in Windows-1252");
            continue;
        }

        Prepared item{headword, core::trimSpaces(dict::foldAccents(headword)), {}, {}, entry.origin};
        const std::size_t translationRoom = kMainTextCapacity - headword.size();
        item.translation = cutText(entry.translation, translationRoom, false);
        if (item.translation.size() < entry.translation.size()) {
            note(Kind::Cut, entry, headword,
                 cutReason("translation", entry.translation.size(), item.translation.size(),
                           dict::kShortRecordLength));
        }
        if (item.translation.size() == 1) {
            item.translation += u' ';
            note(Kind::Padded, entry, headword,
                 "one-character translation stored with a trailing space");
        }

        if (!entry.details.empty()) {
            if (std::string bad = firstOutsideCodePage(entry.details); !bad.empty()) {
                note(Kind::Cut, entry, headword,
                     "details left out: they hold " + bad + ", not in Windows-1252");
            } else {
                const std::size_t keyLength = dict::detailsKey(headword).size();
                const std::size_t detailsRoom = kDetailsTextCapacity - keyLength;
                item.details = cutText(entry.details, detailsRoom, true);
                if (item.details.size() < entry.details.size()) {
                    note(Kind::Cut, entry, headword,
                         cutReason("details", entry.details.size(), item.details.size(),
                                   dict::kLongRecordLength));
                }
            }
        }
        kept.push_back(std::move(item));
    }

    std::stable_sort(kept.begin(), kept.end(),
                     [](const Prepared& a, const Prepared& b) { return a.folded < b.folded; });

    result.main.reserve(kept.size());
    std::size_t lastWithDetails = 0;
    std::size_t blockStart = 0;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const Prepared& item = kept[i];
        const bool keyChanges = i == 0 || item.folded != kept[i - 1].folded;
        if (!keyChanges && item.headword == kept[i - 1].headword) {
            result.notes.push_back({BuildNote::Kind::Duplicate, item.origin, item.headword,
                                    "same headword as an earlier entry, which a lookup finds first"});
        }
        if (i == 0 || (keyChanges && i - blockStart >= options.blockSize)) {
            blockStart = i;
            result.index.push_back({item.folded, static_cast<std::int32_t>(i + 1)});
        }
        result.main.push_back({encoded(item.headword), encoded(item.translation)});
        if (!item.details.empty())
            lastWithDetails = i + 1;
    }
    if (kept.size() > static_cast<std::size_t>(dict::kLastBlockEnd)) {
        if (!kept.empty() && kept.back().folded < kSentinelKey) {
            result.index.push_back({std::u16string(kSentinelKey),
                                    static_cast<std::int32_t>(kept.size())});
        }
    }
    result.details.reserve(lastWithDetails);
    for (std::size_t i = 0; i < lastWithDetails; ++i)
        result.details.push_back({encoded(dict::detailsKey(kept[i].headword)), kept[i].details});

    std::stable_sort(result.notes.begin(), result.notes.end(),
                     [](const BuildNote& a, const BuildNote& b) { return a.origin < b.origin; });
    return result;
}

namespace {

template <typename Record, typename Serialize>
void writeRecords(const std::filesystem::path& path, const std::vector<Record>& records,
                  Serialize serialize)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        throw FileError(path.string(), std::strerror(errno));
    std::string bytes;
    std::string buffer;
    for (const Record& record : records) {
        if (serialize(record, bytes) != dict::RecordError::None)
            throw FileError(path.string(), "a record does not fit its layout");
        buffer += bytes;
        if (buffer.size() >= (1u << 20)) {
            file.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            buffer.clear();
        }
    }
    file.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    file.close();
    if (!file)
        throw FileError(path.string(), "write failed");
}

void createIfMissing(const std::filesystem::path& path)
{
    std::error_code error;
    if (std::filesystem::exists(path, error))
        return;
    std::ofstream file(path, std::ios::binary);
    if (!file)
        throw FileError(path.string(), std::strerror(errno));
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
    writeRecords(pathOf(".qlc"), dictionary.main, entry(dict::kShortRecordLength));
    writeRecords(pathOf(".ind"), dictionary.index,
                 [](const dict::IndexRecord& record, std::string& out) {
                     return dict::serializeIndex(record, out);
                 });
    writeRecords(pathOf(".pdt"), dictionary.details, entry(dict::kLongRecordLength));
    createIfMissing(pathOf(".dcu"));
    createIfMissing(pathOf(".dtu"));
}

}  // namespace quillet::tool
