#include "core/CatalogueFields.h"
#include "core/InterfaceTexts.h"
#include "core/Messages.h"

#include <gtest/gtest.h>

using namespace quillet::core;

TEST(MainWindowTitle, NamesTheActiveDictionaryInTheInterfaceLanguage)
{
    SharedState state;
    catalogueField(state.dictionaryTable[0], CatalogueField::PortugueseName) = u"Ingl\u00EAs";
    catalogueField(state.dictionaryTable[0], CatalogueField::EnglishName) = u"English";
    catalogueField(state.dictionaryTable[50], CatalogueField::PortugueseName) = u"\u00DAltimo";
    catalogueField(state.dictionaryTable[50], CatalogueField::EnglishName) = u"Last";
    catalogueField(state.dictionaryTable[50], CatalogueField::FileStem) = u"stem";
    const std::vector<std::tuple<std::int16_t, std::int16_t, std::u16string>> rows = {
        {0, 0, u"Ingl\u00EAs"}, {1, 0, u"English"}, {2, 50, u"Last"}, {0, 50, u"\u00DAltimo"},
        {1, -1, u""},           {1, 51, u""},       {1, 7, u""},      {0, -32768, u""}};
    for (const auto& [language, row, name] : rows) {
        state.interfaceLanguage = language;
        state.activeDictionary = row;
        EXPECT_EQ(mainWindowTitle(state), u"Quillet 2007 - " + name) << language << ' ' << row;
    }
}

TEST(InterfaceTexts, EveryTextDiffersByLanguageAndTheMainTitleFollowsTheCatalogue)
{
    SharedState portuguese;
    catalogueField(portuguese.dictionaryTable[0], CatalogueField::PortugueseName) = u"Um";
    catalogueField(portuguese.dictionaryTable[0], CatalogueField::EnglishName) = u"One";
    SharedState english = portuguese;
    english.interfaceLanguage = 1;
    const auto inPortuguese = interfaceTexts(portuguese);
    const auto inEnglish = interfaceTexts(english);
    ASSERT_EQ(inPortuguese.size(), inEnglish.size());
    for (std::size_t i = 0; i < inEnglish.size(); ++i) {
        EXPECT_FALSE(inEnglish[i].text.empty()) << i;
        EXPECT_NE(inEnglish[i].text, inPortuguese[i].text) << i;
    }
    EXPECT_EQ(interfaceText(english, u"frmPrincipal", u""), u"Quillet 2007 - One");
    EXPECT_EQ(interfaceText(portuguese, u"frmPrincipal", u""), u"Quillet 2007 - Um");
    EXPECT_TRUE(interfaceText(english, u"frmTools", u"cmdTool", 6).empty());
}

TEST(Messages, AnyLanguageButZeroIsEnglishAndReloadingClearsStrayTexts)
{
    SharedState state;
    state.messages[2] = u"stray";
    loadMessages(state);
    const MessageTable portuguese = state.messages;
    EXPECT_TRUE(portuguese[2].empty());
    for (std::int16_t language : {1, 2, -1}) {
        state.interfaceLanguage = language;
        loadMessages(state);
        for (int number = 0; number < kMessageCount; ++number) {
            EXPECT_EQ(state.messages[number].empty(), portuguese[number].empty()) << number;
            const bool shared = number == kMsgSupportAddress || number == kMsgErrorTitleEnd;
            EXPECT_TRUE(shared || portuguese[number].empty() ||
                        state.messages[number] != portuguese[number])
                << number;
        }
    }
    EXPECT_EQ(state.messages[kMsgSupportAddress], portuguese[kMsgSupportAddress]);
}
