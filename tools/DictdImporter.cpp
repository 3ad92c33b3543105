#include "DictdImporter.h"

#include "DictdDatabase.h"
#include "FreeDictEntry.h"
#include "LineReader.h"
#include "ToolError.h"

#include "core/TextUtil.h"
#include "core/Utf8.h"

#include <unordered_map>

namespace quillet::tool {

namespace {

std::vector<SourceEntry> mergeEntries(const std::vector<DictdIndexLine>& index,
                                      std::string_view data, const std::string& dataName)
{
    struct Merged
    {
        SourceEntry entry;
        std::vector<std::u16string> lines;
    };
    std::vector<Merged> merged;
    std::unordered_map<std::u16string, std::size_t> byHeadword;

    for (const DictdIndexLine& line : index) {
        std::string_view text = entryText(data, line, dataName);
        if (!core::isValidUtf8(text))
            throw FileError(dataName, "entry '" + line.headword + "' is not valid UTF-8");
        FreeDictEntry parsed = parseFreeDictEntry(core::fromUtf8(text));
        std::u16string details = detailsText(parsed);

        // "há" and "há " are one headword to a lookup, which ignores outer spaces.
        std::u16string headword = core::trimSpaces(core::fromUtf8(line.headword));
        auto [found, isNew] = byHeadword.emplace(headword, merged.size());
        if (isNew) {
            Merged item;
            item.entry.headword = std::move(headword);
            item.entry.details = std::move(details);
            item.entry.origin = line.lineNumber;
            item.lines = std::move(parsed.lines);
            merged.push_back(std::move(item));
        } else {
            Merged& item = merged[found->second];
            item.entry.details += u'\n';
            item.entry.details += details;
            item.lines.insert(item.lines.end(), parsed.lines.begin(), parsed.lines.end());
        }
    }

    std::vector<SourceEntry> entries;
    entries.reserve(merged.size());
    for (Merged& item : merged) {
        item.entry.translation = joinSenses(item.lines);
        entries.push_back(std::move(item.entry));
    }
    return entries;
}

}  // namespace

std::vector<SourceEntry> importDictd(std::string_view indexBytes, const std::string& indexName,
                                     std::string_view data, const std::string& dataName)
{
    return mergeEntries(parseDictdIndex(indexBytes, indexName), data, dataName);
}

std::vector<SourceEntry> importDictdFiles(const std::filesystem::path& indexPath,
                                          const std::filesystem::path& dataPath)
{
    LineReader lines{indexPath};
    const std::vector<DictdIndexLine> index = parseDictdIndex(lines);
    return mergeEntries(index, readDictdData(dataPath), dataPath.string());
}

}  // namespace quillet::tool
