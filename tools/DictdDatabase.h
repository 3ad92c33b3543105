#pragma once
// A dictd database: the ".index" file (one "headword<TAB>offset<TAB>length"
// line per entry, numbers in base 64 with the alphabet A-Z a-z 0-9 + /) and
// the ".dict" data, plain or gzip/dictzip compressed.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillet::tool {

class LineReader;

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
std::vector<DictdIndexLine> parseDictdIndex(LineReader& lines);

// Far more than a real database holds (the FreeDict ones inflate to a few
// megabytes), and few enough to keep in memory: a small file that inflates to
// gigabytes is refused once it passes this, not when memory runs out.
inline constexpr std::size_t kDictdDataLimit = std::size_t{256} << 20;

// The uncompressed data; gzip and dictzip files are inflated, anything else is
// taken as it is. Throws FileError on an unreadable or truncated file, or one
// whose data would pass `limit` bytes.
std::string readDictdData(const std::filesystem::path& path, std::size_t limit = kDictdDataLimit);

// The text of one entry; throws FileError when it lies past the data's end.
std::string_view entryText(std::string_view data, const DictdIndexLine& line,
                           const std::string& dataFileName);

}  // namespace quillet::tool
