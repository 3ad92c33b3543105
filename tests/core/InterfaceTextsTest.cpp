#include "core/CatalogueFields.h"
#include "core/InterfaceTexts.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace quillet::core;

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
