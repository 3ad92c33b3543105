#include "support/TempFolder.h"
#include "support/TestDictionary.h"

#include "core/SharedState.h"
#include "core/Utf8.h"
#include "dictionary/CipherTables.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/IndexTable.h"
#include "dictionary/Lookup.h"

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
        setAligned(true);
    }

    void setAligned(bool aligned) { m_state.dictionaryTable[2][5] = aligned ? u"S" : u"N"; }

    void open(const DictionaryContent& content)
    {
        writeDictionary(m_folder.path(), "test", content);
        ASSERT_TRUE(m_files.open(m_folder.path(), u"test").empty());
    }

    bool lookup(std::u16string_view word, bool wantDetails = true)
    {
        return LookupWord(m_files, m_state, word, wantDetails);
    }

    // `count` main records, all empty but those given.
    static std::vector<std::string> mainFile(
        std::int32_t count, const std::vector<std::pair<std::int32_t, std::string>>& placed)
    {
        std::vector<std::string> records(static_cast<std::size_t>(count), recordOf({}));
        for (const auto& [number, record] : placed) {
            records[static_cast<std::size_t>(number - 1)] = record;
        }
        return records;
    }

    TempFolder m_folder;
    core::SharedState m_state;
    DictionaryFiles m_files;
};

}  // namespace

TEST_F(LookupTest, IndexBlocksBoundTheMainScanAtBothEnds)
{
    // Index (a, 1), (b, 100), (c, 250): banana lies in 100..250, a word of "a" in 1..100.
    open({mainFile(300, {{99, mainRecord(u"banana", u"outside")},
                         {250, mainRecord(u"banana", u"last of its block")},
                         {100, mainRecord(u"abc", u"end of block a")},
                         {101, mainRecord(u"abd", u"past block a")},
                         {300, mainRecord(u"zebra", u"zebra")}}),
          {indexRecord(u"a", 1), indexRecord(u"b", 100), indexRecord(u"c", 250)},
          {},
          {},
          {}});
    EXPECT_TRUE(lookup(u"banana"));
    EXPECT_EQ(m_state.lastTranslation, u"last of its block");
    EXPECT_TRUE(lookup(u"abc"));
    EXPECT_EQ(m_state.lastTranslation, u"end of block a");
    EXPECT_FALSE(lookup(u"abd"));
    EXPECT_EQ(m_state.lastTranslation, u"");
    // Past the last key: from 250 to the end of the file.
    EXPECT_TRUE(lookup(u"zebra"));
    EXPECT_EQ(m_state.lastTranslation, u"zebra");
}

// Each row is one file set and the words probed in it; a probe expecting no
// translation expects "not found".
TEST_F(LookupTest, FindsWhatTheBlocksAndHeadwordRulesAllow)
{
    struct Probe
    {
        std::u16string_view word;
        std::optional<std::u16string> translation;
    };
    struct Row
    {
        const char* label;
        DictionaryContent content;
        std::vector<Probe> probes;
    };
    const std::u16string selectorPlusA{kSelectors[0], kCipherTables[0][0]};
    const std::vector<Row> rows = {
        {"before the first key: up to the second key's record",
         {mainFile(12, {{10, mainRecord(u"abc", u"in range")},
                        {11, mainRecord(u"abd", u"out of range")}}),
          {indexRecord(u"b", 5), indexRecord(u"c", 10)}},
         {{u"abc", u"in range"}, {u"abd", {}}}},
        {"one index record covers the whole file",
         {mainFile(5, {{5, mainRecord(u"aa", u"before the key")},
                       {4, mainRecord(u"zz", u"after the key")}}),
          {indexRecord(u"m", 3)}},
         {{u"aa", u"before the key"}, {u"zz", u"after the key"}, {u"zy", {}}}},
        {"last block capped at record 99999",
         {mainFile(100000, {{99999, mainRecord(u"yes", u"capped but inside")},
                            {100000, mainRecord(u"zzz", u"beyond the cap")}}),
          {indexRecord(u"a", 1)}},
         {{u"yes", u"capped but inside"}, {u"zzz", {}}}},
        {"lower number wins between equal headwords",
         {{mainRecord(u"casa", u"first"), mainRecord(u"casa", u"second")}, {indexRecord(u"a", 1)}},
         {{u"casa", u"first"}}},
        {"accents select the block, the headword matches exactly",
         {{mainRecord(u"abacate", u"avocado"), mainRecord(u"ação", u"action"),
           mainRecord(u"zzz", u"zz")},
          {indexRecord(u"a", 1), indexRecord(u"acao", 2), indexRecord(u"acaz", 3)}},
         {{u"ação", u"action"}, {u"acao", {}}, {u"Ação", {}}}},
        {"upper-case accented letter is not folded and sorts last",
         {{mainRecord(u"Água", u"water, misplaced"), mainRecord(u"abc", u"xy"),
           mainRecord(u"zulu", u"zz"), mainRecord(u"Água", u"water")},
          {indexRecord(u"a", 1), indexRecord(u"z", 3)}},
         {{u"Água", u"water"}}},
        {"user file over empty dictionary files",
         {{}, {}, {}, {userRecord(u"novo", u"new")}, {}},
         {{u"novo", u"new"}, {u"velho", {}}}},
        {"empty index finds nothing in the main file",
         {{mainRecord(u"casa", u"house")}, {}},
         {{u"casa", {}}}},
        {"empty, blank and selector-plus-one-character headwords",
         {{recordOf({selectorPlusA, encoded(u"the letter a")}), recordOf({u"", encoded(u"empty")}),
           mainRecord(u"ab", u"ab")},
          {indexRecord(u"a", 1)},
          {},
          {userRecord(u"", u"deleted entry"), userRecord(u"   ", u"blank entry")}},
         {{u"", {}}, {u" ", {}}, {u"    ", {}}, {u"a", {}}, {u"ab", u"ab"}}},
        {"stored headword trimmed, then compared exactly",
         {{recordOf({encoded(u"  casa "), encoded(u"house")}), mainRecord(u"Gato", u"cat")},
          {indexRecord(u"A", 1)}},
         {{u"casa", u"house"}, {u"  casa  ", u"house"}, {u"Gato", u"cat"}, {u"gato", {}}}},
        // The first block is record 1 alone.
        {"index first record below one reads as one",
         {{mainRecord(u"abc", u"first record"), mainRecord(u"abd", u"second")},
          {indexRecord(u"a", -7), indexRecord(u"m", 0)}},
         {{u"abc", u"first record"}, {u"abd", {}}}},
    };
    for (const Row& row : rows) {
        open(row.content);
        for (const Probe& probe : row.probes) {
            SCOPED_TRACE(std::string(row.label) + ": " + core::toUtf8(probe.word));
            m_state.lastTranslation = u"old";
            m_state.lastDetails = u"old";
            EXPECT_EQ(lookup(probe.word), probe.translation.has_value());
            EXPECT_EQ(m_state.lastTranslation, probe.translation.value_or(u""));
            if (!probe.translation) {
                EXPECT_EQ(m_state.lastDetails, u"");  // not found clears both
            }
        }
    }
}

