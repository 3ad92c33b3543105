#include "core/Paths.h"

#include "core/Utf8.h"

#include <system_error>

namespace quillet::core {

std::filesystem::path toPath(std::u16string_view text)
{
#ifdef _WIN32
    std::wstring wide(text.begin(), text.end());
    return std::filesystem::path(wide);
#else
    return std::filesystem::path(toUtf8(text));
#endif
}

std::filesystem::path pathFromText(std::string_view text)
{
#ifdef _WIN32
    return toPath(fromUtf8(text));
#else
    return std::filesystem::path(text);
#endif
}

std::u16string fromPath(const std::filesystem::path& path)
{
#ifdef _WIN32
    const std::wstring& wide = path.native();
    return std::u16string(wide.begin(), wide.end());
#else
    return fromUtf8(path.native());
#endif
}

bool isPlainFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

bool plainFileExists(std::u16string_view path)
{
    return isPlainFile(toPath(path));
}

}  // namespace quillet::core
