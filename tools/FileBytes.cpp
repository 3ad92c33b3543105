#include "FileBytes.h"

#include "ToolError.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace quillet::tool {

std::string readFileBytes(const std::string& path)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        throw FileError(path, "is a folder, not a file");
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw FileError(path, std::strerror(errno));
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (file.bad())
        throw FileError(path, "read failed");
    return std::move(bytes).str();
}

InputFile mapFileBytes(const std::string& path)
{
    InputFile file;
    if (file.mapped.open(path, UINTMAX_MAX, dictionary::FileAccess::Map) !=
        dictionary::FileReadStatus::Read)
        file.read = readFileBytes(path);  // throws the reason, or reads a pipe
    return file;
}

}  // namespace quillet::tool
