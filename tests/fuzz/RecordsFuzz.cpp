// Record parsing and the whole lookup on damaged dictionary files: the input
// is cut into a main, an index and a details file.

#include "FuzzTarget.h"

#include "core/CatalogueFields.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/Lookup.h"
#include "dictionary/Records.h"

namespace dict = quillet::dictionary;
using quillet::fuzz::writeScratchFile;

QUILLET_FUZZ_TARGET(bytes)
{
    for (std::size_t length : {dict::kShortRecordLength, dict::kLongRecordLength}) {
        const std::string_view record = bytes.substr(0, length);
        const dict::EntryRecord entry = dict::parseEntry(record);
        const dict::EntryView view = dict::parseEntryView(record);
        quillet::fuzz::check(entry.term.size() == view.term.size() &&
                             entry.body.size() == view.body.size() &&
                             entry.term.size() + entry.body.size() <= record.size());
        (void)dict::parseIndex(record);
    }

    // Two separator bytes split the input into the three read-only files.
    const auto [main, rest] = quillet::fuzz::splitAt(bytes, '\xA7');
    const auto [index, details] = quillet::fuzz::splitAt(rest, '\xA7');
    writeScratchFile("f.qlc", main);
    writeScratchFile("f.ind", index);
    writeScratchFile("f.pdt", details);
    writeScratchFile("f.dcu", main.substr(0, 256));
    writeScratchFile("f.dtu", details.substr(0, 1024));

    dict::DictionaryFiles files;
    if (!files.open(quillet::fuzz::scratchFolder(), u"f").empty())
        return;
    quillet::core::SharedState state;
    for (const char16_t* aligned : {u"S", u"N"}) {
        quillet::core::catalogueField(state.dictionaryTable[0],
                                      quillet::core::CatalogueField::AlignedDetails) = aligned;
        for (const char16_t* word : {u"house", u"a", u"", u"  ", u"ação", u"zzzz", u"\u00c1gua"})
            (void)dict::LookupWord(files, state, word, true);
    }
}
