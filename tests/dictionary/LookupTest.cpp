#include "core/CatalogueFields.h"
#include "core/OpenFile.h"
#include "core/Utf8.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/Lookup.h"
#include "dictionary/UserRecords.h"

#include "support/TempFolder.h"
#include "support/TestDictionary.h"

#include <gtest/gtest.h>

using namespace quillet;
using namespace quillet::dictionary;
using namespace quillet::testsupport;

namespace {

class LookupTest : public ::testing::Test
{
protected:
    LookupTest() { setAligned(u"S"); }

    void setAligned(const char16_t* flag)
    {
        m_state.activeDictionary = 2;
        core::catalogueField(m_state.dictionaryTable[2], core::CatalogueField::AlignedDetails) =
            flag;
    }

    void open(const DictionaryContent& content)
    {
        writeDictionary(m_folder.path(), "test", content);
        ASSERT_TRUE(m_files.open(m_folder.path(), u"test").empty());
    }

    // "translation|details", or "-" when not found (both are then empty).
    std::u16string lookup(std::u16string_view word, bool wantDetails = true)
    {
        const core::LookupResult result = LookupWord(m_files, m_state, word, wantDetails);
        if (result.found)
            return result.translation + u"|" + result.details;
        return result.translation + result.details + u"-";
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

}  // namespace

// Each row is a file set and the words probed in it, with what a lookup gives.
TEST_F(LookupTest, FindsWhatTheBlocksAndHeadwordRulesAllow)
{
    using Probes = std::vector<std::pair<std::u16string_view, std::u16string_view>>;
    // clang-format off
    const std::vector<std::tuple<const char*, DictionaryContent, Probes>> rows = {
        {"blocks bound the scan at both ends; the last one runs to the file's end",
         {mainFile(300, {{99, mainRecord(u"banana", u"outside")}, {250, mainRecord(u"banana", u"last")},
                         {100, mainRecord(u"abc", u"end of a")}, {101, mainRecord(u"abd", u"past a")},
                         {300, mainRecord(u"zebra", u"zz")}}),
          {indexRecord(u"a", 1), indexRecord(u"b", 100), indexRecord(u"c", 250)}},
         {{u"banana", u"last|last"}, {u"abc", u"end of a|end of a"}, {u"abd", u"-"}, {u"zebra", u"zz|zz"}}},
        {"before the first key: up to the second key's record",
         {mainFile(12, {{10, mainRecord(u"abc", u"in")}, {11, mainRecord(u"abd", u"out")}}),
          {indexRecord(u"b", 5), indexRecord(u"c", 10)}},
         {{u"abc", u"in|in"}, {u"abd", u"-"}}},
        {"last block capped at record 99999",
         {mainFile(100000, {{99999, mainRecord(u"yes", u"in")}, {100000, mainRecord(u"zzz", u"out")}}),
          {indexRecord(u"a", 1)}},
         {{u"yes", u"in|in"}, {u"zzz", u"-"}}},
        {"an empty index finds nothing in the main file", {{mainRecord(u"casa", u"house")}, {}}, {{u"casa", u"-"}}},
        {"empty, blank and selector-plus-one-character headwords",
         {{recordOf({u"?B", encoded(u"the letter a")}), recordOf({u"", encoded(u"empty")}), mainRecord(u"ab", u"ab")},
          {indexRecord(u"a", 1)}, {}, {userRecord(u"", u"deleted"), userRecord(u"   ", u"blank")}},
         {{u"", u"-"}, {u"    ", u"-"}, {u"a", u"-"}, {u"ab", u"ab|ab"}}},
        {"stored headword trimmed, then compared exactly",
         {{recordOf({encoded(u"  casa "), encoded(u"house")}), mainRecord(u"Gato", u"cat")}, {indexRecord(u"A", 1)}},
         {{u"  casa  ", u"house|house"}, {u"Gato", u"cat|cat"}, {u"gato", u"-"}}},
        {"index first record below one reads as one",
         {{mainRecord(u"abc", u"first"), mainRecord(u"abd", u"second")}, {indexRecord(u"a", -7), indexRecord(u"m", 0)}},
         {{u"abc", u"first|first"}, {u"abd", u"-"}}},
        {"keys sort as UTF-16, not as bytes: the euro sign (byte 0x80) sorts after the thorn",
         {mainFile(30, {{15, mainRecord(u"\u00FEa", u"thorn")}, {25, mainRecord(u"\u20ACa", u"euro")}}),
          {indexRecord(u"a", 1), indexRecord(u"\u00FE", 10), indexRecord(u"\u20AC", 20)}},
         {{u"\u00FEa", u"thorn|thorn"}, {u"\u20ACa", u"euro|euro"}}},
        {"an unsorted index is walked record by record",
         {mainFile(40, {{5, mainRecord(u"dd", u"walked")}, {25, mainRecord(u"de", u"sorted")}}),
          {indexRecord(u"a", 1), indexRecord(u"m", 10), indexRecord(u"c", 20), indexRecord(u"z", 30)}},
         {{u"dd", u"walked|walked"}, {u"de", u"-"}}},
        {"a user entry wins: the first word record, the last note record",
         {{mainRecord(u"casa", u"house"), mainRecord(u"gato", u"cat")}, {indexRecord(u"a", 1)}, {},
          {userRecord(u"", u"deleted"), userRecord(u"casa ", u"my home"), userRecord(u"casa", u"second"),
           userRecord(u"novo", u"new")},
          {userRecord(u"casa", u"first note", 512), userRecord(u"gato", u"x", 512), userRecord(u" casa ", u"last", 512)}},
         {{u" casa", u"my home|last"}, {u"novo", u"new|"}, {u"gato", u"cat|cat"}}},
    };
    // clang-format on
    for (const auto& [label, content, probes] : rows) {
        open(content);
        for (const auto& [word, expected] : probes)
            EXPECT_EQ(lookup(word), expected) << label << ": " << core::toUtf8(word);
    }
    EXPECT_EQ(lookup(u"casa", false), u"my home|");
    // The editor's save rewrites the note the lookup shows.
    ASSERT_EQ(saveUserEntry(m_files, u"casa", u"my home", u"edited").error, RecordError::None);
    EXPECT_EQ(lookup(u"casa"), u"my home|edited");
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
    EXPECT_EQ(lookup(u"house"), u"casa|a building");
    EXPECT_EQ(lookup(u"cat"), u"gato|feline");
    EXPECT_EQ(lookup(u"ab"), u"xy|two letters");
    EXPECT_EQ(lookup(u"cat", false), u"gato|gato");

    open({main, {indexRecord(u"a", 1)}, {detailsRecord(u"house", u"too early")}});
    EXPECT_EQ(lookup(u"house"), u"casa|casa");  // the translation stands in
    for (const char16_t* notAligned : {u"N", u"s", u""}) {
        setAligned(notAligned);
        EXPECT_EQ(lookup(u"house"), u"casa|too early");
    }
}

// Changed on disk while open: cut short in place, then written again in place
// (as cp does), then replaced by renames (as a rebuild does). A lookup sees
// the new sizes and opens the files again (a lost page read before that is
// the mapped file's test); a mapping keeps a replaced file's pages, while
// Windows, which holds no dictionary open, reads the new set.
TEST_F(LookupTest, FilesCutShortOrReplacedWhileOpenNeverBreakALookup)
{
    DictionaryContent old(3);  // "w190" lies on the third page of the main file
    old[1] = {indexRecord(u"a", 1)};
    for (int i = 100; i < 300; ++i) {
        const std::u16string word = u"w" + core::fromUtf8(std::to_string(i));
        old[0].push_back(mainRecord(word, u"t" + word));
        old[2].push_back(detailsRecord(word, u"n" + word));
    }
    open(old);
    // Cut to nothing, a file is opened empty at the next lookup; it must still
    // be seen whole again once restored.
    for (const int mainSize : {8192, 0}) {
        for (const auto& [name, size] :
             {std::pair{"test.qlc", mainSize}, {"test.ind", 0}, {"test.pdt", 0}})
            std::filesystem::resize_file(m_folder / name, size);
        EXPECT_EQ(lookup(u"w190"), u"-");
        EXPECT_EQ(lookup(u"w190"), u"-");
        writeDictionary(m_folder.path(), "test", old);
        EXPECT_EQ(lookup(u"w190"), u"tw190|nw190") << mainSize;
    }
    writeDictionary(m_folder.path(), "new", {});
    for (const std::string extension : {".qlc", ".ind", ".pdt"})
        ASSERT_TRUE(quillet::core::moveOver(m_folder / ("new" + extension),
                                            m_folder / ("test" + extension)));
#ifdef _WIN32
    EXPECT_EQ(lookup(u"w190"), u"-");
#else
    EXPECT_EQ(lookup(u"w190"), u"tw190|nw190");
#endif
}
