#include "core/Messages.h"
#include "core/NumberText.h"
#include "core/Paths.h"
#include "core/Settings.h"
#include "core/Utf8.h"

#include "fakes/FakeDialogs.h"
#include "support/TempFolder.h"
#include "support/TestDictionary.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

using namespace quillet::core;
using quillet::testsupport::readFile;
using quillet::testsupport::TempFolder;
using quillet::testsupport::writeTextFile;

namespace {

const ScreenMetrics kScreen{1024, 768, 15.0, 15.0};

}  // namespace

TEST(SettingsNumber, ParsesPlainDecimalsAndRoundsHalvesToEven)
{
    const std::vector<std::pair<std::u16string, std::optional<std::int16_t>>> rows = {
        {u"120", 120},
        {u"  -20 ", -20},
        {u"+5", 5},
        {u"\t7\r", 7},
        {u"5.", 5},
        {u".7", 1},
        {u"-0", 0},
        {u"00032767", 32767},
        {u"32767.4", 32767},
        {u"-32768.5", -32768},
        {u"120.5", 120},
        {u"121.5", 122},
        {u"0.5", 0},
        {u"-2.5", -2},
        {u"-3.5", -4},
        {u"2.5000000001", 3},
        {u"2.4999999999", 2},
        {u"2.50", 2},
        {u"", {}},
        {u" ", {}},
        {u"-", {}},
        {u".", {}},
        {u"+-1", {}},
        {u"abc", {}},
        {u"12abc", {}},
        {u"1e2", {}},
        {u"0x10", {}},
        {u"1,5", {}},
        {u"1 2", {}},
        {u"1.2.3", {}},
        {u"\u0661", {}},
        {u"32768", {}},
        {u"-32769", {}},
        {u"32767.5", {}},
        {u"99999999999999999999999", {}}};
    for (const auto& [text, expected] : rows) EXPECT_EQ(parseInt16(text), expected) << toUtf8(text);
}

TEST(SettingsNumber, FloatTextHasNoExponentAndAPointOnlyForFractions)
{
    const std::vector<std::pair<float, std::u16string>> rows = {
        {120.0f, u"120"},           {-20.0f, u"-20"}, {120.5f, u"120.5"}, {0.001f, u"0.001"},
        {33554432.0f, u"33554432"}, {-0.0f, u"0"},    {NAN, u"0"},        {INFINITY, u"0"}};
    for (const auto& [value, text] : rows) EXPECT_EQ(floatText(value), text) << value;
}

TEST(Settings, MissingFileGivesFirstRunDefaultsAndAsksForTheLanguage)
{
    TempFolder folder;
    int asked = 0;
    const auto chooseEnglish = [&](SharedState& state) {
        ++asked;
        state.interfaceLanguage = 1;
    };
    for (bool folderInItsPlace : {false, true}) {
        if (folderInItsPlace)
            std::filesystem::create_directory(folder / kSettingsFileName);
        SharedState state;
        state.windowTop = state.windowLeft = state.activeDictionary = 9;
        readSettings(state, folder.path(), kScreen, chooseEnglish);
        EXPECT_EQ(state.windowTop, 0);
        EXPECT_EQ(state.windowLeft, 0);
        EXPECT_EQ(state.alwaysOnTop, 1);
        EXPECT_EQ(state.activeDictionary, 0);
        EXPECT_EQ(state.interfaceLanguage, 1);
        EXPECT_EQ(state.lastUpdateCheck, u"20061001");
    }
    EXPECT_EQ(asked, 2);
}

