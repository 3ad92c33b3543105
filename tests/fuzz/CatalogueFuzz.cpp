// The catalogue reader on any bytes: UTF-8 or Windows-1252, any lines. A row
// it keeps must name files inside the folder, with no control character.

#include "core/CatalogueFields.h"
#include "core/Paths.h"
#include "core/SharedState.h"
#include "dictionary/Catalogue.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace dict = quillet::dictionary;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string text = dict::decodeCatalogueBytes(bytes);
    for (std::int16_t active :
         {std::int16_t{0}, std::int16_t{3}, std::int16_t{-1}, std::int16_t{50}}) {
        quillet::core::SharedState state;
        state.activeDictionary = active;
        state.interfaceLanguage = active & 1;
        const dict::CatalogueResult result = dict::loadCatalogueText(state, text);
        if (result.usable) {
            if (state.activeDictionary < 0 || state.activeDictionary > 50)
                std::abort();
            if (result.selected < 0 ||
                static_cast<std::size_t>(result.selected) >= result.entries.size())
                std::abort();
        }
        for (const auto& entry : result.entries) {
            (void)dict::dictionaryName(state, entry.row);
            const std::u16string& stem = quillet::core::catalogueField(
                state.dictionaryTable[static_cast<std::size_t>(entry.row)],
                quillet::core::CatalogueField::FileStem);
            const auto file = std::filesystem::path("/app") / quillet::core::toPath(stem + u".qlc");
            if (file.parent_path() != "/app" ||
                std::any_of(stem.begin(), stem.end(), [](char16_t c) { return c < 0x20; }))
                std::abort();
        }
    }
    (void)dict::parseRow(text);
    return 0;
}
