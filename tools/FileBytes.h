#pragma once

#include <string>

namespace quillet::tool {

// The whole file; throws FileError naming the file and the reason.
std::string readFileBytes(const std::string& path);

}  // namespace quillet::tool
