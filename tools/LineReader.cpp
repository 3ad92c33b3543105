#include "LineReader.h"

#include "ToolError.h"

namespace quillet::tool {

std::size_t LineReader::lineEnd()
{
    std::size_t searched = 0;
    while (true) {
        const std::size_t end = m_rest.find('\n', searched);
        if (end != std::string_view::npos || !m_file || m_rest.size() > kLongestLine)
            return end;
        searched = m_rest.size();
        m_buffer.erase(0, m_buffer.size() - m_rest.size());
        const bool more = m_file->readMore(m_buffer, std::size_t{1} << 16);
        m_rest = m_buffer;
        if (!more) {
            m_file.reset();
            return std::string_view::npos;
        }
    }
}

bool LineReader::next()
{
    while (true) {
        const std::size_t end = lineEnd();
        if (m_rest.empty())
            break;
        ++m_number;
        m_line = m_rest.substr(0, end);
        if (m_line.size() > kLongestLine)
            throw FileError(where(), "line longer than " + std::to_string(kLongestLine) +
                                         " bytes, more than any entry can hold");
        m_rest.remove_prefix(end == std::string_view::npos ? m_rest.size() : end + 1);
        if (!m_line.empty() && m_line.back() == '\r')
            m_line.remove_suffix(1);
        if (!m_line.empty())
            return true;
    }
    m_line = {};
    return false;
}

}  // namespace quillet::tool
