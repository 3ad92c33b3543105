#pragma once
// The program keeps folders as UTF-16 text; the file system wants native paths.

#include <filesystem>
#include <string>
#include <string_view>

namespace quillet::core {

inline constexpr char16_t kDirectorySeparator =
    static_cast<char16_t>(std::filesystem::path::preferred_separator);

// Unpaired surrogates become U+FFFD rather than throwing.
std::filesystem::path toPath(std::u16string_view text);
// Bytes of a Linux path that are not UTF-8 become U+FFFD rather than throwing.
std::u16string fromPath(const std::filesystem::path& path);
// A path typed as UTF-8, such as a command's argument. On POSIX systems the
// bytes are the path whatever they are; on Windows malformed UTF-8 becomes
// U+FFFD. (The standard library would read a Windows path's bytes in the
// legacy code page, yet write path::string() in UTF-8.)
std::filesystem::path pathFromText(std::string_view text);

// A regular file (or a link to one). Directories, devices and anything that
// cannot be inspected count as missing. Hidden and system attributes are not
// visible to the standard library, so they do not count here.
bool isPlainFile(const std::filesystem::path& path);
// The same for a path held as text; fits checkInstallation's FileExists.
bool plainFileExists(std::u16string_view path);

}  // namespace quillet::core