TEST(Settings, ReadsEachLineOrItsOwnDefaultAndKeepsTheWindowOnScreen)
{
    struct Row
    {
        const char* label;
        std::string bytes;
        ScreenMetrics screen;
        std::int16_t top, left, onTop, dictionary, language;
        std::u16string lastCheck;
    };
    const std::string rest = "1\r\n0\r\n0\r\n0\r\n20070315\r\n";
    const ScreenMetrics square{1000, 1000, 15.0, 15.0};
    const std::vector<Row> rows = {
        {"seven lines", "120\r\n40\r\n0\r\n0\r\n3\r\n1\r\n20070315\r\n", kScreen, 120, 40, 0, 3, 1,
         u"20070315"},
        {"halves to even", "120.5\r\n41.5\r\n0.5\r\n0\r\n2.5\r\n1.5\r\n20070315\r\n", kScreen, 120,
         42, 0, 2, 2, u"20070315"},
        // 80% of 768 is 614.4 and 27% of 1024 is 276.48, whatever the density.
        {"smaller screen", "700\r\n500\r\n" + rest, kScreen, 614, 276, 1, 0, 0, u"20070315"},
        {"other density",
         "700\r\n500\r\n" + rest,
         {1024, 768, 12.0, 12.0},
         614,
         276,
         1,
         0,
         0,
         u"20070315"},
        {"large screen",
         "700\r\n500\r\n" + rest,
         {1920, 1080, 15.0, 15.0},
         700,
         500,
         1,
         0,
         0,
         u"20070315"},
        {"at the limit", "800\r\n270\r\n" + rest, square, 800, 270, 1, 0, 0, u"20070315"},
        {"past the limit", "801\r\n271\r\n" + rest, square, 800, 270, 1, 0, 0, u"20070315"},
        {"limit 283.5",
         "0\r\n900\r\n" + rest,
         {1050, 768, 15.0, 15.0},
         0,
         284,
         1,
         0,
         0,
         u"20070315"},
        {"limit 310.5",
         "0\r\n900\r\n" + rest,
         {1150, 768, 15.0, 15.0},
         0,
         310,
         1,
         0,
         0,
         u"20070315"},
        {"negative edges", "-20\r\n-5\r\n" + rest, kScreen, 0, 0, 1, 0, 0, u"20070315"},
        {"three lines", "100\r\n50\r\n0\r\n", kScreen, 100, 50, 0, 0, 0, u"20061001"},
        {"six lines, last unended", "100\r\n50\r\n0\r\n0\r\n4\r\n1", kScreen, 100, 50, 0, 4, 1,
         u"20061001"},
        {"empty file", "", kScreen, 0, 0, 1, 0, 0, u"20061001"},
        {"not numbers", "abc\r\n1e2\r\nyes\r\n?\r\n0x3\r\nEnglish\r\n20070315\r\n", kScreen, 0, 0,
         1, 0, 0, u"20070315"},
        {"outside 16 bits", "40000\r\n-40000\r\n70000\r\n9\r\n32768\r\n65537\r\n20070315\r\n",
         kScreen, 0, 0, 1, 0, 0, u"20070315"},
        {"16-bit limits", "0\r\n0\r\n-32768\r\n0\r\n32767\r\n-1\r\n20070315\r\n", kScreen, 0, 0,
         -32768, 32767, -1, u"20070315"},
        {"blanks, bare line feeds, extra lines",
         " 120 \n\t40\r\n 1\r\r\n0\n2 \n1\n20070315\nextra\r\n99\r\n", kScreen, 120, 40, 1, 2, 1,
         u"20070315"},
        {"line 7 as it stands", "120\r\n40\r\n1\r\n5\r\n2\r\n0\r\n2007031 \xE9x\r\n", kScreen, 120,
         40, 1, 2, 0, u"2007031 \u00E9x"},
    };
    TempFolder folder;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        writeTextFile(folder / kSettingsFileName, row.bytes);
        SharedState state;
        state.interfaceLanguage = 7;
        readSettings(state, folder.path(), row.screen, [](SharedState&) { FAIL() << "asked"; });
        EXPECT_EQ(state.windowTop, row.top);
        EXPECT_EQ(state.windowLeft, row.left);
        EXPECT_EQ(state.alwaysOnTop, row.onTop);
        EXPECT_EQ(state.activeDictionary, row.dictionary);
        EXPECT_EQ(state.interfaceLanguage, row.language);
        EXPECT_EQ(state.lastUpdateCheck, row.lastCheck);
    }
}

