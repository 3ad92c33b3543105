#pragma once
// One entry offered to the dictionary builder, before any check of the
// record format: texts as the source spells them.

#include <cstddef>
#include <string>

namespace quillet::tool {

struct SourceEntry
{
    std::u16string headword;
    std::u16string translation;
    std::u16string details;  // empty when the source has no note
    std::size_t origin = 0;  // line of the TSV file or of the dictd index, from 1
};

}  // namespace quillet::tool
