#include "dictionary/Decoder.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/FileLock.h"
#include "dictionary/MappedFile.h"
#include "dictionary/RecordFile.h"
#include "dictionary/Records.h"
#include "dictionary/UserRecords.h"

#include "support/TempFolder.h"
#include "support/TestDictionary.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <chrono>
#include <optional>
#include <thread>

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
    EXPECT_EQ(readFile(folder / "u.dcu"), written);
}

// A mapped file cut short in place under the reader: a lost page reads as
// zeros instead of ending the process, and the cut is reported so that the
// owner opens the file again.
TEST(MappedFile, APageLostToACutReadsAsZerosAndIsReported)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows reads dictionaries whole, and refuses to cut a mapped file";
#else
    TempFolder folder;
    writeTextFile(folder / "m.qlc", std::string(3 * 4096, 'x'));
    MappedFile file;
    ASSERT_EQ(file.open(folder / "m.qlc", 1 << 20, FileAccess::Map), FileReadStatus::Read);
    ASSERT_TRUE(file.isMapped());
    EXPECT_FALSE(file.wasCut());
    std::filesystem::resize_file(folder / "m.qlc", 4096);
    file.releasePages();
    EXPECT_EQ(file.bytes()[2 * 4096 + 10], '\0');
    EXPECT_EQ(file.bytes()[10], 'x');
    EXPECT_TRUE(file.wasCut());
    EXPECT_TRUE(file.isStale());
#endif
}

// Missing files are made empty. A FIFO must not block the start-up, nor a
// device fill the memory; a file with more records than 32-bit numbers can
// address is refused unread (a sparse details file: nothing walks it at open,
// so accepting it fails fast).
TEST(DictionaryFiles, MissingFilesAreMadeAndOnlyRegularFilesOfAnAddressableSizeOpen)
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

    std::filesystem::create_directory(folder / "d.ind");
    writeTextFile(folder / "victim", "other");  // a link is refused, not written through
#ifdef _WIN32
    // No FIFOs, and links need privileges: folders stand in for both.
    std::filesystem::create_directory(folder / "d.qlc");
    std::filesystem::create_directory(folder / "d.dcu");
#else
    ASSERT_EQ(::mkfifo((folder / "d.qlc").c_str(), 0600), 0);
    std::filesystem::create_symlink(folder / "victim", folder / "d.dcu");
#endif
#ifdef _WIN32
    std::filesystem::create_directory(folder / "d.pdt");  // Wine makes no 1 TiB file
#else
    writeTextFile(folder / "d.pdt", "");
    std::filesystem::resize_file(folder / "d.pdt", std::uintmax_t{512} << 31);
#endif
    // A user file larger than the editor could have written is not read at all.
    writeTextFile(folder / "d.dtu", "");
    std::filesystem::resize_file(folder / "d.dtu", (kMaxUserRecords + 1) * kLongRecordLength);
    std::string failed;
    for (const OpenFailure& failure : files.open(folder.path(), u"d"))
        failed += failure.path.extension().string();
    EXPECT_EQ(failed, ".qlc.ind.pdt.dcu.dtu");
    EXPECT_EQ(readFile(folder / "victim"), "other");

    // Only read, the user's files are never made, and a missing one is empty.
    files.setUserFilesWritable(false);
    std::filesystem::remove(folder / "novo.dtu");
    EXPECT_TRUE(files.open(folder.path(), u"novo").empty());
    EXPECT_FALSE(std::filesystem::exists(folder / "novo.dtu"));
    EXPECT_EQ(files.user().recordCount(), 1);
    EXPECT_EQ(files.user().write(2, {u"casa", u"house"}), RecordError::NotOpen);

    // Full, a user file takes no more records.
    files.setUserFilesWritable(true);
    std::filesystem::resize_file(folder / "novo.dcu", kMaxUserRecords * kShortRecordLength);
    ASSERT_TRUE(files.open(folder.path(), u"novo").empty());
    EXPECT_EQ(files.user().write(kMaxUserRecords + 1, {u"casa", u"house"}),
              RecordError::BadRecordNumber);
    EXPECT_EQ(files.user().write(kMaxUserRecords, {u"casa", u"house"}), RecordError::None);
    // A user folder that went away while the program ran is made again.
    EXPECT_TRUE(files.open(folder.path(), folder / "gone/again", u"novo").empty());
}

// Two running copies opened the same user files before either saved. This
// test plays one that holds the lock on the word file while it appends; the
// other, a thread with files of its own (locks belong to an open file, so it
// waits as another process would), must wait, then append after it; this
// copy's stale view then changes the other's entry where it lies now.
TEST(UserRecords, TwoRunningCopiesKeepEachOthersEntries)
{
    TempFolder folder;
    writePlainDictionary(folder.path(), "d", {});
    DictionaryFiles files, othersFiles;
    ASSERT_TRUE(files.open(folder.path(), u"d").empty());
    ASSERT_TRUE(othersFiles.open(folder.path(), u"d").empty());
    const std::string alpha = userRecord(u"alpha", u"um");
    std::optional<FileLock> lock(std::in_place, folder / "d.dcu");
    bool saved = false;
    std::thread other([&] {
        saved = saveUserEntry(othersFiles, u"beta", u"dois", u"nota").error == RecordError::None;
    });
    // The other copy blocks here whatever the wait; the wait only lets a build
    // without the lock write first.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    quillet::core::OpenFile words;
    const bool written = words.open(folder / "d.dcu", 1 << 20, quillet::core::OpenMode::Update) ==
                             FileReadStatus::Read &&
                         words.writeAt(0, alpha);
    words.close();
    lock.reset();
    other.join();
    EXPECT_TRUE(written);
    EXPECT_TRUE(saved);
    EXPECT_EQ(readFile(folder / "d.dcu"), alpha + userRecord(u"beta", u"dois"));
    EXPECT_EQ(saveUserEntry(files, u"beta", u"dois, dupla", u"nota").error, RecordError::None);
    EXPECT_EQ(readFile(folder / "d.dcu"), alpha + userRecord(u"beta", u"dois, dupla"));
    EXPECT_EQ(readFile(folder / "d.dtu"), userRecord(u"beta", u"nota", kLongRecordLength));
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
