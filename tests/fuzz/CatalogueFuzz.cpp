// The catalogue reader on any bytes: UTF-8 or Windows-1252, any lines. A row
// it keeps must name files inside the folder, with no control character.

#include "FuzzTarget.h"

#include "core/CatalogueFields.h"
#include "core/Paths.h"
#include "core/SharedState.h"
#include "dictionary/Catalogue.h"

#include <algorithm>

namespace dict = quillet::dictionary;
using quillet::fuzz::check;

QUILLET_FUZZ_TARGET(bytes)
{
    const std::u16string text = dict::decodeCatalogueBytes(bytes);
    for (const int active : {0, 3, -1, 50}) {
        quillet::core::SharedState state;
        state.activeDictionary = static_cast<std::int16_t>(active);
        state.interfaceLanguage = active & 1;
        const dict::CatalogueResult result = dict::loadCatalogueText(state, text);
        if (result.usable)
            check(state.activeDictionary >= 0 && state.activeDictionary <= 50 &&
                  result.selected >= 0 &&
                  static_cast<std::size_t>(result.selected) < result.entries.size());
        for (const auto& entry : result.entries) {
            (void)dict::dictionaryName(state, entry.row);
            const std::u16string& stem = quillet::core::catalogueField(
                state.dictionaryTable[static_cast<std::size_t>(entry.row)],
                quillet::core::CatalogueField::FileStem);
            const auto file = std::filesystem::path("/app") / quillet::core::toPath(stem + u".qlc");
            check(file.parent_path() == "/app" &&
                  std::none_of(stem.begin(), stem.end(), [](char16_t c) { return c < 0x20; }));
        }
    }
    (void)dict::parseRow(text);
}
