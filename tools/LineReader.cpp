#include "LineReader.h"

namespace quillet::tool {

bool LineReader::next()
{
    while (!m_rest.empty()) {
        ++m_number;
        const std::size_t end = m_rest.find('\n');
        m_line = m_rest.substr(0, end);
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
