#include "core/CatalogueFields.h"
#include "core/ErrorReport.h"
#include "core/Messages.h"
#include "core/TextUtil.h"
#include "dictionary/Catalogue.h"

#include "fakes/FakeDialogs.h"
#include "support/TempFolder.h"
#include "support/TestDictionary.h"

#include <gtest/gtest.h>

using namespace quillet;
using namespace quillet::dictionary;
using core::CatalogueField;
using testsupport::TempFolder;

namespace {

std::u16string field(const core::SharedState& state, int row, CatalogueField field)
{
    return core::catalogueField(state.dictionaryTable[static_cast<std::size_t>(row)], field);
}

}  // namespace

TEST(Catalogue, LinesFillTheirRowsAndTheChooserListsThemInRowOrder)
{
    struct Row
    {
        const char* label;
        std::u16string text;
        std::int16_t active, activeAfter;
        std::u16string listed;  // row:name, in the interface language
        int selected;
    };
    const std::vector<Row> rows = {
        {"any order", u"Tres|Three|c|3|N|N\r\nZero|Zero|a|0|N|N\n", 3, 3, u"0:Zero 3:Tres ", 1},
        {"active row absent: the lowest", u"B|B|b|4|N|N\nA|A|a|2|N|N", 9, 2, u"2:A 4:B ", 0},
        {"negative active row", u"B|B|b|4|N|N\n", -3, 4, u"4:B ", 0},
        {"damaged lines skipped",
         u"few|few|few|0|S\nneg|n|n|-1|S|S\nbig|b|b|51|S|S\nw|w|w|one|S|S\n"
         u"sp|s|s| 2|S|S\nfr|f|f|2.0|S|S\n\nok|ok|ok|50|S|S",
         0, 50, u"50:ok ", 0},
        {"later line replaces the earlier", u"Old|Old|old|0|S|S\nNew|New|new|0|N|N|\n", 0, 0,
         u"0:New ", 0},
        {"nothing usable", u"garbage\nmore|garbage\n\r\n", 0, 0, u"", -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        core::SharedState state;
        state.activeDictionary = row.active;
        const CatalogueResult result = loadCatalogueText(state, row.text);
        EXPECT_EQ(result.usable, !row.listed.empty());
        std::u16string listed;
        for (const ChooserEntry& entry : result.entries)
            listed += core::decimal(entry.row) + u":" + entry.name + u" ";
        EXPECT_EQ(listed, row.listed);
        EXPECT_EQ(result.selected, row.selected);
        EXPECT_EQ(state.activeDictionary, row.activeAfter);
    }
}

TEST(Catalogue, FieldsAreKeptExactlyInTheirNamedPlaces)
{
    core::SharedState state;
    state.interfaceLanguage = 1;
    const auto result = loadCatalogueText(state, u" Nome | Name |stem|7| s|S |extra\r\n");
    ASSERT_EQ(result.entries.size(), 1u);
    EXPECT_EQ(result.entries[0].name, u" Name ");
    const std::vector<std::pair<CatalogueField, std::u16string>> fields = {
        {CatalogueField::PortugueseName, u" Nome "}, {CatalogueField::EnglishName, u" Name "},
        {CatalogueField::FileStem, u"stem"},         {CatalogueField::Row, u"7"},
        {CatalogueField::Pronunciation, u" s"},      {CatalogueField::AlignedDetails, u"S "}};
    for (const auto& [name, text] : fields) EXPECT_EQ(field(state, 7, name), text);
    EXPECT_EQ(state.dictionaryTable[7].back(), u"");
}

TEST(Catalogue, FileIsReadAsUtf8OrWindows1252)
{
    EXPECT_EQ(decodeCatalogueBytes("\xEF\xBB\xBFIngl\xC3\xAAs"), u"Inglês");
    EXPECT_EQ(decodeCatalogueBytes("Ingl\xEAs"), u"Inglês");
    TempFolder folder;
    core::SharedState state;
    EXPECT_FALSE(LoadDictionaryCatalogue(state, folder.path()).usable);
    testsupport::writeTextFile(folder / "dictionaries.cfg", "Ingl\xEAs|English|engpor|0|S|S\r\n");
    const CatalogueResult result = LoadDictionaryCatalogue(state, folder.path());
    ASSERT_TRUE(result.usable);
    EXPECT_EQ(result.entries[0].name, u"Inglês");
}

TEST(Activation, OpensTheActiveRowsFilesAndDescribesTheWindow)
{
    TempFolder folder;
    core::SharedState state;
    state.appFolder = folder.appFolder();
    state.interfaceLanguage = 1;
    loadCatalogueText(state, u"Inglês|English|engpor|0|S|N\nPortuguês|Portuguese|poreng|1|s|S\n");
    DictionaryFiles files;
    Activation activation = OpenDictionaryFiles(files, state);
    EXPECT_TRUE(activation.failures.empty());
    EXPECT_TRUE(activation.pronunciationEnabled);
    EXPECT_EQ(activation.mainTitle, u"Quillet 2007 - English");
    EXPECT_EQ(files.main().path(), folder / "engpor.qlc");

    state.lastCapturedText = u"houses";
    state.interfaceLanguage = 0;
    activation = switchDictionary(files, state, 1);
    EXPECT_EQ(state.lastCapturedText, u"");
    EXPECT_FALSE(activation.pronunciationEnabled);
    EXPECT_EQ(activation.mainTitle, u"Quillet 2007 - Português");
    EXPECT_EQ(files.main().path(), folder / "poreng.qlc");
    activation = switchDictionary(files, state, 7);  // names no row: stays
    EXPECT_EQ(state.activeDictionary, 1);
    EXPECT_EQ(files.main().path(), folder / "poreng.qlc");
}

TEST(Activation, UnopenableFilesAreReportedAsA07)
{
    TempFolder folder;
    std::filesystem::create_directory(folder / "broken.ind");
    core::SharedState state;
    state.appFolder = folder.appFolder();
    loadCatalogueText(state, u"Quebrado|Broken|broken|0|S|S\n");
    DictionaryFiles files;
    const Activation activation = OpenDictionaryFiles(files, state);
    ASSERT_EQ(activation.failures.size(), 1u);
    EXPECT_EQ(activation.failures[0].role, FileRole::Index);

    fakes::FakeDialogs dialogs;
    core::loadMessages(state);
    reportActivationFailure(dialogs, state);
    showCatalogueMissing(dialogs, state);
    ASSERT_EQ(dialogs.count(), 2u);
    EXPECT_EQ(dialogs.shown()[0].text,
              core::composeErrorReport(state.messages, u"A07", u"QL").text);
    EXPECT_EQ(dialogs.last().title, state.messages[core::kMsgWarningTitle]);
    EXPECT_EQ(dialogs.last().text, state.messages[core::kMsgBadInstallation]);
}
