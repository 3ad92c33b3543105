// The tool's readers of outside data: TSV sources, dictd index and entries.

#include "FuzzTarget.h"

#include "DictdDatabase.h"
#include "DictdImporter.h"
#include "DictionaryBuilder.h"
#include "ToolError.h"
#include "TsvReader.h"

QUILLET_FUZZ_TARGET(bytes)
{
    const auto [index, entries] = quillet::fuzz::splitAt(bytes, '\0');
    try {
        (void)quillet::tool::buildDictionary(quillet::tool::parseTsv(bytes, "fuzz.tsv"));
    } catch (const quillet::tool::FileError&) {
    }
    try {
        (void)quillet::tool::buildDictionary(
            quillet::tool::importDictd(index, "fuzz.index", entries, "fuzz.dict"));
    } catch (const quillet::tool::FileError&) {
    }
}
