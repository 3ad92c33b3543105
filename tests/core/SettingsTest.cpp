#include "core/Messages.h"
#include "core/NumberText.h"
#include "core/Paths.h"
#include "core/Settings.h"
#include "core/Utf8.h"

#include "support/TempFolder.h"
#include "fakes/FakeDialogs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using namespace quillet::core;
using quillet::testsupport::TempFolder;

namespace {

const ScreenMetrics kScreen1024{1024, 768, 15.0, 15.0};

class SettingsFile : public ::testing::Test
{
protected:
    std::filesystem::path file() const { return m_folder.path() / "quillet.cfg"; }

    void writeFile(const std::string& bytes) const
    {
        std::ofstream out(file(), std::ios::binary);
        out << bytes;
    }

    std::string fileBytes() const
    {
        std::ifstream in(file(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // Reads with a chooser that counts its calls and picks `chosen` when set.
    SharedState read(const ScreenMetrics& screen = kScreen1024, int chosen = -1)
    {
        SharedState state;
        state.interfaceLanguage = 7;  // must be overwritten either way
        readSettings(state, m_folder.path(), screen, [this, chosen](SharedState& s) {
            ++m_chooserCalls;
            if (chosen >= 0) {
                s.interfaceLanguage = static_cast<std::int16_t>(chosen);
            }
        });
        return state;
    }

    const std::filesystem::path& folder() const { return m_folder.path(); }
    int chooserCalls() const { return m_chooserCalls; }

private:
    TempFolder m_folder;
    int m_chooserCalls = 0;
};

void expectFirstRunDefaults(const SharedState& state)
{
    EXPECT_EQ(state.windowTop, 0);
    EXPECT_EQ(state.windowLeft, 0);
    EXPECT_EQ(state.alwaysOnTop, 1);
    EXPECT_EQ(state.activeDictionary, 0);
    EXPECT_EQ(state.lastUpdateCheck, u"20061001");
}

}  // namespace

// --- Numbers -------------------------------------------------------------

TEST(SettingsNumber, ParsesSignsBlanksAndHalvesToEvenAndRejectsWhatDoesNotFit)
{
    const std::vector<std::pair<std::u16string, std::optional<std::int16_t>>> rows = {
        {u"120", 120}, {u"  -20 ", -20}, {u"+5", 5}, {u"\t7\r", 7}, {u"5.", 5}, {u".7", 1},
        {u"-0", 0}, {u"00032767", 32767}, {u"32767.4", 32767}, {u"-32768.5", -32768},
        // Halves go to the even neighbour; anything past the half rounds away.
        {u"120.5", 120}, {u"121.5", 122}, {u"0.5", 0}, {u"-2.5", -2}, {u"-3.5", -4},
        {u"2.5000000001", 3}, {u"2.4999999999", 2}, {u"2.50", 2},
        {u"", {}}, {u" ", {}}, {u"-", {}}, {u".", {}}, {u"+-1", {}}, {u"--1", {}}, {u"abc", {}},
        {u"12abc", {}}, {u"1e2", {}}, {u"0x10", {}}, {u"1,5", {}}, {u"1 2", {}}, {u"1.2.3", {}},
        {u"\u0661", {}}, {u"32768", {}}, {u"-32769", {}}, {u"32767.5", {}}, {u"-32768.51", {}},
        {u"99999999999999999999999", {}}};
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(parseInt16(text), expected) << quillet::core::toUtf8(text);
}

TEST(SettingsNumber, FloatTextHasNoExponentAndAPointForFractions)
{
    EXPECT_EQ(floatText(120.0f), u"120");
    EXPECT_EQ(floatText(-20.0f), u"-20");
    EXPECT_EQ(floatText(120.5f), u"120.5");
    EXPECT_EQ(floatText(0.001f), u"0.001");
    EXPECT_EQ(floatText(33554432.0f), u"33554432");
    EXPECT_EQ(floatText(-0.0f), u"0");
}

// --- Reading -------------------------------------------------------------

TEST_F(SettingsFile, MissingFileGivesDefaultsAndAsksForTheLanguage)
{
    const auto state = read();
    expectFirstRunDefaults(state);
    EXPECT_EQ(state.interfaceLanguage, 0);  // the chooser set nothing
    EXPECT_EQ(chooserCalls(), 1);

    const auto chosen = read(kScreen1024, 1);
    EXPECT_EQ(chosen.interfaceLanguage, 1);
    EXPECT_FALSE(std::filesystem::exists(file()));

    // A folder named like the file counts as missing.
    std::filesystem::create_directory(file());
    expectFirstRunDefaults(read());
    EXPECT_EQ(chooserCalls(), 3);
}

TEST_F(SettingsFile, ReadsEachLineOrItsOwnDefaultAndKeepsTheWindowOnScreen)
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
    const std::vector<Row> rows = {
        {"seven lines", "120\r\n40\r\n0\r\n0\r\n3\r\n1\r\n20070315\r\n", kScreen1024,
         120, 40, 0, 3, 1, u"20070315"},
        {"halves to even", "120.5\r\n41.5\r\n0.5\r\n0\r\n2.5\r\n1.5\r\n20070315\r\n",
         kScreen1024, 120, 42, 0, 2, 2, u"20070315"},
        // 80% of 768 is 614.4 and 27% of 1024 is 276.48, in pixels whatever the density.
        {"smaller screen", "700\r\n500\r\n" + rest, kScreen1024, 614, 276, 1, 0, 0, u"20070315"},
        {"other density", "700\r\n500\r\n" + rest, {1024, 768, 12.0, 12.0},
         614, 276, 1, 0, 0, u"20070315"},
        {"large screen", "700\r\n500\r\n" + rest, {1920, 1080, 15.0, 15.0},
         700, 500, 1, 0, 0, u"20070315"},
        {"exactly at the limit", "800\r\n270\r\n" + rest, {1000, 1000, 15.0, 15.0},
         800, 270, 1, 0, 0, u"20070315"},
        {"one past the limit", "801\r\n271\r\n" + rest, {1000, 1000, 15.0, 15.0},
         800, 270, 1, 0, 0, u"20070315"},
        {"clamped 283.5", "0\r\n900\r\n" + rest, {1050, 768, 15.0, 15.0},
         0, 284, 1, 0, 0, u"20070315"},
        {"clamped 310.5", "0\r\n900\r\n" + rest, {1150, 768, 15.0, 15.0},
         0, 310, 1, 0, 0, u"20070315"},
        {"negative edges", "-20\r\n-5\r\n" + rest, kScreen1024, 0, 0, 1, 0, 0, u"20070315"},
        {"three lines", "100\r\n50\r\n0\r\n", kScreen1024, 100, 50, 0, 0, 0, u"20061001"},
        {"six lines, last unended", "100\r\n50\r\n0\r\n0\r\n4\r\n1", kScreen1024,
         100, 50, 0, 4, 1, u"20061001"},
        {"empty file", "", kScreen1024, 0, 0, 1, 0, 0, u"20061001"},
        {"not numbers", "abc\r\n1e2\r\nyes\r\n?\r\n0x3\r\nEnglish\r\n20070315\r\n", kScreen1024,
         0, 0, 1, 0, 0, u"20070315"},
        {"outside 16 bits", "40000\r\n-40000\r\n70000\r\n99999\r\n32768\r\n65537\r\n20070315\r\n",
         kScreen1024, 0, 0, 1, 0, 0, u"20070315"},
        {"16-bit limits", "0\r\n0\r\n-32768\r\n0\r\n32767\r\n-1\r\n20070315\r\n", kScreen1024,
         0, 0, -32768, 32767, -1, u"20070315"},
        {"blanks, lone line feeds, extra lines",
         " 120 \n\t40\r\n 1\r\r\n0\n2 \n1\n20070315\nextra\r\n99\r\n", kScreen1024,
         120, 40, 1, 2, 1, u"20070315"},
        {"line 4 ignored, line 7 as it stands", "120\r\n40\r\n1\r\n5\r\n2\r\n0\r\n2007031 \xE9x\r\n",
         kScreen1024, 120, 40, 1, 2, 0, u"2007031 \u00E9x"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        writeFile(row.bytes);
        const auto state = read(row.screen);
        EXPECT_EQ(state.windowTop, row.top);
        EXPECT_EQ(state.windowLeft, row.left);
        EXPECT_EQ(state.alwaysOnTop, row.onTop);
        EXPECT_EQ(state.activeDictionary, row.dictionary);
        EXPECT_EQ(state.interfaceLanguage, row.language);
        EXPECT_EQ(state.lastUpdateCheck, row.lastCheck);
    }
    EXPECT_EQ(chooserCalls(), 0);  // only a missing file asks
}

TEST_F(SettingsFile, BinaryGarbageReadsWithoutHarm)
{
    std::string garbage;
    for (int i = 0; i < 4096; ++i) {
        garbage.push_back(static_cast<char>((i * 131 + 7) % 256));
    }
    garbage[10] = '\0';
    writeFile(garbage);
    const auto state = read();
    EXPECT_GE(state.windowTop, 0);
    EXPECT_LE(state.windowTop, 614);
    EXPECT_GE(state.windowLeft, 0);
    EXPECT_LE(state.windowLeft, 276);
    EXPECT_EQ(chooserCalls(), 0);
}

// --- Writing -------------------------------------------------------------

TEST_F(SettingsFile, WritesSevenSingleByteLinesInFileOrderOverAnOlderFile)
{
    struct Row
    {
        const char* label;
        std::u16string lastCheck, top, left, reserved, onTop, dictionary, language;
        std::string bytes;
    };
    const std::vector<Row> rows = {
        // on-top is line 3 and the reserved text line 4, although passed the other way.
        {"file order", u"20070315", u"120", u"40", u"9", u"1", u"3", u"1",
         "120\r\n40\r\n1\r\n9\r\n3\r\n1\r\n20070315\r\n"},
        {"dictionary -1", u"20070315", u"1", u"2", u"0", u"0", u"-1", u"0",
         "1\r\n2\r\n0\r\n0\r\n0\r\n0\r\n20070315\r\n"},
        {"dictionary -40000", u"20070315", u"1", u"2", u"0", u"0", u"-40000", u"0",
         "1\r\n2\r\n0\r\n0\r\n0\r\n0\r\n20070315\r\n"},
        {"line breaks and wide characters", u"2007\u00E9", u"1\r\n2", u"3\n", u"0", u"1", u"0",
         u"\u4E2D", "12\r\n3\r\n1\r\n0\r\n0\r\n?\r\n2007\xE9\r\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        writeFile(std::string(500, 'x'));
        ASSERT_TRUE(writeSettings(folder(), row.lastCheck, row.top, row.left, row.reserved,
                                  row.onTop, row.dictionary, row.language));
        EXPECT_EQ(fileBytes(), row.bytes);
    }
}

TEST_F(SettingsFile, UnwritableLocationReportsFailure)
{
    EXPECT_FALSE(writeSettings(folder() / "no-such-folder", u"20070315", u"1", u"2", u"0", u"1",
                               u"0", u"0"));
    std::filesystem::create_directory(file());
    EXPECT_FALSE(writeSettings(folder(), u"20070315", u"1", u"2", u"0", u"1", u"0", u"0"));
    EXPECT_TRUE(std::filesystem::is_directory(file()));
}

TEST_F(SettingsFile, FailureToSaveIsReportedInTheInterfaceLanguage)
{
    SharedState state;
    state.interfaceLanguage = 1;
    state.lastUpdateCheck = u"20070315";
    loadMessages(state);
    SettingsTexts texts{u"1", u"2", u"0", u"1", u"0", u"1"};
    quillet::fakes::FakeDialogs dialogs;

    ASSERT_TRUE(writeSettingsOrReport(folder(), state, texts, dialogs));
    EXPECT_EQ(dialogs.count(), 0u);
    EXPECT_EQ(fileBytes(), "1\r\n2\r\n1\r\n0\r\n0\r\n1\r\n20070315\r\n");

    const auto missing = folder() / "gone";
    EXPECT_FALSE(writeSettingsOrReport(missing, state, texts, dialogs));
    ASSERT_EQ(dialogs.count(), 1u);
    EXPECT_EQ(dialogs.last().icon, quillet::platform::MessageIcon::Critical);
    EXPECT_EQ(dialogs.last().title, u"Warning!");
    EXPECT_EQ(dialogs.last().text,
              u"Could not save the settings to " + fromPath(missing / "quillet.cfg"));
    EXPECT_TRUE(dialogs.last().text.ends_with(std::u16string(u"gone") + kDirectorySeparator +
                                              u"quillet.cfg"));
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(SettingsFile, TextsFromTheWindowPosition)
{
    SharedState state;
    state.alwaysOnTop = 0;
    state.interfaceLanguage = 1;
    const auto texts =
        settingsTexts(1800.0, 600.0, ScreenMetrics{1024, 768, 15.0, 15.0}, -1, state);
    EXPECT_EQ(texts.topText, u"120");
    EXPECT_EQ(texts.leftText, u"40");
    EXPECT_EQ(texts.reservedText, u"0");
    EXPECT_EQ(texts.onTopText, u"0");
    EXPECT_EQ(texts.dictionaryText, u"-1");
    EXPECT_EQ(texts.languageText, u"1");

    // Each edge uses its own axis: 12 twips per pixel across, 15 down.
    const auto uneven =
        settingsTexts(1807.5, 1440.0, ScreenMetrics{1024, 768, 12.0, 15.0}, 4, state);
    EXPECT_EQ(uneven.topText, u"120.5");
    EXPECT_EQ(uneven.leftText, u"120");
    EXPECT_EQ(uneven.dictionaryText, u"4");
}

TEST_F(SettingsFile, LineFourIsZeroAndLineSevenRoundTripsUnchanged)
{
    writeFile("120\r\n40\r\n1\r\n5\r\n2\r\n0\r\n2007031 \xE9x\r\n");
    const auto state = read();
    const auto texts = settingsTexts(state.windowTop * 15.0, state.windowLeft * 15.0, kScreen1024,
                                     state.activeDictionary, state);
    ASSERT_TRUE(writeSettings(folder(), state.lastUpdateCheck, texts));
    EXPECT_EQ(fileBytes(), "120\r\n40\r\n1\r\n0\r\n2\r\n0\r\n2007031 \xE9x\r\n");

}
