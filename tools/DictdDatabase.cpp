#include "DictdDatabase.h"

#include "FileBytes.h"
#include "LineReader.h"
#include "ToolError.h"

#include "core/Utf8.h"

#include <zlib.h>

#include <cstring>
#include <filesystem>
#include <limits>

namespace quillet::tool {

namespace {

int base64Digit(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

bool isMetadataHeadword(std::string_view headword)
{
    // The index column spells "00-database-info" as "00databaseinfo".
    return headword.starts_with("00-database-") || headword.starts_with("00database");
}

FileError tooLarge(const std::string& path, std::size_t limit)
{
    return FileError(path, "holds more than " + std::to_string(limit) +
                               " bytes of data, more than a dictionary can use");
}

// Inflates every gzip member of `bytes` in turn (dictzip is one member with
// an extra header field, which zlib skips), stopping once past `limit` bytes.
std::string inflateGzip(std::string_view bytes, const std::string& path, std::size_t limit)
{
    std::string result;
    z_stream stream;
    std::memset(&stream, 0, sizeof stream);
    if (inflateInit2(&stream, 15 + 32) != Z_OK)
        throw FileError(path, "cannot start decompression");
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    char buffer[65536];
    int status = Z_OK;
    while (true) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof buffer;
        status = inflate(&stream, Z_NO_FLUSH);
        result.append(buffer, sizeof buffer - stream.avail_out);
        if (result.size() > limit) {
            inflateEnd(&stream);
            throw tooLarge(path, limit);
        }
        if (status == Z_STREAM_END) {
            if (stream.avail_in == 0)
                break;
            if (inflateReset(&stream) != Z_OK)
                break;
            continue;
        }
        if (status == Z_OK)
            continue;
        if (status == Z_BUF_ERROR && stream.avail_in == 0) {
            inflateEnd(&stream);
            throw FileError(path, "compressed data is truncated");
        }
        std::string reason = stream.msg ? stream.msg : "error " + std::to_string(status);
        inflateEnd(&stream);
        throw FileError(path, "compressed data is damaged (" + reason + ")");
    }
    inflateEnd(&stream);
    return result;
}

}  // namespace

std::optional<std::uint64_t> decodeDictdNumber(std::string_view digits)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        int digit = base64Digit(c);
        if (digit < 0 || value > (std::numeric_limits<std::uint64_t>::max() >> 6))
            return std::nullopt;
        value = value * 64 + static_cast<std::uint64_t>(digit);
    }
    return value;
}

std::vector<DictdIndexLine> parseDictdIndex(std::string_view bytes, const std::string& fileName)
{
    LineReader reader(bytes, fileName);
    return parseDictdIndex(reader);
}

std::vector<DictdIndexLine> parseDictdIndex(LineReader& reader)
{
    std::vector<DictdIndexLine> lines;
    while (reader.next()) {
        const std::string_view line = reader.line();
        const std::string where = reader.where();
        std::size_t firstTab = line.find('\t');
        std::size_t secondTab =
            firstTab == std::string_view::npos ? firstTab : line.find('\t', firstTab + 1);
        if (secondTab == std::string_view::npos || line.find('\t', secondTab + 1) != line.npos)
            throw FileError(where, "expected headword<TAB>offset<TAB>length");
        std::string_view headword = line.substr(0, firstTab);
        if (!core::isValidUtf8(headword))
            throw FileError(where, "headword is not valid UTF-8");
        auto offset = decodeDictdNumber(line.substr(firstTab + 1, secondTab - firstTab - 1));
        auto length = decodeDictdNumber(line.substr(secondTab + 1));
        if (!offset || !length)
            throw FileError(where, "offset or length is not a base-64 number");
        if (isMetadataHeadword(headword))
            continue;
        lines.push_back({std::string(headword), *offset, *length, reader.number()});
    }
    return lines;
}

std::string readDictdData(const std::filesystem::path& path, std::size_t limit)
{
    // A file already past the limit is refused unread.
    std::string bytes;
    if (!readCappedFile(path, limit, bytes))
        throw tooLarge(path.string(), limit);
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0x1F &&
        static_cast<unsigned char>(bytes[1]) == 0x8B)
        return inflateGzip(bytes, path.string(), limit);
    return bytes;
}

std::string_view entryText(std::string_view data, const DictdIndexLine& line,
                           const std::string& dataFileName)
{
    if (line.offset > data.size() || line.length > data.size() - line.offset)
        throw FileError(dataFileName, "entry '" + line.headword + "' (index line " +
                                          std::to_string(line.lineNumber) +
                                          ") lies past the end of the data");
    return data.substr(line.offset, line.length);
}

}  // namespace quillet::tool