TEST(Settings, WritesSevenSingleByteLinesInFileOrder)
{
    struct Row
    {
        const char* label;
        std::u16string lastCheck;
        SettingsTexts texts;  // top, left, reserved, on top, dictionary, language
        std::string bytes;
    };
    const std::vector<Row> rows = {
        {"file order",
         u"20070315",
         {u"120", u"40", u"9", u"1", u"3", u"1"},
         "120\r\n40\r\n1\r\n9\r\n3\r\n1\r\n20070315\r\n"},
        {"no dictionary",
         u"20070315",
         {u"1", u"2", u"0", u"0", u"-1", u"0"},
         "1\r\n2\r\n0\r\n0\r\n0\r\n0\r\n20070315\r\n"},
        {"far below zero",
         u"20070315",
         {u"1", u"2", u"0", u"0", u"-40000", u"0"},
         "1\r\n2\r\n0\r\n0\r\n0\r\n0\r\n20070315\r\n"},
        {"line breaks and wide characters",
         u"2007\u00E9",
         {u"1\r\n2", u"3\n", u"0", u"1", u"0", u"\u4E2D"},
         "12\r\n3\r\n1\r\n0\r\n0\r\n?\r\n2007\xE9\r\n"},
    };
    TempFolder folder;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        writeTextFile(folder / kSettingsFileName, std::string(500, 'x'));
        ASSERT_TRUE(writeSettings(folder.path(), row.lastCheck, row.texts));
        EXPECT_EQ(readFile(folder / kSettingsFileName), row.bytes);
    }
}

TEST(Settings, WindowPositionAndReadValuesRoundTrip)
{
    TempFolder folder;
    writeTextFile(folder / kSettingsFileName, "120\r\n40\r\n1\r\n5\r\n2\r\n0\r\n2007031 \xE9x\r\n");
    SharedState state;
    readSettings(state, folder.path(), kScreen, {});
    // Each edge uses its own axis: 12 twips per pixel across, 15 down.
    const ScreenMetrics uneven{1024, 768, 12.0, 15.0};
    const SettingsTexts texts = settingsTexts(1807.5, 480.0, uneven, -1, state);
    ASSERT_TRUE(writeSettings(folder.path(), state.lastUpdateCheck, texts));
    EXPECT_EQ(readFile(folder / kSettingsFileName),
              "120.5\r\n40\r\n1\r\n0\r\n0\r\n0\r\n2007031 \xE9x\r\n");
}

TEST(Settings, AFailedWriteIsReportedWithThePath)
{
    TempFolder folder;
    // The device takes the file but refuses its bytes, so only the close fails.
    if (std::filesystem::exists("/dev/full")) {
        std::filesystem::create_symlink("/dev/full", folder / kSettingsFileName);
        EXPECT_FALSE(writeSettings(folder.path(), u"20070315", SettingsTexts{}));
    }
    SharedState state;
    state.interfaceLanguage = 1;
    loadMessages(state);
    quillet::fakes::FakeDialogs dialogs;
    EXPECT_FALSE(writeSettingsOrReport(folder / "saved", state, {}, dialogs));
    std::filesystem::create_directory(folder / "saved");
    EXPECT_TRUE(writeSettingsOrReport(folder / "saved", state, {}, dialogs));
    ASSERT_EQ(dialogs.count(), 1u);
    EXPECT_EQ(dialogs.last().icon, quillet::platform::MessageIcon::Critical);
    EXPECT_EQ(dialogs.last().title, state.messages[kMsgWarningTitle]);
    EXPECT_EQ(dialogs.last().text, state.messages[kMsgSettingsNotSaved] +
                                       fromPath(folder / "saved" / kSettingsFileName));
}
