#pragma once
// The fields of one catalogue line, in the order the line holds them, as a row
// of state.dictionaryTable keeps them. Core names the dictionaries from them;
// the dictionary code fills them and reads the rest.

#include "core/SharedState.h"

#include <cstddef>
#include <string>

namespace quillet::core {

enum class CatalogueField : std::size_t {
    PortugueseName,  // shown while the interface is Portuguese
    EnglishName,     // shown for any other interface language
    FileStem,        // the five files are the stem plus .qlc, .ind, .pdt, .dcu, .dtu
    Row,             // a whole number 0..50; empty in a row no line filled
    Pronunciation,   // "S": the word can be spoken
    AlignedDetails,  // "S": details record n belongs to main record n
};
inline constexpr std::size_t kCatalogueFieldCount = 6;

constexpr std::size_t fieldIndex(CatalogueField field)
{
    return static_cast<std::size_t>(field);
}

inline std::u16string& catalogueField(DictionaryRow& row, CatalogueField field)
{
    return row[fieldIndex(field)];
}

inline const std::u16string& catalogueField(const DictionaryRow& row, CatalogueField field)
{
    return row[fieldIndex(field)];
}

// A flag counts as set only when it is exactly "S".
inline bool catalogueFlag(const DictionaryRow& row, CatalogueField flag)
{
    return catalogueField(row, flag) == u"S";
}

inline CatalogueField nameField(const SharedState& state)
{
    return isEnglish(state) ? CatalogueField::EnglishName : CatalogueField::PortugueseName;
}

// The table row numbered `row`, or nullptr when the number is outside 0..50.
inline const DictionaryRow* catalogueRow(const SharedState& state, int row)
{
    if (row < 0 || row >= kDictionaryRows)
        return nullptr;
    return &state.dictionaryTable[static_cast<std::size_t>(row)];
}

}  // namespace quillet::core