TEST_F(LookupTest, AlignedDetailsAreSearchedFromTheMainRecordOn)
{
    open({{mainRecord(u"abc", u"aa"), mainRecord(u"cat", u"gato"), mainRecord(u"house", u"casa")},
          {indexRecord(u"a", 1)},
          {detailsRecord(u"house", u"note stored too early"), detailsRecord(u"cat", u"feline note"),
           recordOf({}, kLongRecordLength), detailsRecord(u"house", u"Noun. A building.")},
          {},
          {}});
    EXPECT_TRUE(lookup(u"house"));
    EXPECT_EQ(m_state.lastDetails, u"Noun. A building.");
    // The note for cat lies at its main record number: found, under the key catxa.
    EXPECT_TRUE(lookup(u"cat"));
    EXPECT_EQ(m_state.lastDetails, u"feline note");

    // The only house note before its main record: not found, so the translation stands in.
    open({{mainRecord(u"abc", u"aa"), mainRecord(u"cat", u"gato"), mainRecord(u"house", u"casa")},
          {indexRecord(u"a", 1)},
          {detailsRecord(u"house", u"note stored too early")},
          {},
          {}});
    EXPECT_TRUE(lookup(u"house"));
    EXPECT_EQ(m_state.lastDetails, u"casa");

    setAligned(false);
    EXPECT_TRUE(lookup(u"house"));
    EXPECT_EQ(m_state.lastDetails, u"note stored too early");

    m_state.dictionaryTable[2][5] = u"s";  // only exactly "S" means aligned
    EXPECT_TRUE(lookup(u"house"));
    EXPECT_EQ(m_state.lastDetails, u"note stored too early");
}

TEST_F(LookupTest, ShortHeadwordsFindTheirPaddedDetailsKey)
{
    setAligned(false);
    open({{mainRecord(u"cat", u"gato"), mainRecord(u"four", u"quatro"), mainRecord(u"ab", u"xy")},
          {indexRecord(u"a", 1)},
          {detailsRecord(u"four", u"the number"),
           recordOf({encoded(u"cat"), u"plain key is wrong"}, kLongRecordLength),
           recordOf({encoded(u"catxa"), u"padded key"}, kLongRecordLength),
           recordOf({encoded(u"abxal"), u"ab note"}, kLongRecordLength)},
          {},
          {}});
    EXPECT_TRUE(lookup(u"cat"));
    EXPECT_EQ(m_state.lastDetails, u"padded key");
    EXPECT_TRUE(lookup(u"four"));
    EXPECT_EQ(m_state.lastDetails, u"the number");
    EXPECT_TRUE(lookup(u"ab"));
    EXPECT_EQ(m_state.lastDetails, u"ab note");
}

