#include "DictdDatabase.h"
#include "DictdImporter.h"
#include "FreeDictEntry.h"
#include "JsonText.h"
#include "ToolError.h"

#include "TsvReader.h"
#include "core/Paths.h"

#include "support/TempFolder.h"
#include "support/TestDictionary.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <functional>

namespace quillet::tool {
namespace {

std::string fileErrorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const FileError& error) {
        return error.what();
    }
    return "no error";
}

}  // namespace

TEST(SourceFormats, DamageIsAnErrorNamingItsPlace)
{
    // clang-format off
    const std::vector<std::pair<std::function<void()>, std::string>> rows = {
        {[] { parseDictdIndex("ok\tA\tB\nbad\tA*\tB\n", "x.index"); }, "x.index:2: offset or length"},
        {[] { parseDictdIndex("two\tA\n", "x.index"); }, "x.index:1: expected"},
        {[] { parseDictdIndex("four\tA\tB\tC\n", "x.index"); }, "x.index:1: expected"},
        {[] { parseDictdIndex("bad\xff\tA\tB\n", "x.index"); }, "x.index:1: headword is not valid UTF-8"},
        {[] { parseDictdIndex("empty\t\tB\n", "x.index"); }, "x.index:1: offset or length"},
        {[] { entryText("0123456789", {"w", 8, 3, 7}, "d.dict"); }, "d.dict: entry 'w' (index line 7) lies past"},
        {[] { entryText("0123456789", {"w", 2, ~std::uint64_t{0}, 1}, "d.dict"); }, "d.dict: entry 'w'"},
        {[] { importDictd("w\tA\tB\n", "t.index", "\xff", "t.dict"); }, "t.dict: entry 'w' is not valid UTF-8"},
        {[] { parseTsv("a\tb\n\nno tab here\n", "t.tsv"); }, "t.tsv:3: expected"},
        {[] { parseTsv("a\tb\tc\td\n", "t.tsv"); }, "t.tsv:1: expected"},
        {[] { parseTsv("ok\tfine\nbad\t\xC3\x28\n", "t.tsv"); }, "t.tsv:2: not valid UTF-8"},
        {[] { parseTsv("a\t" + std::string(65533, 'b') + "\n" + std::string(65536, 'c'), "t.tsv"); }, "t.tsv:2: line longer than 65535 bytes"}};
    // clang-format on
    for (const auto& [call, message] : rows)
        EXPECT_EQ(fileErrorOf(call).rfind(message, 0), 0u) << message;

    const std::string real = "/usr/share/dictd/freedict-eng-por.dict.dz";
    if (!std::filesystem::exists(real))
        GTEST_SKIP() << "the FreeDict packages are not installed";
    const testsupport::TempFolder folder;
    testsupport::writeTextFile(folder / "cut.dz", testsupport::readFile(real).substr(0, 1000));
    EXPECT_EQ(fileErrorOf([&] { readDictdData(folder / "cut.dz"); }),
              (folder / "cut.dz").string() + ": compressed data is truncated");
}

TEST(Dictd, DataPastTheCapIsRefused)
{
    const testsupport::TempFolder folder;
    const std::string plain = (folder / "plain.dict").string(), zipped = plain + ".dz";
    testsupport::writeTextFile(core::pathFromText(plain), std::string(100000, 'a'));
#ifdef _WIN32
    gzFile file = gzopen_w(core::pathFromText(zipped).c_str(), "wb");
#else
    gzFile file = gzopen(zipped.c_str(), "wb");
#endif
    ASSERT_EQ(gzwrite(file, std::string(100000, 'a').data(), 100000), 100000);
    gzclose(file);
    for (const std::string& path : {plain, zipped}) {
        EXPECT_EQ(readDictdData(core::pathFromText(path), 100000), std::string(100000, 'a'))
            << path;
        EXPECT_EQ(fileErrorOf([&] { readDictdData(core::pathFromText(path), 99999); }),
                  path + ": holds more than 99999 bytes of data, more than a dictionary can use");
    }
}

TEST(Dictd, IndexNumbersAreBase64)
{
    // clang-format off
    const std::vector<std::pair<std::string, std::optional<std::uint64_t>>> numbers = {
        {"A", 0}, {"Z", 25}, {"a", 26}, {"0", 52}, {"+", 62}, {"/", 63}, {"BA", 64}, {"jp", 35 * 64 + 41},
        {"", {}}, {"a-b", {}}, {"A=", {}}, {std::string(12, '/'), {}}};
    // clang-format on
    for (const auto& [digits, value] : numbers)
        EXPECT_EQ(decodeDictdNumber(digits), value) << digits;
    const auto lines =
        parseDictdIndex("00databaseinfo\tc\tid\n00-database-url\tA\tB\r\n\nhouse\tBA\tC\n", "i");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].headword + " " + std::to_string(lines[0].offset) + " " +
                  std::to_string(lines[0].length) + " " + std::to_string(lines[0].lineNumber),
              "house 64 2 4");
}

TEST(DictdImporter, VariantsGetTheirOwnEntriesAndRepeatsAreMerged)
{
    EXPECT_EQ(detailsText(parseFreeDictEntry(u"decalog, decalogue /dɪk/ /dɪk/ <s>\n1. decálogo\n")),
              u"decalog, decalogue <s>\n1. decálogo");
    EXPECT_EQ(parseFreeDictEntry(u"and/or\ne/ou").heading, u"and/or");
    EXPECT_EQ(joinSenses({u" no entanto,  contudo ", u"12. doze", u"1.5 kg", u"2. doze"}),
              u"no entanto, contudo, doze, 1.5 kg");
    const std::string data =
        "decalog /x/ <s>\ndecálogo\narm /a/\n1. braço\n2. armar\n"
        "arm- /b/\nbraçal, braço\n";
    // Offsets and lengths in bytes: 0 and 26 (a), 26 (a) and 27 (b), 53 (1) and 25 (Z).
    const auto entries = importDictd("decalog\tA\ta\ndecalogue\tA\ta\narm\ta\tb\narm \t1\tZ\n",
                                     "t.index", data, "t.dict");
    ASSERT_EQ(entries.size(), 3u);
    std::u16string found;
    for (const SourceEntry& entry : entries)
        found += entry.headword + u"|" + entry.translation + u"|" + entry.details + u"|";
    EXPECT_EQ(found,
              u"decalog|decálogo|decalog <s>\ndecálogo|decalogue|decálogo|decalog <s>\ndecálogo|"
              u"arm|braço, armar, braçal|arm\n1. braço\n2. armar\narm-\nbraçal, braço|");
    EXPECT_EQ(entries[2].origin, 3u);
}

TEST(JsonText, EscapesEveryControlCharacter)
{
    EXPECT_EQ(jsonString(u"a\"b\\c/ ação"), "\"a\\\"b\\\\c/ a\xC3\xA7\xC3\xA3o\"");
    EXPECT_EQ(jsonString(u"\n\r\t\b\f\x01\x1f\x7f\x85\u2028"),
              "\"\\n\\r\\t\\b\\f\\u0001\\u001f\\u007f\\u0085\\u2028\"");
}

}  // namespace quillet::tool
