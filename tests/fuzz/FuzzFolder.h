#pragma once
// A private scratch folder for targets that must read real files, created once
// per process and removed at exit.

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace quillet::fuzz {

struct ScratchFolder
{
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("quillet-fuzz-" + std::to_string(::getpid()));
    ScratchFolder() { std::filesystem::create_directories(path); }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

inline const std::filesystem::path& scratchFolder()
{
    static const ScratchFolder folder;
    return folder.path;
}

inline void writeScratchFile(const std::string& name, std::string_view bytes)
{
    std::ofstream(scratchFolder() / name, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace quillet::fuzz
