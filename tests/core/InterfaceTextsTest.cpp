#include "core/InterfaceTexts.h"

#include "BuildConfig.h"

#include <gtest/gtest.h>

using namespace quillet::core;

namespace {

SharedState withCatalogue(std::int16_t language, std::int16_t active)
{
    SharedState state;
    state.interfaceLanguage = language;
    state.activeDictionary = active;
    state.dictionaryTable[0][0] = u"Ingl\u00EAs - Portugu\u00EAs";
    state.dictionaryTable[0][1] = u"English - Portuguese";
    state.dictionaryTable[50][0] = u"\u00DAltimo";
    state.dictionaryTable[50][1] = u"Last";
    return state;
}

}  // namespace

TEST(MainWindowTitle, NamesTheActiveDictionaryInTheInterfaceLanguage)
{
    EXPECT_EQ(mainWindowTitle(withCatalogue(0, 0)), u"Quillet 2007 - Ingl\u00EAs - Portugu\u00EAs");
    EXPECT_EQ(mainWindowTitle(withCatalogue(1, 0)), u"Quillet 2007 - English - Portuguese");
    EXPECT_EQ(mainWindowTitle(withCatalogue(2, 50)), u"Quillet 2007 - Last");
    EXPECT_EQ(mainWindowTitle(withCatalogue(0, 50)), u"Quillet 2007 - \u00DAltimo");
}

TEST(MainWindowTitle, RowOutsideTheCatalogueOrEmptyGivesThePrefixAlone)
{
    for (std::int16_t row : {-1, 51, 32767, -32768, 7}) {
        EXPECT_EQ(mainWindowTitle(withCatalogue(1, row)), u"Quillet 2007 - ") << row;
    }
}

TEST(InterfaceTexts, BothLanguagesInTheOrderTheyAreSet)
{
    const auto portuguese = interfaceTexts(withCatalogue(0, 0));
    const auto english = interfaceTexts(withCatalogue(1, 0));
    ASSERT_EQ(portuguese.size(), 15u);
    ASSERT_EQ(english.size(), portuguese.size());
    EXPECT_EQ(portuguese.front().window, u"frmPrincipal");
    EXPECT_EQ(portuguese.front().control, u"cmdGo");
    EXPECT_EQ(portuguese.front().text, u"Inicia a procura da palavra.");
    EXPECT_EQ(english.front().text, u"Start search.");
    EXPECT_EQ(english.back().window, u"frmDictionary");
    EXPECT_EQ(english.back().property, TextProperty::Title);
    EXPECT_EQ(english.back().text, u"Dictionary");
    EXPECT_EQ(english[9].window, u"frmPrincipal");
    EXPECT_EQ(english[9].text, u"Quillet 2007 - English - Portuguese");
    for (std::size_t i = 0; i < english.size(); ++i) {
        EXPECT_FALSE(english[i].text.empty()) << i;
        EXPECT_NE(english[i].text, portuguese[i].text) << i;
    }
}

TEST(InterfaceTexts, LookupByControlAndElement)
{
    const auto pt = withCatalogue(0, 0);
    const auto en = withCatalogue(1, 0);
    const std::u16string host = quillet::build::webHost;
    EXPECT_EQ(interfaceText(pt, u"frmTools", u"cmdTool", 5),
              u"Acesso a funcionalidades no site " + host + u".");
    EXPECT_EQ(interfaceText(en, u"frmTools", u"cmdTool", 5),
              u"Use the " + host + u" website options.");
    EXPECT_EQ(interfaceText(pt, u"frmTools", u"cmdTool", 0),
              u"Alterna entre os modos Normal e Sempre Vis\u00EDvel.");
    EXPECT_EQ(interfaceText(en, u"frmTools", u""), u"Options");
    EXPECT_EQ(interfaceText(pt, u"frmDetalhes", u"lblOutras"), u"+Possibilidades");
    EXPECT_EQ(interfaceText(en, u"frmDetalhes", u"cmdDetalhes", 0), u"Listen the word.");
    EXPECT_EQ(interfaceText(pt, u"frmDictionary", u"lblDic"), u"Escolha o dicion\u00E1rio:");
    EXPECT_TRUE(interfaceText(en, u"frmTools", u"cmdTool", 6).empty());
    EXPECT_TRUE(interfaceText(en, u"frmNothing", u"cmdGo").empty());
}
