#include "core/NumberText.h"
#include "core/Settings.h"
#include "core/TextUtil.h"
#include "core/Utf8.h"

#include "support/TempFolder.h"
#include "support/TestDictionary.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#endif

#include <cmath>
#include <csignal>
#include <functional>
#include <optional>

using namespace quillet::core;
using quillet::testsupport::readFile;
using quillet::testsupport::TempFolder;
using quillet::testsupport::writeTextFile;

namespace {

const ScreenMetrics kScreen{1024, 768, 15.0, 15.0};

// "top left onTop dictionary language lastUpdateCheck"
std::u16string read(const TempFolder& folder, const ScreenMetrics& screen,
                    const LanguageChooser& chooser)
{
    SharedState state;
    state.windowTop = state.windowLeft = state.activeDictionary = state.interfaceLanguage = 9;
    readSettings(state, folder.path(), screen, chooser);
    std::u16string text;
    for (int value : {state.windowTop, state.windowLeft, state.alwaysOnTop, state.activeDictionary,
                      state.interfaceLanguage})
        text += decimal(value) + u" ";
    return text + state.lastUpdateCheck;
}

}  // namespace

TEST(SettingsNumber, ParsesPlainDecimalsAndRoundsHalvesToEven)
{
    // clang-format off
    const std::vector<std::pair<std::u16string, std::optional<std::int16_t>>> rows = {
        {u"120", 120}, {u"  -20 ", -20}, {u"+5", 5}, {u"\t7\r", 7}, {u"5.", 5}, {u".7", 1},
        {u"-0", 0}, {u"00032767", 32767}, {u"32767.4", 32767}, {u"-32768.5", -32768},
        {u"120.5", 120}, {u"121.5", 122}, {u"0.5", 0}, {u"-2.5", -2}, {u"-3.5", -4},
        {u"2.5000000001", 3}, {u"2.4999999999", 2}, {u"2.50", 2}, {u"32768", {}}, {u"-32769", {}},
        {u"32767.5", {}}, {u"99999999999999999999999", {}}, {u"", {}}, {u" ", {}}, {u"-", {}},
        {u".", {}}, {u"+-1", {}}, {u"12abc", {}}, {u"1e2", {}}, {u"0x10", {}}, {u"1,5", {}},
        {u"1 2", {}}, {u"1.2.3", {}}, {u"\u0661", {}}};
    // clang-format on
    for (const auto& [text, expected] : rows) EXPECT_EQ(parseInt16(text), expected) << toUtf8(text);
    EXPECT_EQ(floatText(120.0f) + floatText(-20.5f) + floatText(0.001f) + floatText(33554432.0f),
              u"120-20.50.00133554432");
    EXPECT_EQ(floatText(-0.0f) + floatText(NAN) + floatText(INFINITY), u"000");
}

TEST(Settings, MissingFileGivesFirstRunDefaultsAndAsksForTheLanguage)
{
    TempFolder folder;
    int asked = 0;
    const auto chooseEnglish = [&](SharedState& state) { state.interfaceLanguage = ++asked; };
    EXPECT_EQ(read(folder, kScreen, chooseEnglish), u"0 0 1 0 1 20061001");
    std::filesystem::create_directory(folder / kSettingsFileName);
    EXPECT_EQ(read(folder, kScreen, chooseEnglish), u"0 0 1 0 2 20061001");
}

