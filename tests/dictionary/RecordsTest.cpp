#include "dictionary/Decoder.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/Folding.h"
#include "dictionary/RecordFile.h"
#include "dictionary/Records.h"

#include "support/TempFolder.h"
#include "support/TestDictionary.h"

#include <gtest/gtest.h>

using namespace quillet::dictionary;
using namespace quillet::testsupport;

// A count running past the record is cut at its end; a field with no room is
// empty. (The layout itself is pinned by the golden files of the tool's tests.)
TEST(Records, DamagedCountsAreCutAtTheRecordsEnd)
{
    std::string bytes = recordOf({u"casa", u"house"});
    bytes[6] = bytes[7] = '\xFF';
    EXPECT_EQ(parseEntry(bytes).body.size(), 128u - 8u);
    bytes.assign(128, '\x7F');
    bytes[0] = 125, bytes[1] = 0;
    EXPECT_EQ(parseEntry(bytes), (EntryRecord{std::u16string(125, u'\x7F'), u""}));
    bytes[0] = 124;
    EXPECT_EQ(parseIndex(bytes).firstRecord, 0);
    EXPECT_EQ(serializeIndex({std::u16string(122, u'k'), 7}, bytes), RecordError::None);
    EXPECT_EQ(serializeIndex({std::u16string(123, u'k'), 7}, bytes), RecordError::TooLong);
}

TEST(RecordFile, LastRecordIsReadableAndTheOneAfterSetsTheEndFlag)
{
    TempFolder folder;
    writeTextFile(folder / "u.dcu", userRecord(u"um", u"one") + userRecord(u"dois", u"two") +
                                        userRecord(u"tres", u"three").substr(0, 100));
    RecordFile file(kShortRecordLength);
    std::string reason;
    ASSERT_TRUE(file.open(folder / "u.dcu", RecordFile::Mode::WriteThrough, reason));
    EXPECT_EQ(file.recordCount(), 2);  // the short trailing record is absent
    EntryRecord record;
    EXPECT_TRUE(file.read(2, record));
    EXPECT_EQ(record, (EntryRecord{u"dois", u"two"}));
    EXPECT_FALSE(file.endOfFile());
    EXPECT_FALSE(file.readNext(record));
    EXPECT_TRUE(file.endOfFile());
    EXPECT_EQ(record, EntryRecord{});

    // Appending replaces the fragment, and the bytes are on disk at once.
    ASSERT_EQ(file.write(3, {u"tres", u"3"}), RecordError::None);
    ASSERT_EQ(file.write(1, {u"um", u"1"}), RecordError::None);
    const std::string written =
        userRecord(u"um", u"1") + userRecord(u"dois", u"two") + userRecord(u"tres", u"3");
    EXPECT_EQ(readFile(folder / "u.dcu"), written);
    EXPECT_TRUE(file.read(3, record));
    EXPECT_EQ(record.body, u"3");

    EXPECT_EQ(file.write(5, {u"x", u"y"}), RecordError::BadRecordNumber);
    EXPECT_EQ(file.write(0, {u"x", u"y"}), RecordError::BadRecordNumber);
    EXPECT_EQ(file.write(1, {u"um", std::u16string(123, u'n')}), RecordError::TooLong);
    EXPECT_EQ(file.write(2, {u"um", u"\u2603"}), RecordError::NotWindows1252);
    EXPECT_EQ(readFile(folder / "u.dcu"), written);
}

TEST(DictionaryFiles, MissingFilesAreCreatedEmptyAndOnlyTheUserFilesTakeWrites)
{
    TempFolder folder;
    DictionaryFiles files;
    ASSERT_TRUE(files.open(folder.path(), u"novo").empty());
    for (const char* extension : {".qlc", ".ind", ".pdt", ".dcu", ".dtu"})
        EXPECT_EQ(readFile(folder / (std::string("novo") + extension)), "") << extension;
    EXPECT_EQ(files.main().write(1, {u"casa", u"house"}), RecordError::NotOpen);
    EXPECT_EQ(files.user().write(1, {u"casa", u"house"}), RecordError::None);
    EXPECT_EQ(files.userDetails().write(1, {u"casa", u"note"}), RecordError::None);
    EXPECT_EQ(std::filesystem::file_size(folder / "novo.dcu"), 128u);
    EXPECT_EQ(std::filesystem::file_size(folder / "novo.dtu"), 512u);
}

// Hand-worked with the first table, selected by "?": a->B, b->u, c->t, e->d, s->&.
TEST(Decoder, FieldsDecodeThroughTheirSelectorsTable)
{
    // clang-format off
    const std::vector<std::pair<std::u16string, std::u16string>> rows = {
        {u"?Bu", u"ab"}, {u"?tB&d", u"case"}, {u"?t\u00E7\u00E3t", u"c\u00E7\u00E3c"},
        {u"~Zebra, (x)", u"Zebra, (x)"}, {u"\u00E7abc", u"abc"}, {u"", u""}, {u"?", u""}, {u"?B", u""}, {u"xy", u""}};
    // clang-format on
    for (const auto& [stored, plain] : rows) {
        EXPECT_EQ(DecodeField(stored), plain);
        std::string bytes(stored.begin(), stored.end());  // all below 0x100
        EXPECT_EQ(decodeFieldBytes(bytes), plain);
        EXPECT_TRUE(decodedFieldEquals(bytes, plain));
    }
    EXPECT_FALSE(decodedFieldEquals("?Bu", u"a"));
    EXPECT_TRUE(decodedFieldEquals("?Bu ", u"ab"));  // a trailing plain space
}

TEST(Folding, OnlyLowerCaseAccentsFold)
{
    EXPECT_EQ(foldAccents(u"áàãâéèêíìîóòôõúùûüç Água ÁÇ äëïöñý"),
              u"aaaaeeeiiioooouuuuc Água ÁÇ äëïöñý");
}
