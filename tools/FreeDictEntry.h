#pragma once
// The text of one FreeDict entry in a dictd database:
//   headword[, variant...] [/phonetic/...] [<part of speech>...]
//   1. sense, sense
//   2. sense
// (or a single unnumbered line of senses). The phonetic transcription is left
// out everywhere: Windows-1252 cannot hold it.

#include <string>
#include <string_view>
#include <vector>

namespace quillet::tool {

struct FreeDictEntry
{
    std::u16string heading;             // first line without the transcription
    std::vector<std::u16string> lines;  // sense lines, trimmed, numbers kept
};

FreeDictEntry parseFreeDictEntry(std::u16string_view text);

// The senses of every line, numbers removed, joined with ", "; a sense that
// is already there is not repeated.
std::u16string joinSenses(const std::vector<std::u16string>& lines);

// Heading and sense lines, one per line.
std::u16string detailsText(const FreeDictEntry& entry);

}  // namespace quillet::tool
