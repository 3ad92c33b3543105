#include "support/TempFolder.h"
#include "support/TestDictionary.h"

#include "core/Messages.h"
#include "dictionary/Catalogue.h"
#include "fakes/FakeDialogs.h"

#include <gtest/gtest.h>

using namespace quillet;
using namespace quillet::dictionary;
using namespace quillet::testsupport;

namespace {

std::vector<std::u16string> namesOf(const CatalogueResult& result)
{
    std::vector<std::u16string> names;
    for (const ChooserEntry& entry : result.entries) {
        names.push_back(entry.name);
    }
    return names;
}

}  // namespace

TEST(Catalogue, ThreeLinesGiveThreeNamesInTheInterfaceLanguage)
{
    core::SharedState state;
    state.activeDictionary = 1;
    const std::u16string text =
        u"Inglês-Português|English-Portuguese|engpor|0|S|S\n"
        u"Português-Inglês|Portuguese-English|poreng|1|N|S\n"
        u"Três|Three|tres|2|S|N\n";
    CatalogueResult result = loadCatalogueText(state, text);
    ASSERT_TRUE(result.usable);
    EXPECT_EQ(namesOf(result),
              (std::vector<std::u16string>{u"Inglês-Português", u"Português-Inglês", u"Três"}));
    EXPECT_EQ(result.selected, 1);
    EXPECT_EQ(state.activeDictionary, 1);
    EXPECT_EQ(state.dictionaryTable[1][2], u"poreng");
    EXPECT_EQ(state.dictionaryTable[2][5], u"N");
    EXPECT_EQ(state.dictionaryTable[0][6], u"");

    state.interfaceLanguage = 1;
    result = loadCatalogueText(state, text);
    EXPECT_EQ(namesOf(result), (std::vector<std::u16string>{u"English-Portuguese",
                                                            u"Portuguese-English", u"Three"}));
    EXPECT_EQ(result.selected, 1);
}

TEST(Catalogue, FieldsAreKeptExactlyAndExtraFieldsIgnored)
{
    core::SharedState state;
    const CatalogueResult result =
        loadCatalogueText(state, u" Nome | Name |stem|0| s|S |extra|more\r\n");
    ASSERT_TRUE(result.usable);
    const auto& row = state.dictionaryTable[0];
    EXPECT_EQ(row[0], u" Nome ");
    EXPECT_EQ(row[1], u" Name ");
    EXPECT_EQ(row[4], u" s");
    EXPECT_EQ(row[5], u"S ");
    EXPECT_EQ(row[6], u"");
}

TEST(CatalogueDamage, ShortLinesAndBadRowsAreSkipped)
{
    core::SharedState state;
    const CatalogueResult result = loadCatalogueText(state,
                                                     u"too|few|fields|0|S\n"
                                                     u"neg|neg|neg|-1|S|S\n"
                                                     u"big|big|big|51|S|S\n"
                                                     u"word|word|word|one|S|S\n"
                                                     u"space|space|space| 2|S|S\n"
                                                     u"frac|frac|frac|2.0|S|S\n"
                                                     u"\n"
                                                     u"ok|ok|ok|50|S|S");
    ASSERT_TRUE(result.usable);
    ASSERT_EQ(result.entries.size(), 1u);
    EXPECT_EQ(result.entries[0].row, 50);
    EXPECT_EQ(state.dictionaryTable[0][0], u"");
    EXPECT_EQ(state.dictionaryTable[2][0], u"");
}

TEST(Catalogue, RowsInAnyOrderAreListedInRowOrder)
{
    core::SharedState state;
    state.activeDictionary = 3;
    const CatalogueResult result =
        loadCatalogueText(state, u"Tres|Three|c|3|N|N\nZero|Zero|a|0|N|N\n");
    ASSERT_EQ(result.entries.size(), 2u);
    EXPECT_EQ(result.entries[0].row, 0);
    EXPECT_EQ(result.entries[1].row, 3);
    EXPECT_EQ(result.selected, 1);
}

TEST(Catalogue, ActiveDictionaryNamingNoRowFallsBackToTheLowestRow)
{
    core::SharedState state;
    state.activeDictionary = 9;
    CatalogueResult result = loadCatalogueText(state, u"B|B|b|4|N|N\nA|A|a|2|N|N\n");
    EXPECT_EQ(state.activeDictionary, 2);
    EXPECT_EQ(result.selected, 0);
    state.activeDictionary = -3;
    result = loadCatalogueText(state, u"B|B|b|4|N|N\n");
    EXPECT_EQ(state.activeDictionary, 4);
}

TEST(CatalogueDamage, NoUsableLineMakesTheCatalogueUnusable)
{
    core::SharedState state;
    EXPECT_FALSE(loadCatalogueText(state, u"").usable);
    EXPECT_FALSE(loadCatalogueText(state, u"garbage\nmore|garbage\n").usable);
    EXPECT_FALSE(loadCatalogueText(state, u"\r\n\r\n").usable);
}

TEST(Catalogue, Utf8AndWindows1252FilesAreBothRead)
{
    EXPECT_EQ(decodeCatalogueBytes("Ingl\xC3\xAAs"), u"Inglês");
    EXPECT_EQ(decodeCatalogueBytes("\xEF\xBB\xBFIngl\xC3\xAAs"), u"Inglês");
    EXPECT_EQ(decodeCatalogueBytes("Ingl\xEAs-Portugu\xEAs"), u"Inglês-Português");
}

