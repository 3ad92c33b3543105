#include "dictionary/DictionaryFiles.h"
#include "dictionary/RecordFile.h"
#include "dictionary/Records.h"

#include "support/TempFolder.h"
#include "support/TestDictionary.h"

#include <gtest/gtest.h>

using namespace quillet::dictionary;
using namespace quillet::testsupport;

TEST(Records, EntryIsTwoCountedWindows1252TextsPaddedWithZeros)
{
    std::string bytes;
    ASSERT_EQ(serializeEntry({u"a\u00E7\u00E3o", u"\u20AC5"}, kShortRecordLength, bytes),
              RecordError::None);
    std::string expected(
        "\x04\x00"
        "a\xE7\xE3o"
        "\x02\x00"
        "\x80"
        "5",
        10);
    expected.resize(kShortRecordLength, '\0');
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(parseEntry(bytes), (EntryRecord{u"a\u00E7\u00E3o", u"\u20AC5"}));

    ASSERT_EQ(serializeIndex({u"ab", 0x01020304}, bytes), RecordError::None);
    expected = std::string(
        "\x02\x00"
        "ab"
        "\x04\x03\x02\x01",
        8);
    expected.resize(kShortRecordLength, '\0');
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(parseIndex(bytes), (IndexRecord{u"ab", 0x01020304}));
}

TEST(Records, WhatFitsARecordAndWhatIsRefused)
{
    struct Row
    {
        std::size_t length, term, body;
        char16_t character;
        RecordError error;
    };
    // Both counts take two bytes: 124 bytes of text in a short record, 508 in a long one.
    const std::vector<Row> rows = {{128, 20, 104, u't', RecordError::None},
                                   {128, 20, 105, u't', RecordError::TooLong},
                                   {128, 0, 124, u't', RecordError::None},
                                   {512, 20, 488, u'n', RecordError::None},
                                   {512, 20, 489, u'n', RecordError::TooLong},
                                   {128, 2, 2, u'\u0101', RecordError::NotWindows1252},
                                   {128, 2, 2, u'\u4E2D', RecordError::NotWindows1252}};
    for (const Row& row : rows) {
        std::string bytes = "unchanged";
        const EntryRecord record{std::u16string(row.term, u'w'),
                                 std::u16string(row.body, row.character)};
        EXPECT_EQ(serializeEntry(record, row.length, bytes), row.error)
            << row.length << ' ' << row.body;
        if (row.error == RecordError::None)
            EXPECT_EQ(parseEntry(bytes), record);
        else
            EXPECT_EQ(bytes, "unchanged");
    }
    std::string bytes;
    EXPECT_EQ(serializeIndex({std::u16string(122, u'k'), 7}, bytes), RecordError::None);
    EXPECT_EQ(serializeIndex({std::u16string(123, u'k'), 7}, bytes), RecordError::TooLong);
}

// A count running past the record is cut at its end; a field with no room is empty.
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
    EXPECT_FALSE(file.read(0, record));

    // Appending replaces the fragment, and the bytes are on disk at once.
    ASSERT_EQ(file.write(3, {u"tres", u"3"}), RecordError::None);
    ASSERT_EQ(file.write(1, {u"um", u"1"}), RecordError::None);
    EXPECT_EQ(readFile(folder / "u.dcu"),
              userRecord(u"um", u"1") + userRecord(u"dois", u"two") + userRecord(u"tres", u"3"));
    EXPECT_TRUE(file.read(3, record));
    EXPECT_EQ(record.body, u"3");
}

TEST(RecordFile, RefusedWritesLeaveTheFileUnchanged)
{
    TempFolder folder;
    writeTextFile(folder / "u.dtu", userRecord(u"casa", u"a note", kLongRecordLength));
    RecordFile file(kLongRecordLength);
    std::string reason;
    ASSERT_TRUE(file.open(folder / "u.dtu", RecordFile::Mode::WriteThrough, reason));
    EXPECT_EQ(file.write(3, {u"x", u"y"}), RecordError::BadRecordNumber);
    EXPECT_EQ(file.write(0, {u"x", u"y"}), RecordError::BadRecordNumber);
    EXPECT_EQ(file.write(1, {u"casa", std::u16string(505, u'n')}), RecordError::TooLong);
    EXPECT_EQ(file.write(2, {u"casa", u"\u2603"}), RecordError::NotWindows1252);
    EXPECT_EQ(readFile(folder / "u.dtu"), userRecord(u"casa", u"a note", kLongRecordLength));
    RecordFile readOnly(kShortRecordLength);
    ASSERT_TRUE(readOnly.open(folder / "m.qlc", RecordFile::Mode::ReadOnly, reason));
    EXPECT_EQ(readOnly.write(1, {u"ab", u"cd"}), RecordError::NotOpen);
}

TEST(DictionaryFiles, MissingFilesAreCreatedEmptyAndAFailureNamesItsFile)
{
    TempFolder folder;
    DictionaryFiles files;
    ASSERT_TRUE(files.open(folder.path(), u"novo").empty());
    for (const char* extension : {".qlc", ".ind", ".pdt", ".dcu", ".dtu"})
        EXPECT_EQ(readFile(folder / (std::string("novo") + extension)), "") << extension;
    EXPECT_EQ(files.user().write(1, {u"casa", u"house"}), RecordError::None);
    EXPECT_EQ(files.userDetails().write(1, {u"casa", u"note"}), RecordError::None);
    EXPECT_EQ(std::filesystem::file_size(folder / "novo.dcu"), 128u);
    EXPECT_EQ(std::filesystem::file_size(folder / "novo.dtu"), 512u);

    std::filesystem::create_directory(folder / "bad.pdt");
    std::filesystem::copy_file(folder / "novo.dcu", folder / "bad.qlc");
    const auto failures = files.open(folder.path(), u"bad");
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].role, FileRole::Details);
    EXPECT_EQ(failures[0].path, folder / "bad.pdt");
    EXPECT_EQ(files.main().recordCount(), 1);
    EXPECT_TRUE(files.user().isWritable());
}
