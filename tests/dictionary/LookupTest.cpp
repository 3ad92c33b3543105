#include "core/CatalogueFields.h"
#include "core/Utf8.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/IndexTable.h"
#include "dictionary/Lookup.h"

#include "support/TempFolder.h"
#include "support/TestDictionary.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

using namespace quillet;
using namespace quillet::dictionary;
using namespace quillet::testsupport;

namespace {

class LookupTest : public ::testing::Test
{
protected:
    LookupTest()
    {
        m_state.activeDictionary = 2;
        setAligned(u"S");
    }

    void setAligned(std::u16string flag)
    {
        core::catalogueField(m_state.dictionaryTable[2], core::CatalogueField::AlignedDetails) =
            std::move(flag);
    }

    void open(const DictionaryContent& content)
    {
        writeDictionary(m_folder.path(), "test", content);
        ASSERT_TRUE(m_files.open(m_folder.path(), u"test").empty());
    }

    // Found, with the translation and details the state then holds.
    std::optional<std::pair<std::u16string, std::u16string>> lookup(std::u16string_view word,
                                                                    bool wantDetails = true)
    {
        m_state.lastTranslation = m_state.lastDetails = u"old";
        const bool found = LookupWord(m_files, m_state, word, wantDetails);
        if (!found) {
            EXPECT_EQ(m_state.lastTranslation + m_state.lastDetails, u"") << core::toUtf8(word);
            return std::nullopt;
        }
        return std::pair{m_state.lastTranslation, m_state.lastDetails};
    }

    std::optional<std::u16string> translation(std::u16string_view word)
    {
        const auto found = lookup(word);
        return found ? std::optional(found->first) : std::nullopt;
    }

    // `count` main records, all empty but those placed.
    static std::vector<std::string> mainFile(
        std::int32_t count, const std::vector<std::pair<std::int32_t, std::string>>& placed)
    {
        std::vector<std::string> records(static_cast<std::size_t>(count), recordOf({}));
        for (const auto& [number, record] : placed)
            records[static_cast<std::size_t>(number - 1)] = record;
        return records;
    }

    TempFolder m_folder;
    core::SharedState m_state;
    DictionaryFiles m_files;
};

using Pair = std::pair<std::u16string, std::u16string>;

}  // namespace

// Each row is a file set and the words probed in it; no translation: not found.
TEST_F(LookupTest, FindsWhatTheBlocksAndHeadwordRulesAllow)
{
    struct Row
    {
        const char* label;
        DictionaryContent content;
        std::vector<std::pair<std::u16string_view, std::optional<std::u16string>>> probes;
    };
    const std::vector<Row> rows = {
        {"blocks bound the scan at both ends, the last block runs to the file's end",
         {mainFile(300, {{99, mainRecord(u"banana", u"outside")},
                         {250, mainRecord(u"banana", u"last")},
                         {100, mainRecord(u"abc", u"end of a")},
                         {101, mainRecord(u"abd", u"past a")},
                         {300, mainRecord(u"zebra", u"zebra")}}),
          {indexRecord(u"a", 1), indexRecord(u"b", 100), indexRecord(u"c", 250)}},
         {{u"banana", u"last"}, {u"abc", u"end of a"}, {u"abd", {}}, {u"zebra", u"zebra"}}},
        {"before the first key: up to the second key's record",
         {mainFile(12, {{10, mainRecord(u"abc", u"in")}, {11, mainRecord(u"abd", u"out")}}),
          {indexRecord(u"b", 5), indexRecord(u"c", 10)}},
         {{u"abc", u"in"}, {u"abd", {}}}},
        {"last block capped at record 99999",
         {mainFile(100000, {{99999, mainRecord(u"yes", u"inside")},
                            {100000, mainRecord(u"zzz", u"beyond")}}),
          {indexRecord(u"a", 1)}},
         {{u"yes", u"inside"}, {u"zzz", {}}}},
        {"lower number wins between equal headwords",
         {{mainRecord(u"casa", u"first"), mainRecord(u"casa", u"second")}, {indexRecord(u"a", 1)}},
         {{u"casa", u"first"}}},
        {"accents select the block, the headword matches exactly",
         {{mainRecord(u"abacate", u"avocado"), mainRecord(u"ação", u"action"),
           mainRecord(u"zzz", u"zz")},
          {indexRecord(u"a", 1), indexRecord(u"acao", 2), indexRecord(u"acaz", 3)}},
         {{u"ação", u"action"}, {u"acao", {}}, {u"Ação", {}}}},
        {"empty index finds nothing in the main file",
         {{mainRecord(u"casa", u"house")}, {}},
         {{u"casa", {}}}},
        {"empty, blank and selector-plus-one-character headwords",
         {{recordOf({u"?B", encoded(u"the letter a")}), recordOf({u"", encoded(u"empty")}),
           mainRecord(u"ab", u"ab")},
          {indexRecord(u"a", 1)},
          {},
          {userRecord(u"", u"deleted"), userRecord(u"   ", u"blank")}},
         {{u"", {}}, {u"    ", {}}, {u"a", {}}, {u"ab", u"ab"}}},
        {"stored headword trimmed, then compared exactly",
         {{recordOf({encoded(u"  casa "), encoded(u"house")}), mainRecord(u"Gato", u"cat")},
          {indexRecord(u"A", 1)}},
         {{u"  casa  ", u"house"}, {u"Gato", u"cat"}, {u"gato", {}}}},
        {"index first record below one reads as one",
         {{mainRecord(u"abc", u"first"), mainRecord(u"abd", u"second")},
          {indexRecord(u"a", -7), indexRecord(u"m", 0)}},
         {{u"abc", u"first"}, {u"abd", {}}}},
        {"unsorted index is walked record by record",
         {mainFile(40, {{5, mainRecord(u"dd", u"walked")}, {25, mainRecord(u"de", u"sorted")}}),
          {indexRecord(u"a", 1), indexRecord(u"m", 10), indexRecord(u"c", 20),
           indexRecord(u"z", 30)}},
         {{u"dd", u"walked"}, {u"de", {}}}},
    };
    for (const Row& row : rows) {
        open(row.content);
        for (const auto& [word, expected] : row.probes)
            EXPECT_EQ(translation(word), expected) << row.label << ": " << core::toUtf8(word);
    }
}

