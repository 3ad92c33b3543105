#pragma once
// "--name value" options of one command. Every option named in `required`
// must appear exactly once; anything else is a usage error.

#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quillet::tool {

class Options
{
public:
    // Throws UsageError.
    Options(const std::vector<std::string>& arguments,
            std::initializer_list<std::string_view> required);

    const std::string& value(std::string_view name) const;
    // The value as a path (core::pathFromText).
    std::filesystem::path path(std::string_view name) const;

private:
    std::map<std::string, std::string, std::less<>> m_values;
};

}  // namespace quillet::tool
