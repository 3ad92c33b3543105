#include "core/CatalogueFields.h"
#include "core/ErrorReport.h"
#include "core/Installation.h"
#include "core/InterfaceTexts.h"
#include "core/Messages.h"
#include "core/UpdateDecision.h"
#include "core/UserFolders.h"
#include "core/Utf8.h"

#include "support/TempFolder.h"
#include "support/TestDictionary.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

using namespace quillet::core;
using namespace std::string_literals;
namespace fs = std::filesystem;

TEST(Installation, FolderGetsOneSeparatorAfterOneTrailingNulIsDropped)
{
    // clang-format off
    const std::vector<std::tuple<std::u16string, char16_t, std::u16string>> rows = {
        {u"C:\\Quillet", u'\\', u"C:\\Quillet\\"}, {u"C:\\Quillet\\", u'\\', u"C:\\Quillet\\"},
        {u"C:\\", u'\\', u"C:\\"}, {u"/", u'/', u"/"}, {u"C:/Quillet/", u'\\', u"C:/Quillet/\\"},
        {u"C:\\Quillet\0"s, u'\\', u"C:\\Quillet\\"}, {u"/q\0\0"s, u'/', u"/q\0/"s}, {u""s, u'/', u"/"}};
    // clang-format on
    for (const auto& [folder, separator, expected] : rows)
        EXPECT_EQ(normaliseFolder(folder, separator), expected) << toUtf8(folder);
}

// Stand-in texts "<n>" (n: the message number's last digit) show the layout.
TEST(ErrorReport, CodesFirstLetterChoosesTheOpeningLine)
{
    MessageTable messages;
    for (int number = kMsgFileError; number <= kMsgErrorTitleEnd; ++number)
        messages[number] = u"<" + std::u16string(1, u'0' + number % 10) + u">";
    const std::vector<std::pair<std::u16string, std::u16string>> rows = {
        {u"A07", u"<5>\n"}, {u"B07", u"<6>\n"}, {u"C07", u""}, {u"a07", u""}, {u"", u""}};
    for (const auto& [code, opening] : rows) {
        const ErrorReport report = composeErrorReport(messages, code, u"QL");
        EXPECT_EQ(report.text, opening + u"<7>\n<8>" + code + u"QL<9>\n<0>") << toUtf8(code);
        EXPECT_EQ(report.title, u"<1>" + code + u"QL<2>");
    }
}

TEST(MainWindowTitle, NamesTheActiveDictionaryInTheInterfaceLanguage)
{
    SharedState state;
    catalogueField(state.dictionaryTable[50], CatalogueField::PortugueseName) = u"\u00DAltimo";
    catalogueField(state.dictionaryTable[50], CatalogueField::EnglishName) = u"Last";
    catalogueField(state.dictionaryTable[50], CatalogueField::FileStem) = u"stem";
    // clang-format off
    const std::vector<std::tuple<std::int16_t, std::int16_t, std::u16string>> rows = {
        {0, 50, u"\u00DAltimo"}, {1, 50, u"Last"}, {2, 50, u"Last"},
        {1, -1, u""}, {1, 51, u""}, {1, 7, u""}, {0, -32768, u""}};
    // clang-format on
    for (const auto& [language, row, name] : rows) {
        state.interfaceLanguage = language;
        state.activeDictionary = row;
        EXPECT_EQ(mainWindowTitle(state), u"Quillet 2007 - " + name) << language << ' ' << row;
        EXPECT_EQ(interfaceText(state, u"frmPrincipal", u""), u"Quillet 2007 - " + name);
    }
}

// The update check's rules: once a day, the exact marker. The pages'
// addresses are pinned where the start-up opens them.
TEST(UpdateDecision, DueOnTheFirstStartOfADay)
{
    // clang-format off
    const std::vector<std::tuple<std::u16string_view, std::u16string_view, bool>> rows = {
        {u"20070314", u"20070315", true}, {u"20061231", u"20070101", true}, {u"", u"20070315", true},
        {u"20070315", u"20070315", false}, {u"20070320", u"20070315", false}};
    // clang-format on
    for (const auto& [last, today, due] : rows)
        EXPECT_EQ(updateCheckDue(last, today), due) << std::string(last.begin(), last.end());
}

TEST(UpdateDecision, OnlyTheExactMarkerOfAFetchedPageAnnouncesAVersion)
{
    // clang-format off
    const std::vector<std::tuple<bool, std::string_view, bool>> rows = {
        {true, "0X99VA", true}, {true, "<p>version 0X99VA ready</p>", true}, {true, "0x99va", false},
        {true, "0X99 VA", false}, {true, "0X99V", false}, {true, "", false}, {false, "0X99VA", false}};
    // clang-format on
    for (const auto& [fetched, body, announces] : rows)
        EXPECT_EQ(announcesNewVersion(fetched, body), announces) << body;
}

// A portable copy has its page file beside the program, an installed tree in
// ../share/quillet/.
TEST(UserFolders, WritablePortableCopyKeepsAllElseTheXdgFoldersOrTheirDefaults)
{
    // installed, writable, XDG_CONFIG_HOME, XDG_DATA_HOME; then data, user data
    // and settings folders, P the program's, S share/quillet/.
    // clang-format off
    const std::vector<std::tuple<bool, bool, const char*, const char*, std::string>> rows = {
        {false, true, "/x/c", "/x/d", "P P P "},
        {false, false, "/x/c", "/x/d", "P /x/d/quillet/ /x/c/quillet/ "},
        {false, false, nullptr, "", "P /h/.local/share/quillet/ /h/.config/quillet/ "},
        {false, false, "x/c", "x/d", "P /h/.local/share/quillet/ /h/.config/quillet/ "},
        {true, true, "/x/c", "/x/d", "S /x/d/quillet/ /x/c/quillet/ "}};
    // clang-format on
    for (const auto& [installed, writable, config, data, expected] : rows) {
        quillet::testsupport::TempFolder tree;
        const fs::path bin = tree / "bin/", share = tree / "share/quillet/";
        for (const fs::path& folder : {bin, share}) fs::create_directories(folder);
        quillet::testsupport::writeTextFile((installed ? share : bin) / "quillet.htm", "pt");
        const std::map<std::string, const char*> variables = {
            {"HOME", "/h"}, {"XDG_CONFIG_HOME", config}, {"XDG_DATA_HOME", data}};
        const UserFolders folders = chooseUserFolders(
            bin, [&](const char* name) { return variables.at(name); },
            [&, writable = writable](const fs::path& folder) { return writable && folder == bin; });
        std::string text;
        for (const fs::path& folder : {folders.data, folders.userData, folders.settings})
            text += (folder == bin ? "P" : folder == share ? "S" : folder.string()) + " ";
        EXPECT_EQ(text, expected) << installed << writable << !config;
    }
}
