#include "support/TempFolder.h"
#include "support/TestDictionary.h"

#include "core/SharedState.h"
#include "dictionary/Lookup.h"
#include "dictionary/UserRecords.h"

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
                        {{mainRecord(u"casa", u"house")}, {indexRecord(u"a", 1)}, {}, {}, {}});
        ASSERT_TRUE(m_files.open(m_folder.path(), u"d").empty());
    }

    std::string userBytes() { return readFile(m_folder / "d.dcu"); }
    std::string notesBytes() { return readFile(m_folder / "d.dtu"); }

    TempFolder m_folder;
    DictionaryFiles m_files;
    core::SharedState m_state;
};

}  // namespace

TEST_F(UserRecordsTest, FindsTheFirstMatchingTermIgnoringOuterSpaces)
{
    ASSERT_EQ(writeUserRecord(m_files.user(), 0, {u"", u"deleted casa"}), RecordError::None);
    ASSERT_EQ(writeUserRecord(m_files.user(), 0, {u" casa", u"one"}), RecordError::None);
    ASSERT_EQ(writeUserRecord(m_files.user(), 0, {u"casa", u"two"}), RecordError::None);
    EXPECT_EQ(findFirstUserRecord(m_files.user(), u"casa "), 2);
    EXPECT_EQ(findFirstUserRecord(m_files.user(), u"Casa"), 0);
    EXPECT_EQ(findFirstUserRecord(m_files.user(), u""), 0);
    EXPECT_EQ(findFirstUserRecord(m_files.user(), u"  "), 0);
}

TEST_F(UserRecordsTest, NewEntryAppendsAndExistingEntryIsRewrittenInPlace)
{
    ASSERT_EQ(saveUserEntry(m_files, u"gato", u"cat", u"").error, RecordError::None);
    EXPECT_EQ(m_files.user().recordCount(), 1);
    // An empty note still takes a record, with an empty term.
    EXPECT_EQ(m_files.userDetails().recordCount(), 1);
    EXPECT_EQ(parseEntry(m_files.userDetails().recordBytes(1)).term, u"");

    ASSERT_EQ(saveUserEntry(m_files, u"casa", u"my home", u"Mine.").error, RecordError::None);
    ASSERT_EQ(saveUserEntry(m_files, u"casa", u"my house", u"Still mine.").error,
              RecordError::None);
    EXPECT_EQ(m_files.user().recordCount(), 2);
    EXPECT_EQ(m_files.userDetails().recordCount(), 2);
    EXPECT_EQ(userBytes().size(), 256u);
    EXPECT_EQ(parseEntry(std::string_view(userBytes()).substr(128)),
              (EntryRecord{u"casa", u"my house"}));
    EXPECT_EQ(parseEntry(std::string_view(notesBytes()).substr(512)),
              (EntryRecord{u"casa", u"Still mine."}));

    EXPECT_TRUE(LookupWord(m_files, m_state, u"casa", true));
    EXPECT_EQ(m_state.lastTranslation, u"my house");
    EXPECT_EQ(m_state.lastDetails, u"Still mine.");
}

TEST_F(UserRecordsTest, EmptyTranslationDeletesAndTheDictionaryShowsThrough)
{
    ASSERT_EQ(saveUserEntry(m_files, u"casa", u"lar", u"note").error, RecordError::None);
    ASSERT_EQ(saveUserEntry(m_files, u"casa", u"", u"").error, RecordError::None);
    EXPECT_EQ(m_files.user().recordCount(), 1);
    const EntryRecord deleted = parseEntry(m_files.user().recordBytes(1));
    EXPECT_EQ(deleted.term, u"");
    EXPECT_TRUE(LookupWord(m_files, m_state, u"casa", true));
    EXPECT_EQ(m_state.lastTranslation, u"house");

    ASSERT_EQ(writeUserRecord(m_files.user(), 1, {u"casa", u"again"}), RecordError::None);
    ASSERT_EQ(deleteUserRecord(m_files.user(), 1), RecordError::None);
    EXPECT_EQ(parseEntry(m_files.user().recordBytes(1)), (EntryRecord{u"", u"again"}));
}

TEST_F(UserRecordsTest, TwentyPlus104CharactersFitAndOneMoreIsRefused)
{
    const std::u16string word(20, u'p');
    ASSERT_EQ(saveUserEntry(m_files, word, std::u16string(104, u't'), u"").error,
              RecordError::None);
    const std::string userBefore = userBytes();
    const std::string notesBefore = notesBytes();
    const UserSaveResult refused = saveUserEntry(m_files, word, std::u16string(105, u't'), u"");
    EXPECT_EQ(refused.error, RecordError::TooLong);
    EXPECT_EQ(refused.failed, UserEntryTarget::Word);
    EXPECT_EQ(userBytes(), userBefore);
    EXPECT_EQ(notesBytes(), notesBefore);
}

TEST_F(UserRecordsTest, RefusedNoteWritesNeitherRecord)
{
    const UserSaveResult tooLong =
        saveUserEntry(m_files, u"casa", u"lar", std::u16string(505, u'n'));
    EXPECT_EQ(tooLong.error, RecordError::TooLong);
    EXPECT_EQ(tooLong.failed, UserEntryTarget::Note);
    const UserSaveResult foreign = saveUserEntry(m_files, u"casa", u"lar", u"家");
    EXPECT_EQ(foreign.error, RecordError::NotWindows1252);
    EXPECT_EQ(foreign.failed, UserEntryTarget::Note);
    const UserSaveResult foreignWord = saveUserEntry(m_files, u"ćasa", u"lar", u"");
    EXPECT_EQ(foreignWord.error, RecordError::NotWindows1252);
    EXPECT_EQ(foreignWord.failed, UserEntryTarget::Word);
    EXPECT_EQ(userBytes(), "");
    EXPECT_EQ(notesBytes(), "");
}

TEST_F(UserRecordsTest, WordIsStoredAsGivenAndFoundTrimmed)
{
    ASSERT_EQ(saveUserEntry(m_files, u" casa ", u"lar", u"").error, RecordError::None);
    EXPECT_EQ(parseEntry(m_files.user().recordBytes(1)).term, u" casa ");
    ASSERT_EQ(saveUserEntry(m_files, u"casa", u"lar doce lar", u"").error, RecordError::None);
    EXPECT_EQ(m_files.user().recordCount(), 1);
    EXPECT_TRUE(LookupWord(m_files, m_state, u"casa", false));
    EXPECT_EQ(m_state.lastTranslation, u"lar doce lar");
}
