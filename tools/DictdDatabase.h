#pragma once
// A dictd database: the ".index" file (one "headword<TAB>offset<TAB>length"
// line per entry, numbers in base 64 with the alphabet A-Z a-z 0-9 + /) and
// the ".dict" data, plain or gzip/dictzip compressed.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillet::tool {

struct DictdIndexLine
{
    std::string headword;  // UTF-8, as the index spells it
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
    std::size_t lineNumber = 0;
};

// Nothing for an empty text, a character outside the alphabet or a value
// that does not fit 64 bits.
std::optional<std::uint64_t> decodeDictdNumber(std::string_view digits);

// Throws FileError naming the file and line. The database's own
// "00-database-..." entries are left out.
std::vector<DictdIndexLine> parseDictdIndex(std::string_view bytes, const std::string& fileName);

// The uncompressed data; gzip and dictzip files are inflated, anything else is
// taken as it is. Throws FileError on an unreadable or truncated file.
std::string readDictdData(const std::string& path);

// The text of one entry; throws FileError when it lies past the data's end.
std::string_view entryText(std::string_view data, const DictdIndexLine& line,
                           const std::string& dataFileName);

}  // namespace quillet::tool
