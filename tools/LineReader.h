#pragma once
// Walks the lines of a text file: lines end at LF, a CR before the LF is
// dropped and empty lines are passed over. Lines are numbered from 1, the
// empty ones counted, so messages name the line an editor shows.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace quillet::tool {

class LineReader
{
public:
    LineReader(std::string_view bytes, std::string fileName)
        : m_rest(bytes), m_fileName(std::move(fileName))
    {
    }

    // False once no non-empty line is left.
    bool next();
    std::string_view line() const { return m_line; }
    std::size_t number() const { return m_number; }
    // "file:line", for messages.
    std::string where() const { return m_fileName + ":" + std::to_string(m_number); }

private:
    std::string_view m_rest;
    std::string_view m_line;
    std::string m_fileName;
    std::size_t m_number = 0;
};

}  // namespace quillet::tool
