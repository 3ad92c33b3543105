#pragma once
// Reading a small file whole, such as the settings or the catalogue: only a
// regular file of at most `maxBytes` bytes is read (core/OpenFile.h says how
// it is opened), so a damaged or planted file never makes the reader wait or
// hold without end.

#include "core/OpenFile.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace quillet::core {

// Reads the whole file into `bytes` (left empty unless the status is Read).
FileReadStatus readRegularFile(const std::filesystem::path& path, std::uintmax_t maxBytes,
                               std::string& bytes, OpenMode mode = OpenMode::Read);

}  // namespace quillet::core