TEST(Settings, ReadsEachLineOrItsOwnDefaultAndKeepsTheWindowOnScreen)
{
    const std::string rest = "1\r\n0\r\n0\r\n0\r\n20070315\r\n";
    const ScreenMetrics square{1000, 1000, 15.0, 15.0};
    // 80% of 768 is 614.4 and 27% of 1024 is 276.48.
    // clang-format off
    const std::vector<std::tuple<std::string, ScreenMetrics, std::u16string>> rows = {
        {"120\r\n40\r\n0\r\n0\r\n3\r\n1\r\n20070315\r\n", kScreen, u"120 40 0 3 1 20070315"},
        {"700\r\n500\r\n" + rest, kScreen, u"614 276 1 0 0 20070315"},
        {"800\r\n270\r\n" + rest, square, u"800 270 1 0 0 20070315"},
        {"801\r\n271\r\n" + rest, square, u"800 270 1 0 0 20070315"},
        {"0\r\n900\r\n" + rest, {1050, 768, 15.0, 15.0}, u"0 284 1 0 0 20070315"},  // 283.5
        {"0\r\n900\r\n" + rest, {1150, 768, 15.0, 15.0}, u"0 310 1 0 0 20070315"},  // 310.5
        {"-20\r\n-5\r\n" + rest, kScreen, u"0 0 1 0 0 20070315"},
        {"100\r\n50\r\n0\r\n0\r\n4\r\n1", kScreen, u"100 50 0 4 1 20061001"},
        {"", kScreen, u"0 0 1 0 0 20061001"},
        {"abc\r\n1e2\r\nyes\r\n?\r\n0x3\r\nEnglish\r\n20070315\r\n", kScreen, u"0 0 1 0 0 20070315"},
        {"0\r\n0\r\n-32768\r\n0\r\n32767\r\n-1\r\n20070315\r\n", kScreen, u"0 0 -32768 32767 -1 20070315"},
        {" 120 \n\t40\r\n 1\r\r\n0\n2 \n1\n20070315\nextra\r\n99\r\n", kScreen, u"120 40 1 2 1 20070315"},
        {"120\r\n40\r\n1\r\n5\r\n2\r\n0\r\n2007031 \xE9x\r\n", kScreen, u"120 40 1 2 0 2007031 \u00E9x"}};
    // clang-format on
    TempFolder folder;
    for (const auto& [bytes, screen, expected] : rows) {
        writeTextFile(folder / kSettingsFileName, bytes);
        EXPECT_EQ(read(folder, screen, [](SharedState&) { FAIL() << "asked"; }), expected) << bytes;
    }
}

TEST(Settings, WritesSevenSingleByteLinesInFileOrder)
{
    // clang-format off
    const std::vector<std::tuple<std::u16string, SettingsTexts, std::string>> rows = {
        // texts: top, left, reserved, on top, dictionary, language
        {u"20070315", {u"120", u"40", u"9", u"1", u"3", u"1"}, "120\r\n40\r\n1\r\n9\r\n3\r\n1\r\n20070315\r\n"},
        {u"20070315", {u"1", u"2", u"0", u"0", u"-1", u"0"}, "1\r\n2\r\n0\r\n0\r\n0\r\n0\r\n20070315\r\n"},
        {u"2007\u00E9", {u"1\r\n2", u"3\n", u"0", u"1", u"0", u"\u4E2D"}, "12\r\n3\r\n1\r\n0\r\n0\r\n?\r\n2007\xE9\r\n"}};
    // clang-format on
    TempFolder folder;
    for (const auto& [lastCheck, texts, bytes] : rows) {
        writeTextFile(folder / kSettingsFileName, std::string(500, 'x'));
        ASSERT_EQ(writeSettings(folder.path(), lastCheck, texts), FileWriteStatus::Written);
        EXPECT_EQ(readFile(folder / kSettingsFileName), bytes);
    }
    // A folder that went away while the program ran is made again.
    EXPECT_EQ(writeSettings(folder / "gone/again", u"x", {}), FileWriteStatus::Written);
}

// Something else under the file's name, perhaps planted there: read as no
// file, without waiting on a FIFO, and never written through or replaced.
TEST(Settings, OnlyARegularFileIsReadOrReplaced)
{
    TempFolder folder;
    const auto path = folder / kSettingsFileName, victim = folder / "victim.txt";
    writeTextFile(victim, "120\r\n40\r\n0\r\n0\r\n3\r\n1\r\n20070315\r\n");
    const std::vector<std::function<void()>> plant = {
#ifndef _WIN32  // Windows has no FIFOs, and links need privileges there
        [&] { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); },
        [&] { std::filesystem::create_symlink(victim, path); },
#endif
        [&] { std::filesystem::create_directory(path); }};
    for (const auto& planted : plant) {
        planted();
        EXPECT_EQ(read(folder, kScreen, {}), u"0 0 1 0 0 20061001");
        EXPECT_EQ(writeSettings(folder.path(), u"20070316", SettingsTexts{}),
                  FileWriteStatus::NotRegular);
        EXPECT_FALSE(std::filesystem::is_regular_file(std::filesystem::symlink_status(path)));
        std::filesystem::remove(path);
    }
    EXPECT_EQ(readFile(victim), "120\r\n40\r\n0\r\n0\r\n3\r\n1\r\n20070315\r\n");
}

// A write cut short (here by the file size limit) keeps the old file whole
// and leaves no temporary file beside it.
TEST(Settings, AFailedWriteKeepsTheOldFile)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no file size limit to make a write fail";
#else
    TempFolder folder;
    writeTextFile(folder / kSettingsFileName, "old");
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{10, limit.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &small);
    const FileWriteStatus status = writeSettings(folder.path(), u"20070315", SettingsTexts{});
    ::setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_EQ(status, FileWriteStatus::Failed);
    EXPECT_EQ(readFile(folder / kSettingsFileName), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
#endif
}
