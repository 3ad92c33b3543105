#pragma once
// What every fuzz target shares: the entry point, a check that aborts so that
// libFuzzer keeps the input, the split of an input into parts, and a private
// scratch folder for targets that must read real files.

#include "../support/TempFolder.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>

// The libFuzzer entry point; the body that follows sees the input as `bytes`.
#define QUILLET_FUZZ_TARGET(bytes)                                                    \
    static void fuzzOne(std::string_view bytes);                                      \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) \
    {                                                                                 \
        fuzzOne({reinterpret_cast<const char*>(data), size});                         \
        return 0;                                                                     \
    }                                                                                 \
    static void fuzzOne(std::string_view bytes)

namespace quillet::fuzz {

inline void check(bool holds)
{
    if (!holds)
        std::abort();
}

// The bytes before the first `separator` and those after it (none without one).
inline std::pair<std::string_view, std::string_view> splitAt(std::string_view bytes, char separator)
{
    const std::size_t at = bytes.find(separator);
    return {bytes.substr(0, at), at == bytes.npos ? std::string_view() : bytes.substr(at + 1)};
}

// Removed with its contents at exit.
inline const std::filesystem::path& scratchFolder()
{
    static const testsupport::TempFolder folder;
    return folder.path();
}

inline void writeScratchFile(const std::string& name, std::string_view bytes)
{
    std::ofstream(scratchFolder() / name, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace quillet::fuzz
