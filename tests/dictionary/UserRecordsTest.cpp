#include "core/SharedState.h"
#include "dictionary/Lookup.h"
#include "dictionary/UserRecords.h"

#include "support/TempFolder.h"
#include "support/TestDictionary.h"

#include <gtest/gtest.h>

using namespace quillet;
using namespace quillet::dictionary;
using namespace quillet::testsupport;

namespace {

class UserRecordsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        writeDictionary(m_folder.path(), "d",
                        {{mainRecord(u"casa", u"house")}, {indexRecord(u"a", 1)}});
        ASSERT_TRUE(m_files.open(m_folder.path(), u"d").empty());
    }

    std::string userFiles()
    {
        return readFile(m_folder / "d.dcu") + "|" + readFile(m_folder / "d.dtu");
    }

    std::u16string lookup(std::u16string_view word)
    {
        LookupWord(m_files, m_state, word, true);
        return m_state.lastTranslation + u"|" + m_state.lastDetails;
    }

    TempFolder m_folder;
    DictionaryFiles m_files;
    core::SharedState m_state;
};

}  // namespace

TEST_F(UserRecordsTest, NewEntryAppendsAndTheSameWordIsRewrittenInPlace)
{
    ASSERT_EQ(saveUserEntry(m_files, u"gato", u"cat", u"").error, RecordError::None);
    ASSERT_EQ(saveUserEntry(m_files, u" casa ", u"my home", u"Mine.").error, RecordError::None);
    ASSERT_EQ(saveUserEntry(m_files, u"casa", u"my house", u"Still mine.").error,
              RecordError::None);
    // An empty note still takes a record, with an empty term.
    EXPECT_EQ(userFiles(), userRecord(u"gato", u"cat") + userRecord(u"casa", u"my house") + "|" +
                               userRecord(u"", u"", kLongRecordLength) +
                               userRecord(u"casa", u"Still mine.", kLongRecordLength));
    EXPECT_EQ(lookup(u"casa"), u"my house|Still mine.");
    EXPECT_EQ(findFirstUserRecord(m_files.user(), u"Casa"), 0);
    EXPECT_EQ(findFirstUserRecord(m_files.user(), u"  "), 0);
}

TEST_F(UserRecordsTest, EmptyTranslationDeletesAndTheDictionaryShowsThrough)
{
    ASSERT_EQ(saveUserEntry(m_files, u"casa", u"lar", u"note").error, RecordError::None);
    EXPECT_EQ(lookup(u"casa"), u"lar|note");
    ASSERT_EQ(saveUserEntry(m_files, u"casa", u"", u"").error, RecordError::None);
    EXPECT_EQ(userFiles(), userRecord(u"", u"") + "|" + userRecord(u"", u"", kLongRecordLength));
    EXPECT_EQ(lookup(u"casa"), u"house|house");

    ASSERT_EQ(writeUserRecord(m_files.user(), 1, {u"casa", u"again"}), RecordError::None);
    ASSERT_EQ(deleteUserRecord(m_files.user(), 1), RecordError::None);
    EXPECT_EQ(parseEntry(m_files.user().recordBytes(1)), (EntryRecord{u"", u"again"}));
}

// Both records are checked before either is written.
TEST_F(UserRecordsTest, ARefusalWritesNeitherRecord)
{
    const std::u16string word(20, u'p');
    ASSERT_EQ(saveUserEntry(m_files, word, std::u16string(104, u't'), u"").error,
              RecordError::None);
    const std::string before = userFiles();
    const std::vector<std::tuple<std::u16string, std::u16string, std::u16string, UserSaveResult>>
        rows = {
            {word, std::u16string(105, u't'), u"", {RecordError::TooLong, UserEntryTarget::Word}},
            {word,
             u"lar",
             std::u16string(489, u'n'),
             {RecordError::TooLong, UserEntryTarget::Note}},
            {word, u"lar", u"\u5BB6", {RecordError::NotWindows1252, UserEntryTarget::Note}},
            {u"\u0107asa", u"lar", u"", {RecordError::NotWindows1252, UserEntryTarget::Word}}};
    for (const auto& [saved, translation, note, refusal] : rows) {
        const UserSaveResult result = saveUserEntry(m_files, saved, translation, note);
        EXPECT_EQ(result.error, refusal.error);
        EXPECT_EQ(result.failed, refusal.failed);
    }
    EXPECT_EQ(userFiles(), before);
}