TEST_F(LookupTest, AlignedDetailsAreSearchedFromTheMainRecordOn)
{
    const std::vector<std::string> main = {mainRecord(u"ab", u"xy"), mainRecord(u"cat", u"gato"),
                                           mainRecord(u"house", u"casa")};
    open({main,
          {indexRecord(u"a", 1)},
          {detailsRecord(u"house", u"too early"), detailsRecord(u"cat", u"feline"),
           recordOf({encoded(u"cat"), u"unpadded key"}, kLongRecordLength),
           detailsRecord(u"house", u"a building"), detailsRecord(u"ab", u"two letters")}});
    EXPECT_EQ(lookup(u"house"), (Pair{u"casa", u"a building"}));
    EXPECT_EQ(lookup(u"cat"), (Pair{u"gato", u"feline"}));
    EXPECT_EQ(lookup(u"ab"), (Pair{u"xy", u"two letters"}));
    EXPECT_EQ(lookup(u"cat", false), (Pair{u"gato", u"gato"}));

    open({main, {indexRecord(u"a", 1)}, {detailsRecord(u"house", u"too early")}});
    EXPECT_EQ(lookup(u"house"), (Pair{u"casa", u"casa"}));  // the translation stands in
    for (const char16_t* notAligned : {u"N", u"s", u""}) {
        setAligned(notAligned);
        EXPECT_EQ(lookup(u"house"), (Pair{u"casa", u"too early"}));
    }
}

TEST_F(LookupTest, UserEntryOverridesTheDictionary)
{
    open({{mainRecord(u"casa", u"house"), mainRecord(u"gato", u"cat")},
          {indexRecord(u"a", 1)},
          {},
          {userRecord(u"", u"deleted"), userRecord(u"casa ", u"my home"),
           userRecord(u"casa", u"second"), userRecord(u"novo", u"new")},
          {userRecord(u"casa", u"first note", kLongRecordLength),
           userRecord(u"gato", u"x", kLongRecordLength),
           userRecord(u" casa ", u"last note", kLongRecordLength)}});
    EXPECT_EQ(lookup(u" casa"), (Pair{u"my home", u"last note"}));
    EXPECT_EQ(lookup(u"casa", false), (Pair{u"my home", u""}));
    EXPECT_EQ(lookup(u"novo"), (Pair{u"new", u""}));
    EXPECT_EQ(lookup(u"gato"), (Pair{u"cat", u"cat"}));  // a note alone does not override
}

// The block search must give exactly what walking the index record by record gives.
TEST(IndexTable, BinarySearchAgreesWithTheRecordWalk)
{
    std::mt19937 random(7);
    std::vector<std::u16string> keys(300);
    for (auto& key : keys)
        for (unsigned length = 1 + random() % 3; key.size() < length;)
            key.push_back(static_cast<char16_t>(u'a' + random() % 6));
    std::sort(keys.begin(), keys.end());
    std::string bytes;
    for (std::size_t i = 0; i < keys.size(); ++i)
        bytes += indexRecord(keys[i], static_cast<std::int32_t>(1 + 3 * i));
    TempFolder folder;
    writeTextFile(folder / "x.ind", bytes);
    RecordFile file(kShortRecordLength);
    std::string reason;
    ASSERT_TRUE(file.open(folder / "x.ind", RecordFile::Mode::ReadOnly, reason));
    IndexTable table;
    table.load(file);
    ASSERT_TRUE(table.sorted());
    for (const std::u16string_view word :
         {u"", u"a", u"aa", u"aab", u"c", u"cc", u"fff", u"g", u"A"}) {
        Block walked{1, keys.size() > 1 ? 4 : kLastBlockEnd};
        if (word >= keys[0]) {
            std::size_t i = 1;
            while (i < keys.size() && word >= keys[i]) ++i;
            walked = {static_cast<std::int32_t>(3 * i - 2),
                      i < keys.size() ? static_cast<std::int32_t>(3 * i + 1) : kLastBlockEnd};
        }
        const Block found = table.blockFor(word);
        EXPECT_EQ(found.start, walked.start) << core::toUtf8(word);
        EXPECT_EQ(found.end, walked.end) << core::toUtf8(word);
    }
}
