#include "DictionaryBuilder.h"
#include "DictionaryCheck.h"
#include "DictdImporter.h"
#include "support/TempFolder.h"
#include "TsvReader.h"

#include "core/SharedState.h"
#include "dictionary/Decoder.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/Folding.h"
#include "dictionary/Lookup.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quillet::tool {
namespace {

using quillet::testsupport::TempFolder;
namespace dict = quillet::dictionary;

const std::string kSample = std::string(QUILLET_SOURCE_DIR) + "/data/sample-en-pt.tsv";
const std::string kFreeDictIndex = "/usr/share/dictd/freedict-eng-por.index";
const std::string kFreeDictData = "/usr/share/dictd/freedict-eng-por.dict.dz";

SourceEntry entry(std::u16string headword, std::u16string translation, std::u16string details = {})
{
    static std::size_t line = 0;
    return {std::move(headword), std::move(translation), std::move(details), ++line};
}

std::vector<BuildNote> notesOf(const BuiltDictionary& built, BuildNote::Kind kind)
{
    std::vector<BuildNote> found;
    for (const BuildNote& note : built.notes) {
        if (note.kind == kind)
            found.push_back(note);
    }
    return found;
}

// Builds `entries` into a temporary folder and looks words up in it.
class BuiltSet
{
public:
    explicit BuiltSet(const std::vector<SourceEntry>& entries, BuildOptions options = {})
        : m_built(buildDictionary(entries, options))
    {
        writeDictionary(m_built, m_folder.path(), "test");
        m_state.dictionaryTable[0][5] = u"S";
        EXPECT_TRUE(m_files.open(m_folder.path(), u"test").empty());
    }

