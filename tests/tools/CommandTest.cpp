#include "Command.h"
#include "TranslateCommand.h"

#include "support/TempFolder.h"
#include "support/TestDictionary.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
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

// run() in a child process whose writes past `limit` bytes of a file fail
// with EFBIG instead of stopping it.
std::string runWithFileSizeLimit(CommandFunction command, const CommandArguments& arguments,
                                 rlim_t limit)
{
    int ends[2];
    if (::pipe(ends) != 0)
        return "no pipe";
    if (const pid_t child = ::fork(); child == 0) {
        const rlimit size{limit, limit};
        ::signal(SIGXFSZ, SIG_IGN);
        const std::string result =
            ::setrlimit(RLIMIT_FSIZE, &size) == 0 ? run(command, arguments) : "no limit";
        ::_exit(::write(ends[1], result.data(), result.size()) < 0);
    }
    ::close(ends[1]);
    std::string result;
    char buffer[512];
    for (ssize_t got; (got = ::read(ends[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<std::size_t>(got));
    ::close(ends[0]);
    ::wait(nullptr);
    return result;
}

// Every file of a folder, named, in name order.
std::string folderContent(const std::filesystem::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files[entry.path().filename().string()] = testsupport::readFile(entry.path());
    std::string all;
    for (const auto& [name, bytes] : files) all += name + "\n" + bytes + "\n";
    return all;
}

}  // namespace

TEST(Commands, BadArgumentsGiveStatusTwoAndTheUsage)
{
    // clang-format off
    std::vector<std::pair<CommandFunction, CommandArguments>> rows = {
        {runDumpCommand, {}}, {runDumpCommand, {"a.qlc", "b.qlc"}}, {runDumpCommand, {"file.txt"}},
        {runBuildCommand, {"--tsv", "x.tsv", "--out", "dir"}},
        {runBuildCommand, {"--tsv", "x.tsv", "--out", "dir", "--stem"}},
        {runBuildCommand, {"--tsv", "x.tsv", "--out", "dir", "--stem", "s", "--extra", "1"}},
        {runBuildCommand, {"--tsv", "x.tsv", "--tsv", "y.tsv", "--out", "dir", "--stem", "s"}},
        {runImportDictdCommand, {"--index", "i", "--out", "dir", "--stem", "s"}}};
    // clang-format on
    for (const std::string& stem :
         std::vector<std::string>{"", ".", "..", "a/b", "a\\b", "a|b", "a\nb",
                                  std::string("a\0b", 3), "a\x7f", "a\xc2\x85"})
        rows.push_back({runBuildCommand, {"--tsv", "x.tsv", "--out", "dir", "--stem", stem}});
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
    // Row 0 lacks its user file, row 1 every file.
    testsupport::writeTextFile(folder / "dictionaries.cfg", "a|b|f|0|S|S\nc|d|g|1|S|S\n");
    testsupport::writePlainDictionary(folder.path(), "f", {});
    std::filesystem::remove(folder / "f.dcu");
    const CommandFunction translate = runTranslateCommand;
    const std::string tooLong(300, 'n');
    // clang-format off
    const std::vector<std::tuple<CommandFunction, CommandArguments, std::string>> rows = {
        {runBuildCommand, {"--tsv", base + "/none.tsv", "--out", out, "--stem", "s"}, "1 quillet-dict: " + base + "/none.tsv: "},
        {runBuildCommand, {"--tsv", base, "--out", out, "--stem", "s"}, "1 quillet-dict: " + base + ": is a folder"},
        {runImportDictdCommand, {"--index", base + "/bad.index", "--dict", base + "/bad.index", "--out", out, "--stem", "s"},
         "1 quillet-dict: " + base + "/bad.index:1: offset"},
        {runDumpCommand, {base + "/none.ind"}, "1 quillet-dict: " + base + "/none.ind: "},
        {runDumpCommand, {base + "/short.dcu"}, "0 quillet-dict: " + base + "/short.dcu: the last 2 bytes are a short record"},
        {runLookupCommand, {base, "0", "w"}, "1 quillet-dict: " + base + "/f.dcu: "},
        {translate, {base, "1"}, "1 quillet-dict: " + base + "/g.qlc: "},
        {runLookupCommand, {tooLong, "0", "w"}, "1 quillet-dict: " + tooLong + ": File name too long\n"},
        {translate, {tooLong, "0"}, "1 quillet-dict: " + tooLong + ": File name too long\n"}};
    // clang-format on
    const std::string before = folderContent(folder.path());
    for (const auto& [command, arguments, start] : rows)
        EXPECT_EQ(run(command, arguments).rfind(start, 0), 0u) << run(command, arguments);
    EXPECT_TRUE(folderContent(folder.path()) == before) << "a command that only reads wrote a file";
}

TEST(Commands, AFailedRebuildLeavesTheOldSetAsItWas)
{
    const testsupport::TempFolder folder;
    const std::string out = (folder / "out").string();
    std::string lines;
    for (int i = 0; i < 100; ++i) lines += "word" + std::to_string(i) + "\tpalavra\tnote\n";
    testsupport::writeTextFile(folder / "old.tsv", "cat\tgato\tnote\n");
    testsupport::writeTextFile(folder / "new.tsv", lines);
    ASSERT_EQ(
        run(runBuildCommand, {"--tsv", (folder / "old.tsv").string(), "--out", out, "--stem", "s"}),
        "0 ");
    const std::string before = folderContent(out);
    const CommandArguments rebuild = {
        "--tsv", (folder / "new.tsv").string(), "--out", out, "--stem", "s"};

    // 100 main records take 12800 bytes.
    EXPECT_EQ(runWithFileSizeLimit(runBuildCommand, rebuild, 4096),
              "1 quillet-dict: " + out + "/s.qlc.tmp: File too large\n");
    EXPECT_TRUE(folderContent(out) == before) << "the old set changed";
    std::filesystem::create_directory(folder / "out/s.pdt.tmp");
    EXPECT_EQ(run(runBuildCommand, rebuild),
              "1 quillet-dict: " + out + "/s.pdt.tmp: Is a directory\n");
    std::filesystem::remove(folder / "out/s.pdt.tmp");
    EXPECT_TRUE(folderContent(out) == before) << "the old set changed";

    ASSERT_EQ(run(runBuildCommand, rebuild), "0 ");
    EXPECT_EQ(std::filesystem::file_size(folder / "out/s.qlc"), 100u * 128);
}

}  // namespace quillet::tool
