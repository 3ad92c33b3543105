#include "DictionaryCheck.h"

#include "FileBytes.h"

#include "core/SharedState.h"
#include "core/TextUtil.h"
#include "core/Utf8.h"
#include "dictionary/Decoder.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/Folding.h"
#include "dictionary/Lookup.h"
#include "dictionary/Records.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <set>

namespace quillet::tool::testing {

namespace dict = quillet::dictionary;

namespace {

template <typename Record, typename Parse>
std::vector<Record> readAll(const std::string& path, std::size_t length, Parse parse)
{
    const std::string bytes = readFileBytes(path);
    EXPECT_EQ(bytes.size() % length, 0u) << path;
    std::vector<Record> records;
    for (std::size_t offset = 0; offset + length <= bytes.size(); offset += length)
        records.push_back(parse(std::string_view(bytes).substr(offset, length)));
    return records;
}

std::string utf8(std::u16string_view text) { return core::toUtf8(text); }

// The block of the main file a lookup searches for `folded`, by walking the
// index record by record.
std::pair<std::int32_t, std::int32_t> walkIndex(const std::vector<dict::IndexRecord>& index,
                                                std::u16string_view folded)
{
    if (folded < core::trimSpacesView(index[0].key))
        return {1, index.size() > 1 ? index[1].firstRecord : 99999};
    for (std::size_t i = 0;; ++i) {
        if (i + 1 == index.size())
            return {index[i].firstRecord, 99999};
        if (folded < core::trimSpacesView(index[i + 1].key))
            return {index[i].firstRecord, index[i + 1].firstRecord};
    }
}

// `stored` is `source`, or what a note of `kinds` allows it to be.
void expectStoredAs(std::u16string_view stored, std::u16string_view source,
                    const std::set<BuildNote::Kind>& kinds, const std::string& what)
{
    if (stored == source)
        return;
    if (kinds.count(BuildNote::Kind::Padded) && source.size() == 1 &&
        stored == std::u16string(source) + u' ')
        return;
    if (kinds.count(BuildNote::Kind::Cut) && stored.size() < source.size() &&
        source.substr(0, stored.size()) == stored && !stored.empty())
        return;
    ADD_FAILURE() << what << " stored as '" << utf8(stored) << "', given '" << utf8(source) << "'";
}

}  // namespace

void checkBuiltSet(const std::filesystem::path& folder, const std::string& stem,
                   const std::vector<SourceEntry>& sources, const std::vector<BuildNote>& notes)
{
    const std::string base = (folder / stem).string();
    auto entry = [](std::string_view bytes) { return dict::parseEntry(bytes); };
    auto main = readAll<dict::EntryRecord>(base + ".qlc", 128, entry);
    auto details = readAll<dict::EntryRecord>(base + ".pdt", 512, entry);
    auto index = readAll<dict::IndexRecord>(base + ".ind", 128,
                                            [](std::string_view bytes) { return dict::parseIndex(bytes); });
    for (const char* user : {".dcu", ".dtu"})
        EXPECT_TRUE(std::filesystem::exists(base + user)) << user;
    ASSERT_FALSE(index.empty());
    ASSERT_LE(details.size(), main.size());

    std::map<std::size_t, std::set<BuildNote::Kind>> kindsOf;
    for (const BuildNote& note : notes)
        kindsOf[note.origin].insert(note.kind);

    // Kept entries, per headword, in source order.
    std::map<std::u16string, std::deque<const SourceEntry*>> pending;
    std::size_t kept = 0;
    for (const SourceEntry& source : sources) {
        if (kindsOf[source.origin].count(BuildNote::Kind::Skipped))
            continue;
        pending[core::trimSpaces(source.headword)].push_back(&source);
        ++kept;
    }
    ASSERT_EQ(main.size(), kept) << "every kept entry gets exactly one main record";

    // Index: ascending keys and record numbers, the first block at record 1.
    EXPECT_EQ(index[0].firstRecord, 1);
    for (std::size_t i = 1; i < index.size(); ++i) {
        EXPECT_LT(index[i - 1].key, index[i].key) << "index record " << i + 1;
        EXPECT_LT(index[i - 1].firstRecord, index[i].firstRecord) << "index record " << i + 1;
    }

    struct Stored
    {
        std::u16string translation;
        std::u16string details;
    };
    std::map<std::u16string, Stored> firstStored;
    for (std::size_t r = 0; r < main.size(); ++r) {
        const auto number = static_cast<std::int32_t>(r + 1);
        const std::u16string headword = dict::DecodeField(main[r].term);
        auto& queue = pending[headword];
        if (queue.empty()) {
            ADD_FAILURE() << "main record " << number << " '" << utf8(headword)
                          << "' matches no entry given (or one too many)";
            continue;
        }
        const SourceEntry& source = *queue.front();
        queue.pop_front();
        const auto& kinds = kindsOf[source.origin];
        const std::u16string translation = dict::DecodeField(main[r].body);
        expectStoredAs(translation, source.translation, kinds,
                       "translation of '" + utf8(headword) + "'");

        std::u16string note;
        if (r < details.size()) {
            EXPECT_EQ(dict::DecodeField(details[r].term), dict::detailsKey(headword))
                << "details record " << number;
            note = details[r].body;
        }
        expectStoredAs(note, source.details, kinds, "details of '" + utf8(headword) + "'");
        firstStored.emplace(headword, Stored{translation, note});

        const std::u16string folded = core::trimSpaces(dict::foldAccents(headword));
        auto [start, end] = walkIndex(index, folded);
        EXPECT_TRUE(start <= number && number <= end)
            << "record " << number << " '" << utf8(headword) << "' lies outside its block [" << start
            << ", " << end << "]";
    }
    for (const auto& [headword, queue] : pending)
        EXPECT_TRUE(queue.empty()) << "'" << utf8(headword) << "' has no main record";

    // The program's own lookup finds every headword, with its first entry's texts.
    core::SharedState state;
    state.dictionaryTable[0][5] = u"S";
    dict::DictionaryFiles files;
    ASSERT_TRUE(files.open(folder, core::fromUtf8(stem)).empty());
    for (const auto& [headword, stored] : firstStored) {
        EXPECT_TRUE(dict::LookupWord(files, state, headword, true)) << "not found: " << utf8(headword);
        EXPECT_EQ(state.lastTranslation, stored.translation) << utf8(headword);
        EXPECT_EQ(state.lastDetails, stored.details.empty() ? stored.translation : stored.details)
            << utf8(headword);
    }
}

}  // namespace quillet::tool::testing
