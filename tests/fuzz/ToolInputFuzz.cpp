// The tool's readers of outside data: TSV sources, dictd index and entries.

#include "DictdDatabase.h"
#include "DictdImporter.h"
#include "DictionaryBuilder.h"
#include "ToolError.h"
#include "TsvReader.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t split = bytes.find('\0');
    const std::string_view index = bytes.substr(0, split);
    const std::string_view entries =
        split == bytes.npos ? std::string_view() : bytes.substr(split + 1);
    try {
        (void)quillet::tool::buildDictionary(quillet::tool::parseTsv(bytes, "fuzz.tsv"));
    } catch (const quillet::tool::FileError&) {
    }
    try {
        (void)quillet::tool::buildDictionary(
            quillet::tool::importDictd(index, "fuzz.index", entries, "fuzz.dict"));
    } catch (const quillet::tool::FileError&) {
    }
    return 0;
}
