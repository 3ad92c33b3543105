#include "support/TempFolder.h"
#include "support/TestDictionary.h"

#include "dictionary/DictionaryFiles.h"
#include "dictionary/RecordFile.h"

#include <gtest/gtest.h>

using namespace quillet::dictionary;
using namespace quillet::testsupport;

TEST(RecordFile, EndFlagIsClearAtTheLastRecordAndSetJustPastIt)
{
    TempFolder folder;
    const auto path = folder / "three.dcu";
    writeFile(path, {userRecord(u"um", u"one"), userRecord(u"dois", u"two"),
                     userRecord(u"tres", u"three")});
    RecordFile file(kShortRecordLength);
    std::string reason;
    ASSERT_TRUE(file.open(path, RecordFile::Mode::ReadOnly, reason));
    EXPECT_EQ(file.recordCount(), 3);

    EntryRecord record;
    EXPECT_TRUE(file.read(3, record));
    EXPECT_FALSE(file.endOfFile());
    EXPECT_EQ(record, (EntryRecord{u"tres", u"three"}));

    EXPECT_FALSE(file.read(4, record));
    EXPECT_TRUE(file.endOfFile());
    EXPECT_EQ(record, EntryRecord{});

    EXPECT_TRUE(file.read(1, record));
    EXPECT_FALSE(file.endOfFile());
    EXPECT_FALSE(file.read(0, record));
    EXPECT_TRUE(file.endOfFile());
}

TEST(RecordFile, ReadNextFollowsTheLastRead)
{
    TempFolder folder;
    const auto path = folder / "idx.ind";
    writeFile(path, {indexRecord(u"a", 1), indexRecord(u"b", 100), indexRecord(u"c", 250)});
    RecordFile file(kShortRecordLength);
    std::string reason;
    ASSERT_TRUE(file.open(path, RecordFile::Mode::ReadOnly, reason));
    IndexRecord record;
    EXPECT_TRUE(file.readNext(record));
    EXPECT_EQ(record, (IndexRecord{u"a", 1}));
    EXPECT_TRUE(file.read(2, record));
    EXPECT_TRUE(file.readNext(record));
    EXPECT_EQ(record, (IndexRecord{u"c", 250}));
    EXPECT_FALSE(file.endOfFile());
    EXPECT_FALSE(file.readNext(record));
    EXPECT_TRUE(file.endOfFile());
    EXPECT_TRUE(record.key.empty());
}

TEST(RecordFileDamage, ShortLastRecordCountsAsAbsent)
{
    TempFolder folder;
    const auto path = folder / "short.dcu";
    std::string partial = userRecord(u"b", u"be");
    partial.resize(100);
    writeFile(path, {userRecord(u"a", u"one"), partial});
    RecordFile file(kShortRecordLength);
    std::string reason;
    ASSERT_TRUE(file.open(path, RecordFile::Mode::WriteThrough, reason));
    EXPECT_EQ(file.recordCount(), 1);
    EntryRecord record;
    EXPECT_FALSE(file.read(2, record));
    EXPECT_TRUE(file.endOfFile());

    // Appending replaces the fragment with a whole record.
    ASSERT_EQ(file.write(2, {u"c", u"cee"}), RecordError::None);
    EXPECT_EQ(std::filesystem::file_size(path), 256u);
    EXPECT_TRUE(file.read(2, record));
    EXPECT_EQ(record, (EntryRecord{u"c", u"cee"}));
}

TEST(RecordFile, WritesGoThroughToDiskAtOnce)
{
    TempFolder folder;
    const auto path = folder / "user.dcu";
    RecordFile file(kShortRecordLength);
    std::string reason;
    ASSERT_TRUE(file.open(path, RecordFile::Mode::WriteThrough, reason)) << reason;
    EXPECT_EQ(file.recordCount(), 0);
    ASSERT_EQ(file.write(1, {u"casa", u"house"}), RecordError::None);
    ASSERT_EQ(file.write(2, {u"gato", u"cat"}), RecordError::None);
    ASSERT_EQ(file.write(1, {u"casa", u"home"}), RecordError::None);
    // Read back by another reader while the file is still open.
    const std::string onDisk = readFile(path);
    ASSERT_EQ(onDisk.size(), 256u);
    EXPECT_EQ(parseEntry(std::string_view(onDisk).substr(0, 128)), (EntryRecord{u"casa", u"home"}));
    EXPECT_EQ(parseEntry(std::string_view(onDisk).substr(128)), (EntryRecord{u"gato", u"cat"}));
    EntryRecord record;
    EXPECT_TRUE(file.read(1, record));
    EXPECT_EQ(record.body, u"home");
}