    bool lookup(std::u16string_view word) { return dict::LookupWord(m_files, m_state, word, true); }
    const std::u16string& translation() const { return m_state.lastTranslation; }
    const std::u16string& details() const { return m_state.lastDetails; }
    const BuiltDictionary& built() const { return m_built; }
    const std::filesystem::path& folder() const { return m_folder.path(); }

private:
    TempFolder m_folder;
    BuiltDictionary m_built;
    core::SharedState m_state;
    dict::DictionaryFiles m_files;
};

TEST(DictionaryBuilder, SampleRoundTripsThroughTheFiles)
{
    const auto entries = readTsvFile(kSample);
    ASSERT_GT(entries.size(), 40u);
    TempFolder folder;
    const BuiltDictionary built = buildDictionary(entries);
    writeDictionary(built, folder.path(), "sample");
    // Every sample entry fits the format as given.
    EXPECT_TRUE(built.notes.empty());
    testing::checkBuiltSet(folder.path(), "sample", entries, built.notes);
}

TEST(DictionaryBuilder, FreeDictImportRoundTripsThroughTheFiles)
{
    if (!std::filesystem::exists(kFreeDictIndex) || !std::filesystem::exists(kFreeDictData))
        GTEST_SKIP() << "dict-freedict-eng-por is not installed";
    const auto entries = importDictdFiles(kFreeDictIndex, kFreeDictData);
    TempFolder folder;
    const BuiltDictionary built = buildDictionary(entries);
    writeDictionary(built, folder.path(), "engpor");
    testing::checkBuiltSet(folder.path(), "engpor", entries, built.notes);

    core::SharedState state;
    state.dictionaryTable[0][5] = u"S";
    dict::DictionaryFiles files;
    ASSERT_TRUE(files.open(folder.path(), u"engpor").empty());
    ASSERT_TRUE(dict::LookupWord(files, state, u"house", true));
    EXPECT_NE(state.lastTranslation.find(u"casa"), std::u16string::npos);
}

TEST(DictionaryBuilder, WhatTheFormatCannotHoldIsSkippedAndReported)
{
    const std::vector<SourceEntry> entries = {
        entry(u"a", u"um, uma"),
        entry(u"omega", u"\u03A9mega"),
        entry(u"\u2192arrow", u"seta"),
        entry(u"  ", u"nada"),
        entry(u"empty", u"   "),
        entry(std::u16string(121, u'w'), u"xy"),
        entry(u"kept", u"guardado"),
    };
    BuiltSet set(entries);
    const auto skipped = notesOf(set.built(), BuildNote::Kind::Skipped);
    ASSERT_EQ(skipped.size(), entries.size() - 1);
    for (std::size_t i = 0; i + 1 < entries.size(); ++i)
        EXPECT_EQ(skipped[i].origin, entries[i].origin);
    EXPECT_NE(skipped[0].reason.find("one-letter"), std::string::npos);
    EXPECT_NE(skipped[1].reason.find("U+03A9"), std::string::npos);
    EXPECT_NE(skipped[2].reason.find("U+2192"), std::string::npos);
    EXPECT_EQ(set.built().main.size(), 1u);
    EXPECT_TRUE(set.lookup(u"kept"));
    EXPECT_FALSE(set.lookup(u"a"));
}

TEST(DictionaryBuilder, OneCharacterTranslationGetsATrailingSpace)
{
    BuiltSet set({entry(u"and", u"e"), entry(u"or", u"ou")});
    const auto padded = notesOf(set.built(), BuildNote::Kind::Padded);
    ASSERT_EQ(padded.size(), 1u);
    EXPECT_EQ(padded[0].headword, u"and");
    ASSERT_TRUE(set.lookup(u"and"));
    EXPECT_EQ(set.translation(), u"e ");
    ASSERT_TRUE(set.lookup(u"or"));
    EXPECT_EQ(set.translation(), u"ou");
}

TEST(DictionaryBuilder, TooLongTextsAreCutAtASeparatorAndReported)
{
    // 2 + (1 + 5) + 2 + (1 + t) <= 128 leaves 117 characters for "house".
    std::u16string translation;
    while (translation.size() < 150)
        translation += u"casa grande, ";
    std::u16string details = u"house <s>";
    for (int i = 0; i < 100; ++i)
        details += u"\n1. casa";
    BuiltSet set({entry(u"house", translation, details)});
    ASSERT_TRUE(set.lookup(u"house"));
    EXPECT_LE(set.translation().size(), 117u);
    EXPECT_EQ(translation.substr(0, set.translation().size()), set.translation());
    EXPECT_EQ(translation.substr(set.translation().size(), 2), u", ");
    // 2 + (1 + 5) + 2 + note <= 512 leaves 502 characters, cut at a line end.
    EXPECT_LE(set.details().size(), 502u);
    EXPECT_EQ(details.substr(0, set.details().size()), set.details());
    EXPECT_EQ(details[set.details().size()], u'\n');
    EXPECT_EQ(notesOf(set.built(), BuildNote::Kind::Cut).size(), 2u);
}

TEST(DictionaryBuilder, DetailsOutsideTheCodePageAreLeftOutAndReported)
{
    BuiltSet set({entry(u"house", u"casa", u"house /ha\u028As/")});
    ASSERT_TRUE(set.lookup(u"house"));
    EXPECT_EQ(set.details(), u"casa");
    const auto cut = notesOf(set.built(), BuildNote::Kind::Cut);
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_NE(cut[0].reason.find("U+028A"), std::string::npos);
}

TEST(DictionaryBuilder, DuplicateHeadwordsKeepTheirOrderAndTheFirstWins)
{
    BuiltSet set({entry(u"bank", u"banco"), entry(u"bank", u"margem"), entry(u"bench", u"banco")});
    ASSERT_TRUE(set.lookup(u"bank"));
    EXPECT_EQ(set.translation(), u"banco");
    EXPECT_EQ(set.built().main.size(), 3u);
    const auto duplicates = notesOf(set.built(), BuildNote::Kind::Duplicate);
    ASSERT_EQ(duplicates.size(), 1u);
    EXPECT_EQ(duplicates[0].headword, u"bank");
    EXPECT_EQ(dict::DecodeField(set.built().main[1].body), u"margem");
}

TEST(DictionaryBuilder, AccentsShareABlockButOnlyTheExactHeadwordMatches)
{
    std::vector<SourceEntry> entries;
    // Forty words that all fold to "acao", more than two blocks' worth.
    for (char16_t a : {u'a', u'á', u'à', u'ã', u'â'}) {
        for (char16_t c : {u'c', u'ç'}) {
            for (char16_t o : {u'o', u'ó', u'ò', u'õ'})
                entries.push_back(entry({a, c, a, o}, u"t"));
        }
    }
    entries.push_back(entry(u"acab", u"antes"));
    entries.push_back(entry(u"acap", u"depois"));
    entries[0].translation = u"sem acento";
    entries[4].translation = u"com cedilha";  // "açao"
    BuiltSet set(entries, BuildOptions{4});

    // The forty share the block of "acab": the next block starts at "acap".
    ASSERT_EQ(set.built().index.size(), 2u);
    EXPECT_EQ(set.built().index[1].key, u"acap");
    EXPECT_EQ(set.built().index[1].firstRecord, 42);
    EXPECT_TRUE(set.lookup(u"acao"));
    EXPECT_EQ(set.translation(), u"sem acento");
    EXPECT_TRUE(set.lookup(u"açao"));
    EXPECT_EQ(set.translation(), u"com cedilha");
    EXPECT_TRUE(set.lookup(u"acab"));
    EXPECT_TRUE(set.lookup(u"acap"));
    EXPECT_FALSE(set.lookup(u"acão"));
    testing::checkBuiltSet(set.folder(), "test", entries, set.built().notes);
}

TEST(DictionaryBuilder, BlocksHoldTheChosenNumberOfDistinctWords)
{
    std::vector<SourceEntry> entries;
    for (int i = 0; i < 100; ++i)
        entries.push_back(entry(u"w" + std::u16string(1, u'a' + i / 26) + std::u16string(1, u'a' + i % 26), u"x y"));
    const BuiltDictionary built = buildDictionary(entries, BuildOptions{16});
    // 100 distinct words in blocks of 16: six full blocks and one of four.
    ASSERT_EQ(built.index.size(), 7u);
    for (std::size_t i = 0; i < built.index.size(); ++i)
        EXPECT_EQ(built.index[i].firstRecord, static_cast<std::int32_t>(16 * i + 1));
}

TEST(DictionaryBuilder, ALongFileStillFindsItsLastBlockPastTheCap)
{
    // More records than the lookup's cap on the last block (99999).
    std::vector<SourceEntry> entries;
    const int count = 100100;
    for (int i = 0; i < count; ++i) {
        std::u16string word = u"w";
        for (int n = i; n > 0 || word.size() == 1; n /= 26)
            word += static_cast<char16_t>(u'a' + n % 26);
        entries.push_back(entry(word, u"palavra"));
    }
    BuiltSet set(entries);
    ASSERT_EQ(set.built().main.size(), static_cast<std::size_t>(count));
    const auto lastHeadword = dict::DecodeField(set.built().main.back().term);
    const auto secondLast = dict::DecodeField(set.built().main[count - 2].term);
    EXPECT_TRUE(set.lookup(lastHeadword));
    EXPECT_TRUE(set.lookup(secondLast));
    EXPECT_FALSE(set.lookup(u"zzz"));
}

TEST(DictionaryBuilder, CutTextPrefersSeparators)
{
    EXPECT_EQ(cutText(u"abc", 3, false), u"abc");
    EXPECT_EQ(cutText(u"ab, cd, ef", 8, false), u"ab, cd");
    EXPECT_EQ(cutText(u"ab, cd, ef", 6, false), u"ab, cd");
    EXPECT_EQ(cutText(u"ab, cd, ef", 5, false), u"ab");
    EXPECT_EQ(cutText(u"abcdefgh", 5, false), u"abcde");
    EXPECT_EQ(cutText(u"ab\ncd, ef\ngh", 10, true), u"ab\ncd, ef");
    EXPECT_EQ(cutText(u"abcd, ef\ngh", 7, true), u"abcd");
}

}  // namespace
}  // namespace quillet::tool