TEST_F(LookupTest, MainEntryWithoutNoteGetsItsTranslationAsDetails)
{
    open({{mainRecord(u"casa", u" house, home ")}, {indexRecord(u"a", 1)}, {}, {}, {}});
    EXPECT_TRUE(lookup(u"casa", true));
    EXPECT_EQ(m_state.lastTranslation, u" house, home ");
    EXPECT_EQ(m_state.lastDetails, u" house, home ");
    m_state.lastDetails = u"stale";
    EXPECT_TRUE(lookup(u"casa", false));
    EXPECT_EQ(m_state.lastDetails, u" house, home ");
}

TEST_F(LookupTest, UserEntryOverridesTheDictionary)
{
    open({{mainRecord(u"casa", u"house")},
          {indexRecord(u"a", 1)},
          {},
          {userRecord(u"", u"deleted"), userRecord(u"casa", u"my home"),
           userRecord(u"casa", u"second entry")},
          {userRecord(u"casa", u"first note", kLongRecordLength),
           userRecord(u"gato", u"x", kLongRecordLength),
           userRecord(u" casa ", u"last note", kLongRecordLength)}});
    EXPECT_TRUE(lookup(u"casa"));
    EXPECT_EQ(m_state.lastTranslation, u"my home");
    EXPECT_EQ(m_state.lastDetails, u"last note");
    EXPECT_TRUE(lookup(u"casa", false));
    EXPECT_EQ(m_state.lastDetails, u"");
}

TEST_F(LookupTest, UserEntryWithoutNoteHasEmptyDetails)
{
    open({{mainRecord(u"casa", u"house")},
          {indexRecord(u"a", 1)},
          {},
          {userRecord(u"casa ", u"lar")},
          {}});
    EXPECT_TRUE(lookup(u" casa"));
    EXPECT_EQ(m_state.lastTranslation, u"lar");
    EXPECT_EQ(m_state.lastDetails, u"");
}

TEST_F(LookupTest, UnsortedIndexIsWalkedRecordByRecord)
{
    // The walk stops at "m", the first key after record 1 that sorts after "d".
    open({mainFile(40, {{5, mainRecord(u"dd", u"walked block")},
                        {25, mainRecord(u"de", u"sorted block")}}),
          {indexRecord(u"a", 1), indexRecord(u"m", 10), indexRecord(u"c", 20),
           indexRecord(u"z", 30)},
          {},
          {},
          {}});
    EXPECT_FALSE(m_files.indexTable().sorted());
    EXPECT_TRUE(lookup(u"dd"));
    EXPECT_FALSE(lookup(u"de"));
}

TEST_F(LookupTest, DamagedMainRecordsAreReadWithoutOverrun)
{
    std::string damaged = mainRecord(u"casa", u"house");
    damaged[0] = '\xFF';
    damaged[1] = '\xFF';
    std::string shortRecord = mainRecord(u"gato", u"cat");
    shortRecord.resize(60);
    open(
        {{damaged, mainRecord(u"pato", u"duck"), shortRecord}, {indexRecord(u"a", 1)}, {}, {}, {}});
    EXPECT_FALSE(lookup(u"casa"));
    EXPECT_TRUE(lookup(u"pato"));
    EXPECT_FALSE(lookup(u"gato"));
}

// The block search must give exactly what walking the index record by record gives.
TEST(IndexTable, BinarySearchAgreesWithTheRecordWalk)
{
    TempFolder folder;
    std::mt19937 random(7);
    std::vector<std::u16string> keys;
    for (int i = 0; i < 300; ++i) {
        std::u16string key;
        const int length = 1 + static_cast<int>(random() % 3);
        for (int j = 0; j < length; ++j) {
            key.push_back(static_cast<char16_t>(u'a' + random() % 6));
        }
        keys.push_back(key);
    }
    std::sort(keys.begin(), keys.end());
    std::vector<std::string> records;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        records.push_back(indexRecord(keys[i], static_cast<std::int32_t>(1 + 3 * i)));
    }
    writeFile(folder / "x.ind", records);
    RecordFile file(kShortRecordLength);
    std::string reason;
    ASSERT_TRUE(file.open(folder / "x.ind", RecordFile::Mode::ReadOnly, reason));
    IndexTable table;
    table.load(file);
    ASSERT_TRUE(table.sorted());

    for (const std::u16string_view word :
         {u"", u"a", u"aa", u"aab", u"b", u"c", u"cc", u"fff", u"ffff", u"g", u"A"}) {
        // The walk, as the file format describes it.
        Block expected;
        IndexRecord record;
        file.read(1, record);
        if (word < std::u16string_view(record.key)) {
            expected.start = 1;
            expected.end = file.read(2, record) ? record.firstRecord : kLastBlockEnd;
        } else {
            while (true) {
                expected.start = record.firstRecord;
                if (!file.readNext(record)) {
                    expected.end = kLastBlockEnd;
                    break;
                }
                expected.end = record.firstRecord;
                if (word < std::u16string_view(record.key)) {
                    break;
                }
            }
        }
        const Block actual = table.blockFor(word);
        EXPECT_EQ(actual.start, expected.start) << std::string(word.begin(), word.end());
        EXPECT_EQ(actual.end, expected.end) << std::string(word.begin(), word.end());
    }
}
