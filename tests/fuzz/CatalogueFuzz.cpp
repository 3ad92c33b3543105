// The catalogue reader on any bytes: UTF-8 or Windows-1252, any lines.

#include "core/SharedState.h"
#include "dictionary/Catalogue.h"

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
        for (const auto& entry : result.entries) (void)dict::dictionaryName(state, entry.row);
    }
    (void)dict::parseRow(text);
    return 0;
}
