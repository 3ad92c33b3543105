#pragma once
// A private scratch folder for targets that must read real files, created once
// per process and removed at exit.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace quillet::fuzz {

inline const std::filesystem::path& scratchFolder()
{
    static const struct Folder
    {
        std::filesystem::path path = std::filesystem::temp_directory_path() /
                                     ("quillet-fuzz-" + std::to_string(::getpid()));
        Folder() { std::filesystem::create_directories(path); }
        ~Folder()
        {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    } folder;
    return folder.path;
}

inline void writeScratchFile(const std::string& name, std::string_view bytes)
{
    std::ofstream file(scratchFolder() / name, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace quillet::fuzz
