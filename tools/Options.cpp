#include "Options.h"

#include "ToolError.h"

#include "core/Paths.h"

#include <algorithm>

namespace quillet::tool {

Options::Options(const std::vector<std::string>& arguments,
                 std::initializer_list<std::string_view> required)
{
    for (std::size_t i = 0; i < arguments.size(); i += 2) {
        const std::string& name = arguments[i];
        if (std::find(required.begin(), required.end(), name) == required.end())
            throw UsageError("unknown argument '" + name + "'");
        if (i + 1 >= arguments.size())
            throw UsageError("option " + name + " needs a value");
        if (!m_values.emplace(name, arguments[i + 1]).second)
            throw UsageError("option " + name + " given twice");
    }
    for (std::string_view name : required)
        if (m_values.find(name) == m_values.end())
            throw UsageError("option " + std::string(name) + " is missing");
}

const std::string& Options::value(std::string_view name) const
{
    auto found = m_values.find(name);
    if (found == m_values.end())
        throw UsageError("option " + std::string(name) + " is missing");
    return found->second;
}

std::filesystem::path Options::path(std::string_view name) const
{
    return core::pathFromText(value(name));
}

}  // namespace quillet::tool
