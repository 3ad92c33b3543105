#include "Command.h"
#include "TranslateCommand.h"

#include "support/TempFolder.h"
#include "support/TestDictionary.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <iostream>
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

#ifndef _WIN32
// Whether run() gives `expected` in a child process whose writes past `limit`
// bytes of a file fail with EFBIG instead of stopping it.
bool runsWithFileSizeLimit(CommandFunction command, const CommandArguments& arguments, rlim_t limit,
                           const std::string& expected)
{
    if (::fork() == 0) {
        const rlimit size{limit, limit};
        ::signal(SIGXFSZ, SIG_IGN);
        const std::string result =
            ::setrlimit(RLIMIT_FSIZE, &size) == 0 ? run(command, arguments) : "";
        if (result != expected)
            std::cerr << "the child's result: " << result;
        ::_exit(result == expected ? 0 : 1);
    }
    int status = 1;
    ::wait(&status);
    return status == 0;
}
#endif

// What the tool puts between a folder typed and a name of its own.
const std::string kSeparator = std::filesystem::path("/").make_preferred().string();

// Every file of a folder by name.
std::map<std::string, std::string> folderContent(const std::filesystem::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files[entry.path().filename().string()] = testsupport::readFile(entry.path());
    return files;
}

}  // namespace

TEST(Commands, BadArgumentsGiveStatusTwoAndTheUsage)
{
    // clang-format off
    const CommandFunction translate = runTranslateCommand;
    const std::vector<std::pair<CommandFunction, CommandArguments>> rows = {
        {runDumpCommand, {}}, {runDumpCommand, {"a.qlc", "b.qlc"}}, {runDumpCommand, {"file.txt"}},
        {runBuildCommand, {"--tsv", "x.tsv", "--out", "dir"}},
        {runBuildCommand, {"--tsv", "x.tsv", "--out", "dir", "--stem"}},
        {runBuildCommand, {"--tsv", "x.tsv", "--out", "dir", "--stem", "s", "--extra", "1"}},
        {runBuildCommand, {"--tsv", "x.tsv", "--tsv", "y.tsv", "--out", "dir", "--stem", "s"}},
        // The catalogue's stem rule, and no "|", which would split its line.
        {runBuildCommand, {"--tsv", "x.tsv", "--out", "dir", "--stem", ".."}},
        {runBuildCommand, {"--tsv", "x.tsv", "--out", "dir", "--stem", "a|b"}},
        {runImportDictdCommand, {"--index", "i", "--out", "dir", "--stem", "s"}},
        {translate, {"--language", "2", "app", "1"}}};
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
    // Paths as typed, with the tool's own parts joined by the system's separator.
    const std::string joined = base + kSeparator;
    testsupport::writeTextFile(folder / "short.dcu", std::string(130, 'x'));
#ifdef _WIN32
    // A device's name, in any folder and with any extension.
    const std::string device = base + "/NUL.qlc";
    const std::string tooLongReason = ": no such folder\n";  // Windows names no other reason
#else
    const std::string tooLongReason = ": File name too long\n";
    const std::string device = base + "/null.qlc";
    std::filesystem::create_symlink("/dev/null", device);
#endif
    // Row 0 lacks a user file, which then holds no entries; row 1 every file.
    testsupport::writeTextFile(folder / "dictionaries.cfg", "a|b|f|0|S|S\nc|d|g|1|S|S\n");
    testsupport::writePlainDictionary(folder.path(), "f", {});
    std::filesystem::remove(folder / "f.dcu");
    const CommandFunction translate = runTranslateCommand;
    const std::string tooLong(300, 'n');
    // clang-format off
    const std::vector<std::tuple<CommandFunction, CommandArguments, std::string>> rows = {
        {runBuildCommand, {"--tsv", base + "/none.tsv", "--out", out, "--stem", "s"}, "1 quillet-dict: " + base + "/none.tsv: "},
        {runBuildCommand, {"--tsv", base, "--out", out, "--stem", "s"}, "1 quillet-dict: " + base + ": is a folder"},
        {runDumpCommand, {base + "/none.ind"}, "1 quillet-dict: " + base + "/none.ind: "},
        {runDumpCommand, {base + "/short.dcu"}, "0 quillet-dict: " + base + "/short.dcu: the last 2 bytes are a short record"},
        {runDumpCommand, {device}, "1 quillet-dict: " + device + ": is a device"},
        {runLookupCommand, {base, "0", "w"}, "0 "},
        {runLookupCommand, {base, "5", "w"}, "1 quillet-dict: " + joined + "dictionaries.cfg: has no row 5"},
        {translate, {base, "1"}, "1 quillet-dict: " + joined + "g.qlc: "},
        {runLookupCommand, {tooLong, "0", "w"}, "1 quillet-dict: " + tooLong + tooLongReason}};
    // clang-format on
    const auto before = folderContent(folder.path());
    for (const auto& [command, arguments, start] : rows)
        EXPECT_EQ(run(command, arguments).rfind(start, 0), 0u) << run(command, arguments);
    EXPECT_TRUE(folderContent(folder.path()) == before) << "a command that only reads wrote a file";
}

TEST(Commands, AFailedRebuildLeavesTheOldSetAsItWas)
{
    const testsupport::TempFolder folder;
    const std::string out = (folder / "out").string();
    const std::filesystem::path golden = std::filesystem::path(QUILLET_TEST_DATA) / "golden";
    testsupport::writeTextFile(folder / "old.tsv", "cat\tgato\tnote\n");
    const auto build = [&](const std::filesystem::path& tsv) {
        return run(runBuildCommand, {"--tsv", tsv.string(), "--out", out, "--stem", "en-pt"});
    };
    ASSERT_EQ(build(folder / "old.tsv"), "0 ");
    const auto before = folderContent(folder / "out");

#ifndef _WIN32  // no file size limit, nor /proc, nor links without privileges
    // The new main file takes 8192 bytes.
    EXPECT_TRUE(runsWithFileSizeLimit(
        runBuildCommand,
        {"--tsv", (golden / "en-pt.tsv").string(), "--out", out, "--stem", "en-pt"}, 4096,
        "1 quillet-dict: " + out + "/en-pt.qlc.tmp: File too large\n"));
    EXPECT_TRUE(folderContent(folder / "out") == before) << "the old set changed";
    EXPECT_EQ(build("/proc/self/mem"), "1 quillet-dict: /proc/self/mem: Input/output error\n");
#endif
    // Not a file this tool leaves behind, so not removed.
    std::filesystem::create_directory(folder / "out/en-pt.pdt.tmp");
    EXPECT_EQ(build(golden / "en-pt.tsv"),
              "1 quillet-dict: " + out + kSeparator +
                  "en-pt.pdt.tmp: is in the way, and not a file this tool leaves behind\n");
    std::filesystem::remove(folder / "out/en-pt.pdt.tmp");
    EXPECT_TRUE(folderContent(folder / "out") == before) << "the old set changed";

    // What a killed run may leave: a file, or a link someone put in its place.
    testsupport::writeTextFile(folder / "out/en-pt.ind.tmp", "stale");
#ifndef _WIN32
    std::filesystem::create_symlink(folder / "old.tsv", folder / "out/en-pt.qlc.tmp");
#endif
    ASSERT_EQ(build(golden / "en-pt.tsv"), "0 ");
    EXPECT_EQ(testsupport::readFile(folder / "old.tsv"), "cat\tgato\tnote\n");
    EXPECT_TRUE(testsupport::readFile(folder / "out/en-pt.qlc") ==
                testsupport::readFile(golden / "en-pt.qlc"));
}

}  // namespace quillet::tool