TEST(RecordFile, RefusedWritesLeaveTheFileUnchanged)
{
    TempFolder folder;
    const auto path = folder / "user.dtu";
    writeFile(path, {userRecord(u"casa", u"a note", kLongRecordLength)});
    RecordFile file(kLongRecordLength);
    std::string reason;
    ASSERT_TRUE(file.open(path, RecordFile::Mode::WriteThrough, reason));
    const std::string before = readFile(path);
    EXPECT_EQ(file.write(3, {u"x", u"y"}), RecordError::BadRecordNumber);
    EXPECT_EQ(file.write(0, {u"x", u"y"}), RecordError::BadRecordNumber);
    EXPECT_EQ(file.write(1, {u"casa", std::u16string(505, u'n')}), RecordError::TooLong);
    EXPECT_EQ(file.write(2, {u"casa", u"\u2603"}), RecordError::NotWindows1252);
    EXPECT_EQ(readFile(path), before);
    EXPECT_EQ(file.recordCount(), 1);
}

TEST(RecordFile, ReadOnlyFilesRefuseWrites)
{
    TempFolder folder;
    RecordFile file(kShortRecordLength);
    std::string reason;
    ASSERT_TRUE(file.open(folder / "main.qlc", RecordFile::Mode::ReadOnly, reason));
    EXPECT_EQ(file.write(1, {u"ab", u"cd"}), RecordError::NotOpen);
    RecordFile closed(kShortRecordLength);
    EXPECT_EQ(closed.write(1, {u"ab", u"cd"}), RecordError::NotOpen);
    EntryRecord record;
    EXPECT_FALSE(closed.read(1, record));
    EXPECT_TRUE(closed.endOfFile());
}

TEST(DictionaryFiles, MissingFilesAreCreatedEmpty)
{
    TempFolder folder;
    DictionaryFiles files;
    const auto failures = files.open(folder.path(), u"novo");
    EXPECT_TRUE(failures.empty());
    for (const char* extension : {".qlc", ".ind", ".pdt", ".dcu", ".dtu"}) {
        const auto path = folder / (std::string("novo") + extension);
        ASSERT_TRUE(std::filesystem::exists(path)) << extension;
        EXPECT_EQ(std::filesystem::file_size(path), 0u) << extension;
    }
    EXPECT_EQ(files.main().recordCount(), 0);
    EXPECT_TRUE(files.indexTable().empty());
    // The user files are usable at once, with their record lengths.
    EXPECT_EQ(files.user().write(1, {u"casa", u"house"}), RecordError::None);
    EXPECT_EQ(files.userDetails().write(1, {u"casa", u"note"}), RecordError::None);
    EXPECT_EQ(std::filesystem::file_size(folder / "novo.dcu"), 128u);
    EXPECT_EQ(std::filesystem::file_size(folder / "novo.dtu"), 512u);
}

TEST(DictionaryFiles, ReopeningSwitchesTheWholeSet)
{
    TempFolder folder;
    writeDictionary(folder.path(), "one",
                    {{mainRecord(u"casa", u"house")}, {indexRecord(u"a", 1)}, {}, {}, {}});
    writeDictionary(folder.path(), "two",
                    {{mainRecord(u"house", u"casa"), mainRecord(u"cat", u"gato")},
                     {indexRecord(u"a", 1), indexRecord(u"m", 2)},
                     {},
                     {},
                     {}});
    DictionaryFiles files;
    ASSERT_TRUE(files.open(folder.path(), u"one").empty());
    EXPECT_EQ(files.main().recordCount(), 1);
    ASSERT_TRUE(files.open(folder.path(), u"two").empty());
    EXPECT_EQ(files.main().recordCount(), 2);
    EXPECT_EQ(files.main().path(), folder / "two.qlc");
    EXPECT_EQ(files.index().recordCount(), 2);
    files.close();
    EXPECT_FALSE(files.main().isOpen());
    EXPECT_EQ(files.main().recordCount(), 0);
}

TEST(DictionaryFiles, FailureNamesTheFileAndTheOthersStayUsable)
{
    TempFolder folder;
    std::filesystem::create_directory(folder / "bad.pdt");
    writeDictionary(folder.path(), "ok", {{mainRecord(u"casa", u"house")}, {}, {}, {}, {}});
    std::filesystem::rename(folder / "ok.qlc", folder / "bad.qlc");
    DictionaryFiles files;
    const auto failures = files.open(folder.path(), u"bad");
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].role, FileRole::Details);
    EXPECT_EQ(failures[0].path, folder / "bad.pdt");
    EXPECT_FALSE(failures[0].reason.empty());
    EXPECT_EQ(files.main().recordCount(), 1);
    EXPECT_TRUE(files.user().isWritable());
}
