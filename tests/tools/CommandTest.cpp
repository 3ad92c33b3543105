#include "Command.h"

#include "support/TempFolder.h"
#include "support/TestDictionary.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quillet::tool {
namespace {

// The status, then what the command wrote to its error stream.
std::string run(CommandFunction command, const CommandArguments& arguments)
{
    std::ostringstream out, err;
    const int status = command(arguments, out, err);
    return std::to_string(status) + " " + err.str();
}

}  // namespace

TEST(Commands, BadArgumentsGiveStatusTwoAndTheUsage)
{
    // clang-format off
    const std::vector<std::pair<CommandFunction, CommandArguments>> rows = {
        {runDumpCommand, {}}, {runDumpCommand, {"a.qlc", "b.qlc"}}, {runDumpCommand, {"file.txt"}},
        {runBuildCommand, {"--tsv", "x.tsv", "--out", "dir"}},
        {runBuildCommand, {"--tsv", "x.tsv", "--out", "dir", "--stem"}},
        {runBuildCommand, {"--tsv", "x.tsv", "--out", "dir", "--stem", "s", "--extra", "1"}},
        {runBuildCommand, {"--tsv", "x.tsv", "--tsv", "y.tsv", "--out", "dir", "--stem", "s"}},
        {runBuildCommand, {"--tsv", "x.tsv", "--out", "dir", "--stem", "a/b"}},
        {runImportDictdCommand, {"--index", "i", "--out", "dir", "--stem", "s"}}};
    // clang-format on
    for (const auto& [command, arguments] : rows) {
        const std::string result = run(command, arguments);
        EXPECT_EQ(result.rfind("2 quillet-dict: ", 0), 0u) << result;
        EXPECT_NE(result.find("\nusage: quillet-dict "), std::string::npos) << result;
    }
}

TEST(Commands, UnreadableInputGivesStatusOneNamingTheFile)
{
    const testsupport::TempFolder folder;
    const std::string base = folder.path().string(), out = base + "/out";
    testsupport::writeTextFile(folder / "bad.index", "word\t!!\tB\n");
    testsupport::writeTextFile(folder / "short.dcu", std::string(130, 'x'));
    // clang-format off
    const std::vector<std::tuple<CommandFunction, CommandArguments, std::string>> rows = {
        {runBuildCommand, {"--tsv", base + "/none.tsv", "--out", out, "--stem", "s"}, "1 quillet-dict: " + base + "/none.tsv: "},
        {runBuildCommand, {"--tsv", base, "--out", out, "--stem", "s"}, "1 quillet-dict: " + base + ": is a folder"},
        {runImportDictdCommand, {"--index", base + "/bad.index", "--dict", base + "/bad.index", "--out", out, "--stem", "s"},
         "1 quillet-dict: " + base + "/bad.index:1: offset"},
        {runDumpCommand, {base + "/none.ind"}, "1 quillet-dict: " + base + "/none.ind: "},
        {runDumpCommand, {base + "/short.dcu"}, "0 quillet-dict: " + base + "/short.dcu: the last 2 bytes are a short record"}};
    // clang-format on
    for (const auto& [command, arguments, start] : rows)
        EXPECT_EQ(run(command, arguments).rfind(start, 0), 0u) << run(command, arguments);
}

}  // namespace quillet::tool