TEST(Catalogue, ReadingTheFileAndTheMissingCase)
{
    TempFolder folder;
    core::SharedState state;
    EXPECT_FALSE(LoadDictionaryCatalogue(state, folder.path()).usable);
    {
        std::ofstream out(folder / "dictionaries.cfg", std::ios::binary);
        out << "Ingl\xEAs-Portugu\xEAs|English-Portuguese|engpor|0|S|S\r\n";
    }
    const CatalogueResult result = LoadDictionaryCatalogue(state, folder.path());
    ASSERT_TRUE(result.usable);
    EXPECT_EQ(result.entries[0].name, u"Inglês-Português");
    EXPECT_EQ(state.dictionaryTable[0][5], u"S");

    fakes::FakeDialogs dialogs;
    state.interfaceLanguage = 1;
    core::loadMessages(state);
    showCatalogueMissing(dialogs, state);
    ASSERT_EQ(dialogs.count(), 1u);
    EXPECT_EQ(dialogs.last().icon, platform::MessageIcon::Critical);
    EXPECT_EQ(dialogs.last().text, u"Error! Re-install Quillet 2007, please!");
    EXPECT_EQ(dialogs.last().title, u"Warning!");
}

TEST(Activation, OpensTheActiveRowsFilesAndDescribesTheWindow)
{
    TempFolder folder;
    core::SharedState state;
    state.appFolder = folder.path().u16string() + u"/";
    state.interfaceLanguage = 1;
    loadCatalogueText(state,
                      u"Inglês-Português|English-Portuguese|engpor|0|S|S\n"
                      u"Português-Inglês|Portuguese-English|poreng|1|s|S\n");
    DictionaryFiles files;
    Activation activation = OpenDictionaryFiles(files, state);
    EXPECT_TRUE(activation.failures.empty());
    EXPECT_TRUE(activation.pronunciationEnabled);
    EXPECT_EQ(activation.mainTitle, u"Quillet 2007 - English-Portuguese");
    EXPECT_TRUE(std::filesystem::exists(folder / "engpor.qlc"));

    state.lastCapturedText = u"houses";
    activation = switchDictionary(files, state, 1);
    EXPECT_EQ(state.activeDictionary, 1);
    EXPECT_EQ(state.lastCapturedText, u"");
    EXPECT_FALSE(activation.pronunciationEnabled);
    EXPECT_EQ(activation.mainTitle, u"Quillet 2007 - Portuguese-English");
    EXPECT_EQ(files.main().path(), folder / "poreng.qlc");

    state.interfaceLanguage = 0;
    activation = switchDictionary(files, state, 7);  // names no row: stays
    EXPECT_EQ(state.activeDictionary, 1);
    EXPECT_EQ(activation.mainTitle, u"Quillet 2007 - Português-Inglês");
}

TEST(Activation, UnopenableFilesAreReportedAsA07)
{
    TempFolder folder;
    std::filesystem::create_directory(folder / "broken.ind");
    core::SharedState state;
    state.appFolder = folder.path().u16string() + u"/";
    loadCatalogueText(state, u"Quebrado|Broken|broken|0|S|S\n");
    DictionaryFiles files;
    const Activation activation = OpenDictionaryFiles(files, state);
    ASSERT_EQ(activation.failures.size(), 1u);
    EXPECT_EQ(activation.failures[0].role, FileRole::Index);

    fakes::FakeDialogs dialogs;
    core::loadMessages(state);
    reportActivationFailure(dialogs, state);
    ASSERT_EQ(dialogs.count(), 1u);
    EXPECT_EQ(dialogs.last().icon, platform::MessageIcon::Critical);
    EXPECT_NE(dialogs.last().text.find(u"A07"), std::u16string::npos);
    EXPECT_EQ(dialogs.last().text.rfind(state.messages[core::kMsgFileError], 0), 0u);
}

TEST(Catalogue, LaterLineForTheSameRowReplacesTheEarlier)
{
    core::SharedState state;
    const CatalogueResult result =
        loadCatalogueText(state, u"Old|Old|old|0|S|S\nNew|New|new|0|N|N|\n");
    ASSERT_EQ(result.entries.size(), 1u);
    EXPECT_EQ(result.entries[0].name, u"New");
    EXPECT_EQ(state.dictionaryTable[0][2], u"new");
    EXPECT_EQ(state.dictionaryTable[0][4], u"N");
}

TEST(CatalogueDamage, FolderInPlaceOfTheFileCountsAsMissing)
{
    TempFolder folder;
    std::filesystem::create_directory(folder / "dictionaries.cfg");
    core::SharedState state;
    EXPECT_FALSE(LoadDictionaryCatalogue(state, folder.path()).usable);
}

TEST(CatalogueDamage, BinaryGarbageIsReadWithoutHarm)
{
    std::string bytes;
    for (int i = 0; i < 4096; ++i) {
        bytes.push_back(static_cast<char>((i * 131 + 7) % 256));
    }
    bytes += "\nok|ok|ok|5|S|S";
    core::SharedState state;
    const CatalogueResult result = loadCatalogueText(state, decodeCatalogueBytes(bytes));
    ASSERT_TRUE(result.usable);
    EXPECT_EQ(result.entries.back().row, 5);
    EXPECT_EQ(state.dictionaryTable[5][0], u"ok");
}
