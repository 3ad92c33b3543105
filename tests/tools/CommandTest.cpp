#include "Command.h"
#include "support/TempFolder.h"

#include "dictionary/Encoder.h"
#include "dictionary/Records.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace quillet::tool {
namespace {

using quillet::testsupport::TempFolder;
namespace dict = quillet::dictionary;

struct CommandRun
{
    int status;
    std::string out;
    std::string err;
};

CommandRun run(CommandFunction command, CommandArguments arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = command(arguments, out, err);
    return {status, out.str(), err.str()};
}

std::u16string encoded(std::u16string_view plain)
{
    std::u16string stored;
    EXPECT_EQ(dict::encodeField(plain, stored), dict::EncodeError::None);
    return stored;
}

void writeRecords(const std::filesystem::path& path, const std::vector<std::string>& records,
                  const std::string& tail = {})
{
    std::ofstream file(path, std::ios::binary);
    for (const std::string& record : records)
        file << record;
    file << tail;
}

std::string entry(const dict::EntryRecord& record, std::size_t length)
{
    std::string bytes;
    EXPECT_EQ(dict::serializeEntry(record, length, bytes), dict::RecordError::None);
    return bytes;
}

TEST(DumpCommand, PrintsEveryRecordDecodedAsJsonLines)
{
    TempFolder folder;
    const auto main = folder.path() / "t.qlc";
    writeRecords(main, {entry({encoded(u"ação"), encoded(u" a\"b ")}, 128), std::string(128, '\0'),
                        entry({u"", encoded(u"body only")}, 128)});
    const CommandRun result = run(runDumpCommand, {main.string()});
    EXPECT_EQ(result.status, exitOk);
    EXPECT_EQ(result.out, "{\"record\": 1, \"term\": \"a\xC3\xA7\xC3\xA3o\", \"body\": \" a\\\"b \"}\n"
                          "{\"record\": 2, \"term\": \"\", \"body\": \"\"}\n"
                          "{\"record\": 3, \"term\": \"\", \"body\": \"body only\"}\n");

    // Details: the term is decoded, the note is plain; user files are plain.
    const auto details = folder.path() / "t.pdt";
    writeRecords(details, {entry({encoded(u"catxa"), u"line\none\ttab"}, 512)});
    EXPECT_EQ(run(runDumpCommand, {details.string()}).out,
              "{\"record\": 1, \"term\": \"catxa\", \"body\": \"line\\none\\ttab\"}\n");
    const auto user = folder.path() / "t.dcu";
    writeRecords(user, {entry({u"casa", u"house\x01"}, 128)}, "short");
    const CommandRun userRun = run(runDumpCommand, {user.string()});
    EXPECT_EQ(userRun.out, "{\"record\": 1, \"term\": \"casa\", \"body\": \"house\\u0001\"}\n");
    EXPECT_NE(userRun.err.find("short record"), std::string::npos);

    const auto index = folder.path() / "t.ind";
    std::string key;
    EXPECT_EQ(dict::serializeIndex({u"abc", 17}, key), dict::RecordError::None);
    writeRecords(index, {key});
    EXPECT_EQ(run(runDumpCommand, {index.string()}).out, "{\"record\": 1, \"key\": \"abc\", \"first\": 17}\n");

    const auto empty = folder.path() / "e.dtu";
    writeRecords(empty, {});
    EXPECT_EQ(run(runDumpCommand, {empty.string()}).out, "");
}

TEST(Commands, BadArgumentsGiveStatusTwoAndUsage)
{
    const std::vector<std::pair<CommandFunction, CommandArguments>> cases = {
        {runDumpCommand, {}},
        {runDumpCommand, {"a.qlc", "b.qlc"}},
        {runDumpCommand, {"file.txt"}},
        {runBuildCommand, {"--tsv", "x.tsv", "--out", "dir"}},
        {runBuildCommand, {"--tsv", "x.tsv", "--out", "dir", "--stem"}},
        {runBuildCommand, {"--tsv", "x.tsv", "--out", "dir", "--stem", "s", "--extra", "1"}},
        {runBuildCommand, {"--tsv", "x.tsv", "--tsv", "y.tsv", "--out", "dir", "--stem", "s"}},
        {runBuildCommand, {"--tsv", "x.tsv", "--out", "dir", "--stem", "a/b"}},
        {runImportDictdCommand, {"--index", "i", "--out", "dir", "--stem", "s"}},
        {runLookupCommand, {"folder", "0"}},
        {runLookupCommand, {"folder", "51", "word"}},
        {runLookupCommand, {"folder", "x", "word"}},
    };
    for (const auto& [command, arguments] : cases) {
        const CommandRun result = run(command, arguments);
        EXPECT_EQ(result.status, exitUsage) << result.err;
        EXPECT_NE(result.err.find("usage: quillet-dict"), std::string::npos) << result.err;
    }
}

TEST(Commands, UnreadableInputGivesStatusOneNamingTheFile)
{
    TempFolder folder;
    const std::string missing = (folder.path() / "missing.tsv").string();
    const std::string out = (folder.path() / "out").string();
    CommandRun result = run(runBuildCommand, {"--tsv", missing, "--out", out, "--stem", "s"});
    EXPECT_EQ(result.status, exitFailure);
    EXPECT_NE(result.err.find(missing), std::string::npos);

    result = run(runBuildCommand, {"--tsv", folder.path().string(), "--out", out, "--stem", "s"});
    EXPECT_EQ(result.status, exitFailure);
    EXPECT_NE(result.err.find("folder"), std::string::npos);

    const std::string badIndex = (folder.path() / "bad.index").string();
    std::ofstream(badIndex) << "word\t!!\tB\n";
    result = run(runImportDictdCommand,
                 {"--index", badIndex, "--dict", badIndex, "--out", out, "--stem", "s"});
    EXPECT_EQ(result.status, exitFailure);
    EXPECT_NE(result.err.find(badIndex + ":1"), std::string::npos);

    result = run(runDumpCommand, {(folder.path() / "none.ind").string()});
    EXPECT_EQ(result.status, exitFailure);
    EXPECT_NE(result.err.find("none.ind"), std::string::npos);

    result = run(runLookupCommand, {folder.path().string(), "0", "house"});
    EXPECT_EQ(result.status, exitFailure);
    EXPECT_NE(result.err.find("dictionaries.cfg"), std::string::npos);
}

TEST(Commands, BuildThenLookUpThroughTheCatalogue)
{
    TempFolder folder;
    const std::string tsv = (folder.path() / "words.tsv").string();
    std::ofstream(tsv) << "house\tcasa, lar\thouse <s>\\ncasa\na\tum\nand\te\n";
    const std::string app = (folder.path() / "app").string();
    CommandRun result = run(runBuildCommand, {"--tsv", tsv, "--out", app, "--stem", "words"});
    ASSERT_EQ(result.status, exitOk) << result.err;
    EXPECT_NE(result.out.find("line 2 \"a\": skipped"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("line 3 \"and\": padded"), std::string::npos) << result.out;

    std::ofstream(folder.path() / "app" / "dictionaries.cfg")
        << "Palavras|Words|words|0|N|S\nOutro|Other|other|1|N|S\n";
    result = run(runLookupCommand, {app, "0", "house"});
    EXPECT_EQ(result.status, exitOk) << result.err;
    EXPECT_EQ(result.out, "found: yes\ntranslation: casa, lar\ndetails: house <s>\ncasa\n");
    result = run(runLookupCommand, {app, "0", "nothing"});
    EXPECT_EQ(result.out, "found: no\ntranslation: \ndetails: \n");
    result = run(runLookupCommand, {app, "7", "house"});
    EXPECT_EQ(result.status, exitFailure);
    EXPECT_NE(result.err.find("no row 7"), std::string::npos);
}

}  // namespace
}  // namespace quillet::tool
