#pragma once
// Turns source entries into the records of a dictionary file set:
//  - main records sorted by accent-folded headword (stable, so entries with
//    the same headword keep their source order and the first one is the one a
//    lookup finds; later duplicates are reported);
//  - index blocks of about `blockSize` records, split only where the folded
//    headword changes, so every headword lies in the block its key names;
//  - one details record at the same number as each main record (aligned
//    details), keyed by the details key, so the aligned scan stops at once;
//    records after the last note are left out.
// Anything the format cannot hold is skipped or cut and reported, never
// replaced silently.

#include "SourceEntry.h"

#include "dictionary/Records.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quillet::tool {

struct BuildNote
{
    enum class Kind {
        Skipped,    // not written
        Cut,        // written with a shortened text
        Padded,     // one-character translation stored with a trailing space
        Duplicate,  // written, but an earlier entry with the same headword wins
    };
    Kind kind;
    std::size_t origin = 0;
    std::u16string headword;
    std::string reason;
};

struct BuildOptions
{
    std::size_t blockSize = 16;
};

struct BuiltDictionary
{
    std::vector<dictionary::EntryRecord> main;     // encoded fields
    std::vector<dictionary::IndexRecord> index;    // plain keys
    std::vector<dictionary::EntryRecord> details;  // encoded term, plain body
    std::vector<BuildNote> notes;
    std::size_t offered = 0;
};

BuiltDictionary buildDictionary(const std::vector<SourceEntry>& entries,
                                const BuildOptions& options = {});

// Writes stem.qlc, stem.ind and stem.pdt into `folder` (created if needed),
// replacing the three together or, on any failure, none; then creates empty
// stem.dcu and stem.dtu unless they exist: those hold the user's own entries.
// The new files are first written as stem.qlc.tmp and so on: a file or a link
// of such a name, left by a killed run, is removed first; anything else there
// stops the build. Throws FileError naming the file and the cause.
void writeDictionary(const BuiltDictionary& dictionary, const std::filesystem::path& folder,
                     const std::string& stem);

// Longest prefix of `text` of at most `limit` characters, cut before the last
// ", " (or line break, when `atLines`) that fits, else at the limit.
std::u16string cutText(std::u16string_view text, std::size_t limit, bool atLines);

const char* kindName(BuildNote::Kind kind);

}  // namespace quillet::tool
