#include "dictionary/Lookup.h"

#include "core/CatalogueFields.h"
#include "core/TextUtil.h"
#include "core/Windows1252.h"
#include "dictionary/Decoder.h"
#include "dictionary/Folding.h"
#include "dictionary/UserRecords.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

namespace quillet::dictionary {

namespace {

bool detailsAligned(const core::SharedState& state)
{
    const core::DictionaryRow* row = core::catalogueRow(state, state.activeDictionary);
    return row && core::catalogueFlag(*row, core::CatalogueField::AlignedDetails);
}

// The details note of `word`, or nothing when the details file has none.
std::u16string lookUpDetails(DictionaryFiles& files, const core::SharedState& state,
                             std::u16string_view word, std::int32_t mainRecord)
{
    const std::u16string key = detailsKey(word);
    const RecordFile& details = files.details();
    const std::int32_t count = details.recordCount();
    for (std::int32_t number = detailsAligned(state) ? mainRecord : 1; number <= count; ++number) {
        const EntryView note = parseEntryView(details.recordBytes(number));
        if (decodedFieldEquals(note.term, key))
            return core::fromWindows1252(note.body);
    }
    return {};
}

}  // namespace

core::LookupResult LookupWord(DictionaryFiles& files, const core::SharedState& state,
                              std::u16string_view word, bool wantDetails)
{
    files.reopenCutFiles();
    const std::u16string_view trimmed = core::trimSpacesView(word);
    // Would otherwise match an empty record and report a hit with no translation.
    if (trimmed.empty())
        return {};
    if (std::optional<UserEntry> entry = readUserEntry(files, trimmed, wantDetails))
        return {true, std::move(entry->translation), std::move(entry->note)};

    core::LookupResult result;
    const IndexTable& index = files.indexTable();
    if (!index.empty()) {
        const Block block = index.blockFor(foldAccents(trimmed));
        const RecordFile& main = files.main();
        const std::int32_t last = std::min(std::max(block.end, block.start), main.recordCount());
        for (std::int32_t number = block.start; number <= last; ++number) {
            const EntryView entry = parseEntryView(main.recordBytes(number));
            if (!entry.term.empty() && decodedFieldEquals(entry.term, trimmed)) {
                result.found = true;
                result.translation = decodeFieldBytes(entry.body);
                if (wantDetails)
                    result.details = lookUpDetails(files, state, trimmed, number);
                break;
            }
        }
    }
    if (result.details.empty() && !result.translation.empty())
        result.details = result.translation;
    return result;
}

}  // namespace quillet::dictionary
