#pragma once
// Walks the lines of a text file: lines end at LF, a CR before the LF is
// dropped and empty lines are passed over. Lines are numbered from 1, the
// empty ones counted, so messages name the line an editor shows. A file is
// read a piece at a time, so a pipe or a device takes no more memory than one
// line.

#include "FileBytes.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace quillet::tool {

class LineReader
{
public:
    // A line may hold more than a record keeps (a longer text is cut to fit,
    // and reported), but none is longer than a counted text could declare with
    // its 16-bit count: a longer line is no dictionary entry.
    static constexpr std::size_t kLongestLine = 0xFFFF;

    // Lines of text already in memory.
    LineReader(std::string_view bytes, std::string fileName)
        : m_rest(bytes), m_fileName(std::move(fileName))
    {
    }
    // Lines of a file; throws FileError when it cannot be opened.
    explicit LineReader(const std::filesystem::path& path)
        : m_file(std::make_unique<FileReader>(path)), m_fileName(path.string())
    {
    }

    // False once no non-empty line is left. Throws FileError on a read error
    // or a line longer than kLongestLine bytes, naming the line.
    bool next();
    // Valid until the next call of next().
    std::string_view line() const { return m_line; }
    std::size_t number() const { return m_number; }
    // "file:line", for messages.
    std::string where() const { return m_fileName + ":" + std::to_string(m_number); }

private:
    // The offset of the LF ending the line at the start of m_rest, reading on
    // as needed; npos for a last line without one.
    std::size_t lineEnd();

    std::unique_ptr<FileReader> m_file;  // none when the text is in memory
    std::string m_buffer;                // what m_rest views when reading a file
    std::string_view m_rest;
    std::string_view m_line;
    std::string m_fileName;
    std::size_t m_number = 0;
};

}  // namespace quillet::tool
