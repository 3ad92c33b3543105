#include "core/TextUtil.h"
#include "core/Utf8.h"
#include "dictionary/Catalogue.h"

#include "support/TempFolder.h"
#include "support/TestDictionary.h"

#include <gtest/gtest.h>

using namespace quillet;
using namespace std::string_literals;
using namespace quillet::dictionary;
using namespace testsupport;

// Expected: the chooser's "row:name" list, the selected position, the active row.
TEST(Catalogue, LinesFillTheirRowsAndTheChooserListsThemInRowOrder)
{
    // clang-format off
    const std::vector<std::tuple<std::u16string, std::int16_t, std::u16string>> rows = {
        {u"Tres|Three|c|3|N|N\r\nZero|Zero|a|0|N|N\n", 3, u"0:Zero 3:Tres |1|3"},
        {u"B|B|b|4|N|N\nA|A|a|2|N|N", 9, u"2:A 4:B |0|2"},
        {u"B|B|b|4|N|N\n", -3, u"4:B |0|4"},
        {u"few|few|few|0|S\nneg|n|n|-1|S|S\nbig|b|b|51|S|S\nw|w|w|one|S|S\n"
         u"sp|s|s| 2|S|S\nfr|f|f|2.0|S|S\n\nok|ok|ok|50|S|S", 0, u"50:ok |0|50"},
        {u"Old|Old|old|0|S|S\nNew|New|new|0|N|N|\n", 0, u"0:New |0|0"},
        {u"garbage\nmore|garbage\n\r\n", 5, u"|-1|5"}};
    // clang-format on
    for (const auto& [text, active, expected] : rows) {
        core::SharedState state;
        state.activeDictionary = active;
        const CatalogueResult result = loadCatalogueText(state, text);
        EXPECT_EQ(result.usable, !result.entries.empty());
        std::u16string found;
        for (const ChooserEntry& entry : result.entries)
            found += core::decimal(entry.row) + u":" + entry.name + u" ";
        found +=
            u"|" + core::decimal(result.selected) + u"|" + core::decimal(state.activeDictionary);
        EXPECT_EQ(found, expected) << core::toUtf8(text);
    }
}

// A line whose stem would name a file outside the application folder, or no
// file at all, is skipped.
TEST(Catalogue, OnlyStemsNamingAFileInTheFolderAreUsable)
{
    // clang-format off
    const std::vector<std::pair<std::u16string, bool>> rows = {
        {u"engpor", true}, {u"...", true}, {u".hidden", true}, {u"caf\u00E9 d\u00A0x", true},
        {u"", false}, {u".", false}, {u"..", false}, {u"../outside", false}, {u"/tmp/abs", false},
        {u"a\\b", false}, {u"x\0"s, false}, {u"a\tb", false}, {u"a\x1F", false},
        {u"a\x7F", false}, {u"a\x85", false}, {u"a\x9F", false},
        // What Windows reads as a drive, a stream or a device, in any folder.
        {u"C:engpor", false}, {u"a:b", false}, {u"CON", false}, {u"nul.txt", false},
        {u"Aux ", false}, {u"com1", false}, {u"LPT9.x", false}, {u"com\u00B9", false},
        {u"conin$", false}, {u"console", true}, {u"com0", true}, {u"com10", true},
        {u"engpor.", true}};
    // clang-format on
    for (const auto& [stem, usable] : rows) {
        core::SharedState state;
        EXPECT_EQ(loadCatalogueText(state, u"N|N|" + stem + u"|0|S|S\n").usable, usable)
            << core::toUtf8(stem);
    }
}

// Lines are few and short; a huge file is a damaged installation, not read.
TEST(Catalogue, AFileOverOneMebibyteIsUnusable)
{
    const std::string line = "ok|ok|ok|0|S|S\n";
    const std::vector<std::pair<std::size_t, bool>> rows = {{1 << 20, true},
                                                            {(1 << 20) + 1, false}};
    for (const auto& [size, usable] : rows) {
        TempFolder folder;
        writeTextFile(folder / "dictionaries.cfg", line + std::string(size - line.size(), '\n'));
        core::SharedState state;
        EXPECT_EQ(LoadDictionaryCatalogue(state, folder.path()).usable, usable) << size;
    }
}

TEST(Catalogue, BytesAreReadAsUtf8OrElseWindows1252)
{
    EXPECT_EQ(decodeCatalogueBytes("\xEF\xBB\xBFIngl\xC3\xAAs"), u"Inglês");
    EXPECT_EQ(decodeCatalogueBytes("Ingl\xEAs"), u"Inglês");
}

// Switching and the failure report are driven through the windows' tests. A
// catalogue and a dictionary in the user's folder come first; the user's
// files are made there whichever folder holds the rest.
TEST(Activation, OpensTheActiveRowsFilesTheUsersOwnFirstAndDescribesTheWindow)
{
    TempFolder data, home;
    writeInstallation(data.path());
    writeTextFile(home / "dictionaries.cfg", "Minha|Mine|mine|0|S|N\nX|Y|engpor|1|s|S");
    writePlainDictionary(home.path(), "mine", {});
    core::SharedState state;
    state.appFolder = data.appFolder();
    state.userFolder = home.appFolder();
    for (const auto& [row, language, expected] :
         {std::tuple{0, 1, "S Mine: user user"}, {1, 0, "N X: data user"}}) {
        state.activeDictionary = static_cast<std::int16_t>(row);
        state.interfaceLanguage = static_cast<std::int16_t>(language);
        LoadDictionaryCatalogue(state);
        DictionaryFiles files;
        const Activation activation = OpenDictionaryFiles(files, state);
        EXPECT_TRUE(activation.failures.empty());
        std::u16string text =
            (activation.pronunciationEnabled ? u"S " : u"N ") + dictionaryName(state, row) + u":";
        for (RecordFile* file : {&files.main(), &files.user()})
            text += file->path().parent_path() == data.path() ? u" data" : u" user";
        EXPECT_EQ(core::toUtf8(text), expected);
    }
}
