#include "dictionary/Records.h"

#include <gtest/gtest.h>

#include <string>

using namespace quillet::dictionary;

namespace {

void putCount(std::string& bytes, std::size_t at, unsigned count)
{
    bytes[at] = static_cast<char>(count & 0xFF);
    bytes[at + 1] = static_cast<char>(count >> 8);
}

}  // namespace

TEST(Records, UserRecordForCasaIsLaidOutByteForByte)
{
    std::string bytes;
    ASSERT_EQ(serializeEntry({u"casa", u"house"}, kShortRecordLength, bytes), RecordError::None);
    std::string expected(
        "\x04\x00"
        "casa"
        "\x05\x00"
        "house",
        13);
    expected.resize(128, '\0');
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(parseEntry(bytes), (EntryRecord{u"casa", u"house"}));
}

TEST(Records, AccentedLettersAreSingleWindows1252Bytes)
{
    std::string bytes;
    ASSERT_EQ(serializeEntry({u"ação", u"ç"}, kShortRecordLength, bytes), RecordError::None);
    EXPECT_EQ(bytes.substr(0, 6), std::string("\x04\x00"
                                              "a\xE7\xE3o",
                                              6));
    EXPECT_EQ(parseEntry(bytes), (EntryRecord{u"ação", u"ç"}));
}

TEST(Records, EntryCapacityIs124BytesInShortAnd508InLongRecords)
{
    std::string bytes;
    const std::u16string word(20, u'w');
    EXPECT_EQ(serializeEntry({word, std::u16string(104, u't')}, kShortRecordLength, bytes),
              RecordError::None);
    EXPECT_EQ(bytes.size(), kShortRecordLength);
    EXPECT_EQ(parseEntry(bytes).body.size(), 104u);
    bytes.clear();
    EXPECT_EQ(serializeEntry({word, std::u16string(105, u't')}, kShortRecordLength, bytes),
              RecordError::TooLong);
    EXPECT_TRUE(bytes.empty());

    EXPECT_EQ(serializeEntry({word, std::u16string(488, u'n')}, kLongRecordLength, bytes),
              RecordError::None);
    EXPECT_EQ(bytes.size(), kLongRecordLength);
    EXPECT_EQ(serializeEntry({word, std::u16string(489, u'n')}, kLongRecordLength, bytes),
              RecordError::TooLong);
}

TEST(Records, CharactersOutsideWindows1252AreRefused)
{
    std::string bytes;
    EXPECT_EQ(serializeEntry({u"word", u"\u0101"}, kShortRecordLength, bytes),
              RecordError::NotWindows1252);
    EXPECT_EQ(serializeEntry({u"\u4E2D", u"x"}, kShortRecordLength, bytes),
              RecordError::NotWindows1252);
    EXPECT_EQ(serializeIndex({u"\u0101", 1}, bytes), RecordError::NotWindows1252);
    EXPECT_TRUE(bytes.empty());
    // The euro sign has a byte (0x80).
    EXPECT_EQ(serializeEntry({u"euro", u"€"}, kShortRecordLength, bytes), RecordError::None);
    EXPECT_EQ(bytes[8], '\x80');
}

TEST(Records, EmptyTermWithBodyReadsBackExactly)
{
    std::string bytes;
    ASSERT_EQ(serializeEntry({u"", u"orphan body"}, kShortRecordLength, bytes), RecordError::None);
    EXPECT_EQ(parseEntry(bytes), (EntryRecord{u"", u"orphan body"}));
}

TEST(Records, IndexRecordRoundTripsAndHoldsA122ByteKey)
{
    std::string bytes;
    ASSERT_EQ(serializeIndex({u"banana", 100000}, bytes), RecordError::None);
    EXPECT_EQ(parseIndex(bytes), (IndexRecord{u"banana", 100000}));
    ASSERT_EQ(serializeIndex({u"neg", -5}, bytes), RecordError::None);
    EXPECT_EQ(parseIndex(bytes).firstRecord, -5);
    EXPECT_EQ(serializeIndex({std::u16string(122, u'k'), 7}, bytes), RecordError::None);
    EXPECT_EQ(parseIndex(bytes), (IndexRecord{std::u16string(122, u'k'), 7}));
    EXPECT_EQ(serializeIndex({std::u16string(123, u'k'), 7}, bytes), RecordError::TooLong);
}

TEST(RecordDamage, TermCountPastTheRecordIsCutAtItsEnd)
{
    std::string bytes(128, 'x');
    putCount(bytes, 0, 500);
    const EntryRecord record = parseEntry(bytes);
    EXPECT_EQ(record.term.size(), 126u);
    EXPECT_TRUE(record.body.empty());
}

TEST(RecordDamage, BodyCountPastTheRecordIsCutAtItsEnd)
{
    std::string bytes;
    ASSERT_EQ(serializeEntry({u"casa", u"house"}, kShortRecordLength, bytes), RecordError::None);
    putCount(bytes, 6, 0xFFFF);
    const EntryRecord record = parseEntry(bytes);
    EXPECT_EQ(record.term, u"casa");
    EXPECT_EQ(record.body.size(), 128u - 8u);
    EXPECT_EQ(record.body.substr(0, 5), u"house");
}

TEST(RecordDamage, BodyCountHalfOutsideTheRecordGivesAnEmptyBody)
{
    std::string bytes(128, '\0');
    putCount(bytes, 0, 125);  // leaves one byte, too few for the body's count
    bytes[127] = '\x7F';
    EXPECT_EQ(parseEntry(bytes).term.size(), 125u);
    EXPECT_TRUE(parseEntry(bytes).body.empty());
}

TEST(RecordDamage, IndexFirstRecordOutsideTheRecordReadsAsZero)
{
    std::string bytes(128, '\0');
    putCount(bytes, 0, 124);  // the key leaves two bytes, too few for the number
    bytes[126] = '\x05';
    bytes[127] = '\x05';
    const IndexRecord record = parseIndex(bytes);
    EXPECT_EQ(record.key.size(), 124u);
    EXPECT_EQ(record.firstRecord, 0);
}

TEST(RecordDamage, TooShortBuffersParseToEmptyFields)
{
    EXPECT_EQ(parseEntry(std::string_view()), EntryRecord{});
    EXPECT_EQ(parseEntry(std::string_view("\x05", 1)), EntryRecord{});
    EXPECT_EQ(parseEntry(std::string_view("\x05\x00"
                                          "ab",
                                          4)),
              (EntryRecord{u"ab", u""}));
    EXPECT_EQ(parseIndex(std::string_view("\x02\x00"
                                          "ab\x01",
                                          5)),
              (IndexRecord{u"ab", 0}));
}

TEST(Records, PlainFieldComparisonIgnoresOuterSpacesOnly)
{
    EXPECT_TRUE(plainFieldEquals("  casa ", u"casa"));
    EXPECT_TRUE(plainFieldEquals("a\xE7\xE3o", u"ação"));
    EXPECT_FALSE(plainFieldEquals("Casa", u"casa"));
    EXPECT_FALSE(plainFieldEquals("\tcasa", u"casa"));
    EXPECT_FALSE(plainFieldEquals("cas", u"casa"));
    EXPECT_TRUE(plainFieldEquals("   ", u""));
    EXPECT_FALSE(plainFieldEquals("", u"x"));
}
