#include "dictionary/Lookup.h"

#include "core/CatalogueFields.h"
#include "core/TextUtil.h"
#include "core/Windows1252.h"
#include "dictionary/Decoder.h"
#include "dictionary/Folding.h"
#include "dictionary/UserRecords.h"

#include <algorithm>

namespace quillet::dictionary {

namespace {

bool detailsAligned(const core::SharedState& state)
{
    const core::DictionaryRow* row = core::catalogueRow(state, state.activeDictionary);
    return row && core::catalogueFlag(*row, core::CatalogueField::AlignedDetails);
}

void lookUpDetails(DictionaryFiles& files, core::SharedState& state, std::u16string_view word,
                   std::int32_t mainRecord)
{
    const std::u16string key = detailsKey(word);
    const RecordFile& details = files.details();
    const std::int32_t count = details.recordCount();
    for (std::int32_t number = detailsAligned(state) ? mainRecord : 1; number <= count; ++number) {
        const EntryView note = parseEntryView(details.recordBytes(number));
        if (decodedFieldEquals(note.term, key)) {
            state.lastDetails = core::fromWindows1252(note.body);
            return;
        }
    }
}

}  // namespace

bool LookupWord(DictionaryFiles& files, core::SharedState& state, std::u16string_view word,
                bool wantDetails)
{
    files.reopenCutFiles();
    state.lastDetails.clear();
    const std::u16string_view trimmed = core::trimSpacesView(word);
    if (trimmed.empty()) {
        // Would otherwise match an empty record and report a hit with no translation.
        state.lastTranslation.clear();
        return false;
    }
    if (const std::optional<UserEntry> entry = readUserEntry(files, trimmed, wantDetails)) {
        state.lastTranslation = entry->translation;
        state.lastDetails = entry->note;
        return true;
    }

    bool found = false;
    state.lastTranslation.clear();
    const IndexTable& index = files.indexTable();
    if (!index.empty()) {
        const Block block = index.blockFor(foldAccents(trimmed));
        const RecordFile& main = files.main();
        const std::int32_t last = std::min(std::max(block.end, block.start), main.recordCount());
        for (std::int32_t number = block.start; number <= last; ++number) {
            const EntryView entry = parseEntryView(main.recordBytes(number));
            if (!entry.term.empty() && decodedFieldEquals(entry.term, trimmed)) {
                found = true;
                state.lastTranslation = decodeFieldBytes(entry.body);
                if (wantDetails)
                    lookUpDetails(files, state, trimmed, number);
                break;
            }
        }
    }
    if (state.lastDetails.empty() && !state.lastTranslation.empty())
        state.lastDetails = state.lastTranslation;
    return found;
}

}  // namespace quillet::dictionary
