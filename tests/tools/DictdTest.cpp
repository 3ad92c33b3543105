#include "DictdDatabase.h"
#include "DictdImporter.h"
#include "FreeDictEntry.h"
#include "support/TempFolder.h"
#include "ToolError.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>
#include <fstream>

namespace quillet::tool {
namespace {

using quillet::testsupport::TempFolder;

std::string gzipped(const std::string& text)
{
    z_stream stream;
    std::memset(&stream, 0, sizeof stream);
    EXPECT_EQ(deflateInit2(&stream, 9, Z_DEFLATED, 31, 8, Z_DEFAULT_STRATEGY), Z_OK);
    std::string out(deflateBound(&stream, text.size()) + 32, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    stream.avail_in = static_cast<uInt>(text.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(deflate(&stream, Z_FINISH), Z_STREAM_END);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

std::string writeFile(const TempFolder& folder, const std::string& name, const std::string& bytes)
{
    const std::string path = (folder.path() / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

template <typename Call>
std::string fileErrorOf(Call call)
{
    try {
        call();
    } catch (const FileError& error) {
        return error.what();
    }
    ADD_FAILURE() << "no FileError";
    return {};
}

TEST(DictdNumber, DecodesBase64Digits)
{
    EXPECT_EQ(decodeDictdNumber("A"), 0u);
    EXPECT_EQ(decodeDictdNumber("Z"), 25u);
    EXPECT_EQ(decodeDictdNumber("a"), 26u);
    EXPECT_EQ(decodeDictdNumber("0"), 52u);
    EXPECT_EQ(decodeDictdNumber("+"), 62u);
    EXPECT_EQ(decodeDictdNumber("/"), 63u);
    EXPECT_EQ(decodeDictdNumber("BA"), 64u);
    EXPECT_EQ(decodeDictdNumber("jp"), 35u * 64 + 41);
    EXPECT_FALSE(decodeDictdNumber(""));
    EXPECT_FALSE(decodeDictdNumber("a-b"));
    EXPECT_FALSE(decodeDictdNumber("A="));
    EXPECT_FALSE(decodeDictdNumber(std::string(12, '/')));  // 72 bits
}

TEST(DictdIndex, ReadsLinesAndSkipsTheDatabaseEntries)
{
    const auto lines = parseDictdIndex("00databaseinfo\tc\tid\n00-database-url\tA\tB\r\n"
                                       "a few\tkf\ty\n\nhouse\tBA\tC\n",
                                       "x.index");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].headword, "a few");
    EXPECT_EQ(lines[0].offset, 36u * 64 + 31);
    EXPECT_EQ(lines[0].length, 50u);
    EXPECT_EQ(lines[0].lineNumber, 3u);
    EXPECT_EQ(lines[1].headword, "house");
    EXPECT_EQ(lines[1].lineNumber, 5u);
}

TEST(DictdIndex, DamageIsAnErrorNamingTheLine)
{
    EXPECT_NE(fileErrorOf([] { parseDictdIndex("ok\tA\tB\nbad\tA*\tB\n", "x.index"); })
                  .find("x.index:2"),
              std::string::npos);
    EXPECT_NE(fileErrorOf([] { parseDictdIndex("two fields\tA\n", "x.index"); }).find("x.index:1"),
              std::string::npos);
    EXPECT_NE(fileErrorOf([] { parseDictdIndex("four\tA\tB\tC\n", "x.index"); }).find("x.index:1"),
              std::string::npos);
    EXPECT_NE(fileErrorOf([] { parseDictdIndex("bad\xff\tA\tB\n", "x.index"); }).find("UTF-8"),
              std::string::npos);
    EXPECT_NE(fileErrorOf([] { parseDictdIndex("empty\t\tB\n", "x.index"); }).find("x.index:1"),
              std::string::npos);
}

TEST(DictdData, EntriesPastTheEndAreAnError)
{
    const std::string data = "0123456789";
    EXPECT_EQ(entryText(data, {"w", 2, 3, 1}, "d"), "234");
    EXPECT_EQ(entryText(data, {"w", 10, 0, 1}, "d"), "");
    EXPECT_NE(fileErrorOf([&] { entryText(data, {"w", 8, 3, 7}, "d.dict"); }).find("line 7"),
              std::string::npos);
    EXPECT_NE(fileErrorOf([&] { entryText(data, {"w", 11, 0, 1}, "d.dict"); }).find("d.dict"),
              std::string::npos);
    EXPECT_FALSE(fileErrorOf([&] { entryText(data, {"w", 2, ~std::uint64_t{0}, 1}, "d"); }).empty());
}

TEST(DictdData, InflatesGzipAndReportsTruncationAndDamage)
{
    TempFolder folder;
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += "entry " + std::to_string(i) + "\n";
    const std::string packed = gzipped(text);
    EXPECT_EQ(readDictdData(writeFile(folder, "ok.dict.dz", packed)), text);
    EXPECT_EQ(readDictdData(writeFile(folder, "plain.dict", text)), text);

    const std::string truncated = writeFile(folder, "cut.dict.dz", packed.substr(0, packed.size() / 2));
    EXPECT_NE(fileErrorOf([&] { readDictdData(truncated); }).find("cut.dict.dz"), std::string::npos);

    std::string damaged = packed;
    for (std::size_t i = 20; i < 40; ++i)
        damaged[i] = static_cast<char>(~damaged[i]);
    const std::string damagedPath = writeFile(folder, "bad.dict.dz", damaged);
    EXPECT_NE(fileErrorOf([&] { readDictdData(damagedPath); }).find("bad.dict.dz"), std::string::npos);

    const std::string headerOnly = writeFile(folder, "head.dict.dz", packed.substr(0, 10));
    EXPECT_FALSE(fileErrorOf([&] { readDictdData(headerOnly); }).empty());
    EXPECT_NE(fileErrorOf([&] { readDictdData((folder.path() / "none.dz").string()); }).find("none.dz"),
              std::string::npos);
}

TEST(FreeDictEntry, DropsTheTranscriptionAndJoinsTheSenses)
{
    const auto entry = parseFreeDictEntry(
        u"abandon /əbændən/ <vt>\n1. abandonar\n2. desamparar\n3. abrir mão de, renunciar\n");
    EXPECT_EQ(entry.heading, u"abandon <vt>");
    ASSERT_EQ(entry.lines.size(), 3u);
    EXPECT_EQ(entry.lines[2], u"3. abrir mão de, renunciar");
    EXPECT_EQ(joinSenses(entry.lines), u"abandonar, desamparar, abrir mão de, renunciar");
    EXPECT_EQ(detailsText(entry), u"abandon <vt>\n1. abandonar\n2. desamparar\n3. abrir mão de, renunciar");

    const auto variants = parseFreeDictEntry(u"decalog, decalogue /dɪkˈalɒɡ/ /dɪkˈalɒɡ/ <s>\ndecálogo\n");
    EXPECT_EQ(variants.heading, u"decalog, decalogue <s>");
    EXPECT_EQ(joinSenses(variants.lines), u"decálogo");

    const auto plain = parseFreeDictEntry(u"nonetheless <adv>\n no entanto,  contudo \n");
    EXPECT_EQ(joinSenses(plain.lines), u"no entanto, contudo");
    EXPECT_EQ(parseFreeDictEntry(u"and/or\ne/ou").heading, u"and/or");
}

TEST(FreeDictEntry, RepeatedSensesAreJoinedOnce)
{
    EXPECT_EQ(joinSenses({u"1. braço, braçal", u"2. braçal", u"armar"}), u"braço, braçal, armar");
    EXPECT_EQ(joinSenses({u"12. doze"}), u"doze");
    EXPECT_EQ(joinSenses({u"1.5 kg"}), u"1.5 kg");
}

TEST(DictdImporter, VariantsGetTheirOwnEntriesAndRepeatsAreMerged)
{
    const std::string data = "decalog, decalogue /x/ <s>\ndecálogo\n"
                             "arm /a/\n1. braço\n2. armar\n"
                             "arm- /b/\nbraçal, braço\n";
    // UTF-8 offsets and lengths: 0 and 37 (l), 37 (l) and 27 (b), 64 (BA) and 25 (Z).
    const std::string index = "decalog\tA\tl\ndecalogue\tA\tl\narm\tl\tb\narm \tBA\tZ\n";
    const auto entries = importDictd(index, "t.index", data, "t.dict");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].headword, u"decalog");
    EXPECT_EQ(entries[1].headword, u"decalogue");
    EXPECT_EQ(entries[1].translation, u"decálogo");
    EXPECT_EQ(entries[1].details, u"decalog, decalogue <s>\ndecálogo");
    EXPECT_EQ(entries[2].headword, u"arm");
    EXPECT_EQ(entries[2].translation, u"braço, armar, braçal");
    EXPECT_EQ(entries[2].details, u"arm\n1. braço\n2. armar\narm-\nbraçal, braço");
    EXPECT_EQ(entries[2].origin, 3u);

    EXPECT_NE(fileErrorOf([&] { importDictd("w\tA\tZZ\n", "t.index", data, "t.dict"); }).find("t.dict"),
              std::string::npos);
    EXPECT_NE(fileErrorOf([&] { importDictd("w\tA\tB\n", "t.index", "\xff", "t.dict"); }).find("UTF-8"),
              std::string::npos);
}

}  // namespace
}  // namespace quillet::tool
