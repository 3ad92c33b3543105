// Record parsing and the whole lookup on damaged dictionary files: the input
// is cut into a main, an index and a details file.

#include "FuzzFolder.h"

#include "core/CatalogueFields.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/Lookup.h"
#include "dictionary/Records.h"

#include <cstdlib>

namespace dict = quillet::dictionary;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    for (std::size_t length : {dict::kShortRecordLength, dict::kLongRecordLength}) {
        const std::string_view record = bytes.substr(0, length);
        const dict::EntryRecord entry = dict::parseEntry(record);
        const dict::EntryView view = dict::parseEntryView(record);
        if (entry.term.size() != view.term.size() || entry.body.size() != view.body.size())
            std::abort();
        if (entry.term.size() + entry.body.size() > record.size())
            std::abort();
        (void)dict::parseIndex(record);
    }

    // Two separator bytes split the input into the three read-only files.
    const std::size_t first = bytes.find('\xA7');
    const std::size_t second = first == bytes.npos ? bytes.npos : bytes.find('\xA7', first + 1);
    const std::string_view main = bytes.substr(0, first);
    const std::string_view index =
        first == bytes.npos ? std::string_view() : bytes.substr(first + 1, second - first - 1);
    const std::string_view details =
        second == bytes.npos ? std::string_view() : bytes.substr(second + 1);
    quillet::fuzz::writeScratchFile("f.qlc", main);
    quillet::fuzz::writeScratchFile("f.ind", index);
    quillet::fuzz::writeScratchFile("f.pdt", details);
    quillet::fuzz::writeScratchFile("f.dcu", main.substr(0, 256));
    quillet::fuzz::writeScratchFile("f.dtu", details.substr(0, 1024));

    dict::DictionaryFiles files;
    if (!files.open(quillet::fuzz::scratchFolder(), u"f").empty())
        return 0;
    quillet::core::SharedState state;
    for (const char16_t* aligned : {u"S", u"N"}) {
        quillet::core::catalogueField(state.dictionaryTable[0],
                                      quillet::core::CatalogueField::AlignedDetails) = aligned;
        for (const char16_t* word : {u"house", u"a", u"", u"  ", u"ação", u"zzzz", u"\u00c1gua"})
            (void)dict::LookupWord(files, state, word, true);
    }
    return 0;
}
