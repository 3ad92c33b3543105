#pragma once

#include "dictionary/RegularFile.h"

#include <string>
#include <string_view>

namespace quillet::tool {

// The whole file; throws FileError naming the file and the reason.
std::string readFileBytes(const std::string& path);

// A whole input file: mapped where the system can, so a large one is read as
// it is used; a pipe or device is read whole.
struct InputFile
{
    dictionary::MappedFile mapped;
    std::string read;
    std::string_view bytes() const { return read.empty() ? mapped.bytes() : read; }
};

// Throws FileError as readFileBytes does.
InputFile mapFileBytes(const std::string& path);

}  // namespace quillet::tool
